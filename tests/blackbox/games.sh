#!/usr/bin/env bash
# The two games run on their own ("--exercise <event line>") under a real X
# server. Falling words: a vocabulary of one word, typed as it falls, a wrong
# key on the way; Escape and Yes end the game, the top-ten page takes a name
# and Enter there stores it in the data folder's "lexidrop.kqt". Bubbles: a
# key starts it, the alphabet typed over and over pops bubbles; the game is
# left the same way and its score lands in "bubbles.kqt". Screenshots of
# both games and both top-ten pages.
source "$(dirname "$0")/common.sh" "$1" "$2"

start_display
seed_settings
printf 'jump\r\n' >"$WORK/app/Single.vcb"

# A falling-words list of low scores, so that a short game makes it; in the
# program folder and in the learner's own, wherever the data folder is.
seed_list() {
  python3 - "$1" <<'PY'
import struct, sys
out = b""
for i in range(10):
    name, date = b"Seed", b"01/01/26"
    out += bytes([len(name)]) + name + bytes(255 - len(name))
    out += struct.pack("<h", 30 - 3 * i)
    out += bytes([len(date)]) + date + bytes(255 - len(date))
open(sys.argv[1], "wb").write(out)
PY
}
mkdir -p "$XDG_DATA_HOME/Clavora"
seed_list "$WORK/app/lexidrop.kqt"
seed_list "$XDG_DATA_HOME/Clavora/lexidrop.kqt"

# Leaves a running game: Escape, then Yes to the question about leaving it.
leave_game() {
  xdotool key Escape
  wait_dialog
  answer_dialog Return
  wait_trace 'page TopTen'
  activate_window
  settle
}

# The top-ten file of a list in the data folder, as records of 514 bytes;
# prints the name and score of each place.
list_places() {
  python3 - "$1" <<'PY'
import struct, sys
data = open(sys.argv[1], "rb").read()
for i in range(len(data) // 514):
    r = data[i * 514:(i + 1) * 514]
    print(r[1:1 + r[0]].decode("latin-1"), struct.unpack("<h", r[256:258])[0])
PY
}

start_program --exercise 'Drop=LEXIDROP;1;Single.vcb'
wait_event TLexidropEvent
settle
screenshot lexidrop-waiting
# Each word falls a row a second at first; typing it takes well under that.
for round in 1 2 3 4; do
  xdotool type --delay 120 "ju"
  [ "$round" = 2 ] && xdotool type --delay 120 "x"
  xdotool type --delay 120 "mp"
  # The game's own pace: the next word comes after a while.
  sleep 0.4
done
xdotool type --delay 120 "ju"
screenshot lexidrop-game
leave_game
screenshot lexidrop-topten
xdotool type --delay 50 "Tess"
xdotool key Return
wait_trace 'page TDemoEndView'
xdotool key Return
wait_program
[ "$APP_STATUS" -eq 0 ] || fail "exit status $APP_STATUS after the falling words"
DATA=$(grep -l Tess "$WORK/app/lexidrop.kqt" "$XDG_DATA_HOME/Clavora/lexidrop.kqt" | head -n 1)
[ -n "$DATA" ] || fail "the name did not reach the list"
list_places "$DATA"
# Four words at level 1 and up: 10 points each at least, and first place.
[ "$(list_places "$DATA" | head -n 1 | cut -d' ' -f1)" = Tess ] || fail "Tess is not first"
SCORE=$(list_places "$DATA" | awk '$1 == "Tess" {print $2}')
[ "$SCORE" -ge 40 ] || fail "four words scored $SCORE"

start_program --exercise 'Bubb=BUBBLES;1;0'
wait_event TBubbles
xdotool key space
# Bubbles come every second or two and take about ten seconds to rise.
sleep 7
screenshot bubbles-game
# Every letter once: each bubble on screen pops.
xdotool type --delay 20 "qwertyuiopasdfghjklzxcvbnm"
# Soon, before new bubbles rise.
sleep 0.05
screenshot bubbles-popped
leave_game
screenshot bubbles-topten
xdotool key Return
wait_trace 'page TDemoEndView'
xdotool key Return
wait_program
[ "$APP_STATUS" -eq 0 ] || fail "exit status $APP_STATUS after the bubbles"
DATA=$(find "$WORK/app" "$XDG_DATA_HOME" -iname bubbles.kqt | head -n 1)
[ -n "$DATA" ] || fail "no bubbles.kqt in the data folder"
[ "$(list_places "$DATA" | wc -l)" -eq 10 ] || fail "the bubbles list has not ten places"
cmp -s "$SHOTS/bubbles-game.png" "$SHOTS/bubbles-popped.png" && fail "typing changed nothing on the bubbles page"
cmp -s "$SHOTS/lexidrop-game.png" "$SHOTS/lexidrop-topten.png" && fail "the top-ten page did not appear"
grep -q . "$WORK/stderr" && { echo "program wrote to stderr:"; cat "$WORK/stderr"; }
echo "ok: screenshots in $SHOTS"
