#!/usr/bin/env bash
# The options page under a real X server: the learner chooses the German
# keyboard and words per minute, looks at the about page and leaves. The next
# exercises follow the choice: a drill's keyboard has z on the upper letter
# row (where a US keyboard has y), and a text exercise shows its speed in
# wpm where it showed cpm before. Screenshots of both pages and of the
# exercises.
source "$(dirname "$0")/common.sh" "$1" "$2"

INI=$XDG_CONFIG_HOME/Veltrona/Clavora.ini
TEXT_LINE='Unit=TEXT;1;ab'

# The crop geometry (WxH+X+Y) of a rectangle of the book (left top width
# height) in a picture of the book window.
book_rect() {
  window_geometry
  awk -v w="$WIN_W" -v h="$WIN_H" -v s="$(book_scale)" -v x="$1" -v y="$2" -v cw="$3" -v ch="$4" 'BEGIN {
    w = int(w / s + 0.5); h = int(h / s + 0.5)
    status = h >= 529 + 21 ? 21 : 0
    bx = int((w - 777) / 2); by = int((h - status - 529) / 2)
    printf "%dx%d+%d+%d", cw * s, ch * s, (bx + x) * s, (by + y) * s }'
}

# The mean colour of a rectangle of the book in a picture, as "R G B".
book_colour() { # picture, left, top, width, height
  convert "$1" -crop "$(book_rect "$2" "$3" "$4" "$5")" +repage -scale '1x1!' \
    -format '%[fx:int(255*r)] %[fx:int(255*g)] %[fx:int(255*b)]' info:
}

# Green enough to be a highlighted key.
is_lit() { # "R G B"
  set -- $1
  [ $(($2 - $1)) -gt 40 ] && [ $(($2 - $3)) -gt 40 ]
}

# A text exercise on its own: a picture of its page before typing (the
# speed's unit beside the rhythm graph), then typed to the end.
run_text() { # picture name
  start_program --exercise "$TEXT_LINE"
  wait_event TTextEvent
  settle
  import -window "$WINDOW" "$SHOTS/$1.png"
  # The unit's label (44 x 17 at 656,179 of the console on the wide page).
  convert "$SHOTS/$1.png" -crop "$(book_rect $((28 + 656)) $((74 + 179)) 44 17)" +repage \
    "$WORK/$1-unit.png"
  xdotool type --delay 300 "ab"
  xdotool key --delay 300 Return Return
  wait_trace 'page TDemoEndView'
  xdotool key Return
  wait_program
  [ "$APP_STATUS" -eq 0 ] || fail "$1: exit status $APP_STATUS"
}

start_display
mkdir -p "$XDG_CONFIG_HOME/Veltrona"
printf '[General Settings]\nKeyboardAutoDetect=0\nKeyboardLayout=English\nPlayTheme=0\nMeasuringUnit=CPS\n[Keyboard Layouts]\nEnglish=qwerty.kbd;US English\nGerman=qwertz.kbd;German\n' >"$INI"

run_text options-text-before

start_program
log_in Tester new
# The options tab (83 x 28 at 483,28 in the book).
click_book $((483 + 41)) $((28 + 14))
wait_trace 'page Options'
settle
screenshot options-page
# The layout list (180 x 24 at 122,26 of its group at 20,46 on the right
# page at 405,74): opened, German typed and taken.
# The list's drop-down is the toolkit's own, which the trace does not see.
click_book $((405 + 20 + 122 + 90)) $((74 + 46 + 26 + 12))
sleep 0.3
xdotool type --delay 100 "G"
xdotool key Return
sleep 0.3
# Words per minute: the round mark of its button (at 10,0 of its group at
# 20,398 on the right page).
click_book $((405 + 20 + 10 + 7)) $((74 + 398 + 11))
settle
screenshot options-changed
xdotool key Escape
wait_trace 'page Welcome'
# The about tab (47 x 28 at 415,28).
click_book $((415 + 23)) $((28 + 14))
wait_trace 'page About'
settle
screenshot about-page
close_window
for want in KeyboardAutoDetect=0 KeyboardLayout=German MeasuringUnit=WPM; do
  grep -qx "$want" "$INI" || fail "the settings lack $want: $(cat "$INI")"
done

# A drill of z: a miss shows the key to press. The drill's keyboard (502 x
# 170 at 30,128 on the wide page at 28,74) has keys 32 x 33: the sixth of
# the upper letter row at 213,34, the second of the lower row at 74,102.
start_program --exercise 'Drill=KEYBOARD;1;zz'
wait_event TKeyboardEvent
xdotool type --delay 200 "x"
# Nothing tells when the missed key has been lit.
sleep 0.4
import -window "$WINDOW" "$SHOTS/options-drill.png"
UPPER=$(book_colour "$SHOTS/options-drill.png" $((58 + 213)) $((202 + 34)) 32 33)
LOWER=$(book_colour "$SHOTS/options-drill.png" $((58 + 74)) $((202 + 102)) 32 33)
is_lit "$UPPER" || fail "z is not shown on the upper row (colour $UPPER)"
is_lit "$LOWER" && fail "the lower row's second key is lit (colour $LOWER)"
xdotool type --delay 200 "zz"
xdotool key --delay 200 Return Return
wait_program
[ "$APP_STATUS" -eq 0 ] || fail "drill: exit status $APP_STATUS"

run_text options-text-after
# The unit's label reads otherwise than before.
[ "$(compare -metric AE "$WORK/options-text-before-unit.png" "$WORK/options-text-after-unit.png" null: 2>&1)" != 0 ] ||
  fail "the exercise's speed unit did not change"
echo "ok: screenshots in $SHOTS"
