# Step: each tab of the book in turn, then the exit tab ends the program
for tab in revision statistics options about guided; do
  click_tab "$tab"
  shot "tab-$tab" "the $tab tab"
done
click_tab exit
wait_program
[ "$APP_STATUS" -eq 0 ] || fail "the program ended with status $APP_STATUS"
