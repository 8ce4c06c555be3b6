#!/bin/sh
# The quick start's entry point: installs the Debian packages the project
# needs (make itself among them, which a fresh system may lack), then runs
# make with the given targets, e.g. `sh scripts/make.sh test`.
set -eu
cd "$(dirname "$0")/.."
sh scripts/install-deps.sh
exec make "$@"
