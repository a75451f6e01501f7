#!/usr/bin/env bash
# Fails, listing them, when any C++ file under src/, tools/ or tests/ is not laid out as the
# repository's .clang-format says. Fix one with `clang-format -i FILE`.
set -uo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$here"

command -v clang-format >/dev/null || { echo "check-format: clang-format is not installed" >&2; exit 2; }

unformatted=()
checked=0
while IFS= read -r -d '' file; do
  checked=$((checked + 1))
  clang-format --dry-run -Werror "$file" >/dev/null 2>&1 || unformatted+=("$file")
done < <(find src tools tests -type f \( -name '*.cpp' -o -name '*.h' -o -name '*.hpp' -o -name '*.cc' \) -print0 | sort -z)

if [ ${#unformatted[@]} -gt 0 ]; then
  printf '%s\n' "${unformatted[@]}"
  echo "check-format: ${#unformatted[@]} of $checked C++ files need clang-format -i" >&2
  exit 1
fi
echo "check-format: all $checked C++ files are formatted" >&2
