#!/usr/bin/env bash
# The layers of the tree hold: the core includes no Qt and nothing of the programs above it,
# the command-line programs no Qt and no window code, and no module includes another that
# includes it back, directly or round a loop. Run by the test suite; prints what breaks.
set -euo pipefail
cd "${1:-$(dirname "${BASH_SOURCE[0]}")/..}"
status=0

refuse() {  # message, grep arguments...
    local message=$1; shift
    if grep -rnE "$@"; then
        echo "^ $message" >&2
        status=1
    fi
}
refuse "Qt in the core or the command-line programs" '#include <Q' core cli
refuse "the core includes a program above it" '#include "(cli|gui)/' core
refuse "the command-line programs include window code" '#include "gui/' cli

module() {
    case $1 in
        core/* | gui/*) cut -d/ -f1,2 <<<"$1" ;;
        *) cut -d/ -f1 <<<"$1" ;;
    esac
}

edges=$(grep -rHoE '#include "(core|cli|gui)/[^"]+"' core cli gui |
    while IFS=: read -r file include; do
        include=${include#\#include \"}
        from=$(module "$file")
        to=$(module "${include%\"}")
        [ "$from" = "$to" ] || echo "$from $to"
    done | sort -u)
if ! tsort <<<"$edges" >/dev/null 2>/tmp/check-layers.$$; then
    cat /tmp/check-layers.$$ >&2
    echo "^ modules that include each other" >&2
    status=1
fi
rm -f /tmp/check-layers.$$
exit $status
