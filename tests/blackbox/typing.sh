#!/usr/bin/env bash
# A text event run on its own ("--exercise <event line>") under a real X
# server: a text typed with xdotool, with a wrong letter, two swapped ones, a
# backspace, a skipped word and a repeated one; Enter at the end of the text
# completes the event, Enter again goes on to the results page, and Enter
# there ends the program by itself. Screenshots of the typing page and the results page.
source "$(dirname "$0")/common.sh" "$1" "$2"

LINE='Typing=TEXT;1;The quick brown fox jumps over the lazy dog, and then it runs far away into the woods.;TRUE'

start_display
seed_settings
start_program --exercise "$LINE"
xdotool windowactivate --sync "$WINDOW" 2>/dev/null || true
sleep 0.3

# xdotool waits half the delay after each press and each release: about
# 150 ms a key, some 15 clock seconds in all, long enough to be scored.
xdotool type --delay 300 "The quick brwn fox jumsp over the the lazy dog, and then it runs "
sleep 0.3
screenshot typing-page
xdotool type --delay 300 "far awz"
xdotool key --delay 300 BackSpace
xdotool type --delay 300 "ay into woods."
xdotool key Return
sleep 0.5
screenshot typing-completed
xdotool key Return
sleep 0.8
screenshot typing-results
kill -0 "$APP_PID" 2>/dev/null || fail "the program ended before the results page was left"
# Leaving the results page ends the program: nothing else was asked of it.
xdotool key Return
wait_program
[ "$APP_STATUS" -eq 0 ] || fail "exit status $APP_STATUS"
cmp -s "$SHOTS/typing-page.png" "$SHOTS/typing-results.png" && fail "the results page did not appear"
grep -q . "$WORK/stderr" && { echo "program wrote to stderr:"; cat "$WORK/stderr"; }
echo "ok: screenshots in $SHOTS"
