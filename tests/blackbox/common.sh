# Shared steps of the black-box tests: a virtual X server with a window
# manager, a fresh copy of the program directory, and the program started as
# its own process.
#
# Usage: source common.sh <program directory> <screenshot directory>
# WORK, when set, names the folder that holds the copy, the settings and the
# per-user data instead of a temporary one (KEEP_WORK=1 keeps it afterwards).
set -euo pipefail

APP_SOURCE=$1
SHOTS=$2
mkdir -p "$SHOTS"
if [ -n "${WORK:-}" ]; then
  mkdir -p "$WORK"
else
  WORK=$(mktemp -d /tmp/clavora-blackbox-XXXXXX)
fi
export XDG_CONFIG_HOME=$WORK/config XDG_DATA_HOME=$WORK/data HOME=$WORK/home
export XDG_RUNTIME_DIR=$WORK/run
mkdir -p "$XDG_CONFIG_HOME" "$XDG_DATA_HOME" "$HOME"
mkdir -p -m 700 "$XDG_RUNTIME_DIR"
cp -r "$APP_SOURCE" "$WORK/app"
# The program runs on the test's X server, never on a Wayland compositor of
# the session the tests were started from.
unset QT_QPA_PLATFORM WAYLAND_DISPLAY
# The program notes each page, event and result it shows in the trace; the
# steps below wait on its lines rather than on the clock.
export CLAVORA_TRACE=$WORK/trace
: >"$CLAVORA_TRACE"
# The lines of the trace already waited for.
TRACE_SEEN=0
XVFB_PID= WM_PID= APP_PID=

cleanup() {
  for pid in $APP_PID $WM_PID $XVFB_PID; do kill "$pid" 2>/dev/null || true; done
  wait 2>/dev/null || true
  [ -n "${KEEP_WORK:-}" ] || rm -rf "$WORK"
}
trap cleanup EXIT

fail() {
  echo "FAIL: $*" >&2
  # What the screen showed when it went wrong.
  [ -n "${DISPLAY:-}" ] && import -window root "$SHOTS/failed-$(basename "$0" .sh).png" 2>/dev/null
  if [ -n "${APP_PID:-}" ] && command -v gdb >/dev/null; then
    gdb -batch -p "$APP_PID" -ex "thread apply all bt" >"$SHOTS/failed-$(basename "$0" .sh).txt" 2>&1
  fi
  [ -s "$WORK/openbox.log" ] && { echo "window manager:"; cat "$WORK/openbox.log"; } >&2
  if [ -n "${APP_PID:-}" ] && [ -r "/proc/$APP_PID/environ" ]; then
    echo "test display ${DISPLAY:-}; program's: $(tr '\0' '\n' <"/proc/$APP_PID/environ" | grep '^DISPLAY=')" >&2
    for w in $(xdotool search --name '^Clavora 98$' 2>/dev/null); do
      echo "window $w: $(xwininfo -id "$w" | grep -E 'Map State|Width|Height' | tr -s ' ' | tr '\n' ' ')" >&2
      xprop -id "$w" WM_STATE _NET_WM_STATE _NET_WM_DESKTOP 2>&1 | sed 's/^/  /' >&2
    done
    xprop -root _NET_CURRENT_DESKTOP _NET_NUMBER_OF_DESKTOPS 2>&1 | sed 's/^/  root /' >&2
  fi
  exit 1
}

# The width of a window, 0 when it has gone.
window_width() {
  local WIDTH=0
  eval "$(xdotool getwindowgeometry --shell "$1" 2>/dev/null | grep '^WIDTH=')"
  echo "$WIDTH"
}

# True for the program's book window: it names its scale on itself
# (_CLAVORA_BOOK_SCALE), which message boxes do not.
is_book() {
  xprop -id "$1" _CLAVORA_BOOK_SCALE 2>/dev/null | grep -q '= "'
}

# Presses a key in the message box found by wait_dialog, once the box is
# confirmed to be in front; fails when it cannot be brought there.
answer_dialog() {
  local attempt
  for attempt in 1 2 3 4 5; do
    if xdotool windowactivate --sync "$DIALOG" 2>/dev/null &&
      [ "$(xdotool getactivewindow 2>/dev/null)" = "$DIALOG" ]; then
      xdotool key --clearmodifiers "$1"
      return 0
    fi
    sleep 0.2
  done
  fail "the message box could not be brought to the front"
}

start_display() {
  # X servers starting at the same moment can take the same display number;
  # tests running side by side start theirs one at a time.
  exec 9>/tmp/clavora-blackbox-display.lock
  flock 9
  Xvfb -displayfd 4 -screen 0 "${SCREEN_SIZE:-1024x768}x24" -nolisten tcp 4>"$WORK/display" 2>/dev/null 9>&- &
  XVFB_PID=$!
  for _ in $(seq 200); do [ -s "$WORK/display" ] && break; sleep 0.05; done
  [ -s "$WORK/display" ] || fail "the X server did not start"
  export DISPLAY=:$(head -n 1 "$WORK/display")
  for _ in $(seq 100); do xprop -root >/dev/null 2>&1 && break; sleep 0.05; done
  flock -u 9
  exec 9>&-
  # The window manager, started again should it give up on a busy server.
  local attempt
  for attempt in 1 2 3; do
    openbox >"$WORK/openbox.log" 2>&1 &
    WM_PID=$!
    for _ in $(seq 100); do
      xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && return 0
      kill -0 "$WM_PID" 2>/dev/null || break
      sleep 0.05
    done
  done
  fail "the window manager did not start"
}

# The settings of an installed machine, so that no first-run question comes.
seed_settings() {
  mkdir -p "$XDG_CONFIG_HOME/Veltrona"
  printf '[General Settings]\nKeyboardLayout=English\nPlayTheme=0\n[Keyboard Layouts]\nEnglish=qwerty.kbd\n' \
    >"$XDG_CONFIG_HOME/Veltrona/Clavora.ini"
}

# The same with the first-hour course (first_hour.cnt beside these scripts)
# as the default course, in the learner's own folder beside the shipped ones.
seed_first_hour() {
  mkdir -p "$XDG_CONFIG_HOME/Veltrona"
  printf '[General Settings]\nKeyboardLayout=English\nPlayTheme=0\nDefaultContents=FirstHour.cnt\n[Keyboard Layouts]\nEnglish=qwerty.kbd\n' \
    >"$XDG_CONFIG_HOME/Veltrona/Clavora.ini"
  mkdir -p "$XDG_DATA_HOME/Clavora"
  cp "$(dirname "${BASH_SOURCE[0]}")/first_hour.cnt" "$XDG_DATA_HOME/Clavora/FirstHour.cnt"
}

# Waits for a message box of the program (a window other than the book) and
# sets DIALOG to it.
wait_dialog() {
  DIALOG=
  local tries w width
  for tries in $(seq 100); do
    for w in $(xdotool search --onlyvisible --pid "$APP_PID" 2>/dev/null || true); do
      [ "$w" = "${WINDOW:-}" ] && continue
      [ "$(xdotool getwindowname "$w" 2>/dev/null)" = "Clavora 98" ] || continue
      # The book window names its scale on itself; a message box does not.
      width=$(window_width "$w")
      [ "$width" -gt 1 ] && ! is_book "$w" && { DIALOG=$w; return 0; }
    done
    # As for the book: a request to show it may have been lost.
    if [ "$tries" -eq 20 ]; then
      for w in $(xdotool search --pid "$APP_PID" 2>/dev/null || true); do
        width=$(window_width "$w")
        [ "$width" -gt 1 ] && ! is_book "$w" && xdotool windowmap "$w" 2>/dev/null
      done
    fi
    sleep 0.1
  done
  fail "no message box appeared"
}

# wait_trace <pattern> [seconds]: waits (10 s unless told) for a line of the
# trace that matches the extended regular expression as a whole, among the
# lines after the last one waited for, and marks it as waited for. Fails when
# the program ends or the time runs out first.
wait_trace() {
  local deadline=$((SECONDS + ${2:-10})) found
  while :; do
    found=$(tail -n "+$((TRACE_SEEN + 1))" "$CLAVORA_TRACE" | grep -nxE -m 1 "$1" | cut -d: -f1 || true)
    if [ -n "$found" ]; then
      TRACE_SEEN=$((TRACE_SEEN + found))
      return 0
    fi
    [ -n "${APP_PID:-}" ] && ! kill -0 "$APP_PID" 2>/dev/null &&
      fail "the program ended before the trace showed \"$1\""
    [ $SECONDS -lt $deadline ] || fail "the trace did not show \"$1\" in time; it shows: $(tail -n 5 "$CLAVORA_TRACE" | tr '\n' '|')"
    sleep 0.05
  done
}

# wait_event <class>: waits for an event of the class to start, and brings
# the book to the front for its keys.
wait_event() {
  wait_trace "event start $1 .*" 20
  activate_window
}

# Lets the screen catch up with what was just traced or typed before a
# screenshot: nothing tells when the window has been drawn.
settle() {
  sleep 0.2
}

# trace_shows <pattern>: true when a line after the last one waited for
# matches (as wait_trace matches), without waiting.
trace_shows() {
  tail -n "+$((TRACE_SEEN + 1))" "$CLAVORA_TRACE" | grep -qxE "$1"
}

# The last trace line that matches the extended regular expression (whole
# line), empty when none does.
trace_line() {
  grep -xE "$1" "$CLAVORA_TRACE" | tail -n 1 || true
}

start_program() {
  "$WORK/app/clavora" "$@" >"$WORK/stdout" 2>"$WORK/stderr" &
  APP_PID=$!
  start_program_window
}

# Waits for the book window of the started program; sets WINDOW.
start_program_window() {
  WINDOW=
  local tries=0
  for tries in $(seq 200); do
    for w in $(xdotool search --onlyvisible --name '^Clavora 98$' 2>/dev/null || true); do
      is_book "$w" && { WINDOW=$w; break; }
    done
    [ -n "$WINDOW" ] && break
    kill -0 "$APP_PID" 2>/dev/null || fail "the program ended at start-up: $(cat "$WORK/stderr")"
    # A window manager still starting up can lose the first request to show
    # the window; ask again once it has had time.
    if [ "$tries" -eq 20 ]; then
      for w in $(xdotool search --name '^Clavora 98$' 2>/dev/null || true); do
        is_book "$w" && xdotool windowmap "$w" 2>/dev/null
      done
    fi
    sleep 0.1
  done
  [ -n "$WINDOW" ] || fail "the book window did not appear"
  # Let the window settle at its maximised size.
  sleep 0.5
}

# Logs a learner in on the book's cover: the name typed over what the field
# holds and Enter. A new learner ("log_in Name new") then answers Yes to the
# new-user question.
log_in() {
  # The cover may have been waited for already.
  { [ "$TRACE_SEEN" -gt 0 ] && [ "$(sed -n "${TRACE_SEEN}p" "$CLAVORA_TRACE")" = "page Cover" ]; } ||
    wait_trace 'page Cover' 20
  activate_window
  xdotool key --clearmodifiers ctrl+a
  xdotool type --delay 60 "$1"
  xdotool key Return
  if [ "${2:-}" = new ]; then
    wait_trace 'page NewUser'
    xdotool key Return
  fi
  # Past the cover: the learner's first page is shown.
  wait_trace 'page (Welcome|ChpContents|ChpBegin|StdProfile)' 20
}

# Window geometry: sets WIN_X WIN_Y WIN_W WIN_H.
window_geometry() {
  eval "$(xdotool getwindowgeometry --shell "$WINDOW")"
  WIN_X=$X WIN_Y=$Y WIN_W=$WIDTH WIN_H=$HEIGHT
}

# The factor by which the program draws its book (1 when not scaled), as it
# names it on its window.
book_scale() {
  local value
  value=$(xprop -id "$WINDOW" _CLAVORA_BOOK_SCALE 2>/dev/null | sed -n 's/.*= "\(.*\)"$/\1/p')
  echo "${value:-1}"
}

# Clicks a point given in book coordinates. The book is centred above the
# 21-pixel status bar when the window is tall enough for both; the window's
# own size counts in the book's pixels, which are book_scale screen pixels.
click_book() {
  window_geometry
  local at
  at=$(awk -v w="$WIN_W" -v h="$WIN_H" -v s="$(book_scale)" -v x="$1" -v y="$2" 'BEGIN {
    w = int(w / s + 0.5); h = int(h / s + 0.5)
    status = h >= 529 + 21 ? 21 : 0
    bx = int((w - 777) / 2); by = int((h - status - 529) / 2)
    printf "%d %d", (bx + x) * s, (by + y) * s }')
  xdotool mousemove --window "$WINDOW" ${at% *} ${at#* } click 1
}

screenshot() {
  import -window root "$SHOTS/$1.png"
}

# Brings the book window to the front; fails when the window manager does not
# after a few tries.
activate_window() {
  local attempt
  for attempt in 1 2 3 4 5; do
    xdotool windowactivate --sync "$WINDOW" 2>/dev/null &&
      [ "$(xdotool getactivewindow 2>/dev/null)" = "$WINDOW" ] && return 0
    sleep 0.2
  done
  fail "the book window could not be brought to the front"
}

# Closes the book window and waits until the program has ended; a close that
# was lost is sent again. Sets APP_STATUS.
close_window() {
  local attempt
  for attempt in 1 2 3; do
    activate_window
    xdotool key --clearmodifiers alt+F4
    wait_program_ended 5 && break
    # Still running with its window gone: it is ending, and is waited for.
    xwininfo -id "$WINDOW" 2>/dev/null | grep -q IsViewable || break
  done
  wait_program
  [ "$APP_STATUS" -eq 0 ] || fail "exit status $APP_STATUS after the window was closed"
}

# wait_program_ended <seconds>: true once the program has ended.
wait_program_ended() {
  local deadline=$((SECONDS + $1))
  while kill -0 "$APP_PID" 2>/dev/null; do
    [ $SECONDS -lt $deadline ] || return 1
    sleep 0.05
  done
}

# Waits for the program to end; sets APP_STATUS. Once it has been waited for
# (by close_window), APP_STATUS stays as it was.
wait_program() {
  [ -n "${APP_PID:-}" ] || return 0
  local waited=0
  while kill -0 "$APP_PID" 2>/dev/null; do
    sleep 0.1
    waited=$((waited + 1))
    [ $waited -lt 150 ] || fail "the program did not end after its window was closed"
  done
  APP_STATUS=0
  wait "$APP_PID" || APP_STATUS=$?
  APP_PID=
}
