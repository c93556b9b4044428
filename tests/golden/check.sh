#!/usr/bin/env bash
# Compares the scene that this build computes for a point file with the
# golden dump kept in the repository.  The dump command may start with an
# emulator (qemu for a cross build).
#   check.sh INPUT GOLDEN SCENE_DUMP_COMMAND...
set -euo pipefail
input="$1"
golden="$2"
shift 2
out=$(mktemp)
trap 'rm -f "$out"' EXIT
"$@" "$input" >"$out"
if ! diff -u "$golden" "$out" | head -40; then :; fi
cmp -s "$golden" "$out"
