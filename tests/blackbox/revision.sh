#!/usr/bin/env bash
# The built program under a real X server walks through the revision menu's
# four activities: the Revision Wizard builds a key drill for the keys
# currently studied, a story is chosen with its preview, typed, left and
# later continued, and the bubbles and falling-words games start with the
# studied keys. Screenshots of every page.
source "$(dirname "$0")/common.sh" "$1" "$2"

# Leaving a started exercise for the guided pages asks first: the question
# is answered (and its picture taken) if it comes before the guided page.
answer_if_asked() {
  local deadline=$((SECONDS + 10)) w width
  while [ $SECONDS -lt $deadline ]; do
    trace_shows 'page Welcome' && return 0
    for w in $(xdotool search --onlyvisible --pid "$APP_PID" 2>/dev/null || true); do
      [ "$w" = "$WINDOW" ] && continue
      width=$(window_width "$w")
      if [ "$width" -gt 1 ] && [ "$width" -lt 700 ]; then
        DIALOG=$w
        screenshot "$1"
        answer_dialog Return
        return 0
      fi
    done
    sleep 0.1
  done
  fail "neither the guided page nor a question came"
}

# Tabs in book coordinates: guided studying at 28,18 and revision at 141,18.
guided_tab() { click_book $((28 + 56)) $((18 + 25)); }
revision_tab() {
  click_book $((141 + 57)) $((18 + 25))
  wait_trace 'page Revision'
}
key() {
  activate_window
  xdotool key --clearmodifiers "$@"
}
# Back to the revision menu from a running activity.
back_to_menu() {
  guided_tab
  answer_if_asked "$1"
  wait_trace 'page Welcome'
  revision_tab
  settle
}

start_display
seed_settings
start_program
log_in Tester new

revision_tab
settle
screenshot revision-menu

# The Revision Wizard: a new learner has no difficult keys, so the keys
# currently studied (f and j) are chosen, and a drill of their words runs.
key alt+r
wait_trace 'page Builder'
settle
screenshot revision-wizard
key Return
wait_event TKeyboardEvent
settle
screenshot revision-wizard-drill
kill -0 "$APP_PID" 2>/dev/null || fail "the program ended in the wizard's drill"
back_to_menu revision-wizard-leave

# Story typing: the chooser, a story previewed and typed, then left.
key alt+s
wait_trace 'page ChooseText'
settle
screenshot revision-story-chooser
# The third story of the list (at 36,182 on the left page at 28,61; 20 a line).
click_book $((28 + 36 + 60)) $((61 + 182 + 50))
# The preview is part of the chooser's page: nothing is traced for it.
sleep 0.4
screenshot revision-story-preview
key Return
wait_event TTextEvent
xdotool type --delay 250 "The "
settle
screenshot revision-story-typing
back_to_menu revision-story-leave
# Again: the story can be continued.
key alt+s
wait_trace 'page ChooseText'
settle
screenshot revision-story-continue
key Return
wait_event TTextEvent
settle
screenshot revision-story-continued
back_to_menu revision-story-leave-again

# The bubbles game with the studied keys.
key alt+b
wait_event TBubbles
# The first bubbles take a moment to rise into sight.
sleep 1
xdotool type --delay 200 "fjfj"
screenshot revision-bubbles
back_to_menu revision-bubbles-leave

# The falling-words game with words of the bank for the studied keys.
key alt+l
wait_event TLexidropEvent
# The first word takes a moment to fall into sight.
sleep 1
screenshot revision-lexidrop
back_to_menu revision-lexidrop-leave
screenshot revision-menu-again

close_window
grep -q . "$WORK/stderr" && { echo "program wrote to stderr:"; cat "$WORK/stderr"; }
# Every activity showed a page of its own.
for shot in revision-wizard revision-wizard-drill revision-story-chooser revision-story-typing \
            revision-bubbles revision-lexidrop; do
  cmp -s "$SHOTS/revision-menu.png" "$SHOTS/$shot.png" && fail "$shot shows the menu"
done
echo "ok: screenshots in $SHOTS"
