#!/usr/bin/env bash
# The clock in a Wayland session without any X server (headless mutter with
# --no-x11): a native Wayland client that the compositor places. It shows
# and stays up, quietly; a SIGTERM leaves setting.dat alone. Through
# mutter's remote desktop pointer: a move reveals the strip, a drag is the
# compositor's move of the window, the strip opens the dialog, and a
# double-click saves the place the clock started with.
# Usage: wayland_only.sh ORVALEN_BINARY ASSETS_FOLDER WM_CLOSE_TOOL LAG_PROBE REMOTE_POINTER_TOOL
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"
e2e_init "$1" "$2" mutter-no-x11
RemotePointer=$5
Time="2003-04-19 18:10:39"

no_x_server() { [[ -z ${DISPLAY:-} && -z $(ps -o comm= --ppid "$E2E_MUTTER_PID") ]] && ! mutter_says "X11 display"; }
check "no X server in the session" no_x_server

e2e_start native "$Time" 1500 750 mini off on off
cp "$APP_DIR/setting.dat" "$E2E_WORK/native.before"
check_eq "the clock is a native Wayland client" wayland-generic "$(qt_platform_of "$APP_PID")"
check_eq "mutter shows its window, the smart face of setting.dat" "283 104" "$(geometry "$APP_WID" | cut -d' ' -f3,4)"
check "it stays up" still_running 3
kill -TERM "$APP_PID"
check_exit "SIGTERM ends it" 143 5
check "setting.dat is left byte for byte" cmp -s "$E2E_WORK/native.before" "$APP_DIR/setting.dat"
check "nothing from Qt on standard error" test ! -s "$APP_LOG.stderr"

remote_pointer_start "$RemotePointer"
e2e_start pointer "$Time"
read -r x0 y0 _ <<<"$(geometry "$APP_WID")"
log "mutter placed the clock at ($x0, $y0)"
read -r x y <<<"$(at_client "$APP_WID" 140 150)"
move_in_steps $((x - 4)) $((y - 4)) "$x" "$y" 2
check "a move over the clock reveals the strip" wait_until 3 size_is "$APP_WID" "283x$((386 + RevealPixels))"

drag 1 "$x" "$y" 137 91
check_eq "a drag is the compositor's move of the window" "$((x0 + 137)) $((y0 + 91))" \
    "$(geometry "$APP_WID" | cut -d' ' -f1,2)"
check "the clock is still up" still_running 0

check "the strip's click opens the dialog" open_dialog 386
[[ -n $dialog ]] || die "no dialog to go on with"
log "mutter placed the dialog at $(geometry "$dialog")"
check_eq "the dialog's size" "295 171" "$(geometry "$dialog" | cut -d' ' -f3,4)"
click_client "$dialog" $DialogOk
check "OK closes it" wait_until 3 no_dialog

read -r x y <<<"$(at_client "$APP_WID" 140 150)"
double_click_at "$x" "$y"
check_exit "double-click ends the program" 0 5
check "setting.dat holds the place it started with" file_is "$APP_DIR/setting.dat" 5295 3540 normal off on off
check "nothing from Qt on standard error" test ! -s "$APP_LOG.stderr"

e2e_finish
