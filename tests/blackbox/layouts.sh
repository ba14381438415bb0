#!/usr/bin/env bash
# The keyboard layout is detected from the X server on a fresh install: a UK
# keyboard gets the UK layout from the first start, and the options page
# shows it; a Swiss keyboard gets the Swiss German layout and a Canadian one
# the Canadian French layout; a Dvorak keyboard, which has no layout here,
# gets the US one, and the options page says so.
source "$(dirname "$0")/common.sh" "$1" "$2"

start_display
setxkbmap -display "$DISPLAY" gb || fail "setxkbmap gb failed"
# The first start: no icon, the settings seeded from the setup file.
"$WORK/app/clavora" >"$WORK/stdout" 2>"$WORK/stderr" &
APP_PID=$!
wait_dialog
answer_dialog Escape
start_program_window
wait_trace 'layout uk.kbd' 20
wait_trace 'page Cover' 20
log_in Una new
# The options tab (83 x 28 at 483,28 in the book).
click_book $((483 + 41)) $((28 + 14))
wait_trace 'page Options'
wait_trace 'layout uk.kbd'
settle
screenshot layouts-uk-options
close_window
INI=$XDG_CONFIG_HOME/Veltrona/Clavora.ini
grep -qx 'KeyboardAutoDetect=1' "$INI" || fail "detection is not on after the first start: $(cat "$INI")"

# The next starts: each keyboard and the layout it gets.
for row in "ch swiss.kbd" "ca canadian.kbd" "us,dvorak qwerty.kbd"; do
  set -- $row
  layout=${1%,*} variant=
  [ "$layout" = "$1" ] || variant=${1#*,}
  setxkbmap -display "$DISPLAY" -layout "$layout" ${variant:+-variant "$variant"} ||
    fail "setxkbmap $1 failed"
  start_program
  wait_trace "layout $2" 20
  echo "ok: $1 gives $2"
  [ -z "$variant" ] && { close_window; continue; }
  # The options page says the US keys stand in for this keyboard.
  log_in Una
  click_book $((483 + 41)) $((28 + 14))
  wait_trace 'page Options'
  settle
  screenshot layouts-us-keys-options
  close_window
done
echo "ok: screenshots in $SHOTS"
