#!/usr/bin/env bash
# The first start on a machine: the program asks whether to create an icon,
# the learner says No, the book opens, and closing it saves the settings.
source "$(dirname "$0")/common.sh" "$1" "$2"

start_display
"$WORK/app/clavora" >"$WORK/stdout" 2>"$WORK/stderr" &
APP_PID=$!
wait_dialog
screenshot first-run-question
answer_dialog Escape
start_program_window
wait_trace 'page Cover' 20
settle
screenshot first-run-book
close_window
[ ! -e "$XDG_DATA_HOME/applications/clavora.desktop" ] || fail "an icon was made though the learner said No"
ini=$XDG_CONFIG_HOME/Veltrona/Clavora.ini
grep -q '^English=qwerty.kbd' "$ini" || fail "settings not seeded"
grep -q '^MeasuringUnit=CPS$' "$ini" || fail "settings not saved at shutdown"
echo "ok"
