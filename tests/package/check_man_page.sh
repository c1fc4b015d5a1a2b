#!/bin/bash
# The manual page renders without a warning and has an entry for every command and option
# `zyntra-cli --help` names.
# Usage: check_man_page.sh MAN_PAGE ZYNTRA_CLI
set -u
page=$1
cli=$2

rendered=$(mktemp)
warnings=$(mktemp)
trap 'rm -f "$rendered" "$warnings"' EXIT
LC_ALL=C.UTF-8 MANWIDTH=100 man --warnings -l "$page" >"$rendered" 2>"$warnings"
failures=0
if [ -s "$warnings" ]; then
    echo "the manual page renders with warnings:"
    cat "$warnings"
    failures=$((failures + 1))
fi

for command in $("$cli" --help | sed -n 's/^  \([a-z][a-z-]*\).*/\1/p'); do
    [ "$command" = help ] && continue
    if ! grep -q -E "^       $command( |$)" "$rendered"; then
        echo "the manual page has no entry for the command $command"
        failures=$((failures + 1))
    fi
    for option in $("$cli" "$command" --help | head -n 1 | grep -o -- '--[a-z-]*' | sort -u); do
        if ! grep -q -F -- "$option" "$rendered"; then
            echo "the manual page never names $option of $command"
            failures=$((failures + 1))
        fi
    done
done
for option in --verbose --password-stdin --version --help; do
    if ! "$cli" --help | grep -q -F -- "$option" || ! grep -q -E "^       $option" "$rendered"; then
        echo "the global option $option is missing from the help or the manual page"
        failures=$((failures + 1))
    fi
done
exit "$failures"
