#!/usr/bin/env bash
# Takes the README's screenshots of the real program under Xvfb, with the
# clock frozen so that every picture shows the same moment.
#   tools/screenshots.sh path/to/orvalen [docs-folder]
set -euo pipefail

program=$(realpath "$1")
docs=$(realpath "${2:-$(dirname "$0")/../docs}")
work=$(mktemp -d)
exec {fd}<> <(:)
Xvfb -displayfd "$fd" -screen 0 1280x1024x24 -noreset -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
trap 'kill $xvfb 2>/dev/null; rm -rf "$work"' EXIT
read -r -u "$fd" display
export DISPLAY=":$display"

faketime_lib=/usr/lib/x86_64-linux-gnu/faketime/libfaketime.so.1

# shot NAME SETTINGS [ACTION]: starts the clock at 100,100 px (logical
# pixels, Scale device pixels each) with the given mode and options and saves
# the screen area that shows it.
Scale=1
shot() {
  local name=$1 settings=$2 action=${3:-}
  mkdir -p "$work/$name" && cp "$program" "$work/$name/"
  printf '1500\r\n1500\r\n%s\r\n' "${settings// /$'\r\n'}" >"$work/$name/setting.dat"
  QT_SCALE_FACTOR=$Scale LD_PRELOAD=$faketime_lib FAKETIME="2026-12-10 18:10:39" FAKETIME_DONT_FAKE_MONOTONIC=1 TZ=UTC \
    "$work/$name/orvalen" &
  local pid=$!
  xdotool search --sync --name '^Orvalen$' >/dev/null
  sleep 1
  # The clock alone, or with the dialog below it on a desktop-coloured ground.
  local crop=$(xdotool search --name '^Orvalen$' getwindowgeometry --shell | sed -n 's/^WIDTH=//p;s/^HEIGHT=//p' | head -2 | paste -sd x)+$((100 * Scale))+$((100 * Scale))
  if [ -n "$action" ]; then eval "$action"; crop=340x600+80+80; fi
  import -window root -crop "$crop" +repage "$docs/$name.png"
  kill "$pid"
  wait "$pid" 2>/dev/null || true
}

open_dialog='xdotool mousemove 200 200 sleep 0.3 mousemove 200 495 sleep 0.3 click 1 sleep 1 mousemove 700 650; sleep 0.5'

mkdir -p "$docs"
shot face-normal "normal off on off"
shot face-mini "mini off on off"
shot face-emblem "emblem off on off"
shot face-banner "normal on on off"
shot face-ampm "normal off on on"
shot dialog "normal off on off" "$open_dialog"
Scale=2
shot face-normal-2x "normal off on off"
echo "screenshots in $docs"
