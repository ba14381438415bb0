#!/usr/bin/env bash
# The built program under a real X server: the Statistics tab shows its
# page, and its Print button, with no printer on the machine, writes the
# study report as a PDF, has the desktop open it and tells the learner where.
source "$(dirname "$0")/common.sh" "$1" "$2"

# The desktop's opener, standing in for the PDF viewer: it notes what it was
# asked to open.
mkdir -p "$WORK/bin"
printf '#!/bin/sh\nprintf "%%s\\n" "$*" >>"%s/opened"\n' "$WORK" >"$WORK/bin/xdg-open"
chmod +x "$WORK/bin/xdg-open"
export PATH="$WORK/bin:$PATH"

start_display
seed_settings
start_program
log_in Tester new
# The Statistics tab (129 x 43 at 255,18 in the book).
click_book $((255 + 64)) $((18 + 25))
wait_trace 'page Statistics'
settle
screenshot statistics-page
# The Print button on the title strip (at 250,10 on the strip at 28,61).
click_book $((28 + 250 + 40)) $((61 + 10 + 14))
wait_dialog
screenshot statistics-report-told
answer_dialog Return
# Named after the learner, as other learners share the folder.
REPORT=$(find "$WORK" -name 'Study Report - Tester.pdf' -print -quit)
[ -n "$REPORT" ] || fail "no study report was written"
for _ in $(seq 50); do [ -s "$WORK/opened" ] && break; sleep 0.1; done
grep -qE "Study( |%20)Report( |%20)-( |%20)Tester\.pdf" "$WORK/opened" 2>/dev/null || fail "the report was not opened"
pdfinfo "$REPORT" | grep -Eq '^Pages: +1$' || fail "the report is not one page"
TEXT=$(pdftotext -layout "$REPORT" -)
# The shipped course's name and its first chapter's number.
COURSE=$(grep -ai '^contents name=' "$WORK/app/Beginner.cnt" | head -n 1 | cut -d= -f2 | tr -d '\r')
for want in "Study Report" "Student:" "Completed:" "Time used:" "Time left:" \
            "Course: $COURSE" "1. "; do
  grep -qF "$want" <<<"$TEXT" || fail "the report lacks \"$want\""
done
pdftoppm -png -r 50 -singlefile "$REPORT" "$SHOTS/statistics-report"
close_window
echo "ok: screenshots in $SHOTS"
