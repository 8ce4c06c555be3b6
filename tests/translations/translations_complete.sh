#!/bin/sh
# Fails while a translation is behind the sources: lupdate, run over copies
# of the .ts files, must find every source text translated (no "unfinished"
# entry) and every translation still used (no "vanished" or "obsolete" one).
#
#   translations_complete.sh LUPDATE SOURCE_ROOT SOURCES_LIST TS_FILE...
set -eu
lupdate=$1 root=$2 sources=$3
shift 3
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
status=0
for ts in "$@"; do
    copy="$work/$(basename "$ts")"
    cp "$ts" "$copy"
    case "$copy" in
        *_en.ts) plural=-pluralonly ;;
        *) plural= ;;
    esac
    # shellcheck disable=SC2086 # $plural is one option or none
    "$lupdate" -silent -locations none -I "$root" $plural "@$sources" -ts "$copy" >/dev/null
    behind=$(grep -c -E 'type="(unfinished|vanished|obsolete)"' "$copy" || true)
    if [ "$behind" -ne 0 ]; then
        echo "$(basename "$ts"): $behind entries unfinished or obsolete:" >&2
        grep -B3 -E 'type="(unfinished|vanished|obsolete)"' "$copy" | grep '<source>' | head -20 >&2
        status=1
    fi
done
exit $status
