#!/bin/sh
# Runs a test with a real Secret Service (gnome-keyring) in a private D-Bus session and a
# throw-away home folder, so the user's own keyring and settings are never touched.
set -eu
HOME="$(mktemp -d)"
export HOME
trap 'rm -rf "$HOME"' EXIT
dbus-run-session -- sh -c '
    eval "$(printf "hovelink-test\n" | gnome-keyring-daemon --unlock --components=secrets --daemonize)"
    export GNOME_KEYRING_CONTROL
    exec "$@"' sh "$@"
