#!/usr/bin/env bash
# A text event run on its own, ended from outside at each stage: before the
# first key, while typing, with the "not finished" question open and on the
# results page. Each time the program ends cleanly (status 0) and saves its
# settings, as a learner logging out of the desktop expects; a hang-up (the
# terminal closed, the session ended) as well.
source "$(dirname "$0")/common.sh" "$1" "$2"

LINE='Stop=TEXT;1;The quick brown fox jumps.;TRUE'
INI=$XDG_CONFIG_HOME/Veltrona/Clavora.ini

start_display

# Each stage: its name, the signal, and the steps that bring the program there.
stage_waiting() { :; }
stage_typing() { xdotool type --delay 150 "The qui"; }
stage_question() {
  stage_typing
  xdotool key Escape
  wait_dialog
}
stage_results() {
  xdotool type --delay 120 "The quick brown fox jumps."
  xdotool key Return
  wait_trace 'event completed TTextEvent'
  xdotool key Return
  wait_trace 'page TDemoEndView'
  settle
}

for row in "waiting TERM" "typing INT" "typing TERM" "question TERM" "question INT" "results TERM" "typing HUP" "question HUP"; do
  set -- $row
  seed_settings
  start_program --exercise "$LINE"
  wait_event TTextEvent
  "stage_$1"
  screenshot "terminate-$1"
  kill -0 "$APP_PID" 2>/dev/null || fail "$1: the program ended before the signal"
  kill -s "$2" "$APP_PID"
  wait_program
  [ "$APP_STATUS" -eq 0 ] || fail "$1, SIG$2: exit status $APP_STATUS: $(cat "$WORK/stderr")"
  grep -q '^MeasuringUnit=CPS$' "$INI" || fail "$1, SIG$2: settings not saved"
  rm -f "$INI"
  echo "ok: $1, SIG$2"
done
