#!/usr/bin/env bash
# A course run on its own ("--course <file>") under a real X server: the
# chapter spread of its first chapter, Enter begins the first exercise, a
# message page and a text typed with xdotool, then the spread again with the
# results on the left and the first exercise ticked in the list. Closing the
# window ends the program. The trace shows each page and event, and a
# faultless result. Screenshots of the spread, the message, the text
# and the list after the exercise.
source "$(dirname "$0")/common.sh" "$1" "$2"

start_display
seed_settings
cp "$(dirname "$0")/course.cnt" "$WORK/app/blackbox.cnt"
start_program --course blackbox.cnt
wait_trace 'page ChpContents' 20
activate_window
settle
screenshot course-chapter-spread

xdotool key Return
wait_event TMessageEvent
settle
screenshot course-message
cmp -s "$SHOTS/course-chapter-spread.png" "$SHOTS/course-message.png" &&
  fail "Enter on the chapter spread did not begin the first exercise"
xdotool key Return
wait_event TTextEvent
# xdotool waits half the delay after each press and each release: some 300 ms a key,
# 15 clock seconds in all, long enough to be scored.
xdotool type --delay 600 "sad fad dad lad ask all fall add salad flask "
wait_trace 'event completed TTextEvent'
settle
screenshot course-text
xdotool key Return
wait_trace 'event end TTextEvent 3'
# Typed without a mistake, at some two keys a second.
wait_trace 'result speed=[0-9]+ accuracy=100\.0 .*'
wait_trace 'page ChpContents'
settle
screenshot course-exercise-list
cmp -s "$SHOTS/course-chapter-spread.png" "$SHOTS/course-exercise-list.png" &&
  fail "the spread after the exercise looks as before it"
kill -0 "$APP_PID" 2>/dev/null || fail "the program ended on the chapter spread"
close_window
grep -q . "$WORK/stderr" && { echo "program wrote to stderr:"; cat "$WORK/stderr"; }
echo "ok: screenshots in $SHOTS"
