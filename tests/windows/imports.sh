#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# imports.sh: Tolvane.exe needs no DLL beyond Windows' own. Usage: imports.sh OBJDUMP EXE
set -euo pipefail
# The 32-bit and 64-bit import libraries spell some names in other cases.
allowed=" advapi32.dll comctl32.dll gdi32.dll kernel32.dll msvcrt.dll user32.dll winmm.dll "
dlls=$("$1" -p "$2" | awk '/DLL Name:/ { print $3 }')
[ -n "$dlls" ] || { echo "FAIL: no imports read from $2"; exit 1; }
for dll in $dlls; do
    [[ "$allowed" == *" ${dll,,} "* ]] || { echo "FAIL: $2 imports $dll"; exit 1; }
done
echo "imports: $(echo $dlls)"
