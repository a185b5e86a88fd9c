#!/usr/bin/env bash
# I/O figures of a whole `lumpforge-cli compile` of the largest valid input set (seven
# 256 x 256 bitmaps, full metrics files):
#   - system calls from the first touch of an input to the end (strace -f);
#   - whole-process time against `cat` of the same input bytes into one file followed by
#     `sync` of that file (hyperfine, or a loop with date when it is missing);
#   - peak memory (/usr/bin/time -v).
# Usage: bench/io_figures.sh [path/to/lumpforge-cli]   (default: build/src/cli/lumpforge-cli)
# Targets: at most 80 system calls, at most 1.5 x the copy, at most 8 MiB.
set -euo pipefail
here="$(cd "$(dirname "$0")/.." && pwd)"
cli="$(realpath "${1:-$here/build/src/cli/lumpforge-cli}")"
runs="${IO_RUNS:-30}"
[ -x "$cli" ] || { echo "io_figures: build lumpforge-cli first ($cli)" >&2; exit 2; }

work="$(mktemp -d /tmp/lumpforge-io-XXXXXX)"
trap 'rm -rf "$work"' EXIT
set_dir="$work/set"
mkdir -p "$set_dir"

le32() { local v=$1; printf "\\x$(printf %02x $((v & 255)))\\x$(printf %02x $((v >> 8 & 255)))\\x$(printf %02x $((v >> 16 & 255)))\\x$(printf %02x $((v >> 24 & 255)))"; }
le16() { local v=$1; printf "\\x$(printf %02x $((v & 255)))\\x$(printf %02x $((v >> 8 & 255)))"; }
bitmap() {  # 256 x 256, 8 bits, 40-byte info header, 256 palette entries, random pixels
  {
    printf 'BM'; le32 $((1078 + 65536)); le32 0; le32 1078
    le32 40; le32 256; le32 256; le16 1; le16 8; le32 0; le32 65536; le32 2835; le32 2835; le32 256; le32 0
    head -c 1024 /dev/urandom
    head -c 65536 /dev/urandom
  } >"$1"
}
for name in lambda lambda64 lambda32 paused conchars creditsfont backtile; do bitmap "$set_dir/$name.bmp"; done
metrics() {  # header numbers on lines 2 and 5, a character line for every line read
  { echo "# metrics"; echo "#"; echo 16; echo 0; echo 0; echo 16; echo 0; echo 0; echo "#"
    for ((line = 9; line < $2; line++)); do echo "c $((line % 256)) $((line / 16)) $((line % 16 + 1))"; done
  } >"$1"
}
metrics "$set_dir/conchars.txt" 217
metrics "$set_dir/creditsfont.txt" 105
input_bytes=$(cat "$set_dir"/*.bmp "$set_dir"/*.txt | wc -c)

"$cli" compile "$set_dir" >/dev/null
wad_bytes=$(stat -c %s "$set_dir/gfx.wad")

echo "Input set: seven 256 x 256 bitmaps + full metrics files, $input_bytes bytes; gfx.wad $wad_bytes bytes"

# System calls, counted from the first open of an input.
if command -v strace >/dev/null; then
  strace -f -qq -o "$work/trace" "$cli" compile "$set_dir" >/dev/null
  awk -v dir="$set_dir" 'started || (/open/ && index($0, dir)) { started = 1 }
       started && !/^[0-9]+ +(\+\+\+|---)/ { n++; sub(/^[0-9]+ +/, ""); sub(/\(.*/, ""); count[$0]++ }
       END { printf "System calls after start-up: %d (target <= 80)\n  ", n
             for (c in count) printf "%s %d, ", c, count[c]; printf "\n" }' "$work/trace"
else
  echo "System calls: strace is not installed"
fi

# Whole-process time against the copy.
compile_cmd="'$cli' compile '$set_dir' >/dev/null"
copy_cmd="cat '$set_dir'/*.bmp '$set_dir'/*.txt > '$work/copy.bin' && sync '$work/copy.bin'"
if command -v hyperfine >/dev/null; then
  hyperfine --style none -w 3 -r "$runs" --export-json "$work/times.json" "$compile_cmd" "$copy_cmd" \
    >/dev/null 2>"$work/hyperfine.log" || { cat "$work/hyperfine.log" >&2; exit 1; }
  read -r compile_ms copy_ms < <(grep -E '^ *"mean"' "$work/times.json" | tr -d ',' | awk '{ printf "%s ", $2 * 1000 } END { print "" }')
  method="hyperfine, $runs runs each, means"
else
  measure() {
    local start end
    start=$(date +%s%N)
    for ((i = 0; i < runs; i++)); do sh -c "$1"; done
    end=$(date +%s%N)
    echo $(((end - start) / runs / 1000))
  }
  compile_ms=$(awk -v us="$(measure "$compile_cmd")" 'BEGIN { print us / 1000 }')
  copy_ms=$(awk -v us="$(measure "$copy_cmd")" 'BEGIN { print us / 1000 }')
  method="a loop of $runs runs each with date +%s%N"
fi
awk -v a="$compile_ms" -v b="$copy_ms" -v m="$method" 'BEGIN {
  printf "Whole process: compile %.2f ms, cat + sync %.2f ms, ratio %.2f (target <= 1.5; %s)\n", a, b, a / b, m }'

# Peak memory.
/usr/bin/time -v "$cli" compile "$set_dir" 2>"$work/time.txt" >/dev/null
awk -F': ' '/Maximum resident set size/ { printf "Peak memory: %d KiB = %.2f MiB (target <= 8 MiB)\n", $2, $2 / 1024 }' "$work/time.txt"
