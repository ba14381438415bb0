#!/usr/bin/env bash
# The program on a Wayland desktop: under Weston's headless backend it opens
# its book as a native Wayland window and reaches the cover, and ends with
# status 0 when the session ends it (SIGTERM). Through XWayland, the X server
# the compositor runs beside it, it does the same and takes keys: a learner's
# name typed on the cover asks whether to make a new learner.
source "$(dirname "$0")/common.sh" "$1" "$2"

# start_compositor <socket> [weston options...]: Weston on the headless
# backend, drawing with pixman so that its screen can be shot; sets
# WAYLAND_SOCKET_NAME. Weston runs as root as well; it is the window manager
# of these runs.
start_compositor() {
  WAYLAND_SOCKET_NAME=$1
  shift
  weston --backend=headless-backend.so --use-pixman --debug --idle-time=0 \
    --width=1280 --height=800 --socket="$WAYLAND_SOCKET_NAME" "$@" >"$WORK/weston.log" 2>&1 &
  WM_PID=$!
  for _ in $(seq 100); do
    [ -S "$XDG_RUNTIME_DIR/$WAYLAND_SOCKET_NAME" ] && return 0
    kill -0 "$WM_PID" 2>/dev/null || break
    sleep 0.1
  done
  fail "weston did not start: $(cat "$WORK/weston.log")"
}

stop_compositor() {
  kill "$WM_PID" 2>/dev/null || true
  wait "$WM_PID" 2>/dev/null || true
  WM_PID=
}

# The compositor's whole screen, shot from the compositor itself.
wayland_screenshot() {
  (cd "$WORK" && rm -f wayland-screenshot-*.png &&
    WAYLAND_DISPLAY=$WAYLAND_SOCKET_NAME timeout 10 weston-screenshooter >/dev/null 2>&1 &&
    mv wayland-screenshot-*.png "$SHOTS/$1.png") || echo "no screenshot of $1"
}

# Ends the program as the session does and checks it ended well.
terminate_program() {
  kill -0 "$APP_PID" 2>/dev/null || fail "$1: the program ended before it was told to"
  kill -s TERM "$APP_PID"
  wait_program
  [ "$APP_STATUS" -eq 0 ] || fail "$1: exit status $APP_STATUS after SIGTERM: $(cat "$WORK/stderr")"
  grep -q '^MeasuringUnit=CPS$' "$XDG_CONFIG_HOME/Veltrona/Clavora.ini" || fail "$1: settings not saved"
}

# A native Wayland window.
start_compositor clavora-wayland
seed_settings
QT_QPA_PLATFORM=wayland WAYLAND_DISPLAY=$WAYLAND_SOCKET_NAME \
  "$WORK/app/clavora" >"$WORK/stdout" 2>"$WORK/stderr" &
APP_PID=$!
wait_trace 'layout qwerty.kbd' 20
wait_trace 'page Cover' 20
settle
wayland_screenshot wayland-cover
terminate_program wayland
stop_compositor
echo "ok: a native Wayland window"

# Through XWayland.
start_compositor clavora-xwayland --xwayland
for _ in $(seq 100); do
  grep -q 'xserver listening on display' "$WORK/weston.log" && break
  sleep 0.1
done
DISPLAY=$(sed -n 's/.*xserver listening on display \(:[0-9]*\).*/\1/p' "$WORK/weston.log" | head -n 1)
[ -n "$DISPLAY" ] || fail "XWayland did not start: $(cat "$WORK/weston.log")"
export DISPLAY
seed_settings
QT_QPA_PLATFORM=xcb "$WORK/app/clavora" >"$WORK/stdout" 2>"$WORK/stderr" &
APP_PID=$!
wait_trace 'page Cover' 20
# Weston gives an X window the keys once it is shown; nothing tells when.
sleep 0.5
xdotool type --delay 60 "Wendy"
xdotool key Return
wait_trace 'page NewUser'
settle
wayland_screenshot xwayland-new-user
terminate_program xwayland
stop_compositor
echo "ok: through XWayland, with keys"
