#!/usr/bin/env bash
# The built program under a real X server: it opens its book, a tab picture
# is clicked after a learner has logged in, and closing the window ends it with status 0.
source "$(dirname "$0")/common.sh" "$1" "$2"

start_display
seed_settings
start_program
log_in Tester new
screenshot book-guided
# The Statistics tab (129 x 43 at 255,18 in the book).
click_book $((255 + 64)) $((18 + 25))
sleep 0.5
screenshot book-statistics
close_window
wait_program
[ "$APP_STATUS" -eq 0 ] || fail "exit status $APP_STATUS"
grep -q . "$WORK/stderr" && { echo "program wrote to stderr:"; cat "$WORK/stderr"; }
echo "ok: screenshots in $SHOTS"
