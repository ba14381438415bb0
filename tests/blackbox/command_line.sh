#!/usr/bin/env bash
# The command line without a display: the help, the version, mistakes told
# with the usage on standard error (status 2), and an exercise text with a
# character the program cannot show refused before any window is made.
source "$(dirname "$0")/common.sh" "$1" "$2"
unset DISPLAY WAYLAND_DISPLAY

# Each row: the expected status, the stream to look in, a text it must hold,
# then the arguments.
check() {
  local status=$1 stream=$2 text=$3
  shift 3
  local got=0
  "$WORK/app/clavora" "$@" >"$WORK/out" 2>"$WORK/err" </dev/null || got=$?
  [ "$got" -eq "$status" ] || fail "$*: status $got, not $status: $(cat "$WORK/err")"
  grep -qF -- "$text" "$WORK/$stream" || fail "$*: '$text' not on $stream: $(cat "$WORK/$stream")"
  echo "ok: $* -> $status"
}

check 0 out "Usage: clavora [option]" --help
check 0 out "Clavora 98 4.20 (build 0161)" --version
check 0 out "Build: 0161; 98-06-10" --version
# Short options are answered here too, not left to the toolkit, which would
# need a display: the help, and one nobody knows.
check 0 out "Usage: clavora [option]" -h
check 2 err "unknown option '-x'" -x
check 2 err "unknown option '-bogus'" -bogus value
check 2 err "unknown option '--exercize'" --exercize "E=TEXT;1;x"
check 2 err "Usage: clavora [option]" --exercize "E=TEXT;1;x"
check 2 err "option '--exercise' needs a value" --exercise
check 2 err "unexpected argument 'extra'" --course Beginner.cnt extra
check 2 err "a character Clavora cannot show" --exercise "E=TEXT;1;Five € each.;TRUE"
[ ! -e "$XDG_DATA_HOME/Clavora" ] || fail "a refused command line made the learner's folder"
