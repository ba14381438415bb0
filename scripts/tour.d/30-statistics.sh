# Step: the statistics tab and its Print button; with no printer the study report is written as a PDF
# The tour's own stand-in for the desktop's PDF viewer: it only notes the file.
mkdir -p "$WORK/bin"
printf '#!/bin/sh\nprintf "%%s\\n" "$*" >>"%s/opened"\n' "$WORK" >"$WORK/bin/xdg-open"
chmod +x "$WORK/bin/xdg-open"
PATH="$WORK/bin:$PATH" start_program
log_in "Tour Guide"
click_tab statistics
shot statistics "the statistics page: progress, difficult keys, efficiency and speed"
click_book $((28 + 250 + 40)) $((61 + 10 + 14))
wait_dialog
shot statistics-printed "Print without a printer: the report saved as a PDF"
answer_dialog Return
REPORT=$(find "$WORK" -name 'Study Report - Tour Guide.pdf' -print -quit)
[ -n "$REPORT" ] || fail "no study report was written"
pdftoppm -png -r 60 -singlefile "$REPORT" "$TOUR/study-report"
SHOT_LIST+=("$TOUR/study-report.png  (the study report's page)")
echo "  $TOUR/study-report.png  the study report's page"
close_window
wait_program
[ "$APP_STATUS" -eq 0 ] || fail "the program ended with status $APP_STATUS"
