#!/bin/sh
# Runs a validator command; exits 77 (the test's skip code) when the
# validator is not installed on this machine.
command -v "$1" >/dev/null 2>&1 || { echo "$1 is not installed: skipped"; exit 77; }
exec "$@"
