#!/usr/bin/env bash
# "clavora /AUTOSETUP" installs the desktop entry and its icon, seeds the
# settings from setup.net, tells the learner, and ends.
source "$(dirname "$0")/common.sh" "$1" "$2"

start_display
"$WORK/app/clavora" /AUTOSETUP >"$WORK/stdout" 2>"$WORK/stderr" &
APP_PID=$!
wait_dialog
screenshot autosetup-done
answer_dialog Return
wait_program
[ "$APP_STATUS" -eq 0 ] || fail "exit status $APP_STATUS"

entry=$XDG_DATA_HOME/applications/clavora.desktop
[ -f "$entry" ] || fail "no desktop entry"
desktop-file-validate "$entry" || fail "the desktop entry is not valid"
grep -q "^Exec=\"$WORK/app/clavora\"$" "$entry" || fail "Exec does not start the program: $(grep Exec "$entry")"
icon=$(sed -n 's/^Icon=//p' "$entry")
[ -s "$icon" ] || fail "the icon $icon is missing"
cmp -s "$icon" "$WORK/app/Pictures/Clavora.png" || fail "the icon is not the program's"
ini=$XDG_CONFIG_HOME/Veltrona/Clavora.ini
grep -q '^\[Keyboard Layouts\]$' "$ini" || fail "settings not seeded"
grep -q '^English=qwerty.kbd' "$ini" || fail "English layout not seeded"
grep -q 'LastUser' "$ini" && fail "the installation run saved the settings"
echo "ok: $entry"
