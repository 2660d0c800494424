# Shared helpers of the end-to-end tests: one desktop session per script
# (a bare Xvfb unless told otherwise), the real program copied into a folder
# of its own (it keeps setting.dat beside itself), a frozen wall clock,
# screenshots compared with the bank pictures, and real pointer events.
#
# A script sources this file, calls e2e_init BINARY ASSETS [SESSION], and
# ends with e2e_finish. Everything it starts is stopped and its temporary
# folder is removed on any way out (ORVALEN_E2E_KEEP=1 keeps the folder for
# a look).

set -u

E2E_BINARY=
E2E_ASSETS=
E2E_WORK=
E2E_SESSION_PIDS=()   # the session's servers, stopped last, newest first
E2E_MUTTER_PID=
E2E_MUTTER_LOG=
E2E_MUTTER_MARK=1     # first line of mutter's log since the last launch
E2E_REMOTE_PID=       # the remote pointer, and where it was sent last
E2E_POINTER_X=0
E2E_POINTER_Y=0
E2E_FAILURES=0
E2E_FACE_SIZE="0 0"
E2E_PIDS=()
E2E_IMMUTABLE=()   # folders made immutable; must be released before removal
declare -A E2E_SIZES=()

# Program state of the last e2e_start.
APP_PID=
APP_DIR=
APP_LOG=
APP_WID=

log() { printf '%s\n' "$*" >&2; }

fail() {
    E2E_FAILURES=$((E2E_FAILURES + 1))
    log "FAIL: $*"
}

# Ends the script at once: for steps the rest depends on.
die() {
    fail "$*"
    exit 1
}

check() {
    local what=$1
    shift
    if "$@"; then log "ok: $what"; else fail "$what"; fi
}

check_eq() {
    if [[ $2 == "$3" ]]; then
        log "ok: $1 ($3)"
    else
        fail "$1: expected '$2', got '$3'"
    fi
}

now_ms() {
    local t=${EPOCHREALTIME/./}
    echo $((t / 1000))
}

# wait_until SECONDS COMMAND...: polls until COMMAND succeeds; false on timeout.
wait_until() {
    local deadline=$(($(now_ms) + ${1%.*} * 1000))
    shift
    until "$@"; do
        (($(now_ms) < deadline)) || return 1
        sleep 0.05
    done
}

# The process has ended: gone, or a zombie left to be reaped.
process_gone() { ! kill -0 "$1" 2>/dev/null || [[ $(ps -o stat= -p "$1" 2>/dev/null) == Z* ]]; }

# stop_process PID: asks it to end, as a session's servers are ended, and
# kills it after five seconds; its children (Xwayland under mutter) go too.
stop_process() {
    local pid=$1 children child
    children=$(ps -o pid= --ppid "$pid" 2>/dev/null)
    kill -TERM "$pid" 2>/dev/null
    wait_until 5 process_gone "$pid" || kill -KILL "$pid" 2>/dev/null
    wait "$pid" 2>/dev/null
    for child in $children; do
        wait_until 5 process_gone "$child" || kill -KILL "$child" 2>/dev/null
    done
}

e2e_cleanup() {
    local pid dir i
    for pid in "${E2E_PIDS[@]}"; do kill -KILL "$pid" 2>/dev/null; done
    for pid in "${E2E_PIDS[@]}"; do wait "$pid" 2>/dev/null; done
    for ((i = ${#E2E_SESSION_PIDS[@]} - 1; i >= 0; i--)); do stop_process "${E2E_SESSION_PIDS[i]}"; done
    for dir in "${E2E_IMMUTABLE[@]}"; do chattr -i "$dir" 2>/dev/null; chmod u+w "$dir" 2>/dev/null; done
    if [[ -n $E2E_WORK ]]; then
        if [[ ${ORVALEN_E2E_KEEP:-0} == 1 ]]; then log "kept $E2E_WORK"; else rm -rf "$E2E_WORK"; fi
    fi
}

# Each session's programs, beyond what every script needs.
declare -A E2E_SESSION_TOOLS=(
    [xvfb]="Xvfb"
    [openbox]="Xvfb openbox"
    [mutter]="dbus-daemon mutter Xwayland"
    [mutter-no-x11]="dbus-daemon mutter"
)

# e2e_init BINARY ASSETS [SESSION]: SESSION is xvfb (the default), openbox
# (on Xvfb), mutter (headless, with Xwayland) or mutter-no-x11.
e2e_init() {
    E2E_BINARY=$1
    E2E_ASSETS=$2
    local session=${3:-xvfb}
    [[ -x $E2E_BINARY ]] || { log "no program at $E2E_BINARY"; exit 1; }
    [[ -d $E2E_ASSETS ]] || { log "no assets at $E2E_ASSETS"; exit 1; }
    [[ -n ${E2E_SESSION_TOOLS[$session]:-} ]] || { log "unknown session: $session"; exit 1; }
    local tool
    for tool in xdotool import convert compare identify ${E2E_SESSION_TOOLS[$session]}; do
        command -v "$tool" >/dev/null || { log "missing tool: $tool"; exit 1; }
    done
    E2E_FAKETIME_LIB=$(ls /usr/lib/*/faketime/libfaketime.so.1 2>/dev/null | head -n1)
    [[ -n $E2E_FAKETIME_LIB ]] || { log "libfaketime not found (package faketime)"; exit 1; }

    E2E_WORK=$(mktemp -d "${TMPDIR:-/tmp}/orvalen-e2e.XXXXXX")
    trap e2e_cleanup EXIT
    trap 'exit 130' INT TERM
    mkdir -m 700 "$E2E_WORK/runtime"
    # The session alone says which display the program takes.
    export XDG_RUNTIME_DIR=$E2E_WORK/runtime
    unset DISPLAY XAUTHORITY WAYLAND_DISPLAY XDG_SESSION_TYPE QT_QPA_PLATFORM SESSION_MANAGER
    case $session in
        xvfb) start_xvfb ;;
        openbox) start_openbox ;;
        mutter) start_mutter ;;
        mutter-no-x11) start_mutter --no-x11 ;;
    esac
}

# Xvfb on a free display.
start_xvfb() {
    # -displayfd picks a free display and writes its number once it listens.
    # -noreset: without it the server resets whenever its last client leaves,
    # and a program that connects during the reset cannot open the display.
    Xvfb -displayfd 3 -screen 0 "${E2E_SCREEN:-1280x800}x24" -noreset -nolisten tcp \
        3>"$E2E_WORK/display" >"$E2E_WORK/xvfb.log" 2>&1 &
    E2E_SESSION_PIDS+=($!)
    wait_until 10 grep -q '^[0-9][0-9]*$' "$E2E_WORK/display" || die "Xvfb did not start: $(cat "$E2E_WORK/xvfb.log")"
    export DISPLAY=:$(cat "$E2E_WORK/display")
    wait_until 10 xdotool getdisplaygeometry >/dev/null 2>&1 || die "display $DISPLAY does not answer"
}

# openbox managing an Xvfb, with its stock configuration (whatever the
# user's own is): Alt+F4 closes the focused window.
start_openbox() {
    start_xvfb
    XDG_CONFIG_HOME=$E2E_WORK/config openbox --sm-disable >"$E2E_WORK/openbox.log" 2>&1 &
    E2E_SESSION_PIDS+=($!)
    # The desktops are set up once it manages the screen.
    wait_until 10 xdotool get_num_desktops >/dev/null 2>&1 || die "openbox did not start: $(cat "$E2E_WORK/openbox.log")"
}

# start_mutter [--no-x11]: GNOME's compositor, headless, on a session bus of
# its own, with Xwayland unless --no-x11. Exports WAYLAND_DISPLAY, and the
# Xwayland's DISPLAY and XAUTHORITY, as mutter gives them.
start_mutter() {
    dbus-daemon --session --nofork --address="unix:path=$XDG_RUNTIME_DIR/bus" --print-address=3 \
        3>"$E2E_WORK/bus" 2>"$E2E_WORK/bus.log" &
    E2E_SESSION_PIDS+=($!)
    wait_until 10 grep -q . "$E2E_WORK/bus" || die "dbus-daemon did not start: $(cat "$E2E_WORK/bus.log")"
    export DBUS_SESSION_BUS_ADDRESS=$(head -n1 "$E2E_WORK/bus")

    # Where every window stands is in mutter's window-state and geometry
    # topics, and when a window goes in its verbose messages: without an X
    # server, its log is the only way to see them. The settings of a memory
    # backend leave the user's own alone.
    E2E_MUTTER_LOG=$E2E_WORK/mutter.log
    GSETTINGS_BACKEND=memory MUTTER_VERBOSE=1 MUTTER_DEBUG=window-state,geometry \
        mutter --headless --wayland "$@" --virtual-monitor "${E2E_SCREEN:-1600x1200}" >"$E2E_MUTTER_LOG" 2>&1 &
    E2E_MUTTER_PID=$!
    E2E_SESSION_PIDS+=($!)
    wait_until 20 mutter_says "Using Wayland display name" || die "mutter did not start: $(cat "$E2E_MUTTER_LOG")"
    export WAYLAND_DISPLAY=$(sed -n "s/.*Using Wayland display name '\([^']*\)'.*/\1/p" "$E2E_MUTTER_LOG")
    export XDG_SESSION_TYPE=wayland
    [[ " $* " == *" --no-x11 "* ]] && return

    wait_until 20 mutter_says "Using public X11 display" || die "mutter started no Xwayland: $(cat "$E2E_MUTTER_LOG")"
    export DISPLAY=$(sed -n 's/.*Using public X11 display \(:[0-9]*\),.*/\1/p' "$E2E_MUTTER_LOG")
    local auth=("$XDG_RUNTIME_DIR"/.mutter-Xwaylandauth.*)
    [[ -f ${auth[0]} ]] || die "no authority file of Xwayland in $XDG_RUNTIME_DIR"
    export XAUTHORITY=${auth[0]}
    wait_until 20 xdotool getdisplaygeometry >/dev/null 2>&1 || die "Xwayland $DISPLAY does not answer"
}

# mutter_says PATTERN [FROM_LINE]: mutter's log has a line matching it.
mutter_says() { tail -n +"${2:-1}" "$E2E_MUTTER_LOG" | grep -q "$1"; }
mutter_log_end() { echo $(($(wc -l <"$E2E_MUTTER_LOG") + 1)); }

# Mutter's name of each window (W0, W1...) shown since the last launch, in
# the order they first showed. A window counts half a second after it
# showed, once its map effect is over (a quarter of a second of growing from
# half its size): a pointer event before that lands at a place scaled about
# its centre.
mutter_windows() {
    tail -n +"$E2E_MUTTER_MARK" "$E2E_MUTTER_LOG" | awk -v now="$(date +%T.%3N)" '
        function ms(clock, parts) { split(clock, parts, ":"); return (parts[1] * 60 + parts[2]) * 60000 + parts[3] * 1000 }
        /WINDOW_STATE: Showing window W[0-9]+,.*placed: 1/ {
            w = $0; sub(/.*Showing window /, "", w); sub(/,.*/, "", w)
            if (!(w in seen)) order[n++] = w
            seen[w] = shown[w] = 1
            mapped[w] = ms(substr($2, 1, length($2) - 1))
        }
        /WINDOW_STATE: Hiding window W[0-9]+$|VERBOSE: Unmanaging W[0-9]+$/ { shown[$NF] = 0 }
        END {
            for (i = 0; i < n; i++) {
                w = order[i]
                if (shown[w] && (ms(now) - mapped[w] + 86400000) % 86400000 >= 500) print w
            }
        }'
}

# mutter_geometry NAME: "X Y WIDTH HEIGHT" of the window's last place, the
# outcome of mutter's constraints on its last move or resize.
mutter_geometry() {
    awk -v name="$1" '
        /GEOMETRY: Constraining W[0-9]+ in move/ { current = $5 }
        /info->current is .* after constrain_partially_onscreen/ && current == name {
            split($6, place, ","); split(substr($7, 2), size, ","); rect = place[1] " " place[2] " " size[1] " " size[2]
        }
        END { if (rect == "") exit 1; print rect }' "$E2E_MUTTER_LOG"
}

e2e_finish() {
    if ((E2E_FAILURES > 0)); then
        log "$E2E_FAILURES check(s) failed"
        exit 1
    fi
    log "all checks passed"
    exit 0
}

# write_settings FILE LINE...: a settings file as the program writes it, CR LF.
write_settings() {
    local file=$1
    shift
    : >"$file"
    local line
    for line in "$@"; do printf '%s\r\n' "$line" >>"$file"; done
}

# e2e_prepare NAME [SETTINGS LINE...]: a fresh program folder with the binary
# and, when lines are given, a setting.dat. Sets APP_DIR, and APP_LOG, the
# stem of the program's output files, kept outside its folder.
e2e_prepare() {
    APP_DIR=$E2E_WORK/$1
    APP_LOG=$E2E_WORK/$1
    shift
    rm -rf "$APP_DIR"
    mkdir -p "$APP_DIR"
    cp "$E2E_BINARY" "$APP_DIR/orvalen"
    if (($# > 0)); then write_settings "$APP_DIR/setting.dat" "$@"; fi
}

# e2e_launch "YYYY-MM-DD HH:MM:SS" [WRAPPER...]: runs the program of APP_DIR
# with its wall clock frozen at that time (monotonic time runs, or Qt's timers
# would stop), in UTC, through WRAPPER when given (a command that ends by
# running the program in its own process), and waits for its window. Sets
# APP_PID and APP_WID.
e2e_launch() {
    local time=$1
    shift
    [[ -n $E2E_MUTTER_LOG ]] && E2E_MUTTER_MARK=$(mutter_log_end)
    LD_PRELOAD=$E2E_FAKETIME_LIB FAKETIME="$time" FAKETIME_DONT_FAKE_MONOTONIC=1 TZ=UTC \
        "$@" "$APP_DIR/orvalen" >"$APP_LOG.stdout" 2>"$APP_LOG.stderr" &
    APP_PID=$!
    E2E_PIDS+=("$APP_PID")
    APP_WID=
    wait_until 10 app_window_appeared || die "no window of the program appeared; stderr: $(cat "$APP_LOG.stderr")"
}

app_window_appeared() {
    APP_WID=$(visible_windows | head -n1)
    [[ -n $APP_WID ]]
}

# e2e_start NAME TIME [SETTINGS LINE...]
e2e_start() {
    local name=$1 time=$2
    shift 2
    e2e_prepare "$name" "$@"
    e2e_launch "$time"
}

# The program's mapped top-level windows titled "Orvalen" (Qt's unmapped
# client leader window carries the title too). Without an X server, the
# windows mutter showed since the launch: no other program runs there.
visible_windows() {
    if [[ -z ${DISPLAY:-} ]]; then
        mutter_windows
    else
        xdotool search --onlyvisible --pid "$APP_PID" --name '^Orvalen$' 2>/dev/null
    fi
}

# Visible windows of the program other than the clock: the dialog, a message box.
other_windows() {
    visible_windows | grep -vx "$APP_WID"
}

# geometry WID: prints "X Y WIDTH HEIGHT"; of a window named by mutter
# (W0...), as mutter last placed it.
geometry() {
    [[ $1 == W* ]] && { mutter_geometry "$1"; return; }
    local WINDOW X Y WIDTH HEIGHT SCREEN
    eval "$(xdotool getwindowgeometry --shell "$1" 2>/dev/null)" || return 1
    echo "${X:-?} ${Y:-?} ${WIDTH:-?} ${HEIGHT:-?}"
}

geometry_is() { [[ $(geometry "$1") == "$2" ]]; }

size_of() {
    local g
    g=$(geometry "$1") || return 1
    set -- $g
    echo "$3x$4"
}
size_is() { [[ $(size_of "$1") == "$2" ]]; }

app_ended() { process_gone "$APP_PID"; }

# qt_platform_of PID: the Qt platform plugin the process loaded (xcb,
# wayland-generic).
qt_platform_of() {
    grep -o 'qt6/plugins/platforms/libq[a-z-]*\.so' "/proc/$1/maps" | sort -u | sed 's/.*libq//; s/\.so$//'
}

# wait_exit SECONDS: sets APP_STATUS to the program's exit status, or
# "running". Never in a command substitution: its subshell cannot learn the
# status of a process that ends after the subshell began.
wait_exit() {
    APP_STATUS=running
    if wait_until "$1" app_ended; then
        wait "$APP_PID"
        APP_STATUS=$?
    fi
}

# check_exit WHAT STATUS SECONDS: the program ends with STATUS within SECONDS.
check_exit() {
    wait_exit "$3"
    check_eq "$1" "$2" "$APP_STATUS"
}

# shot WID: a screenshot of the window's area, in client coordinates, in
# $E2E_WORK/face.png; the window must lie wholly on the screen. A rootless
# X server (Xwayland) has no picture of its root, only of each window.
shot() {
    local wid=$1 g
    g=$(geometry "$wid") || return 1
    set -- $g
    E2E_FACE_SIZE="$3 $4"
    if [[ -n $E2E_MUTTER_LOG ]]; then
        import -window "$wid" "$E2E_WORK/face.png"
    else
        import -window root "$E2E_WORK/screen.png" &&
            convert "$E2E_WORK/screen.png" -crop "$3x$4+$1+$2" +repage "$E2E_WORK/face.png"
    fi
}

picture_size() {
    local file=$1
    [[ -n ${E2E_SIZES[$file]:-} ]] || E2E_SIZES[$file]=$(identify -format '%wx%h' "$file" 2>/dev/null)
    echo "${E2E_SIZES[$file]}"
}

# region_is X Y PICTURE [W H [PX PY]]: the shot shows the picture (a path
# under assets/), or its W x H part from (PX, PY), at client place (X, Y).
region_is() {
    local x=$1 y=$2 file=$E2E_ASSETS/$3 size w h
    size=$(picture_size "$file")
    [[ -n $size ]] || { log "  no picture $3"; return 1; }
    w=${4:-${size%x*}} h=${5:-${size#*x}}
    local px=${6:-0} py=${7:-0}
    # compare quietly measures only the overlap of images of unequal sizes,
    # so both crops must lie wholly inside their images.
    local fw fh
    read -r fw fh <<<"$E2E_FACE_SIZE"
    if ((px + w > ${size%x*} || py + h > ${size#*x} || x < 0 || y < 0 || x + w > fw || y + h > fh)); then
        log "  region ${w}x${h} at ($x,$y) of $3 does not fit"
        return 1
    fi
    local diff
    diff=$(compare -metric AE "$E2E_WORK/face.png[${w}x${h}+${x}+${y}]" "$file[${w}x${h}+${px}+${py}]" null: 2>&1)
    [[ $diff == 0 ]] || { log "  ($x,$y) ${w}x${h} vs $3: $diff pixels differ"; return 1; }
}

# Pointer, in screen pixels: xdotool on an X display; without one, mutter's
# remote desktop through the tool remote_pointer_start runs.

# remote_pointer_start TOOL: the remote pointer, parked in the top-left
# corner, from where the place of every relative move is known.
remote_pointer_start() {
    coproc E2E_REMOTE { "$1" 2>"$E2E_WORK/remote_pointer.log"; }
    E2E_PIDS+=("$E2E_REMOTE_PID")
    remote_pointer move -100000 -100000 || die "no remote pointer"
    E2E_POINTER_X=0 E2E_POINTER_Y=0
}

# remote_pointer COMMAND...: one command of the tool, which answers "ok"
# once mutter has taken it.
remote_pointer() {
    local answer=
    echo "$*" >&"${E2E_REMOTE[1]}" && read -r -t 5 answer <&"${E2E_REMOTE[0]}"
    [[ $answer == ok ]] || { log "remote pointer: '$*' failed: $(cat "$E2E_WORK/remote_pointer.log")"; return 1; }
}

# pointer_to X Y. The remote pointer moves by the difference from where it
# was sent last: a place off the screen would be clamped and lose count.
pointer_to() {
    if [[ -z $E2E_REMOTE_PID ]]; then xdotool mousemove "$1" "$2"; return; fi
    remote_pointer move $(($1 - E2E_POINTER_X)) $(($2 - E2E_POINTER_Y)) && E2E_POINTER_X=$1 E2E_POINTER_Y=$2
}
button_down() {
    if [[ -z $E2E_REMOTE_PID ]]; then xdotool mousedown "$1"; else remote_pointer press "$1"; fi
}
button_up() {
    if [[ -z $E2E_REMOTE_PID ]]; then xdotool mouseup "$1"; else remote_pointer release "$1"; fi
}
click() { button_down "$1" && button_up "$1"; }

# Moves go in steps, as a hand would make them.
move_in_steps() {
    local x0=$1 y0=$2 x1=$3 y1=$4 steps=${5:-8} i
    for ((i = 1; i <= steps; i++)); do
        pointer_to $((x0 + (x1 - x0) * i / steps)) $((y0 + (y1 - y0) * i / steps))
        sleep 0.02
    done
}

# drag BUTTON X0 Y0 DX DY: press at (X0, Y0), travel by (DX, DY), release.
drag() {
    local button=$1 x0=$2 y0=$3 dx=$4 dy=$5
    pointer_to "$x0" "$y0"
    sleep 0.05
    local mark
    [[ -n $E2E_REMOTE_PID ]] && mark=$(mutter_log_end)
    button_down "$button"
    sleep 0.05
    # Without an X server the window moves once the compositor has taken
    # the press over from the program.
    if [[ -n $E2E_REMOTE_PID ]]; then
        wait_until 3 mutter_says "WINDOW_OPS: Grab op .* successful" "$mark" || log "  mutter took no move over"
    fi
    move_in_steps "$x0" "$y0" $((x0 + dx)) $((y0 + dy))
    sleep 0.05
    button_up "$button"
    # Let the release arrive, and keep the next press from pairing with this
    # one into a double-click.
    sleep 0.5
}

click_at() {
    pointer_to "$1" "$2" && click "${3:-1}"
}

double_click_at() {
    pointer_to "$1" "$2"
    sleep 0.05
    click "${3:-1}"
    sleep 0.08
    click "${3:-1}"
}

# file_is FILE LINE...: FILE holds exactly these lines, each ended by CR LF.
file_is() {
    local file=$1
    shift
    [[ -f $file ]] || { log "  $file is missing"; return 1; }
    local expected=$E2E_WORK/expected.dat
    write_settings "$expected" "$@"
    cmp -s "$expected" "$file" && return 0
    log "  expected bytes: $(od -An -c "$expected" | tr -s ' \n' ' ')"
    log "  found bytes:    $(od -An -c "$file" | tr -s ' \n' ' ')"
    return 1
}

# check_slots WHAT: checks every row "X Y PICTURE [W H [PX PY]] [# note]" of
# standard input against the last shot.
check_slots() {
    local what=$1 line note
    while IFS= read -r line; do
        note=${line#*#}
        [[ $note == "$line" ]] && note=
        note=${note# }
        line=${line%%#*}
        read -r -a args <<<"$line"
        ((${#args[@]} == 0)) && continue
        check "$what: ${note:-${args[*]}}" region_is "${args[@]}"
    done
}

# wait_for_face WID X Y PICTURE: shoots until the picture shows at its place,
# so that checks start only once the window has been painted.
wait_for_face() {
    local wid=$1
    shift
    wait_until 5 shot_shows "$wid" "$@"
}
shot_shows() {
    local wid=$1
    shift
    shot "$wid" && region_is "$@" 2>/dev/null
}

# make_unwritable FOLDER: nothing can be created in the folder any more, not
# even by root (who ignores permission bits, but not the immutable flag).
# False when this file system offers no way to do that.
make_unwritable() {
    local dir=$1
    E2E_IMMUTABLE+=("$dir")
    chmod a-w "$dir"
    [[ $(id -u) == 0 ]] && chattr +i "$dir" 2>/dev/null
    if touch "$dir/.probe" 2>/dev/null; then
        rm -f "$dir/.probe"
        return 1
    fi
}

# A strip of the reveal height shows below the collapsed face.
RevealPixels=21

# still_running SECONDS: the program is still there after that long.
still_running() { ! wait_until "$1" app_ended; }

has_other_window() { [[ -n $(other_windows) ]]; }
dialog_window() { other_windows | head -n1; }
no_dialog() { [[ -z $(other_windows) ]]; }

# at_client WID X Y: the screen point of a client point.
at_client() {
    local x y
    read -r x y _ <<<"$(geometry "$1")"
    echo $((x + $2)) $((y + $3))
}
click_client() { # WID X Y
    local x y
    read -r x y <<<"$(at_client "$@")"
    click_at "$x" "$y"
}

# The settings dialog's OK spot, in its client pixels.
DialogOk="270 140"

# open_dialog FACE_HEIGHT: reveals the strip below the face with a small
# move over the emblem and clicks it; sets dialog to the window that opened.
open_dialog() {
    local x y height=$1
    read -r x y <<<"$(at_client "$APP_WID" 140 60)"
    move_in_steps "$x" "$y" $((x + 4)) $((y + 4)) 2
    wait_until 2 size_is "$APP_WID" "283x$((height + RevealPixels))"
    read -r x y <<<"$(at_client "$APP_WID" 140 $((height + 10)))"
    click_at "$x" "$y"
    dialog=
    wait_until 3 has_other_window && dialog=$(dialog_window)
    [[ -n $dialog ]]
}
focus_is() { [[ $(xdotool getwindowfocus 2>/dev/null) == "$1" ]]; }
