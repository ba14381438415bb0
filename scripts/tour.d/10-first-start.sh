# Step: the first start asks whether to make a desktop icon; the learner says No
"$WORK/app/clavora" >"$WORK/stdout" 2>"$WORK/stderr" &
APP_PID=$!
wait_dialog
shot first-start "the first start's question over the cover"
answer_dialog Escape
start_program_window
shot book "the book, opened at guided studying"
