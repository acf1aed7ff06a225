#!/usr/bin/env bash
# Starts the real program on a real X server (Xvfb) under a window manager
# (openbox), opens the first panel's Help box from the keyboard, captures the
# whole screen and checks that the box's text is drawn there: a light box
# with dark text, not a black or empty rectangle.  Two captures of the root
# window: xwd, which reads every window of its own colormap separately, and
# ImageMagick's import.  Then copies the box with Ctrl+C and reads the
# clipboard back with xclip.  Exits 77 (skipped) where Xvfb or openbox is not
# installed.
#
#   real_x_help_box_test.sh PROGRAM
set -euo pipefail
program=$(realpath "$1")
shot="$PWD/real_x_help_box" # .xwd.png and .import.png, kept for a look after a failure

source "$(dirname "$0")/real_x_session.sh"
need_tools xdotool xwininfo xprop xwd import convert xclip
start_x_session 1280x1024

mkdir "$scratch/work"
(cd "$scratch/work" && exec env QT_QPA_PLATFORM=xcb "$program" >"$scratch/program.log" 2>&1) &
pids+=($!)
dialog=$(timeout 20 xdotool search --sync --onlyvisible --name '^Velmorandine$' | head -n 1) ||
    fail "the window did not appear: $(cat "$scratch/program.log")"
timeout 10 xdotool windowactivate --sync "$dialog" >/dev/null 2>&1 || true

# The focus starts on the card box; the next control is its panel's Help.
xdotool key Tab space
box_window() {
    box=$(xdotool search --onlyvisible --name '^Velmorandine$' | grep -vx "$dialog" | head -n 1)
    [ -n "$box" ]
}
wait_for 20 box_window || fail "no Help box appeared"

# The text lies in the upper part of the box, above the OK button.
capture() {
    case $1 in
    xwd) xwd -root -silent | convert xwd:- "$shot.xwd.png" ;;
    import) import -window root "$shot.import.png" ;;
    esac
}
# The light share of window $2's area in capture $1, or of its upper part
# given as a percentage in $3.
light_share() {
    local info x y w h
    info=$(xwininfo -id "$2") || return 1
    x=$(awk '/Absolute upper-left X/ {print $NF}' <<<"$info")
    y=$(awk '/Absolute upper-left Y/ {print $NF}' <<<"$info")
    w=$(awk '/Width:/ {print $NF}' <<<"$info")
    h=$(awk '/Height:/ {print $NF}' <<<"$info")
    convert "$shot.$1.png" -crop "${w}x$((h * ${3:-100} / 100))+$x+$y" +repage -colorspace Gray -threshold 50% \
        -format '%[fx:mean]' info:
}
text_is_drawn() {
    capture "$1" || return 1
    light=$(light_share "$1" "$box" 60) || return 1
    # Mostly light background, and at least one pixel in a hundred dark text.
    awk -v l="$light" 'BEGIN { exit !(l >= 0.5 && l <= 0.99) }'
}
for tool in xwd import; do
    wait_for 10 text_is_drawn "$tool" ||
        fail "in $tool's capture the Help box shows no text (light share $light; see $shot.$tool.png)"
    echo "Help box drawn in $tool's capture: light share $light of its text area"
    # While the box is up the dialog's controls are native windows of their
    # own; drawn black, they would take a third of the dialog.
    dialog_light=$(light_share "$tool" "$dialog")
    awk -v l="$dialog_light" 'BEGIN { exit !(l >= 0.8) }' ||
        fail "in $tool's capture the dialog behind the box is drawn dark (light share $dialog_light; see $shot.$tool.png)"
    echo "dialog drawn in $tool's capture: light share $dialog_light"
done

# Ctrl+C in the box puts its caption, text and button on the X server's
# clipboard, between dashed lines.
dashes=---------------------------
printf '%s\n' "$dashes" Velmorandine "$dashes" "This is for memorizing standard open charts." \
    "Press Correct/Next to start. Two random cards will show." \
    "Make your decision, and check your own chart if it was correct." \
    "Score your own performance by pressing Correct/next or Incorrect/next." \
    "Points increase with long runs of correct answers, not speed." \
    "Press 'Done' to log result to Highscore list and reset variables." "$dashes" OK "$dashes" >"$scratch/expected"
printf 'nothing yet' | xclip -selection clipboard
timeout 10 xdotool windowactivate --sync "$box" >/dev/null 2>&1 || true
xdotool key ctrl+c
copied() { xclip -o -selection clipboard >"$scratch/copied" 2>/dev/null && cmp -s "$scratch/expected" "$scratch/copied"; }
wait_for 10 copied || fail "Ctrl+C in the Help box copied: $(cat "$scratch/copied")"
echo "Ctrl+C copied the Help box: $(wc -l <"$scratch/copied") lines"
