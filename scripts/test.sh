#!/usr/bin/env bash
# Builds both presets and runs every test: natively (plain, then with ASan and UBSan and short
# fuzz runs) and the Windows build under Wine on a virtual display. Ends with one line
# "N passed, N failed" and exits nonzero when any test failed.
set -u
cd "$(dirname "$0")/.."
scripts/install-deps.sh || { echo "0 passed, 1 failed"; exit 1; }

passed=0
failed=0
run_preset() {
  local preset=$1
  shift
  echo "== $preset: build"
  local log="build/$preset-build.log"
  if ! cmake --preset "$preset" >"$log" 2>&1 || ! cmake --build --preset "$preset" >>"$log" 2>&1; then
    tail -n 40 "$log"
    echo "== $preset: build failed"
    failed=$((failed + 1))
    return
  fi
  echo "== $preset: test"
  local out
  out=$("$@" ctest --preset "$preset" 2>&1)
  echo "$out" | grep -vE '^ *Start |Test +#[0-9]+: .* Passed' || true
  local line
  line=$(echo "$out" | grep -E '[0-9]+% tests passed, [0-9]+ tests? failed out of [0-9]+' | tail -n 1)
  if [ -z "$line" ]; then
    echo "== $preset: no test summary"
    failed=$((failed + 1))
    return
  fi
  local f t
  f=$(echo "$line" | sed -E 's/.* ([0-9]+) tests? failed out of ([0-9]+).*/\1/')
  t=$(echo "$line" | sed -E 's/.* ([0-9]+) tests? failed out of ([0-9]+).*/\2/')
  passed=$((passed + t - f))
  failed=$((failed + f))
}

mkdir -p build
run_preset native
run_preset native-sanitize
run_preset windows xvfb-run -a -s "-screen 0 1280x1024x24"

echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]
