# Shared steps of the black-box tests: a virtual X server with a window
# manager, a fresh copy of the program directory, and the program started as
# its own process.
#
# Usage: source common.sh <program directory> <screenshot directory>
set -euo pipefail

APP_SOURCE=$1
SHOTS=$2
mkdir -p "$SHOTS"
WORK=$(mktemp -d /tmp/clavora-blackbox-XXXXXX)
export XDG_CONFIG_HOME=$WORK/config XDG_DATA_HOME=$WORK/data HOME=$WORK/home
export XDG_RUNTIME_DIR=$WORK/run
mkdir -p "$XDG_CONFIG_HOME" "$XDG_DATA_HOME" "$HOME"
mkdir -m 700 "$XDG_RUNTIME_DIR"
cp -r "$APP_SOURCE" "$WORK/app"
unset QT_QPA_PLATFORM
XVFB_PID= WM_PID= APP_PID=

cleanup() {
  for pid in $APP_PID $WM_PID $XVFB_PID; do kill "$pid" 2>/dev/null || true; done
  wait 2>/dev/null || true
  [ -n "${KEEP_WORK:-}" ] || rm -rf "$WORK"
}
trap cleanup EXIT

fail() { echo "FAIL: $*" >&2; exit 1; }

# Presses a key in the message box found by wait_dialog.
answer_dialog() {
  xdotool windowactivate --sync "$DIALOG" 2>/dev/null || true
  xdotool key --clearmodifiers "$1"
}

start_display() {
  exec 3< <(Xvfb -displayfd 1 -screen 0 1024x768x24 -nolisten tcp 2>/dev/null & echo "pid $!"; wait)
  read -r _ XVFB_PID <&3
  read -r display <&3
  export DISPLAY=:$display
  openbox >/dev/null 2>&1 &
  WM_PID=$!
  for _ in $(seq 100); do xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q window && break; sleep 0.05; done
}

# The settings of an installed machine, so that no first-run question comes.
seed_settings() {
  mkdir -p "$XDG_CONFIG_HOME/Veltrona"
  printf '[General Settings]\nKeyboardLayout=English\nPlayTheme=0\n[Keyboard Layouts]\nEnglish=qwerty.kbd\n' \
    >"$XDG_CONFIG_HOME/Veltrona/Clavora.ini"
}

# Waits for a message box of the program (a window other than the book) and
# sets DIALOG to it.
wait_dialog() {
  DIALOG=
  for _ in $(seq 100); do
    for w in $(xdotool search --onlyvisible --pid "$APP_PID" 2>/dev/null || true); do
      [ "$w" = "${WINDOW:-}" ] && continue
      [ "$(xdotool getwindowname "$w" 2>/dev/null)" = "Clavora 98" ] || continue
      # The book is at least as wide as the book; a message box is narrower.
      local WIDTH=0
      eval "$(xdotool getwindowgeometry --shell "$w" 2>/dev/null | grep '^WIDTH=')"
      [ "$WIDTH" -gt 0 ] && [ "$WIDTH" -lt 760 ] && { DIALOG=$w; return 0; }
    done
    sleep 0.1
  done
  fail "no message box appeared"
}

start_program() {
  "$WORK/app/clavora" "$@" >"$WORK/stdout" 2>"$WORK/stderr" &
  APP_PID=$!
  start_program_window
}

# Waits for the book window of the started program; sets WINDOW.
start_program_window() {
  WINDOW=
  for _ in $(seq 200); do
    WINDOW=$(xdotool search --onlyvisible --name '^Clavora 98$' 2>/dev/null | head -n 1 || true)
    if [ -n "$WINDOW" ] && [ "$WINDOW" != "${DIALOG:-}" ]; then break; fi
    WINDOW=
    kill -0 "$APP_PID" 2>/dev/null || fail "the program ended at start-up: $(cat "$WORK/stderr")"
    sleep 0.1
  done
  [ -n "$WINDOW" ] || fail "the book window did not appear"
  # Let the window settle at its maximised size.
  sleep 0.5
}

# Window geometry: sets WIN_X WIN_Y WIN_W WIN_H.
window_geometry() {
  eval "$(xdotool getwindowgeometry --shell "$WINDOW")"
  WIN_X=$X WIN_Y=$Y WIN_W=$WIDTH WIN_H=$HEIGHT
}

# Clicks a point given in book coordinates (the book is centred above the
# 21-pixel status bar when the window is taller than the book and the bar).
click_book() {
  window_geometry
  local status=0
  [ "$WIN_H" -ge $((529 + 21)) ] && status=21
  local bx=$(((WIN_W - 777) / 2)) by=$(((WIN_H - status - 529) / 2))
  xdotool mousemove --window "$WINDOW" $((bx + $1)) $((by + $2)) click 1
}

screenshot() {
  import -window root "$SHOTS/$1.png"
}

close_window() {
  xdotool windowactivate --sync "$WINDOW" 2>/dev/null || true
  xdotool key --clearmodifiers alt+F4
}

# Waits for the program to end; sets APP_STATUS.
wait_program() {
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
