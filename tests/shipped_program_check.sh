#!/usr/bin/env bash
# The program that ships: a 32-bit Windows executable that needs no DLL outside Windows.
set -euo pipefail
exe=$1
file "$exe" | grep -q 'PE32 executable (GUI) Intel 80386' || { echo "not a 32-bit GUI program: $(file "$exe")"; exit 1; }
system='^(advapi32|comctl32|gdi32|imm32|kernel32|msvcrt|oleaut32|ole32|shell32|shlwapi|user32|uxtheme)\.dll$'
bad=0
while read -r dll; do
  if ! echo "$dll" | tr 'A-Z' 'a-z' | grep -Eq "$system"; then echo "imports $dll, which Windows does not ship"; bad=1; fi
done < <(i686-w64-mingw32-objdump -p "$exe" | sed -n 's/.*DLL Name: //p')
[ $bad -eq 0 ] && echo "32-bit, imports only: $(i686-w64-mingw32-objdump -p "$exe" | sed -n 's/.*DLL Name: //p' | tr '\n' ' ')"
exit $bad
