#!/usr/bin/env bash
# Checks the format and the layers, builds everything and runs every test: the portable core
# natively (sanitizers on), the fuzzers for a bounded time, and the Win32 and GUI tests under
# Wine on an Xvfb of their own.
# Ends with one line "N passed, M failed"; exits non-zero when anything failed.
set -u
here=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$here"

fuzz_seconds=${TAMRILL_FUZZ_SECONDS:-60}
passed=0
failed=0
failures=()

note() { printf '\n== %s ==\n' "$*"; }
pass() { passed=$((passed + $1)); }
fail() { failed=$((failed + $1)); failures+=("$2"); }

# Adds a CTest run's counts from its closing line.
count_ctest() {
  local log=$1 what=$2 line total bad
  line=$(grep -E '^[0-9]+% tests passed, [0-9]+ tests? failed out of [0-9]+' "$log" | tail -n 1)
  if [ -z "$line" ]; then
    fail 1 "$what: no test ran"
    return
  fi
  total=$(sed -E 's/.* out of ([0-9]+).*/\1/' <<<"$line")
  bad=$(sed -E 's/.*passed, ([0-9]+) tests? failed.*/\1/' <<<"$line")
  pass $((total - bad))
  [ "$bad" -eq 0 ] || fail "$bad" "$what: $bad failed (see $log)"
}

note "Installing what is missing"
"$here/scripts/install.sh" || { echo "install failed"; exit 1; }

mkdir -p build/logs

note "Format and layer checks"
for check in format layers; do
  if "$here/scripts/check-$check.sh" >"build/logs/check-$check.log" 2>&1; then
    tail -n 1 "build/logs/check-$check.log"
    pass 1
  else
    tail -n 20 "build/logs/check-$check.log"
    fail 1 "check-$check (see build/logs/check-$check.log)"
  fi
done

note "Native build and tests"
if cmake --preset native >build/logs/native-configure.log 2>&1 &&
  cmake --build --preset native >build/logs/native-build.log 2>&1; then
  ctest --preset native 2>&1 | tee build/logs/native-test.log
  count_ctest build/logs/native-test.log native
else
  tail -n 40 build/logs/native-*.log
  fail 1 "native build"
fi

note "Fuzzing, ${fuzz_seconds} s a target"
if cmake --preset fuzz >build/logs/fuzz-configure.log 2>&1 &&
  cmake --build --preset fuzz >build/logs/fuzz-build.log 2>&1; then
  for fuzzer in build/fuzz/bin/*_fuzz; do
    [ -x "$fuzzer" ] || continue
    name=$(basename "$fuzzer" _fuzz)
    corpus=$(mktemp -d)
    [ -d "tests/fuzz/corpus/$name" ] && cp -r "tests/fuzz/corpus/$name/." "$corpus/"
    # The assembler's own test programs and the examples seed its fuzzer too.
    # Several folders hold a blink.asm: each seed is named after its folder too.
    if [ "$name" = asm51 ]; then
      for seed in tests/asm51/as31/*.asm tests/asm51/golden/*.asm tests/asm51/keil/*.asm examples/*.asm; do
        cp "$seed" "$corpus/$(basename "$(dirname "$seed")")-$(basename "$seed")"
      done
    fi
    echo "-- $name"
    if "$fuzzer" -max_total_time="$fuzz_seconds" -timeout=10 -rss_limit_mb=4096 \
      -print_final_stats=1 "$corpus" >"build/logs/fuzz-$name.log" 2>&1; then
      grep -E 'stat::number_of_executed_units' "build/logs/fuzz-$name.log"
      pass 1
    else
      tail -n 30 "build/logs/fuzz-$name.log"
      fail 1 "fuzzer $name (see build/logs/fuzz-$name.log)"
    fi
    rm -rf "$corpus"
  done
else
  tail -n 40 build/logs/fuzz-*.log
  fail 1 "fuzz build"
fi

note "Windows build, Win32 and GUI tests under Wine"
if cmake --preset windows >build/logs/windows-configure.log 2>&1 &&
  cmake --build --preset windows >build/logs/windows-build.log 2>&1; then
  ctest --preset windows 2>&1 | tee build/logs/windows-test.log
  count_ctest build/logs/windows-test.log windows
  WINEPREFIX="$here/build/wineprefix" wineserver -k >/dev/null 2>&1 || true
else
  tail -n 40 build/logs/windows-*.log
  fail 1 "windows build"
fi

note "Summary"
for f in "${failures[@]+"${failures[@]}"}"; do echo "FAILED: $f"; done
echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]
