#!/usr/bin/env bash
# imports.sh: Tolvane.exe needs no DLL beyond Windows' own. Usage: imports.sh EXE
set -euo pipefail
allowed=" ADVAPI32.dll COMCTL32.DLL GDI32.dll KERNEL32.dll msvcrt.dll USER32.dll WINMM.DLL "
dlls=$(i686-w64-mingw32-objdump -p "$1" | awk '/DLL Name:/ { print $3 }')
[ -n "$dlls" ] || { echo "FAIL: no imports read from $1"; exit 1; }
for dll in $dlls; do
    [[ "$allowed" == *" $dll "* ]] || { echo "FAIL: $1 imports $dll"; exit 1; }
done
echo "imports: $(echo $dlls)"
