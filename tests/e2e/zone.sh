#!/usr/bin/env bash
# A new system time zone shows without a restart: the program runs in a
# mount namespace of its own with a file of the test's over /etc/localtime,
# which the test then rewrites from UTC to Tokyo's zone, as the desktop's
# date settings do.
# Usage: zone.sh ORVALEN_BINARY ASSETS_FOLDER
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"
Skip=77
if [[ $(id -u) != 0 ]] || ! unshare --mount true 2>/dev/null; then
    log "skipped: a mount namespace needs root"
    exit $Skip
fi
[[ -e /etc/localtime ]] || { log "skipped: this system has no /etc/localtime to cover"; exit $Skip; }
e2e_init "$1" "$2"
Zones=/usr/share/zoneinfo
[[ -f $Zones/UTC && -f $Zones/Asia/Tokyo ]] || die "no zone files in $Zones (package tzdata)"
Time="2003-04-19 18:10:39"  # in UTC: 03:10:39 on Sunday the 20th in Tokyo
Zone=$E2E_WORK/localtime
cp "$Zones/UTC" "$Zone"
# Installed long before, as a system's zone file is: the C library tells a
# rewritten file by its modification time, in whole seconds.
touch -d "2000-01-01 00:00" "$Zone"

# TZ would name a zone of its own: the system's must decide.
e2e_prepare zone
e2e_launch "$Time" env -u TZ unshare --mount sh -c 'mount --bind "$0" /etc/localtime && exec "$@"' "$Zone"
check "the UTC face" wait_for_face "$APP_WID" 32 320 large-digits/8.png
check_slots "18:10 on Saturday the 19th in UTC" <<'EOF_SLOTS'
4 320 large-digits/1.png            # hour tens
32 320 large-digits/8.png           # hour units
252 320 numbers/19.png              # day
252 364 weekdays/sat-bright.png 31 21
EOF_SLOTS

# Rewritten in place, as a bind mount keeps the file it covers.
cat "$Zones/Asia/Tokyo" >"$Zone"
check "Tokyo's hour shows within a second" wait_until 1 shot_shows "$APP_WID" 32 320 large-digits/3.png
check_slots "3:10 on Sunday the 20th in Tokyo" <<'EOF_SLOTS'
4 320 large-digits/blank.png        # no leading zero
32 320 large-digits/3.png           # hour units
72 320 large-digits/1.png           # minutes unchanged
100 320 large-digits/0.png
252 320 numbers/20.png              # day
4 364 weekdays/sun-bright.png       # Sunday lit
252 364 weekdays/sat-dim.png 31 21  # Saturday dim
EOF_SLOTS
check "the program still runs" still_running 0.2

e2e_finish
