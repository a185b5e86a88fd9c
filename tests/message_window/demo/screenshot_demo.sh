#!/usr/bin/env bash
# Runs the message window demonstration on the X display in $DISPLAY (start it under
# xvfb-run), screenshots the whole screen and checks what can be seen:
#   - the message window is mapped with the expected client size and place (by default
#     a 250 x 125 window, client 246 x 100, centred on the stand-in main window: client
#     origin 177, 190);
#   - the label's area holds dark text pixels, centred in the label;
#   - the OK button's area is not blank;
# then presses Enter, which must end the modal show and the program.
#
#   screenshot_demo.sh DEMO SCREENSHOT.png [CLIENT_W CLIENT_H CLIENT_X CLIENT_Y LABEL_W LABEL_LEFT BUTTON_LEFT [DEMO ARGS...]]
set -euo pipefail
demo=$1
shot=$2
shift 2
expect=(246 100 177 190 200 25 87)
if [ $# -ge 7 ]; then
  expect=("$@")
  expect=("${expect[@]:0:7}")
  shift 7
fi
read -r clientW clientH clientX clientY labelW labelLeft buttonLeft <<<"${expect[*]}"
convert=$(command -v convert-im6.q16 || command -v convert)

fail() { echo "screenshot_demo: $*" >&2; exit 1; }

QT_QPA_PLATFORM=xcb "$demo" "$@" &
pid=$!
trap 'kill "$pid" 2>/dev/null || true' EXIT

wid=""
for _ in $(seq 1 200); do
  wid=$(xdotool search --onlyvisible --name '^Lumpforge Compiler$' 2>/dev/null | head -n1 || true)
  [ -n "$wid" ] && break
  kill -0 "$pid" 2>/dev/null || fail "the demo ended before its window appeared"
  sleep 0.05
done
[ -n "$wid" ] || fail "no window named \"Lumpforge Compiler\" appeared"
sleep 0.5  # let the first paint land before the screenshot

import -window root "$shot"
eval "$(xdotool getwindowgeometry --shell "$wid")"
[ "$WIDTH" = "$clientW" ] && [ "$HEIGHT" = "$clientH" ] ||
  fail "window is ${WIDTH}x${HEIGHT}, expected ${clientW}x${clientH}"
[ "$X" = "$clientX" ] && [ "$Y" = "$clientY" ] || fail "window client is at $X,$Y, expected $clientX,$clientY"

# Label1 is 18 high at top 17 of the client area.
label="${labelW}x18+$((X + labelLeft))+$((Y + 17))"
dark=$("$convert" "$shot" -crop "$label" +repage -colorspace Gray -threshold 50% -format '%[fx:mean]' info:)
awk -v m="$dark" 'BEGIN { exit !(m > 0.5 && m < 0.97) }' ||
  fail "label area has no text (share of light pixels $dark)"
box=$("$convert" "$shot" -crop "$label" +repage -colorspace Gray -threshold 50% -trim -format '%w %h %X' info:)
read -r textWidth textHeight textLeft <<<"${box//+/}"
centre=$((textLeft + textWidth / 2))
[ "$centre" -ge $((labelW / 2 - 4)) ] && [ "$centre" -le $((labelW / 2 + 4)) ] ||
  fail "text centre at $centre of the label, expected about $((labelW / 2))"
[ "$textHeight" -ge 7 ] || fail "text only $textHeight pixels high"

# Button1 is 75 x 25 at top 60.
spread=$("$convert" "$shot" -crop "75x25+$((X + buttonLeft))+$((Y + 60))" +repage -colorspace Gray -format '%[fx:standard_deviation]' info:)
awk -v s="$spread" 'BEGIN { exit !(s > 0.02) }' || fail "button area is blank"

xdotool windowactivate --sync "$wid" >/dev/null 2>&1 || xdotool windowfocus "$wid" || true
# The key release may find the window already gone (the press ended the show): that X error
# is expected, the check below is what counts.
xdotool key --window "$wid" Return 2>/dev/null || true
for _ in $(seq 1 200); do
  kill -0 "$pid" 2>/dev/null || break
  sleep 0.05
done
kill -0 "$pid" 2>/dev/null && fail "Enter did not close the message window"
wait "$pid" || fail "the demo failed"
trap - EXIT
echo "screenshot_demo: message window ${WIDTH}x${HEIGHT} at $X,$Y, text ${textWidth}x${textHeight} centred at $centre; screenshot in $shot"
