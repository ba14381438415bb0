#!/usr/bin/env bash
# The run command's tour for machines without a display: it must end by
# itself with status 0 and leave every screenshot it names, each step showing
# something other than the step before it.
# Usage: tour.sh <source folder> <build folder>
set -euo pipefail
out=$(bash "$1/scripts/tour" "$2") || { echo "$out"; echo "FAIL: the tour ended with status $?"; exit 1; }
mapfile -t shots < <(printf '%s\n' "$out" | sed -n '/screenshots:$/,$p' | tail -n +2)
[ ${#shots[@]} -ge 8 ] || { echo "$out"; echo "FAIL: only ${#shots[@]} screenshots listed"; exit 1; }
previous=
for shot in "${shots[@]}"; do
  [ -s "$shot" ] || { echo "FAIL: $shot is missing"; exit 1; }
  [ -n "$previous" ] && cmp -s "$previous" "$shot" && { echo "FAIL: $shot shows the same as $previous"; exit 1; }
  previous=$shot
done
echo "ok: ${#shots[@]} screenshots in $2/tour"
