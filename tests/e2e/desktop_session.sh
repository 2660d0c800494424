#!/usr/bin/env bash
# The clock under a real window manager on X11: openbox on Xvfb, or GNOME's
# compositor (headless mutter) through its Xwayland. Both leave the clock's
# place to the clock: it stands where setting.dat says, a drag moves it
# exactly, the dialog opens by its lower-left corner, a double-click saves.
# The window manager's own close of the dialog discards its choices.
# Usage: desktop_session.sh ORVALEN_BINARY ASSETS_FOLDER WM_CLOSE_TOOL LAG_PROBE REMOTE_POINTER_TOOL openbox|mutter
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"
Session=$6
e2e_init "$1" "$2" "$Session"
WmClose=$3
Time="2003-04-19 18:10:39"
Face=283x386
EmblemOption="20 112"
BannerBox="170 66"

e2e_start place "$Time" 1500 750 normal off on off
check_eq "$Session: the clock takes the X11 path" xcb "$(qt_platform_of "$APP_PID")"
check "$Session: the window manager manages it" xdotool get_desktop_for_window "$APP_WID" >/dev/null
check_eq "$Session: the saved place is honoured" "100 50 283 386" "$(geometry "$APP_WID")"
# Xwayland gives no picture of its root back, but may give the window's.
if import -window "$APP_WID" "$E2E_WORK/probe.png" 2>/dev/null; then
    check "$Session: the face shows" wait_for_face "$APP_WID" 32 320 large-digits/8.png
    check_slots "$Session: face" <<'EOF'
0 0 title-bar.png 283 28            # title bar
0 28 emblem.png 283 284             # emblem
128 335 dial/78.png                 # dial at second 39
EOF
else
    log "note: this X server gives no pixels of the window back; the face is not compared"
fi

read -r x y <<<"$(at_client "$APP_WID" 140 150)"
drag 1 "$x" "$y" 137 91
check_eq "$Session: a drag moves the clock exactly" "237 141" "$(geometry "$APP_WID" | cut -d' ' -f1,2)"

check "$Session: the strip's click opens the dialog" open_dialog 386
[[ -n $dialog ]] || die "no dialog to go on with"
check_eq "$Session: the dialog opens at the clock's lower-left corner" "237 527 295 171" "$(geometry "$dialog")"

# The window manager's own close of the dialog discards its choices. Keys
# that xdotool sends through Xwayland reach only X clients, never mutter's
# key bindings: there a window list's request stands in for Alt+F4.
click_client "$dialog" $EmblemOption
click_client "$dialog" $BannerBox
check "$Session: the dialog has the keyboard" wait_until 3 focus_is "$dialog"
if [[ $Session == openbox ]]; then
    xdotool key alt+F4
else
    "$WmClose" --ask-window-manager "$dialog"
fi
check "$Session: the window manager's close hides the dialog" wait_until 3 no_dialog
check_eq "$Session: and applies none of its choices" "$Face" "$(size_of "$APP_WID")"

read -r x y <<<"$(at_client "$APP_WID" 140 150)"
double_click_at "$x" "$y"
check_exit "$Session: double-click ends the program" 0 5
check "$Session: setting.dat holds the dragged place" file_is "$APP_DIR/setting.dat" 3555 2115 normal off on off
check "$Session: nothing on standard error" test ! -s "$APP_LOG.stderr"

e2e_finish
