#!/usr/bin/env bash
# The face turns with the true second: with the real wall clock, each change
# of the window shows on the screen just after a whole second. The limit is
# loose for a busy machine; bench/run measures the real figure.
# Usage: lag.sh ORVALEN_BINARY ASSETS_FOLDER WM_CLOSE_TOOL LAG_PROBE
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"
e2e_init "$1" "$2"
LagProbe=$4
Seconds=6
LimitMs=50

e2e_prepare lag
result=$("$LagProbe" "$Seconds" "$APP_DIR/orvalen" 2>"$APP_LOG.stderr") || die "lag_probe failed: $(cat "$APP_LOG.stderr")"
log "measured: $result"
declare -A lag
for pair in $result; do lag[${pair%%=*}]=${pair#*=}; done
check "a change every second (${lag[changes]} in $Seconds s)" test "${lag[changes]}" -ge $((Seconds - 1))
check "every change within $LimitMs ms after the second (worst ${lag[lag_worst_ms]} ms)" \
    awk -v worst="${lag[lag_worst_ms]}" -v limit="$LimitMs" 'BEGIN { exit !(worst <= limit) }'

e2e_finish
