#!/usr/bin/env bash
# Moving and configuring the clock with real pointer and key events: drags
# with any button, the reveal strip and its collapse, the settings dialog's
# place, its keyboard, its OK, its own drag and a close by the window system.
# Usage: pointer_dialog.sh ORVALEN_BINARY ASSETS_FOLDER WM_CLOSE_TOOL
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"
e2e_init "$1" "$2"
WmClose=$3
Time="2003-04-19 18:10:39"
Face=283x386
Revealed=283x$((386 + RevealPixels))
# Client places of the dialog's controls, in pixels.
SmartOption="20 90"
EmblemOption="20 112"
BannerBox="170 66"

e2e_start pointer "$Time"

# Any button drags, from the emblem, a readout slot or the weekday row; the
# strip comes out with the first move.
drag 1 493 386 100 50
check_eq "left-button drag from the emblem" "453 286" "$(geometry "$APP_WID" | cut -d' ' -f1,2)"
check_eq "a drag reveals the strip" "$Revealed" "$(size_of "$APP_WID")"
drag 3 493 621 -50 -20
check_eq "right-button drag from the hour digit" "403 266" "$(geometry "$APP_WID" | cut -d' ' -f1,2)"
drag 2 553 638 -50 -30
check_eq "middle-button drag from the weekday row" "353 236" "$(geometry "$APP_WID" | cut -d' ' -f1,2)"

# The strip collapses about five seconds (300 ticks of 16 ms) after it came
# out, however the pointer moved since; a press on it starts no drag.
check "the strip collapses within seven seconds" wait_until 7 size_is "$APP_WID" "$Face"
read -r sx sy <<<"$(at_client "$APP_WID" 140 150)"
move_in_steps "$sx" "$sy" $((sx + 4)) $((sy + 4)) 2
check "a move reveals it again" wait_until 2 size_is "$APP_WID" "$Revealed"
read -r sx sy <<<"$(at_client "$APP_WID" 60 396)"
drag 1 "$sx" "$sy" 80 40
check_eq "a press on the strip starts no drag" "353 236" "$(geometry "$APP_WID" | cut -d' ' -f1,2)"

# The strip's click opens the dialog at the clock's bottom-left corner.
check "the strip's click opens the dialog" open_dialog 386
[[ -n $dialog ]] || die "no dialog to go on with"
check_eq "the strip's click gives the strip's height back" "$Face" "$(size_of "$APP_WID")"
check_eq "the dialog opens at the clock's bottom-left corner, 295 x 171" "353 622 295 171" "$(geometry "$dialog")"

# With the dialog out, the clock neither drags nor reveals.
drag 1 540 400 60 30
check_eq "no drag while the dialog is out" "353 236 283 386" "$(geometry "$APP_WID")"

# A close by the window system discards the choices.
click_client "$dialog" $EmblemOption
click_client "$dialog" $BannerBox
sleep 0.3
"$WmClose" "$dialog"
check "a close by the window system hides the dialog" wait_until 3 no_dialog
check_eq "and applies nothing" "$Face" "$(size_of "$APP_WID")"

# Keyboard: Down picks the next style, Tab goes on through the boxes, Space
# ticks the am/pm one; Return and Escape do nothing.
check "the dialog opens again" open_dialog 386
xdotool windowfocus --sync "$dialog" 2>/dev/null
xdotool key Down Tab Tab Tab space
sleep 0.2
xdotool key Return Escape
sleep 0.3
check "Return and Escape leave the dialog open" has_other_window
check_eq "nothing applied before OK" "$Face" "$(size_of "$APP_WID")"

# The dialog drags by its background only.
read -r dx dy <<<"$(at_client "$dialog" 150 20)"
drag 1 "$dx" "$dy" 40 -30
check_eq "the dialog drags by its background" "393 592" "$(geometry "$dialog" | cut -d' ' -f1,2)"
read -r ox oy <<<"$(at_client "$dialog" $DialogOk)"
xdotool mousemove "$ox" "$oy" mousedown 1
move_in_steps "$ox" "$oy" $((ox + 30)) $((oy + 30)) 3
check_eq "a press on OK drags nothing" "393 592" "$(geometry "$dialog" | cut -d' ' -f1,2)"
xdotool mousemove "$ox" "$oy" mouseup 1
check "OK closes the dialog" wait_until 3 no_dialog
check_eq "OK applies the smart style at once" "283x104" "$(size_of "$APP_WID")"
check "with 12-hour time: 6 pm" wait_for_face "$APP_WID" 0 56 marks/pm-bright.png
check_slots "the smart face with am/pm" <<'EOF'
0 39 marks/am-dim.png               # am mark dim
62 39 large-digits/6.png            # hour units: 6 pm
EOF

# Near the screen's lower edge the dialog moves up just enough to be seen.
read -r sx sy <<<"$(at_client "$APP_WID" 140 60)"
drag 1 "$sx" "$sy" 0 364
wait_until 7 size_is "$APP_WID" 283x104
check "the dialog opens near the lower edge" open_dialog 104
check_eq "it lies wholly on the screen" "353 629" "$(geometry "$dialog" | cut -d' ' -f1,2)"
click_client "$dialog" $SmartOption
click_client "$dialog" $DialogOk
check "OK closes it" wait_until 3 no_dialog

# What the user chose and where the clock stands is what a double-click saves.
read -r sx sy <<<"$(at_client "$APP_WID" 140 60)"
double_click_at "$sx" "$sy"
check_exit "double-click ends the program" 0 5
check "setting.dat holds the dragged place and the chosen settings" \
    file_is "$APP_DIR/setting.dat" 5295 9000 mini off on on

e2e_finish
