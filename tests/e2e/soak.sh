#!/usr/bin/env bash
# A day of running in a few minutes: the wall clock runs RATE times as fast
# (Qt's timers keep real time), while the pointer comes and goes and the
# dialog opens and closes. Resident memory must stay flat, nothing may be
# reported, and the face must show the right day at the end.
# Usage: [ORVALEN_SOAK_RATE=N] soak.sh ORVALEN_BINARY ASSETS_FOLDER
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"
e2e_init "$1" "$2"
Rate=${ORVALEN_SOAK_RATE:-720}
Start="2028-02-28 10:00:00"     # Monday; the run ends on Tuesday 29 February
SimulatedSeconds=$((24 * 3600 + 1800))
RealSeconds=$((SimulatedSeconds / Rate))
WarmUpSeconds=20
MaxGrowthKiB=1024

rss_kib() { awk '/^VmRSS:/ { print $2 }' "/proc/$APP_PID/status"; }

e2e_prepare soak
e2e_launch "@$Start x$Rate"
wait_until 5 shot_shows "$APP_WID" 212 320 numbers/2.png || fail "the first face did not show February"
read -r wx wy _ <<<"$(geometry "$APP_WID")"

# One round: the pointer passes over the clock, and every third round the
# strip's click opens the dialog, which OK closes again.
round=0
soak_round() {
    round=$((round + 1))
    move_in_steps $((wx + 100)) $((wy + 150)) $((wx + 180)) $((wy + 200)) 4
    ((round % 3 == 0)) || return 0
    open_dialog 386 || { fail "round $round: the dialog did not open"; return; }
    click_client "$dialog" $DialogOk
    wait_until 3 no_dialog || fail "round $round: OK did not close the dialog"
}

began=$(now_ms)
warm=
while (($(now_ms) - began < RealSeconds * 1000)); do
    soak_round
    app_ended && die "the program ended in round $round: $(cat "$APP_LOG.stderr")"
    if [[ -z $warm ]] && (($(now_ms) - began >= WarmUpSeconds * 1000)); then warm=$(rss_kib); fi
    sleep 2
done
last=$(rss_kib)
log "rounds: $round; resident memory after warm-up ${warm} KiB, at the end ${last} KiB"
check "resident memory grew by less than $MaxGrowthKiB KiB ($((last - warm)) KiB)" test $((last - warm)) -lt $MaxGrowthKiB

# Past midnight into 29 February 2028, a Tuesday.
shot "$APP_WID"
check_slots "the face at the end" <<'EOF'
160 320 small-digits/2.png          # year 2028
172 320 small-digits/0.png
184 320 small-digits/2.png
196 320 small-digits/8.png
212 320 numbers/2.png               # February
252 320 numbers/29.png              # the 29th
44 364 weekdays/mon-dim.png          # Monday dim again
88 364 weekdays/tue-bright.png      # Tuesday bright
128 364 weekdays/wed-dim.png        # Wednesday dim
EOF
check "nothing reported on standard error" test ! -s "$APP_LOG.stderr"
e2e_finish
