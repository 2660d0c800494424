#!/usr/bin/env bash
# The install as a new user meets it, in a fresh home: the program behind its
# link, valid desktop entries, icons of their sizes, the software centres'
# metainfo and the manual page, start at login, settings saved beside the
# program when it is started through the link, and an uninstall that leaves
# nothing but those settings. A system-wide install is refused unless the
# build allows it.
# Usage: install.sh BUILD_DIR PACKAGING_DIR SHARED_INSTALL
set -u
build=$1 packaging=$2 shared=$3
icons=$packaging/icons

work=$(mktemp -d "${TMPDIR:-/tmp}/orvalen-install.XXXXXX")
home=$work/home
prefix=$home/.local
program=$prefix/lib/orvalen/orvalen
link=$prefix/bin/orvalen
entries=("$prefix/share/applications/orvalen.desktop" "$home/.config/autostart/orvalen.desktop")
metainfo=$prefix/share/metainfo/org.orvalen.orvalen.metainfo.xml
manual=$prefix/share/man/man1/orvalen.1
mkdir -p "$home" "$work/saved"
failures=0
xvfb=
app=

# The build folder's manifests are the user's record of their own installs,
# which the uninstall acts on: they are set aside while the test installs,
# and put back at the end.
mv "$build"/install_manifest*.txt "$work/saved/" 2>/dev/null
finish() {
    [[ -n $app ]] && kill "$app" 2>/dev/null
    [[ -n $xvfb ]] && kill "$xvfb" 2>/dev/null
    wait 2>/dev/null
    rm -f "$build"/install_manifest*.txt
    mv "$work"/saved/* "$build/" 2>/dev/null
    rm -rf "$work"
}
trap finish EXIT
trap 'exit 130' INT TERM

check() {
    local what=$1
    shift
    if "$@"; then echo "ok: $what"; else echo "FAIL: $what"; failures=$((failures + 1)); fi
}

logged() { "$@" >>"$work/log" 2>&1; }

# Runs a command as the new user: their home, no XDG overrides, no staging.
as_user() { logged env -u XDG_CONFIG_HOME -u DESTDIR HOME="$home" "$@"; }

# A checker that warns on standard error without failing: a warning fails too.
without_warnings() {
    local warnings status
    warnings=$("$@" 2>&1 >/dev/null)
    status=$?
    [[ -z $warnings ]] || printf '%s\n' "$warnings" >>"$work/log"
    ((status == 0)) && [[ -z $warnings ]]
}

for tool in desktop-file-validate appstreamcli groff identify Xvfb xdotool; do
    command -v "$tool" >/dev/null || { echo "missing tool: $tool"; exit 1; }
done

if [[ $shared != ON ]]; then
    # Staged, so that a check that fails to refuse still writes nothing outside.
    refused() {
        ! as_user env DESTDIR="$work/stage" cmake --install "$build" --prefix /usr &&
            grep -q ORVALEN_SHARED_INSTALL "$work/log" && [[ ! -e $work/stage ]]
    }
    check "a system-wide install is refused, naming the override" refused
fi

check "install into the home" as_user cmake --install "$build" --prefix "$prefix"
check "start at login" as_user cmake --install "$build" --prefix "$prefix" --component autostart
cp "$build"/install_manifest*.txt "$work/"

check "the program is installed" test -f "$program" -a -x "$program"
check "the link points at it" test "$(readlink "$link")" = ../lib/orvalen/orvalen
for entry in "${entries[@]}"; do
    check "$entry is valid" desktop-file-validate "$entry"
    check "$entry starts the installed program" grep -qxF "Exec=$link" "$entry"
done

check "the metainfo is valid" logged appstreamcli validate --no-net "$metainfo"
check "the metainfo is named after its id" grep -qF "<id>$(basename "$metainfo" .metainfo.xml)</id>" "$metainfo"
launches_the_menu_entry() {
    local entry
    entry=$(sed -n 's|.*<launchable type="desktop-id">\(.*\)</launchable>.*|\1|p' "$metainfo")
    [[ -n $entry && -f $prefix/share/applications/$entry ]]
}
check "the metainfo launches the menu entry" launches_the_menu_entry

shows_the_readme_screenshot() {
    local screenshot
    screenshot=$(sed -n 's|.*<image>https://orvalen.org/\(.*\)</image>.*|\1|p' "$metainfo")
    [[ -n $screenshot && -f $packaging/../$screenshot ]]
}
check "the metainfo's screenshot is the source tree's" shows_the_readme_screenshot

# As the PostScript device typesets it, and as man shows it on a terminal.
for device in ps utf8; do
    check "the manual page typesets without warnings for $device" without_warnings groff -ww -z -man -T"$device" "$manual"
done

pngs_in() { (cd "$1" && find . -name '*.png' | sort); }
check "every icon is installed" test "$(pngs_in "$icons")" = "$(pngs_in "$prefix/share/icons/hicolor")"
for icon in "$prefix"/share/icons/hicolor/*/apps/orvalen.png; do
    size=${icon%/apps/*}
    size=${size##*/}
    check "$size icon has its size" test "$(identify -format %wx%h "$icon")" = "$size"
done

# Started through the link, as the desktop entry starts it.
saves_beside_program() {
    mkdir -m 700 "$work/runtime"
    Xvfb -displayfd 3 -screen 0 1280x1024x24 -noreset -nolisten tcp 3>"$work/display" 2>/dev/null &
    xvfb=$!
    local i
    for ((i = 0; i < 100; i++)); do [[ -s $work/display ]] && break; sleep 0.05; done
    export DISPLAY=:$(cat "$work/display") XDG_RUNTIME_DIR=$work/runtime QT_QPA_PLATFORM=xcb
    env HOME="$home" "$link" 2>>"$work/log" &
    app=$!
    local window X Y
    window=$(timeout 10 xdotool search --sync --onlyvisible --pid "$app" --name '^Orvalen$' | head -n1)
    [[ -n $window ]] || return 1
    eval "$(xdotool getwindowgeometry --shell "$window")"
    # On the emblem, whose double-click saves and ends the program.
    xdotool mousemove $((X + 140)) $((Y + 150))
    sleep 0.1
    xdotool click --repeat 2 --delay 80 1
    timeout 5 tail --pid="$app" -f /dev/null && wait "$app" && app= && test -f "$(dirname "$program")/setting.dat"
}
check "started through the link, the clock saves beside the program" saves_beside_program

# A manifest's last line has no line end.
everything_removed() {
    local manifest file
    for manifest in "$work"/install_manifest*.txt; do
        while IFS= read -r file || [[ -n $file ]]; do
            [[ ! -e $file && ! -L $file ]] || return 1
        done <"$manifest"
    done
}
check "uninstall" as_user cmake --build "$build" --target uninstall
check "uninstall removes everything installed" everything_removed
check "uninstall removes the metainfo and the manual page" test ! -e "$metainfo" -a ! -e "$manual"
check "uninstall keeps setting.dat and only that" test "$(ls -A "$(dirname "$program")")" = setting.dat

rm "$(dirname "$program")/setting.dat"
as_user cmake --install "$build" --prefix "$prefix"
check "uninstall without settings" as_user cmake --build "$build" --target uninstall
check "uninstall without settings removes the program's folder" test ! -e "$(dirname "$program")"

if ((failures > 0)); then
    echo "--- log"
    cat "$work/log"
    exit 1
fi
