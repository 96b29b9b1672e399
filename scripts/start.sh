#!/usr/bin/env bash
# Builds isam-netcheck.exe and starts it under Wine. With no display, it runs on a virtual one,
# saves a screenshot to build/screenshot.png and closes the program again.
set -eu
cd "$(dirname "$0")/.."
scripts/install-deps.sh
mkdir -p build
cmake --preset windows >build/windows-start.log 2>&1 || { cat build/windows-start.log; exit 1; }
cmake --build --preset windows --target isam-netcheck
exe="$PWD/build/windows/src/isam-netcheck.exe"
prefix="$PWD/build/windows/wineprefix-app"
rundir="$PWD/build/run"
mkdir -p "$rundir"
cd "$rundir"  # the program keeps its two INI files in its current directory
if [ -n "${DISPLAY:-}" ]; then
  NETCHECK_WINEPREFIX="$prefix" "$OLDPWD/cmake/wine-run.sh" "$exe"
else
  NETCHECK_WINEPREFIX="$prefix" xvfb-run -a -s "-screen 0 1024x768x24" "$OLDPWD/scripts/screenshot.sh" "$exe" "$OLDPWD/build/screenshot.png"
  echo "No display: the window ran on a virtual display; its picture is $OLDPWD/build/screenshot.png"
fi
