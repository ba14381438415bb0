# Step: each tab of the book in turn, then the exit tab ends the program and the learner is in the tour's user database
for tab in revision statistics options about guided; do
  click_tab "$tab"
  shot "tab-$tab" "the $tab tab"
done
click_tab exit
wait_program
[ "$APP_STATUS" -eq 0 ] || fail "the program ended with status $APP_STATUS"
grep -aq 'Tour Guide' "$XDG_DATA_HOME/Clavora/Userbase.kq4" ||
  fail "the learner is not in $XDG_DATA_HOME/Clavora/Userbase.kq4"
echo "  the learner is saved in $XDG_DATA_HOME/Clavora/Userbase.kq4"
