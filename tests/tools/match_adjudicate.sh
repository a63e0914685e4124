#!/bin/sh
# --adjudicate ends a game the match tool's way only when asked: the same
# seeded games run to the game's own end without it, and with it no game
# outlasts its ply cap or its third standing in one position, each one it cut
# short counting as a draw. These two searchers go round in circles to the
# 500th ply.
set -eu
match=$1
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
args="--a LEVEL9 --b LEVEL8 --nodes 300 --seed 2 --games 2 --verbose 1"
"$match" $args > "$out/free.txt" 2> "$out/free.err"
"$match" $args --adjudicate 12 > "$out/cut.txt" 2> "$out/cut.err"
! grep -q '^adjudicated' "$out/free.txt"
grep -q '^adjudicated 2$' "$out/cut.txt"
tail -n 1 "$out/cut.txt" | grep -q '^games 2 wins 0 losses 0 draws 2 '
test "$(grep -cE '^game .* plies ([0-9]|1[0-2]):' "$out/cut.err")" -eq 2
test "$(grep -c '^game .* plies 500:' "$out/free.err")" -eq 2
