#!/usr/bin/env bash
# Fails when a folder of src/ includes one of a higher layer. Lowest first; folders on one
# line are of one layer and do not include each other either.
set -euo pipefail
cd "$(dirname "$0")/../src"
lagen=("common" "calendar members header" "script" "moment upload" "app")
declare -A laag
for i in "${!lagen[@]}"; do for map in ${lagen[$i]}; do laag[$map]=$i; done; done
fout=0
for map in "${!laag[@]}"; do
    while IFS=: read -r bestand regel; do
        doel=${regel#*\"}; doel=${doel%%/*}
        if [ -n "${laag[$doel]:-}" ] && [ "$doel" != "$map" ] && [ "${laag[$doel]}" -ge "${laag[$map]}" ]; then
            echo "$bestand: $map includes $doel, which is not below it" >&2; fout=1
        fi
    done < <(grep -H '^#include "[a-z]*/' "$map"/*.cpp "$map"/*.h)
done
exit $fout
