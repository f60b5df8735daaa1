#!/usr/bin/env bash
# The window destroyed from outside (another X client destroys it, as
# `xdotool windowclose` does, without a close request): the game must end
# by itself, as a close ends it, and say nothing about it.
#   destroyed-window.sh GAME
set -u
game=$1
screen=$(dirname "$0")/../../scripts/with-xvfb
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -m 700 "$work/runtime"
XDG_RUNTIME_DIR=$work/runtime QT_QPA_PLATFORM=xcb timeout 60 \
    bash "$screen" bash -c '
    game=$1 log=$2
    "$game" >"$log" 2>&1 &
    pid=$!
    window=
    # Waits are long for a loaded machine; each ends as soon as it can.
    for _ in $(seq 300); do
        window=$(xdotool search --onlyvisible --name "^Kalvor" 2>/dev/null | head -n 1)
        [ -n "$window" ] && break
        kill -0 $pid 2>/dev/null || break
        sleep 0.1
    done
    [ -n "$window" ] || { echo "no window appeared"; kill $pid 2>/dev/null; exit 1; }
    xdotool windowclose "$window"
    for _ in $(seq 100); do
        kill -0 $pid 2>/dev/null || break
        sleep 0.1
    done
    if kill -0 $pid 2>/dev/null; then
        echo "the game still runs 10 s after its window was destroyed"
        kill $pid
        exit 1
    fi
    wait $pid
    status=$?
    [ $status -eq 0 ] || { echo "the game ended with status $status"; exit 1; }
' run "$game" "$work/game.log"
status=$?
if [ -s "$work/game.log" ]; then
    echo "the game printed:"
    cat "$work/game.log"
    status=1
fi
exit $status
