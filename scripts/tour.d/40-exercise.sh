# Step: one text exercise typed with a mistake and a correction, and its results
start_program --exercise 'Tour=TEXT;1;Every good typist keeps the fingers on the home row and the eyes on the text, never on the keys.;TRUE'
xdotool windowactivate --sync "$WINDOW" 2>/dev/null || true
sleep 0.3
# About 150 ms a key: long enough a run for the results to be scored.
xdotool type --delay 300 "Every good typsit keeps the fingers on the hoe"
xdotool key --delay 300 BackSpace
xdotool type --delay 300 "me row and the eyes on the "
sleep 0.3
shot exercise "the text exercise being typed, with a wrong word"
xdotool type --delay 300 "text, never on the keys."
xdotool key Return
sleep 0.5
shot exercise-completed "the exercise completed"
xdotool key Return
sleep 0.8
shot results "the results of the exercise"
xdotool key Return
wait_program
[ "$APP_STATUS" -eq 0 ] || fail "the program ended with status $APP_STATUS"
