#!/bin/sh
# A match played in parts adds up to the whole: games 2 and 3 of a seeded
# four-game match, played alone with --first 2, are the same games.
set -eu
match=$1
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
args="--a LEVEL4 --b LEVEL3 --nodes 3000 --seed 3 --verbose 1"
"$match" $args --games 4 > "$out/whole.txt" 2> "$out/whole.err"
"$match" $args --games 2 --first 2 > "$out/part.txt" 2> "$out/part.err"
grep -E '^game [23] ' "$out/whole.err" | sort > "$out/whole.games"
grep -E '^game ' "$out/part.err" | sort > "$out/part.games"
test "$(wc -l < "$out/part.games")" -eq 2
diff "$out/whole.games" "$out/part.games"
tail -n 1 "$out/part.txt" | grep -q '^games 2 wins '
