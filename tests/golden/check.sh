#!/usr/bin/env bash
# Compares the scene that this build computes for a point file with the
# golden dump kept in the repository.
#   check.sh SCENE_DUMP INPUT GOLDEN
set -euo pipefail
out=$(mktemp)
trap 'rm -f "$out"' EXIT
"$1" "$2" >"$out"
if ! diff -u "$3" "$out" | head -40; then :; fi
cmp -s "$3" "$out"
