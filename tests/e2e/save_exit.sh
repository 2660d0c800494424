#!/usr/bin/env bash
# Startup from setting.dat and the only way out: a double-click saves the
# position and the settings and ends the program; a save that fails is
# reported and ends it with status 1, leaving the old file whole.
# Usage: save_exit.sh ORVALEN_BINARY ASSETS_FOLDER
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"
e2e_init "$1" "$2"
Time="2003-04-19 18:10:39"

# Each row: name | setting.dat lines ("-": no file) | expected window
# geometry | client point double-clicked | expected setting.dat lines.
# Every control that ends the program appears once; the positions differ so
# that a saved position cannot be a leftover.
while IFS='|' read -r name lines geometry point expected; do
    [[ -z ${name// /} || $name == \#* ]] && continue
    read -r name <<<"$name"
    read -r -a lines <<<"$lines"
    [[ ${lines[0]} == - ]] && lines=()
    read -r cx cy <<<"$point"
    read -r -a expected <<<"$expected"

    e2e_start "$name" "$Time" "${lines[@]}"
    read -r geometry <<<"$geometry"
    check_eq "$name: window from setting.dat" "$geometry" "$(geometry "$APP_WID")"
    read -r wx wy _ <<<"$geometry"
    double_click_at $((wx + cx)) $((wy + cy))
    check_exit "$name: double-click ends the program" 0 5
    check "$name: setting.dat holds ${expected[*]}" file_is "$APP_DIR/setting.dat" "${expected[@]}"
    check "$name: no temporary file left" test -z "$(ls -A "$APP_DIR" | grep -vx -e orvalen -e setting.dat)"
done <<'EOF'
emblem       | -                              | 353 236 283 386 | 140 150 | 5295 3540 normal off on off
title-bar    | 1500 1500 Mini ON On yes       | 100 100 283 386 | 140 10  | 1500 1500 Mini ON On yes
hour-digit   | 3000 750 normal off on off     | 200 50 283 386  | 16 338  | 3000 750 normal off on off
dial-am-pm   | 4500 2250 normal off on on     | 300 150 283 386 | 170 350 | 4500 2250 normal off on on
bottom-panel | 6000 3000 normal off off off   | 400 200 283 386 | 41 374  | 6000 3000 normal off off off
banner       | 7500 1500 normal on on off     | 500 100 283 415 | 140 325 | 7500 1500 normal on on off
mini-day     | 9000 4500 mini off on off      | 600 300 283 104 | 264 49  | 9000 4500 mini off on off
emblem-mode  | 10500 6000 emblem off on off   | 700 400 283 285 | 140 140 | 10500 6000 emblem off on off
# Partly off the screen: nothing limits the position.
off-screen   | -450 1500 normal off on off    | -30 100 283 386 | 140 150 | -450 1500 normal off on off
# Halves go to the even neighbour; the window keeps twips, not pixels.
halves       | 1500.5 1507.5 normal off on off | 100 101 283 386 | 140 150 | 1500 1508 normal off on off
EOF

# The weekday row and the reveal strip have no double-click handler. The
# strip's first click opens the dialog, which then lies under the pointer.
e2e_start survivors "$Time"
read -r wx wy _ <<<"$(geometry "$APP_WID")"
double_click_at $((wx + 270)) $((wy + 374))
check "double-click on the weekday row does not end the program" still_running 1
move_in_steps $((wx + 150)) $((wy + 200)) $((wx + 160)) $((wy + 210)) 3
check "a move over the clock reveals the strip" wait_until 3 size_is "$APP_WID" "283x$((386 + RevealPixels))"
double_click_at $((wx + 140)) $((wy + 396))
check "double-click on the reveal strip does not end the program" still_running 1
check "the strip's click opened the dialog" wait_until 3 has_other_window
dialog=$(other_windows)
if [[ -n $dialog ]]; then
    read -r dx dy _ <<<"$(geometry "$dialog")"
    click_at $((dx + 20)) $((dy + 90))  # the smart style, never applied
    sleep 0.5
    double_click_at $((wx + 140)) $((wy + 150))
    check_exit "double-click with the dialog open ends the program" 0 5
    check "the open dialog's choice is not saved" file_is "$APP_DIR/setting.dat" 5295 3540 normal off on off
fi
kill "$APP_PID" 2>/dev/null

# A failed save: message box titled Orvalen naming the file and the reason,
# the same on stderr, status 1 once the box is dismissed.
# failed_save WHAT X Y REASON: double-clicks the client point (X, Y) of the
# clock; REASON is a pattern of the system's words for the error.
failed_save() {
    local what=$1
    double_click_at $((wx + $2)) $((wy + $3))
    check "$what: a message box titled Orvalen appears" wait_until 5 has_other_window
    check "$what: stderr names the file and the reason" grep -Eq "$APP_DIR/setting.dat.*($4)" "$APP_LOG.stderr"
    check "$what: the program waits for the box" still_running 0
    local box
    box=$(other_windows | head -n1)
    if [[ -n $box ]]; then
        check "$what: the box has the keyboard" wait_until 3 focus_is "$box"
        xdotool key Return
    fi
    check_exit "$what: Return dismisses the box, status 1" 1 5
}

# A folder named setting.dat: startup takes it for no file, the save cannot
# replace it.
e2e_prepare folder
mkdir "$APP_DIR/setting.dat"
echo keep >"$APP_DIR/setting.dat/inner"
e2e_launch "$Time"
read -r wx wy _ <<<"$(geometry "$APP_WID")"
check_eq "setting.dat a folder: taken for no file" "353 236" "$wx $wy"
failed_save "setting.dat a folder" 140 150 "Is a directory"
check "setting.dat a folder: left as it was" test "$(cat "$APP_DIR/setting.dat/inner")" = keep
check "setting.dat a folder: no temporary file left" test -z "$(ls -A "$APP_DIR" | grep -vx -e orvalen -e setting.dat)"

# A program folder nothing can be written to: the old file stays whole.
e2e_prepare locked 1500 1500 mini off on off
cp "$APP_DIR/setting.dat" "$E2E_WORK/locked.before"
if make_unwritable "$APP_DIR"; then
    e2e_launch "$Time"
    read -r wx wy _ <<<"$(geometry "$APP_WID")"
    check_eq "unwritable folder: setting.dat still read" "100 100 283 104" "$(geometry "$APP_WID")"
    failed_save "unwritable folder" 16 55 "Operation not permitted|Permission denied"  # the hour digit of the mini face
    check "unwritable folder: old setting.dat unchanged" cmp -s "$E2E_WORK/locked.before" "$APP_DIR/setting.dat"
else
    log "note: this file system cannot make a folder unwritable for $(id -un); that case is not run"
fi

e2e_finish
