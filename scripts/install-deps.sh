#!/bin/sh
# Installs the Debian packages listed in packages.txt (or in the list named as
# the first argument) that are not installed yet. Runs apt-get as root, or
# through sudo for an ordinary user. Does nothing when everything is already
# there, so it is cheap to call before every build.
set -eu
here=$(dirname "$0")
list="${1:-$here/../packages.txt}"

missing=""
for pkg in $(grep -v '^#' "$list"); do
    status=$(dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null || true)
    case "$status" in
        *"install ok installed"*) ;;
        *) missing="$missing $pkg" ;;
    esac
done
[ -z "$missing" ] && exit 0

echo "Installing Debian packages:$missing"
if [ "$(id -u)" -eq 0 ]; then sudo=""; else sudo="sudo"; fi
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq $missing
