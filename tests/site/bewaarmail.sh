#!/bin/sh
# sendmail for the tests: keeps each mail as a file in the folder given as $1.
exec cat > "$1/$(date +%s%N).eml"
