#!/usr/bin/env bash
# Fails when a function that one of our static libraries defines out of line
# (nm type T) is defined by another of them as well (T, or W for an inline or
# template copy). The linker keeps one such definition for the whole program
# without a word, so one layer silently runs the other's code.
# Usage: symbol_clashes.sh LIBRARY.a...
set -euo pipefail

if [[ $# -lt 2 ]]; then
    echo "usage: $0 LIBRARY.a LIBRARY.a..." >&2
    exit 2
fi

table=$(mktemp)
trap 'rm -f "$table"' EXIT
for library in "$@"; do
    if [[ ! -f "$library" ]]; then
        echo "symbol_clashes: no library at $library" >&2
        exit 2
    fi
    # POSIX format: "name type value size"; member headers end in ':'.
    nm --defined-only -P "$library" \
        | awk -v lib="$(basename "$library")" 'NF >= 2 && ($2 == "T" || $2 == "W") { print $1, $2, lib }' \
        | sort -u >> "$table"
done

# For each symbol, the libraries that define it out of line and the others
# that define it at all.
clashes=$(sort "$table" | awk '
    function flush() {
        if (name != "" && strong != "" && count > 1)
            print name "\n    out of line in:" strong "\n    defined in:" all
    }
    $1 != name { flush(); name = $1; strong = ""; all = ""; count = 0; delete seen }
    {
        if ($2 == "T") strong = strong " " $3
        if (!($3 in seen)) { seen[$3] = 1; all = all " " $3; ++count }
    }
    END { flush() }')

if [[ -n "$clashes" ]]; then
    echo "symbol_clashes: functions defined by more than one library:"
    while IFS= read -r line; do
        if [[ "$line" == " "* ]]; then
            echo "$line"
        else
            echo "  $(echo "$line" | c++filt) ($line)"
        fi
    done <<< "$clashes"
    exit 1
fi
echo "symbol_clashes: $(cut -d' ' -f1 "$table" | sort -u | wc -l) functions across $# libraries, none defined twice"
