#!/usr/bin/env bash
# Speaks the voice-assistance hints and writes them as s<N>.wav into
# installer/payload/ (or the folder given as the first argument).
#
#   tools/make_voices.sh [OUT_DIR]
#
# Needs espeak-ng and sox (Debian: apt-get install -y espeak-ng sox).
# Output: plain RIFF WAVE, PCM 16-bit mono 11025 Hz, no dither, so the same
# text gives the same bytes on every run. A file over MAX_BYTES fails the run:
# the installer carries all of them inside its own executable.
set -euo pipefail

here=$(cd "$(dirname "$0")" && pwd)
out=${1:-$here/../installer/payload}
MAX_BYTES=150000
RATE=11025
VOICE=en-us
SPEED=175   # words per minute

for tool in espeak-ng sox; do
  if ! command -v "$tool" >/dev/null; then
    echo "make_voices: $tool is missing (apt-get install -y espeak-ng sox)" >&2
    exit 1
  fi
done
mkdir -p "$out"

# file | where it plays | text
hints=(
  "s1|start-up splash; first-run welcome|Welcome to Kalvor. Your PC is now guarded against year two thousand clock problems."
  "s2|options: time tracking ticked|Time tracking is on. Kalvor will warn you when the PC clock is reset or changed."
  "s3|options: a test schedule chosen|Choose how often Kalvor should remind you to test your software and hardware."
  "s4|options: voice assistance ticked|Voice assistance is on. You will hear a short hint when a question comes up."
  "s7|start-up: clock went back while not running|The clock went back while Kalvor was not running. Please check the time settings."
  "s8|software test: first broken file|This file has a wrong date. You can fix the problem, or skip the file."
  "s9|software test: another broken file|Another file with a wrong date was found. Fix it, or skip it."
  "s10|software test: report|The software test is complete. Please read the report."
  "s12|software test: clock set back during the test|The PC time was set back during the test. Please restart the test."
  "s15|software test: test started|The software test has started. Please wait while your files are checked."
  "s16|software test: main window opened|Choose what to test, then press Start."
  "s17|time changed while running|The PC clock has been changed. Please check the date and time."
  "s18|hardware and BIOS test result|Hardware and bios testing is complete. No problems have been found."
  "s19|time settings check|This is very important. Please check that your PC clock shows the right time."
  "s20|first run: initial testing|Kalvor will now run a few first tests. Please follow the steps on the screen."
)

tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT

total=0
for entry in "${hints[@]}"; do
  IFS='|' read -r name _ text <<<"$entry"
  espeak-ng -v "$VOICE" -s "$SPEED" -w "$tmp/raw.wav" "$text"
  # -D: no dither; -R: any other randomness repeatable. Trim the silence that
  # espeak leaves at both ends, then keep a short pause before and after.
  sox -D -R "$tmp/raw.wav" -r "$RATE" -c 1 -b 16 -e signed-integer "$out/$name.wav" \
    silence 1 0.02 0.5% reverse silence 1 0.02 0.5% reverse \
    norm -1 pad 0.1 0.15
  size=$(stat -c %s "$out/$name.wav")
  if [ "$size" -gt "$MAX_BYTES" ]; then
    echo "make_voices: $name.wav is $size bytes (limit $MAX_BYTES); shorten its text" >&2
    exit 1
  fi
  total=$((total + size))
  printf '%-8s %7d bytes  %s\n' "$name.wav" "$size" "$text"
done
printf 'total    %7d bytes\n' "$total"
