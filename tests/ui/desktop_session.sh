#!/bin/sh
# Runs a program inside a desktop session as a screen reader's user has it: the accessibility
# bus is up before the program starts, so Qt's bridge connects to it at once.
#   dbus-run-session -- sh tests/ui/desktop_session.sh PROGRAM [ARGS...]
launcher=/usr/libexec/at-spi-bus-launcher
[ -x "$launcher" ] || { echo "missing $launcher (package at-spi2-core)" >&2; exit 2; }
"$launcher" --launch-immediately &
bus=$!
for _ in $(seq 100); do
    dbus-send --session --print-reply --dest=org.freedesktop.DBus / \
        org.freedesktop.DBus.NameHasOwner string:org.a11y.Bus 2>/dev/null | grep -q true && break
    sleep 0.1
done
"$@"
status=$?
kill "$bus" 2>/dev/null
exit $status
