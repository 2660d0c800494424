#!/usr/bin/env bash
# Display modes and options chosen by setting.dat: the window's size and the
# readout slots at the places of each layout, at 18:10:39 on Saturday
# 2003-04-19. Only pixels that nothing else covers are compared.
# Usage: modes.sh ORVALEN_BINARY ASSETS_FOLDER
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"
e2e_init "$1" "$2"
Time="2003-04-19 18:10:39"

# mode_case NAME SIZE MODE BANNER DIAL AMPM: starts the clock at (100, 100)
# with these settings and checks the slot rows of standard input.
mode_case() {
    local name=$1 size=$2
    shift 2
    local rows first
    rows=$(cat)
    e2e_start "$name" "$Time" 1500 1500 "$@"
    check_eq "$name ($*): window size" "$size" "$(size_of "$APP_WID")"
    read -r -a first <<<"${rows%%#*}"
    wait_for_face "$APP_WID" "${first[@]}"
    check_slots "$name" <<<"$rows"
    kill "$APP_PID"
}

mode_case mini 283x104 mini off on off <<'EOF'
4 39 large-digits/1.png             # hour tens
32 39 large-digits/8.png            # hour units
60 47 colon.png                     # colon
72 39 large-digits/1.png            # minute tens
100 39 large-digits/0.png           # minute units
128 54 dial/78.png                  # dial
160 39 small-digits/2.png           # year 1st digit
196 39 small-digits/3.png           # year 4th digit
212 39 numbers/4.png                # month
240 39 slash.png                    # slash
252 39 numbers/19.png               # day
4 83 weekdays/sun-dim.png           # Sun dim, on the bottom edge
252 83 weekdays/sat-bright.png 31 21    # Sat bright
0 0 title-bar.png 283 31            # title bar whole, over the panel's top
0 31 bottom-panel.png 283 8 1 3     # panel under the title bar
EOF

mode_case emblem 283x285 emblem off on off <<'EOF'
0 0 emblem.png 283 284              # emblem alone, at the corner
EOF

mode_case banner 283x415 normal on on off <<'EOF'
4 349 large-digits/1.png            # hour tens, 29 px lower
32 349 large-digits/8.png           # hour units
60 357 colon.png                    # colon
100 349 large-digits/0.png          # minute units
128 364 dial/78.png                 # dial
160 349 small-digits/2.png          # year 1st digit
212 349 numbers/4.png               # month
252 349 numbers/19.png              # day
4 393 weekdays/sun-dim.png          # Sun dim
252 393 weekdays/sat-bright.png 31 21   # Sat bright
0 28 emblem.png 283 284             # emblem in its place
0 312 banner.png 283 28 4 2         # banner below the emblem, over the panel
0 340 bottom-panel.png 283 9 1 2    # panel between banner and time row
EOF

mode_case am-pm 283x386 normal off on on <<'EOF'
62 320 large-digits/6.png           # hour units: 6 pm
0 320 marks/am-dim.png              # am mark dim
0 337 marks/pm-bright.png           # pm mark bright
34 320 large-digits/blank.png       # hour tens blank
90 328 colon.png                    # colon, 30 px right
102 320 large-digits/1.png          # minute tens
130 320 large-digits/0.png          # minute units
158 336 dial/78.png 26 25 0 1       # dial, its top row under the year digits
160 320 small-digits/2.png          # year 1st digit, on top of the dial
172 320 small-digits/0.png          # year 2nd digit, on top of the dial
212 320 numbers/4.png               # month stays
EOF

mode_case mini-banner-am-pm 283x133 mini on on on <<'EOF'
62 68 large-digits/6.png            # hour units: 6 pm
0 68 marks/am-dim.png               # am mark at the dropped hour row
0 85 marks/pm-bright.png            # pm mark
34 68 large-digits/blank.png        # hour tens blank
130 68 large-digits/0.png           # minute units
158 84 dial/78.png 26 25 0 1        # dial
252 68 numbers/19.png               # day
252 112 weekdays/sat-bright.png 31 21   # Sat bright, on the bottom edge
0 29 banner.png 283 30 4 0          # banner over the title bar's lowest rows
EOF

mode_case emblem-banner 283x314 emblem on on off <<'EOF'
0 0 emblem.png 283 284              # emblem
0 284 banner.png 283 28 4 2         # banner below the emblem
EOF

mode_case dial-off 283x386 normal off off off <<'EOF'
100 320 large-digits/0.png          # minute units
128 335 bottom-panel.png 26 26 129 26   # bare panel where the dial would be
EOF

# Only the exact words act: "Mini" is the normal layout, "ON" shows no
# banner and no 12-hour time, "On" does not hide the dial.
mode_case odd-words 283x386 Mini ON On ON <<'EOF'
4 320 large-digits/1.png            # hour tens, 24-hour time
32 320 large-digits/8.png           # hour units
128 335 dial/78.png                 # dial shown
0 28 emblem.png 283 284             # emblem
EOF

e2e_finish
