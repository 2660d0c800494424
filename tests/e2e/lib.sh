# Shared helpers of the end-to-end tests: one Xvfb per script, the real
# program copied into a folder of its own (it keeps setting.dat beside
# itself), a frozen wall clock, screenshots compared with the bank pictures,
# and real pointer events from xdotool.
#
# A script sources this file, calls e2e_init BINARY ASSETS, and ends with
# e2e_finish. Everything it starts is stopped and its temporary folder is
# removed on any way out (ORVALEN_E2E_KEEP=1 keeps the folder for a look).

set -u

E2E_BINARY=
E2E_ASSETS=
E2E_WORK=
E2E_XVFB_PID=
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

e2e_cleanup() {
    local pid dir
    for pid in "${E2E_PIDS[@]}"; do kill -KILL "$pid" 2>/dev/null; done
    for pid in "${E2E_PIDS[@]}"; do wait "$pid" 2>/dev/null; done
    if [[ -n $E2E_XVFB_PID ]]; then
        kill "$E2E_XVFB_PID" 2>/dev/null
        wait "$E2E_XVFB_PID" 2>/dev/null
    fi
    for dir in "${E2E_IMMUTABLE[@]}"; do chattr -i "$dir" 2>/dev/null; chmod u+w "$dir" 2>/dev/null; done
    if [[ -n $E2E_WORK ]]; then
        if [[ ${ORVALEN_E2E_KEEP:-0} == 1 ]]; then log "kept $E2E_WORK"; else rm -rf "$E2E_WORK"; fi
    fi
}

e2e_init() {
    E2E_BINARY=$1
    E2E_ASSETS=$2
    [[ -x $E2E_BINARY ]] || { log "no program at $E2E_BINARY"; exit 1; }
    [[ -d $E2E_ASSETS ]] || { log "no assets at $E2E_ASSETS"; exit 1; }
    local tool
    for tool in Xvfb xdotool import convert compare identify; do
        command -v "$tool" >/dev/null || { log "missing tool: $tool"; exit 1; }
    done
    E2E_FAKETIME_LIB=$(ls /usr/lib/*/faketime/libfaketime.so.1 2>/dev/null | head -n1)
    [[ -n $E2E_FAKETIME_LIB ]] || { log "libfaketime not found (package faketime)"; exit 1; }

    E2E_WORK=$(mktemp -d "${TMPDIR:-/tmp}/orvalen-e2e.XXXXXX")
    trap e2e_cleanup EXIT
    trap 'exit 130' INT TERM
    mkdir -m 700 "$E2E_WORK/runtime"
    export XDG_RUNTIME_DIR=$E2E_WORK/runtime QT_QPA_PLATFORM=xcb
    unset WAYLAND_DISPLAY SESSION_MANAGER

    # -displayfd picks a free display and writes its number once it listens.
    # -noreset: without it the server resets whenever its last client leaves,
    # and a program that connects during the reset cannot open the display.
    Xvfb -displayfd 3 -screen 0 "${E2E_SCREEN:-1280x800}x24" -noreset -nolisten tcp \
        3>"$E2E_WORK/display" >"$E2E_WORK/xvfb.log" 2>&1 &
    E2E_XVFB_PID=$!
    wait_until 10 grep -q '^[0-9][0-9]*$' "$E2E_WORK/display" || die "Xvfb did not start: $(cat "$E2E_WORK/xvfb.log")"
    export DISPLAY=:$(cat "$E2E_WORK/display")
    wait_until 10 xdotool getdisplaygeometry >/dev/null 2>&1 || die "display $DISPLAY does not answer"
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
# client leader window carries the title too).
visible_windows() {
    xdotool search --onlyvisible --pid "$APP_PID" --name '^Orvalen$' 2>/dev/null
}

# Visible windows of the program other than the clock: the dialog, a message box.
other_windows() {
    visible_windows | grep -vx "$APP_WID"
}

# geometry WID: prints "X Y WIDTH HEIGHT".
geometry() {
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

# The program ended (reaped or a zombie of ours).
app_ended() { ! kill -0 "$APP_PID" 2>/dev/null || [[ $(ps -o stat= -p "$APP_PID" 2>/dev/null) == Z* ]]; }

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
# $E2E_WORK/face.png; the window must lie wholly on the screen.
shot() {
    local g
    g=$(geometry "$1") || return 1
    set -- $g
    E2E_FACE_SIZE="$3 $4"
    import -window root "$E2E_WORK/screen.png" &&
        convert "$E2E_WORK/screen.png" -crop "$3x$4+$1+$2" +repage "$E2E_WORK/face.png"
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

# Pointer, in screen pixels. Moves go in steps, as a hand would make them.
pointer_to() { xdotool mousemove "$1" "$2"; }

move_in_steps() {
    local x0=$1 y0=$2 x1=$3 y1=$4 steps=${5:-8} i
    for ((i = 1; i <= steps; i++)); do
        xdotool mousemove $((x0 + (x1 - x0) * i / steps)) $((y0 + (y1 - y0) * i / steps))
        sleep 0.02
    done
}

# drag BUTTON X0 Y0 DX DY: press at (X0, Y0), travel by (DX, DY), release.
drag() {
    local button=$1 x0=$2 y0=$3 dx=$4 dy=$5
    xdotool mousemove "$x0" "$y0"
    sleep 0.05
    xdotool mousedown "$button"
    sleep 0.05
    move_in_steps "$x0" "$y0" $((x0 + dx)) $((y0 + dy))
    sleep 0.05
    xdotool mouseup "$button"
    # Let the release arrive, and keep the next press from pairing with this
    # one into a double-click.
    sleep 0.5
}

click_at() {
    xdotool mousemove "$1" "$2" click "${3:-1}"
}

double_click_at() {
    xdotool mousemove "$1" "$2"
    sleep 0.05
    xdotool click --repeat 2 --delay 80 "${3:-1}"
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
