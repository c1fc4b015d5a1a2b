#!/bin/bash
# The bash completion offers the commands `zyntra-cli --help` lists and, per command, the
# options and option values its usage line names: nothing more, nothing less.
# Usage: check_completion.sh COMPLETION_FILE ZYNTRA_CLI
set -u
completion=$1
cli=$2
# shellcheck source=/dev/null
source "$completion"

failures=0
differ() {
    echo "$1: the help names [$(echo "$2" | xargs)], the completion offers [$(echo "$3" | xargs)]"
    failures=$((failures + 1))
}

# The completion's offers after these words, the last being the one being completed.
offers() {
    COMP_WORDS=("$@")
    COMP_CWORD=$((${#COMP_WORDS[@]} - 1))
    COMPREPLY=()
    _zyntra_cli
    [ ${#COMPREPLY[@]} -gt 0 ] && printf '%s\n' "${COMPREPLY[@]}" | sort -u
}

commands=$("$cli" --help | sed -n 's/^  \([a-z][a-z-]*\).*/\1/p' | sort -u)
[ -n "$commands" ] || { echo "zyntra-cli --help lists no command"; exit 1; }
offered=$(offers zyntra-cli "" | grep -v '^-')
[ "$commands" = "$offered" ] || differ "commands" "$commands" "$offered"

for command in $commands; do
    [ "$command" = help ] && continue
    usage=$("$cli" "$command" --help | head -n 1)
    named=$(echo "$usage" | grep -o -- '--[a-z-]*' | sort -u)
    offered=$(offers zyntra-cli "$command" -- | grep -v -x -- '--help')
    [ "$named" = "$offered" ] || differ "$command options" "$named" "$offered"
    # "--format json|csv": the values after an option.
    while read -r option values; do
        [ -n "$option" ] || continue
        named=$(echo "$values" | tr '|' '\n' | sort -u)
        offered=$(offers zyntra-cli "$command" "$option" "")
        [ "$named" = "$offered" ] || differ "$command $option" "$named" "$offered"
    done < <(echo "$usage" | grep -o -E -- '--[a-z-]+ [a-z0-9.]+(\|[a-z0-9.]+)+' | sort -u)
done

[ "$failures" -eq 0 ] && echo "completion matches the help of $(echo "$commands" | wc -l) commands"
exit "$failures"
