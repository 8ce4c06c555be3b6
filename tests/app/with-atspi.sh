#!/bin/sh
# with-atspi.sh COMMAND [ARGS...]: runs COMMAND with a private X display, a
# private D-Bus session and its accessibility (AT-SPI) bus, as a screen
# reader's desktop has them. Exits 77 (a skip for CTest) where those can't be
# had here, saying why.
set -u
skip() { echo "SKIP: $*" >&2; exit 77; }

for tool in Xvfb dbus-run-session dbus-send /usr/libexec/at-spi-bus-launcher; do
    command -v "$tool" >/dev/null 2>&1 || skip "$tool is not installed"
done
# Debian's own python3, which has pyatspi (a pyenv or venv one may not).
/usr/bin/python3 -c 'import pyatspi' 2>/dev/null || skip "python3-pyatspi is not installed"

# The first free display from :60 to :69; ready once its lock file names our
# server and its socket takes a connection.
accepts() { /usr/bin/python3 -c 'import socket, sys; socket.socket(socket.AF_UNIX).connect(sys.argv[1])' "$1" 2>/dev/null; }
server=""
for n in 60 61 62 63 64 65 66 67 68 69; do
    [ -e "/tmp/.X$n-lock" ] && continue
    Xvfb ":$n" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
    server=$!
    for _ in $(seq 100); do
        kill -0 "$server" 2>/dev/null || break
        if [ "$(tr -d ' ' < "/tmp/.X$n-lock" 2>/dev/null)" = "$server" ] && accepts "/tmp/.X11-unix/X$n"; then
            display=":$n"
            break 2
        fi
        sleep 0.1
    done
    kill "$server" 2>/dev/null
    server=""
done
[ -n "$server" ] || skip "no X display could be started"
trap 'kill "$server" 2>/dev/null' EXIT
export DISPLAY="$display"

# The session bus starts the accessibility bus on the first request for its
# address; the program then registers with it.
dbus-run-session -- sh -c '
    for _ in $(seq 100); do
        dbus-send --session --print-reply=literal --dest=org.a11y.Bus /org/a11y/bus org.a11y.Bus.GetAddress \
            >/dev/null 2>&1 && break
        sleep 0.1
    done || true
    dbus-send --session --print-reply=literal --dest=org.a11y.Bus /org/a11y/bus org.a11y.Bus.GetAddress \
        >/dev/null 2>&1 || { echo "SKIP: the accessibility bus did not start" >&2; exit 77; }
    export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 QT_QPA_PLATFORM=xcb
    exec "$@"
' with-atspi "$@"
