#!/bin/sh
# Runs a Windows program under Wine in the build folder's own prefix, never ~/.wine.
# The prefix is made on first use; runs are serial (ctest -j1), so no two first starts race.
set -e
here=$(cd "$(dirname "$0")" && pwd)
: "${NETCHECK_WINEPREFIX:=$here/../build/windows/wineprefix}"
export WINEPREFIX="$NETCHECK_WINEPREFIX"
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="
loader=/usr/bin/wine
[ -x "$loader" ] || loader=/usr/lib/wine/wine64
if [ ! -f "$WINEPREFIX/system.reg" ]; then
  mkdir -p "$WINEPREFIX"
  "$loader" wineboot --init >/dev/null 2>&1 || true
  # Without a window manager Wine waits ~2 s whenever a window closes; unmanaged windows do not.
  "$loader" reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /t REG_SZ /d N /f >/dev/null 2>&1 || true
  wineserver -w 2>/dev/null || true
fi
exec "$loader" "$@"
