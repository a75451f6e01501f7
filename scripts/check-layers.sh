#!/usr/bin/env bash
# Fails when an #include "…" under src/ reaches up or sideways between layers. Bottom to top:
#
#   base        text, paths, names, Windows-1250, number reading, Czech failure texts
#   platform    platform.h only: the services the program asks for
#   state       the one program-state object
#   report      } features: operations with explicit inputs and results. They are siblings:
#   assembly    } neither includes the other; what both need moves down to base or state.
#   ui          control and form models, each form's handlers
#   app         the Application object, start-up, command-line opening
#   win32       src/win32: renders the forms and implements the platform services
#
# A layer may include itself and what its row in LAYER_ALLOWS names. A file's layer is the
# longest entry of LAYER_OF that its path (relative to src/) begins with; a file none matches
# is reported too. Both tables are the whole policy: adjust them, not the code below.
set -uo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
src=$here/src

declare -A LAYER_OF=(
  [base/]=base
  [platform/platform.h]=platform
  [state/]=state
  [report/]=report
  [assembly/]=assembly
  [ui/]=ui
  [app/]=app
  [win32/]=win32
)

# Headers the build writes (into the build folder, so not under src/), by layer.
declare -A GENERATED_LAYER=(
  [tamrill/version.h]=base
)

declare -A LAYER_ALLOWS=(
  [base]=""
  [platform]="base"
  [state]="base platform"
  [report]="base platform state"
  [assembly]="base platform state"
  [ui]="base platform state report assembly"
  [app]="base platform state report assembly ui"
  [win32]="base platform state report assembly ui app"
)

# Prints the layer of a path relative to src/, or nothing.
layer_of() {
  local path=$1 key best=
  for key in "${!LAYER_OF[@]}"; do
    if [[ $path == "$key"* ]] && [ ${#key} -gt ${#best} ]; then best=$key; fi
  done
  [ -n "$best" ] && printf '%s' "${LAYER_OF[$best]}"
}

allowed() {  # from to
  [ "$1" = "$2" ] && return 0
  [[ " ${LAYER_ALLOWS[$1]} " == *" $2 "* ]]
}

violations=0
unplaced=0
declare -A reported_unplaced=()
note_unplaced() {
  [ -n "${reported_unplaced[$1]:-}" ] && return
  reported_unplaced[$1]=1
  unplaced=$((unplaced + 1))
  echo "src/$1: in no layer"
}

while IFS= read -r -d '' file; do
  rel=${file#"$src"/}
  from=$(layer_of "$rel")
  [ -n "$from" ] || note_unplaced "$rel"
  while IFS= read -r included; do
    # Written relative to src/, or else to the including file's own folder.
    if [ -f "$src/$included" ]; then
      target=$included
      to=$(layer_of "$target")
    elif [ -f "$(dirname "$file")/$included" ]; then
      target=$(realpath --relative-to="$src" "$(dirname "$file")/$included")
      to=$(layer_of "$target")
    elif [ -n "${GENERATED_LAYER[$included]:-}" ]; then
      target=$included
      to=${GENERATED_LAYER[$included]}
    else
      echo "src/$rel: includes \"$included\", which is not under src/"
      violations=$((violations + 1))
      continue
    fi
    if [ -z "$to" ]; then
      note_unplaced "$target"
    elif [ -n "$from" ] && ! allowed "$from" "$to"; then
      echo "src/$rel: includes \"$included\": $from may not include $to"
      violations=$((violations + 1))
    fi
  done < <(sed -n 's/^[[:space:]]*#[[:space:]]*include[[:space:]]*"\([^"]*\)".*/\1/p' "$file")
done < <(find "$src" -type f \( -name '*.cpp' -o -name '*.h' -o -name '*.rc' \) -print0 | sort -z)

if [ $((violations + unplaced)) -gt 0 ]; then
  echo "check-layers: $violations includes across layers, $unplaced files in no layer" >&2
  exit 1
fi
echo "check-layers: every include keeps to the layers" >&2
