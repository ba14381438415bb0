#!/usr/bin/env bash
# The built program under a real X server walks through the revision menu's
# four activities: the Revision Wizard builds a key drill for the keys
# currently studied, a story is chosen with its preview, typed, left and
# later continued, and the bubbles and falling-words games start with the
# studied keys. Screenshots of every page.
source "$(dirname "$0")/common.sh" "$1" "$2"

# Answers the question that leaving a started exercise asks, if it comes.
answer_if_asked() {
  local w width
  for _ in $(seq 15); do
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
}

# Tabs in book coordinates: guided studying at 28,18 and revision at 141,18.
guided_tab() { click_book $((28 + 56)) $((18 + 25)); }
revision_tab() { click_book $((141 + 57)) $((18 + 25)); }
key() {
  xdotool windowactivate --sync "$WINDOW" 2>/dev/null || true
  xdotool key --clearmodifiers "$@"
}
# Back to the revision menu from a running activity.
back_to_menu() {
  guided_tab
  answer_if_asked "$1"
  sleep 0.5
  revision_tab
  sleep 0.6
}

start_display
seed_settings
start_program
log_in Tester new

revision_tab
sleep 0.6
screenshot revision-menu

# The Revision Wizard: a new learner has no difficult keys, so the keys
# currently studied (f and j) are chosen, and a drill of their words runs.
key alt+r
sleep 0.6
screenshot revision-wizard
key Return
sleep 0.8
screenshot revision-wizard-drill
kill -0 "$APP_PID" 2>/dev/null || fail "the program ended in the wizard's drill"
back_to_menu revision-wizard-leave

# Story typing: the chooser, a story previewed and typed, then left.
key alt+s
sleep 0.6
screenshot revision-story-chooser
# The third story of the list (at 36,182 on the left page at 28,61; 20 a line).
click_book $((28 + 36 + 60)) $((61 + 182 + 50))
sleep 0.4
screenshot revision-story-preview
key Return
sleep 0.8
xdotool type --delay 250 "The "
sleep 0.3
screenshot revision-story-typing
back_to_menu revision-story-leave
# Again: the story can be continued.
key alt+s
sleep 0.6
screenshot revision-story-continue
key Return
sleep 0.8
screenshot revision-story-continued
back_to_menu revision-story-leave-again

# The bubbles game with the studied keys.
key alt+b
sleep 1.5
xdotool type --delay 200 "fjfj"
screenshot revision-bubbles
back_to_menu revision-bubbles-leave

# The falling-words game with words of the bank for the studied keys.
key alt+w
sleep 1.5
screenshot revision-lexidrop
back_to_menu revision-lexidrop-leave
screenshot revision-menu-again

close_window
answer_if_asked revision-closing
wait_program
[ "$APP_STATUS" -eq 0 ] || fail "exit status $APP_STATUS"
grep -q . "$WORK/stderr" && { echo "program wrote to stderr:"; cat "$WORK/stderr"; }
# Every activity showed a page of its own.
for shot in revision-wizard revision-wizard-drill revision-story-chooser revision-story-typing \
            revision-bubbles revision-lexidrop; do
  cmp -s "$SHOTS/revision-menu.png" "$SHOTS/$shot.png" && fail "$shot shows the menu"
done
echo "ok: screenshots in $SHOTS"
