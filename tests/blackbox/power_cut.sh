#!/usr/bin/env bash
# A session cut short: a new learner chooses a course and does the first
# chapter's two exercises (a message page and a typed text), and the program
# is then killed outright, as a crash or a power cut would end it. The user
# database holds both exercises all the same: the course chosen, both ticked,
# the bookmark on the next row and the chapter's speed.
source "$(dirname "$0")/common.sh" "$1" "$2"

start_display
seed_first_hour

start_program
log_in "ida cut" new
xdotool key alt+b
wait_trace 'page StdProfile'
xdotool key Return
wait_trace 'page ChpContents'
xdotool key Return
wait_event TMessageEvent
xdotool key Return
wait_trace 'event end TMessageEvent 3'
wait_trace 'page ChpContents'
xdotool key Return
wait_event TTextEvent
# Some 300 ms a key, long enough to be scored.
xdotool type --delay 600 "sad fad dad lad ask all fall add salad flask "
wait_trace 'event completed TTextEvent'
xdotool key Return
wait_trace 'event end TTextEvent 3'
wait_trace 'result speed=[0-9]+ accuracy=100\.0 .*'
# Back on the spread, with the two exercises done: the power goes.
wait_trace 'page ChpContents'
screenshot power-cut-before
kill -KILL "$APP_PID"
wait "$APP_PID" 2>/dev/null || true
APP_PID=

python3 - "$XDG_DATA_HOME/Clavora/Userbase.kq4" <<'PY' || fail "the learner's record lost the session"
import struct, sys
data = open(sys.argv[1], "rb").read()
records = [data[i:i + 2504] for i in range(0, len(data) - 2503, 2504)]
named = [r for r in records if r[1:1 + r[0]] == b"Ida Cut"]
assert len(named) == 1, "one record of the learner, found %d" % len(named)
r = named[0]
i16 = lambda off: struct.unpack_from("<h", r, off)[0]
checks = {
    "course file": (r[257:257 + r[256]].lower(), b"firsthour.cnt"),
    "exercise 1.1 completed": (r[836], 1),
    "exercise 1.2 completed": (r[837], 1),
    "chapter 1 speed stored": (i16(1116) > 0, True),
    "bookmark chapter": (i16(1158), 1),
    "bookmark exercise (the next lesson row)": (i16(1160), 3),
}
bad = {k: v for k, v in checks.items() if v[0] != v[1]}
for k, (got, want) in bad.items():
    print(f"  {k}: {got!r}, wanted {want!r}", file=sys.stderr)
sys.exit(1 if bad else 0)
PY
echo "ok: both exercises kept"
