#!/usr/bin/env bash
# Runs the windowed program under Xvfb and drives it with real mouse clicks:
#   1. first run: "Browse...", OK on the user's copy of the samples, the About window, "x";
#      the gfx.wad equals the command line's for the same folder;
#   2. next start with a fresh data folder: the chooser opens on the remembered folder;
#   3. a folder missing a file: its message appears and nothing is written.
# Screenshots of the main window, the chooser, the About window and a message go to
# the folder given as third argument.
set -euo pipefail

program=$(realpath "$1")
cli=$(realpath "$2")
shots=$3
mkdir -p "$shots"

work=$(mktemp -d /tmp/lumpforge-e2e-XXXXXX)
xvfb_pid=
app_pid=
cleanup() {
  [[ -n $app_pid ]] && kill "$app_pid" 2>/dev/null || true
  [[ -n $xvfb_pid ]] && kill "$xvfb_pid" 2>/dev/null || true
  wait 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT

fail() { echo "FAIL: $*" >&2; exit 1; }

# A display of our own; Xvfb names a free one when it is ready.
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$work/display" 2>"$work/xvfb.log" &
xvfb_pid=$!
for _ in $(seq 100); do [[ -s $work/display ]] && break; sleep 0.1; done
[[ -s $work/display ]] || fail "Xvfb did not start"
export DISPLAY=:$(head -n1 "$work/display")
unset QT_QPA_PLATFORM WAYLAND_DISPLAY

export HOME=$work/home XDG_CONFIG_HOME=$work/config XDG_DATA_HOME=$work/data
mkdir -p "$HOME" "$XDG_CONFIG_HOME" "$XDG_DATA_HOME"
# The desktop's opener, standing in for the browser: records the page it was asked for.
mkdir -p "$work/bin"
cat >"$work/bin/xdg-open" <<OPENER
#!/bin/sh
printf '%s' "\$1" > "$work/opened.part" && mv "$work/opened.part" "$work/opened"
OPENER
chmod +x "$work/bin/xdg-open"
export PATH=$work/bin:$PATH
samples=$XDG_DATA_HOME/lumpforge/samples

# The visible window whose title is exactly $1; waits up to 20 seconds.
window() {
  local id
  for _ in $(seq 200); do
    id=$(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -n1 || true)
    # A moment for the program to draw what it has just mapped.
    [[ -n $id ]] && { sleep 0.3; echo "$id"; return 0; }
    sleep 0.1
  done
  fail "no window \"$1\""
}
gone() {
  for _ in $(seq 200); do
    xdotool search --onlyvisible --name "^$1\$" >/dev/null 2>&1 || return 0
    sleep 0.1
  done
  fail "window \"$1\" stayed open"
}
# Clicks at a point of a window's client area.
click() {
  local id=$1 x=$2 y=$3 X Y WIDTH HEIGHT SCREEN WINDOW
  eval "$(xdotool getwindowgeometry --shell "$id")"
  xdotool mousemove --sync $((X + x)) $((Y + y))
  sleep 0.2
  xdotool click 1
}
shot() { sleep 0.5; import -window root "$shots/$1.png"; }

start() {
  (cd "$work" && exec "$program") >"$work/app.log" 2>&1 &
  app_pid=$!
}
# Waits for the program to end by itself and checks its exit status.
ended() {
  local status=0
  for _ in $(seq 200); do kill -0 "$app_pid" 2>/dev/null || break; sleep 0.1; done
  kill -0 "$app_pid" 2>/dev/null && fail "the program did not end"
  wait "$app_pid" || status=$?
  app_pid=
  [[ $status -eq 0 ]] || fail "exit status $status"
}

# Points of the windows' client areas (window coordinates of their controls).
browse=(45 144)     # "Browse..." on the main window
close_x=(312 24)    # the "x"
title=(150 25)      # inside the drag band
ok_chooser=(64 193)
ok_about=(142 194)
link=(60 150)       # the web address on the About window
ok_message=(124 72)

echo "1. first run"
start
main=$(window "Lumpforge")
eval "$(xdotool getwindowgeometry --shell "$main")"
[[ $WIDTH -eq 340 && $HEIGHT -eq 262 ]] || fail "main window is ${WIDTH}x${HEIGHT}"
[[ -f $samples/lambda.bmp ]] || fail "no samples copy in $samples"
shot main-window

# Dragging by the title band moves the window.
before_x=$X
click_x=$((X + title[0])); click_y=$((Y + title[1]))
xdotool mousemove --sync $click_x $click_y mousedown 1
sleep 0.2
xdotool mousemove --sync $((click_x + 60)) $((click_y + 40))
sleep 0.2
xdotool mouseup 1
sleep 0.3
eval "$(xdotool getwindowgeometry --shell "$main")"
[[ $X -ne $before_x ]] || fail "dragging the title band did not move the window"

click "$main" "${browse[@]}"
chooser=$(window "Browse...")
shot chooser
click "$chooser" "${ok_chooser[@]}"
about=$(window "About Lumpforge Compiler")
shot about
[[ -f $samples/gfx.wad ]] || fail "no gfx.wad written in $samples"
"$cli" compile "$samples" -o "$work/cli.wad" >/dev/null
cmp "$samples/gfx.wad" "$work/cli.wad" || fail "gfx.wad differs from lumpforge-cli's"
click "$about" "${link[@]}"
for _ in $(seq 100); do [[ -f $work/opened ]] && break; sleep 0.1; done
[[ $(cat "$work/opened" 2>/dev/null) == http://www.quillmere.example/lumpforge/ ]] ||
  fail "the link did not open the maker's page"
click "$about" "${ok_about[@]}"
gone "About Lumpforge Compiler"
click "$main" "${close_x[@]}"
ended

echo "2. the folder is remembered"
# A fresh data folder: without the remembered folder the chooser would open on a new copy.
export XDG_DATA_HOME=$work/data2
mkdir -p "$XDG_DATA_HOME"
rm "$samples/gfx.wad"
start
main=$(window "Lumpforge")
click "$main" "${browse[@]}"
chooser=$(window "Browse...")
click "$chooser" "${ok_chooser[@]}"
about=$(window "About Lumpforge Compiler")
[[ -f $samples/gfx.wad ]] || fail "the remembered folder was not compiled"
[[ ! -e $XDG_DATA_HOME/lumpforge/samples/gfx.wad ]] || fail "compiled a new copy instead"
cmp "$samples/gfx.wad" "$work/cli.wad" || fail "second gfx.wad differs"
click "$about" "${ok_about[@]}"
click "$main" "${close_x[@]}"
ended

echo "3. a folder missing a file"
rm "$samples/lambda.bmp"
cp "$samples/gfx.wad" "$work/old.wad"
start
main=$(window "Lumpforge")
click "$main" "${browse[@]}"
chooser=$(window "Browse...")
click "$chooser" "${ok_chooser[@]}"
message=$(window "Lumpforge Compiler")
shot message
click "$message" "${ok_message[@]}"
about=$(window "About Lumpforge Compiler")
cmp "$samples/gfx.wad" "$work/old.wad" || fail "gfx.wad changed although a file was missing"
click "$about" "${ok_about[@]}"
click "$main" "${close_x[@]}"
ended

echo "PASS"
