#!/usr/bin/env bash
# A text event run on its own ("--exercise <event line>") under a real X
# server: a text typed with xdotool, with a wrong letter, two swapped ones, a
# backspace, a skipped word and a repeated one; Enter at the end of the text
# completes the event, Enter again goes on to the results page, and Enter
# there ends the program by itself. The trace shows the event start,
# complete and end, and results that fit what was typed. Screenshots of the
# typing page and the results page.
source "$(dirname "$0")/common.sh" "$1" "$2"

LINE='Typing=TEXT;1;The quick brown fox jumps over the lazy dog, and then it runs far away into the woods.;TRUE'

start_display
seed_settings
start_program --exercise "$LINE"
wait_trace 'event start TTextEvent Typing'
activate_window

# xdotool waits half the delay after each press and each release: about
# 150 ms a key, some 15 clock seconds in all, long enough to be scored.
xdotool type --delay 300 "The quick brwn fox jumsp over the the lazy dog, and then it runs "
settle
screenshot typing-page
xdotool type --delay 300 "far awz"
xdotool key --delay 300 BackSpace
xdotool type --delay 300 "ay into woods."
xdotool key Return
wait_trace 'event completed TTextEvent'
settle
screenshot typing-completed
xdotool key Return
wait_trace 'event end TTextEvent 3'
wait_trace 'page ExercInfo'
wait_trace 'result .*'
RESULT=$(trace_line 'result .*')
wait_trace 'page TDemoEndView'
settle
screenshot typing-results
# Some 85 keys in some 15 seconds, with a handful of mistakes and one
# backspace: a few hundred characters a minute, an accuracy well short of
# perfect, and a backspace share of about one key in a hundred.
awk -v line="$RESULT" 'BEGIN {
  n = split(line, f, /[ =]/)
  for (i = 2; i < n; i += 2) v[f[i]] = f[i + 1]
  ok = v["speed"] >= 100 && v["speed"] <= 1500 &&
       v["accuracy"] >= 50 && v["accuracy"] < 100 &&
       v["efficiency"] >= 0 && v["efficiency"] <= 100 &&
       v["backspace"] > 0 && v["backspace"] < 5
  exit !ok }' || fail "implausible results: $RESULT"
kill -0 "$APP_PID" 2>/dev/null || fail "the program ended before the results page was left"
# Leaving the results page ends the program: nothing else was asked of it.
xdotool key Return
wait_program
[ "$APP_STATUS" -eq 0 ] || fail "exit status $APP_STATUS"
grep -q . "$WORK/stderr" && { echo "program wrote to stderr:"; cat "$WORK/stderr"; }
echo "ok: $RESULT; screenshots in $SHOTS"
