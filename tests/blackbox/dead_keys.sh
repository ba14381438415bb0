#!/usr/bin/env bash
# Dead keys on German, Spanish and French keyboards, as the X server and the
# desktop's compose rules make them: a text with accented letters typed with
# the accent keys is judged right to the last character, each accent alone
# comes of its accent key and Space (the locale's rules would give an
# apostrophe for the acute accent; the program's own give the accent), and a
# character drill of é and ^ takes them as right keys without a miss. On the
# Spanish keyboard new keys show é as the accent key and then the letter, and
# a learner logs in with an accented name, which the user database keeps.
# Screenshots of each page.
source "$(dirname "$0")/common.sh" "$1" "$2"

# The compose rules are the locale's: a UTF-8 one, as a desktop has. The
# program takes Qt's own input method, which is what an X desktop without
# one of its own gives.
export LC_ALL=C.UTF-8
unset QT_IM_MODULE XMODIFIERS

# type_keys <text>: types the text on the current layout as a learner would:
# a character after one of the accents ´ ` ^ ¨ is typed as that dead key and
# then the character (Space after it gives the accent alone); any other
# character is typed as itself.
type_keys() {
  local text=$1 plain= i c dead
  for ((i = 0; i < ${#text}; i++)); do
    c=${text:i:1}
    case $c in
      ´) dead=dead_acute ;;
      '`') dead=dead_grave ;;
      '^') dead=dead_circumflex ;;
      ¨) dead=dead_diaeresis ;;
      *)
        plain+=$c
        continue
        ;;
    esac
    [ -z "$plain" ] || xdotool type --delay 300 "$plain"
    plain=
    i=$((i + 1))
    c=${text:i:1}
    [ "$c" = " " ] && c=space
    xdotool key --delay 300 "$dead" "$c"
  done
  [ -z "$plain" ] || xdotool type --delay 300 "$plain"
}

# use_layout <X layout> <language> <layout file>: the X server's keyboard and
# the program's layout for it.
use_layout() {
  setxkbmap -display "$DISPLAY" "$1" || fail "setxkbmap $1 failed"
  mkdir -p "$XDG_CONFIG_HOME/Veltrona"
  printf '[General Settings]\nKeyboardAutoDetect=0\nKeyboardLayout=%s\nPlayTheme=0\n[Keyboard Layouts]\n%s=%s\n' \
    "$2" "$2" "$3" >"$XDG_CONFIG_HOME/Veltrona/Clavora.ini"
}

# text_exercise <name> <text> <keys>: the text as an exercise of its own,
# typed as the keys say; the results must be those of a text typed without
# a mistake.
text_exercise() {
  start_program --exercise "Accents=TEXT;1;$2;TRUE"
  wait_event TTextEvent
  type_keys "$3"
  settle
  screenshot "dead-keys-$1-text"
  xdotool key Return
  wait_trace 'event completed TTextEvent'
  xdotool key Return
  wait_trace 'result .*'
  local result
  result=$(trace_line 'result .*')
  [[ $result == *" accuracy=100.0 "* && $result == *" backspace=0.0" ]] ||
    fail "$1: the text typed with dead keys was judged $result"
  wait_trace 'page TDemoEndView'
  xdotool key Return
  wait_program
  [ "$APP_STATUS" -eq 0 ] || fail "$1: exit status $APP_STATUS"
}

# accent_drill <name> <keys>: a character drill of é and ^ typed as the keys
# say, then Enter at its end; it must take every key without a miss.
accent_drill() {
  start_program --exercise $'Accents=KEYBOARD;1;\xC3\xA9^ ^\xC3\xA9'
  wait_event TKeyboardEvent
  type_keys "$2"
  xdotool key Return
  wait_trace 'drill misses .*'
  trace_shows 'event completed TKeyboardEvent' || wait_trace 'event completed TKeyboardEvent'
  local misses
  misses=$(trace_line 'drill misses .*')
  [ "$misses" = "drill misses 0" ] || fail "$1: the drill of é and ^ gave $misses"
  settle
  screenshot "dead-keys-$1-drill"
  xdotool key Return
  wait_program
  [ "$APP_STATUS" -eq 0 ] || fail "$1: exit status $APP_STATUS"
}

start_display

use_layout de German qwertz.kbd
text_exercise german 'Das Café für André hat Crème brûlée, à la carte, und ^, ´ und ` im Namen.' \
  'Das Caf´e für Andr´e hat Cr`eme br^ul´ee, `a la carte, und ^ , ´  und `  im Namen.'
accent_drill german '´e^  ^ ´e'

use_layout es Spanish spanish.kbd
text_exercise spanish 'La canción del camión es única y el pingüino también, señor.' \
  'La canci´on del cami´on es ´unica y el ping¨uino tambi´en, señor.'
accent_drill spanish '´e^  ^ ´e'

use_layout fr French azerty.kbd
text_exercise french "La forêt près de l'hôtel est très belle, même en août, à côté du château." \
  "La for^et près de l'h^otel est très belle, m^eme en ao^ut, à c^oté du ch^ateau."
accent_drill french 'é^  ^ é'

# New keys on the Spanish keyboard: é is shown as the accent key until it has
# been pressed, then as the letter.
use_layout es Spanish spanish.kbd
start_program --exercise $'Intro=NEWKEYS;1;\xC3\xA9'
wait_event TNewKeysEvent
settle
screenshot dead-keys-spanish-newkeys-accent
xdotool key --delay 300 dead_acute
settle
screenshot dead-keys-spanish-newkeys-letter
xdotool key --delay 300 e space
wait_trace 'event completed TNewKeysEvent'
xdotool key Return
wait_program
[ "$APP_STATUS" -eq 0 ] || fail "new keys: exit status $APP_STATUS"
cmp -s "$SHOTS/dead-keys-spanish-newkeys-accent.png" "$SHOTS/dead-keys-spanish-newkeys-letter.png" &&
  fail "new keys: the accent key pressed changed nothing on the page"

# An accented name on the cover, typed with the accent key: the user
# database keeps it in the program's character set.
start_program
wait_trace 'page Cover' 20
activate_window
xdotool key --clearmodifiers ctrl+a
type_keys 'Andr´es'
settle
screenshot dead-keys-cover
xdotool key Return
wait_trace 'page NewUser'
xdotool key Return
wait_trace 'page (Welcome|ChpContents|ChpBegin|StdProfile)' 20
close_window
grep -aq $'Andr\xE9s' "$XDG_DATA_HOME/Clavora/Userbase.kq4" ||
  fail "the user database does not hold the name Andrés typed with the accent key"
grep -q . "$WORK/stderr" && { echo "program wrote to stderr:"; cat "$WORK/stderr"; }
echo "ok: screenshots in $SHOTS"
