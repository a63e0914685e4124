#!/bin/sh
# Options the match tool must refuse with status 2 before it plays: limits that
# never end, counts that wrap or exhaust memory, numbers that overflow. A value
# it took would start a match, which the time guard ends as a failure.
match=$1
err=$(mktemp)
trap 'rm -f "$err"' EXIT
failed=0
while read -r option value; do
    timeout 20 "$match" --a LEVEL4 --b LEVEL3 --games 2 --nodes 1000 "$option" "$value" \
        > /dev/null 2> "$err"
    status=$?
    if [ "$status" -ne 2 ] || ! grep -q "^murokan-match: $option" "$err"; then
        echo "$option $value: status $status, $(head -n 1 "$err")"
        failed=1
    fi
done <<'TABLE'
--movetime 0
--nodes 0
--a-movetime 4294967296
--nodes 99999999999999999999
--games 2000000000
--games 4294967298
--jobs 1000
--opening-plies 100000
--opening-plies 3000000000
--a-contempt 2147483648
--first 2147483647
--a-eval board1=2000000000
--seed -1
--adjudicate 501
--games 2x
--a-margin 20001
--b-candidates 0
--a-choice-depth 9
TABLE
exit $failed
