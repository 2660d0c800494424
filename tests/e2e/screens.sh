#!/usr/bin/env bash
# Two screens side by side, a wide one on the left and a smaller one on the
# right: a place stored on either is restored exactly, partly off the edge
# too; the dialog opens on the clock's screen; and when that screen has
# gone, the clock opens at its design place instead of where nobody sees it.
# Usage: screens.sh ORVALEN_BINARY ASSETS_FOLDER
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"
E2E_SCREEN=2304x800 e2e_init "$1" "$2"
command -v xrandr >/dev/null || die "missing tool: xrandr"
Time="2003-04-19 18:10:39"

xrandr --setmonitor left 1280/339x800/212+0+0 screen >/dev/null
xrandr --setmonitor right 1024/271x768/203+1280+0 none >/dev/null

# On the right screen, its last 79 columns off that screen's right edge.
e2e_start right "$Time" 33000 1500 normal off on off
check_eq "a place on the right screen is restored exactly" "2200 100 283 386" "$(geometry "$APP_WID")"
check "the strip's click opens the dialog" open_dialog 386
check_eq "the dialog opens below the clock, inside the right screen" "2009 486" \
    "$(geometry "$dialog" | cut -d' ' -f1,2)"
click_client "$dialog" $DialogOk
check "OK closes it" wait_until 3 no_dialog
double_click_at 2340 250
check_exit "double-click ends the program" 0 5
check "the place is saved" file_is "$APP_DIR/setting.dat" 33000 1500 normal off on off

# The right screen is unplugged.
xrandr --delmonitor right >/dev/null
e2e_launch "$Time"
check_eq "with its screen gone the clock opens at its design place" "353 236 283 386" "$(geometry "$APP_WID")"
double_click_at 493 386
check_exit "and can be ended there" 0 5
check "which saves the place it now has" file_is "$APP_DIR/setting.dat" 5295 3540 normal off on off

e2e_finish
