#!/usr/bin/env bash
# Writes every file type with the speech component under Wine, then decodes each file natively:
# sample rate, channels and a duration within 10 % of the synthesised audio.
#   check_file_types.sh WINE_RUN WRITER_EXE OUTPUT_DIR
set -uo pipefail
wine_run=$1 writer=$2 out=$3
rm -rf "$out"
mkdir -p "$out"
win_out="Z:$(echo "$out" | tr / '\\')"
if ! "$wine_run" "$writer" "$win_out" 2> >(grep -v '^ALSA' >&2); then
  echo "the writer failed"
  exit 1
fi

passed=0 failed=0
while IFS=$'\t' read -r file type rate channels seconds format; do
  path="$out/$file"
  if [ "$type" = VOX ]; then
    # Raw ADPCM says nothing about itself: sox is told the rate.
    got_rate=$rate got_channels=1
    got_seconds=$(sox -t vox -r "$rate" -c 1 "$path" -n stat 2>&1 | awk '/^Length \(seconds\)/ {print $3}')
  else
    probe=$(ffprobe -v error -show_entries stream=sample_rate,channels:format=duration -of default=nw=1 "$path")
    got_rate=$(sed -n 's/^sample_rate=//p' <<<"$probe")
    got_channels=$(sed -n 's/^channels=//p' <<<"$probe")
    got_seconds=$(sed -n 's/^duration=//p' <<<"$probe")
  fi
  ok=$(awk -v g="${got_seconds:-0}" -v e="$seconds" 'BEGIN { d = g - e; if (d < 0) d = -d; print (e > 0 && d <= 0.1 * e) ? 1 : 0 }')
  if [ "$got_rate" = "$rate" ] && [ "$got_channels" = "$channels" ] && [ "$ok" = 1 ]; then
    passed=$((passed + 1))
  else
    failed=$((failed + 1))
    echo "FAILED $file ($format): rate $got_rate/$rate, channels $got_channels/$channels, seconds $got_seconds/$seconds"
  fi
done <"$out/manifest.txt"
echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ] && [ "$passed" -ge 40 ]
