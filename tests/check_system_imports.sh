#!/usr/bin/env bash
# Fails when a program imports a DLL that is not part of Windows itself, since
# the programs ship as single .exe files with nothing beside them.
# Usage: check_system_imports.sh OBJDUMP PROGRAM...
set -euo pipefail
objdump="$1"
shift
allowed='^(advapi32|comctl32|comdlg32|gdi32|kernel32|msvcrt|user32|ole32|oleaut32|shell32|shlwapi|winhttp|crypt32|ws2_32|version)\.dll$'
status=0
for program in "$@"; do
    while read -r dll; do
        if ! echo "$dll" | tr 'A-Z' 'a-z' | grep -Eq "$allowed"; then
            echo "$program imports $dll, which does not come with Windows"
            status=1
        fi
    done < <("$objdump" -p "$program" | sed -n 's/^[[:space:]]*DLL Name: //p')
done
exit $status
