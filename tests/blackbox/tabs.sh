#!/usr/bin/env bash
# The built program under a real X server: it opens its book, and after a
# learner has logged in each tab picture shows its page (statistics,
# revision, options, about, and back to guided studying); closing the window
# ends it with status 0.
source "$(dirname "$0")/common.sh" "$1" "$2"

start_display
seed_settings
start_program
log_in Tester new
screenshot book-guided
# The tabs: Statistics (129 x 43 at 255,18 in the book), Revision (114 x 43
# at 141,18), Options (83 x 28 at 483,28), About (47 x 28 at 415,28) and
# Guided Studying (112 x 43 at 28,18).
click_book $((255 + 64)) $((18 + 25))
wait_trace 'page Statistics'
screenshot book-statistics
click_book $((141 + 57)) $((18 + 25))
wait_trace 'page Revision'
click_book $((483 + 41)) $((28 + 14))
wait_trace 'page Options'
click_book $((415 + 23)) $((28 + 14))
wait_trace 'page About'
click_book $((28 + 56)) $((18 + 25))
wait_trace 'page Welcome'
close_window
grep -q . "$WORK/stderr" && { echo "program wrote to stderr:"; cat "$WORK/stderr"; }
echo "ok: screenshots in $SHOTS"
