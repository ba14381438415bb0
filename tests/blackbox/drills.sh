#!/usr/bin/env bash
# The keyboard drills run on their own ("--exercise <event line>") under a
# real X server: a new-keys introduction typed group by group with one wrong
# key, a character drill with a wrong key, and a character drill on a German
# keyboard, where the keys right of L type ö and ä. The new keys complete
# with the Space after the last group, a character drill with Enter at the
# end of its text; Enter then ends the program, and a drill that had not
# taken every key would still be waiting. Screenshots of each page.
source "$(dirname "$0")/common.sh" "$1" "$2"

run_drill() { # name, event line, keys before the wrong one, wrong key, the rest, a last key
  start_program --exercise "$2"
  wait_event '[A-Za-z]+'
  settle
  screenshot "$1-start"
  xdotool type --delay 200 "$3"
  xdotool type --delay 200 "$4"
  settle
  screenshot "$1-wrong-key"
  xdotool type --delay 200 "$5"
  [ -z "${6:-}" ] || xdotool key --delay 200 "$6"
  wait_trace 'event completed [A-Za-z]+'
  settle
  kill -0 "$APP_PID" 2>/dev/null || fail "$1: the program ended before Enter after the drill"
  screenshot "$1-completed"
  xdotool key Return
  wait_program
  [ "$APP_STATUS" -eq 0 ] || fail "$1: exit status $APP_STATUS"
  grep -q . "$WORK/stderr" && { echo "program wrote to stderr:"; cat "$WORK/stderr"; }
  return 0
}

start_display
seed_settings
run_drill newkeys 'Intro=NEWKEYS;1;asdf jkl' "as" "x" "df jkl "
run_drill keyboard 'Drill=KEYBOARD;1;sad lad' "sa" "X" "d lad" Return

# A German keyboard: the language is detected from the X server.
setxkbmap -display "$DISPLAY" de || fail "setxkbmap de failed"
mkdir -p "$XDG_CONFIG_HOME/Veltrona"
printf '[General Settings]\nKeyboardAutoDetect=1\nPlayTheme=0\n[Keyboard Layouts]\nEnglish=qwerty.kbd\nGerman=qwertz.kbd;German\n' \
  >"$XDG_CONFIG_HOME/Veltrona/Clavora.ini"
run_drill german 'Drill=KEYBOARD;1;öl äß' "öl" "a" " äß" Return

cmp -s "$SHOTS/newkeys-start.png" "$SHOTS/newkeys-completed.png" && fail "the new-keys page never changed"
echo "ok: screenshots in $SHOTS"
