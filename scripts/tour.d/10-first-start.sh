# Step: the first start asks whether to make a desktop icon (No); a new learner logs in, opens the introduction, chooses the course and studies its first exercise
"$WORK/app/clavora" >"$WORK/stdout" 2>"$WORK/stderr" &
APP_PID=$!
wait_dialog
shot first-start "the first start's question over the cover"
answer_dialog Escape
start_program_window
shot cover "the cover, asking for the learner's name"
log_in "Tour Guide" new
shot welcome "the welcome page of a new learner"
xdotool key alt+i
sleep 1
if ls "$WORK/app" | grep -qix 'introd.kqs'; then
  shot introduction "the introduction's chapter"
  xdotool key Return
  sleep 1
  shot introduction-page "the introduction's first page"
  # Escape leaves the page, and Escape on the introduction's chapter leaves
  # the introduction (on the welcome page it does nothing).
  xdotool key Escape
  sleep 0.8
  xdotool key Escape
else
  wait_dialog
  shot introduction "the introduction is not installed: the learner is told so"
  answer_dialog Return
fi
sleep 0.8
xdotool key alt+b
sleep 1
shot profile "the studying profile: the course, the lesson length and the contents"
xdotool key Return
sleep 1.2
shot chapter "the first chapter's pages"
xdotool key Return
sleep 1
shot first-exercise "the first exercise"
xdotool key Return
sleep 1
shot chapter-after "the chapter after the first exercise"
