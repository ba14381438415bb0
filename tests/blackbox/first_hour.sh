#!/usr/bin/env bash
# A learner's first hour, shortened: the program is started, a new learner
# logs in, reads the welcome page, takes the introduction, chooses a course
# and a lesson length on the studying profile, studies the first chapter's
# two exercises (a message page and a typed text with its results), looks at
# the statistics tab and comes back, and closes the program. Started again,
# the learner is back where the studying stopped. The user database file
# then holds the learner's progress, minutes and results. A screenshot of
# every page on the way.
source "$(dirname "$0")/common.sh" "$1" "$2"

start_display
seed_first_hour

differs() { ! cmp -s "$SHOTS/$1.png" "$SHOTS/$2.png" || fail "$3"; }

start_program
wait_trace 'page Cover' 20
settle
screenshot hour-01-cover
log_in "hanna berg" new
settle
screenshot hour-02-welcome
differs hour-01-cover hour-02-welcome "no welcome page after the login"

# The introduction: its first page, then back to the welcome page (Escape
# returns to guided studying). Without its course installed the learner is
# told so instead.
xdotool key alt+i
if ls "$WORK/app" | grep -qix 'introd.kqs'; then
  wait_trace 'page ChpContents'
  settle
  screenshot hour-03-introduction
  xdotool key Return
  wait_event TMessageEvent
  settle
  screenshot hour-03a-introduction-page
  xdotool key Escape
  wait_trace 'event end TMessageEvent [0-9]+'
  wait_trace 'page ChpContents'
  xdotool key Escape
else
  wait_dialog
  screenshot hour-03-introduction
  answer_dialog Return
fi
wait_trace 'page Welcome'
settle
screenshot hour-03b-welcome-again

xdotool key alt+b
wait_trace 'page StdProfile'
settle
screenshot hour-04-profile
# The course of the settings is preselected; 25 minutes a lesson.
click_book $((28 + 19 + 8 + 40)) $((74 + 264 + 26 + 12))
settle
screenshot hour-05-profile-25-minutes
differs hour-04-profile hour-05-profile-25-minutes "the lesson length did not change"
xdotool key Return
wait_trace 'page ChpContents'
settle
screenshot hour-06-chapter

xdotool key Return
wait_event TMessageEvent
settle
screenshot hour-07-message
# A minute on the message page counts as studied: the clock is what is
# tested here.
sleep 47
xdotool key Return
wait_trace 'event end TMessageEvent 3'
wait_trace 'page ChpContents'
settle
screenshot hour-08-chapter-after-message
xdotool key Return
wait_event TTextEvent
xdotool type --delay 600 "sad fad dad lad ask all fall add salad flask "
wait_trace 'event completed TTextEvent'
settle
screenshot hour-09-text
xdotool key Return
wait_trace 'event end TTextEvent 3'
wait_trace 'result speed=[0-9]+ accuracy=100\.0 .*'
wait_trace 'page ChpContents'
settle
screenshot hour-10-results

click_book $((255 + 64)) $((18 + 25))
wait_trace 'page Statistics'
settle
screenshot hour-11-statistics
click_book $((28 + 56)) $((18 + 21))
wait_trace 'page ChpContents'
settle
screenshot hour-12-back-to-the-chapter
close_window

# Started again, the learner logs in by name and resumes.
start_program
wait_trace 'page Cover' 20
settle
screenshot hour-13-cover-again
log_in "hanna berg"
wait_trace 'page ChpContents'
settle
screenshot hour-14-resumed
close_window

grep -q '^LastUser=Hanna Berg' "$XDG_CONFIG_HOME/Veltrona/Clavora.ini" || fail "LastUser not saved"
python3 - "$XDG_DATA_HOME/Clavora/Userbase.kq4" <<'PY' || fail "the learner's record is not as studied"
import struct, sys
data = open(sys.argv[1], "rb").read()
records = [data[i:i + 2504] for i in range(0, len(data) - 2503, 2504)]
named = [r for r in records if r[1:1 + r[0]] == b"Hanna Berg"]
assert len(named) == 1, "one record of the learner, found %d" % len(named)
r = named[0]
i16 = lambda off: struct.unpack_from("<h", r, off)[0]
course = r[257:257 + r[256]]
checks = {
    "course file": (course.lower(), b"firsthour.cnt"),
    "lesson minutes": (i16(516), 25),
    "minutes studied at least 1": (i16(518) >= 1, True),
    "exercise 1.1 completed": (r[836], 1),
    "exercise 1.2 completed": (r[837], 1),
    "latest speed measured": (i16(828) > 0, True),
    "chapter 1 speed stored": (i16(1116) > 0, True),
    "bookmark chapter": (i16(1158), 1),
    "bookmark exercise (the next lesson row)": (i16(1160), 3),
}
bad = {k: v for k, v in checks.items() if v[0] != v[1]}
for k, (got, want) in bad.items():
    print(f"  {k}: {got!r}, wanted {want!r}", file=sys.stderr)
sys.exit(1 if bad else 0)
PY
grep -q . "$WORK/stderr" && { echo "program wrote to stderr:"; cat "$WORK/stderr"; }
echo "ok: screenshots in $SHOTS"
