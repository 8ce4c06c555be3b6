#!/bin/sh
# orca-tour.sh [PROGRAM]: hear the calculator through Orca without a
# synthesizer. Starts a private X display, session bus and accessibility bus
# (tests/app/with-atspi.sh), Orca on them and the program (build/ by
# default), drives a fixed keyboard tour with xdotool and prints what Orca
# says after each step. Takes about fifty seconds. ORCA_DEBUG_FILE=FILE also
# keeps Orca's whole debug log.
#
# Orca and xdotool are for development only (`sh scripts/install-deps.sh
# scripts/packages-dev.txt` installs them); exits 77, saying why, where they
# are missing.
set -u
here=$(cd "$(dirname "$0")" && pwd)
root=$(dirname "$here")
APP=${1:-$root/build/app/quillmere-loan-calculator}
for tool in orca xdotool; do
    command -v "$tool" >/dev/null 2>&1 || { echo "SKIP: $tool is not installed" >&2; exit 77; }
done
[ -x "$APP" ] || { echo "no program at $APP: build it first" >&2; exit 1; }
export APP
exec sh "$root/tests/app/with-atspi.sh" /usr/bin/python3 "$here/orca_tour.py"
