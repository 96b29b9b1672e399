#!/usr/bin/env bash
# Benchmarks under Wine, each against its floor, side by side in one run; writes build/bench.txt.
# Start to ready and peak memory against a minimal window program, the engine against the bare
# registry calls, and the size of the executable. Runs on a virtual display of its own.
set -eu
cd "$(dirname "$0")/.."
if [ -z "${NETCHECK_BENCH_DISPLAY:-}" ]; then
  scripts/install-deps.sh
  mkdir -p build
  cmake --preset windows >build/bench-build.log 2>&1
  cmake --build --preset windows --target isam-netcheck floor_window floor_controls start_bench engine_bench \
    >>build/bench-build.log 2>&1
  NETCHECK_BENCH_DISPLAY=1 exec xvfb-run -a -s "-screen 0 1280x1024x24" "$0" "$@"
fi

export NETCHECK_WINEPREFIX="$PWD/build/windows/wineprefix-bench"
export WINEPREFIX="$NETCHECK_WINEPREFIX"
wine_run="$PWD/cmake/wine-run.sh"
bin="$PWD/build/windows/bench"
exe="$PWD/build/windows/src/isam-netcheck.exe"
rundir="$PWD/build/bench-run"
rm -rf "$rundir" && mkdir -p "$rundir"
{
  echo "isam-netcheck benchmarks, $(date -u '+%Y-%m-%d %H:%M UTC'), $(nproc) cores, $(wine --version 2>/dev/null)"
  # One wineserver for the whole measurement, warmed up, so that no run pays for starting it.
  "$wine_run" cmd /c exit >/dev/null 2>&1 || true
  wineserver -p 120 2>/dev/null || true
  (cd "$rundir" && "$wine_run" "$bin/start_bench.exe" 15) | tr -d '\r'
  "$wine_run" "$bin/engine_bench.exe" 31 | tr -d '\r'
  size=$(wc -c <"$exe")
  echo "executable size: $size bytes ($((size / 1024)) KiB; goal <= 600 KB)"
  wineserver -k 2>/dev/null || true
} | tee build/bench.txt
