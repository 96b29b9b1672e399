#!/bin/sh
# Reads the built isam-netcheck.exe and fails when a protection or a property is missing:
# ASLR (relocatable, high entropy) and DEP in the PE header, imports only from DLLs that ship with
# Windows, DLLs looked up in the system folder only, stack protection linked in, and the version
# resource and manifest embedded.
# Usage: check_exe.sh EXE MAPFILE
exe=$1
map=$2
objdump=x86_64-w64-mingw32-objdump
failures=0
fail() {
  echo "FAIL: $1"
  failures=$((failures + 1))
}
pass() { echo "ok: $1"; }

headers=$($objdump -p "$exe") || { echo "FAIL: cannot read $exe"; exit 1; }
for flag in DYNAMIC_BASE HIGH_ENTROPY_VA NX_COMPAT; do
  if echo "$headers" | grep -qw "$flag"; then pass "$flag"; else fail "$flag is not set"; fi
done
# High-entropy ASLR needs relocations and an image base above 4 GB.
if $objdump -h "$exe" | grep -qw ".reloc"; then pass "relocations"; else fail "no .reloc section"; fi
base=$(echo "$headers" | awk '/^ImageBase/ {print $2}')
if [ "$(printf '%d' "0x$base")" -gt 4294967295 ]; then pass "image base $base"; else fail "image base $base below 4 GB"; fi

allowed="advapi32.dll comctl32.dll gdi32.dll kernel32.dll msvcrt.dll user32.dll"
dlls=$(echo "$headers" | awk '/DLL Name:/ {print tolower($3)}')
[ -n "$dlls" ] || fail "no import table found"
for dll in $dlls; do
  case " $allowed " in
    *" $dll "*) pass "imports $dll" ;;
    *) fail "imports $dll, which does not ship with Windows" ;;
  esac
done
if echo "$headers" | grep -qw SetDefaultDllDirectories; then pass "SetDefaultDllDirectories"; else fail "SetDefaultDllDirectories is not called"; fi

if grep -q "__stack_chk_fail" "$map" && grep -q "libssp.a" "$map"; then
  pass "stack protection"
else
  fail "stack protection is not linked in"
fi

for text in ProductName ProductVersion FileDescription isam-netcheck.exe; do
  if strings -el "$exe" | grep -qx "$text"; then pass "version resource: $text"; else fail "version resource lacks $text"; fi
done
for text in 'level="highestAvailable"' 'Microsoft.Windows.Common-Controls' 'PerMonitorV2'; do
  if strings "$exe" | grep -q "$text"; then pass "manifest: $text"; else fail "manifest lacks $text"; fi
done

echo "size: $(wc -c <"$exe") bytes"
if [ "$failures" -eq 0 ]; then echo "hardening: all checks passed"; else echo "hardening: $failures checks failed"; fi
[ "$failures" -eq 0 ]
