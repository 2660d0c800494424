#!/usr/bin/env bash
# The normal face at frozen times: the window's first place and size, and
# every readout slot pixel-identical to its bank picture at its place.
# Usage: face.sh ORVALEN_BINARY ASSETS_FOLDER
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"
e2e_init "$1" "$2"

# Saturday 2003-04-19, 18:10:39: the example second of the clock.
e2e_start saturday "2003-04-19 18:10:39"
check_eq "first start: design place, normal size" "353 236 283 386" "$(geometry "$APP_WID")"
wait_for_face "$APP_WID" 32 320 large-digits/8.png
check_slots "18:10:39 Sat 2003/04/19" <<'EOF'
0 0 title-bar.png 283 28            # title bar, cut by the emblem below and the right edge
0 28 emblem.png 283 284             # emblem, its last column beyond the right edge
0 312 bottom-panel.png 283 8 1 3    # bare panel between emblem and time row
4 320 large-digits/1.png            # hour tens
32 320 large-digits/8.png           # hour units
60 328 colon.png                    # colon
72 320 large-digits/1.png           # minute tens
100 320 large-digits/0.png          # minute units
128 335 dial/78.png                 # dial: second 39 is frame 78
160 320 small-digits/2.png          # year 1st digit
172 320 small-digits/0.png          # year 2nd digit
184 320 small-digits/0.png          # year 3rd digit
196 320 small-digits/3.png          # year 4th digit
212 320 numbers/4.png               # month
240 320 slash.png                   # slash
252 320 numbers/19.png              # day
4 364 weekdays/sun-dim.png          # Sun dim
44 364 weekdays/mon-dim.png         # Mon dim
88 364 weekdays/tue-dim.png         # Tue dim
128 364 weekdays/wed-dim.png        # Wed dim
172 364 weekdays/thu-dim.png        # Thu dim
216 364 weekdays/fri-dim.png        # Fri dim
252 364 weekdays/sat-bright.png 31 21   # Sat bright, cut by the right edge
EOF
# The wall clock must really stand still, or every check above is luck.
sleep 1.2
shot "$APP_WID"
check "clock frozen: dial still at frame 78 after more than a second" region_is 128 335 dial/78.png
kill "$APP_PID"
cp "$E2E_WORK/face.png" "$E2E_WORK/server-drawn.png"

# Drawn by Qt's painter, as on platforms without an X server, the face is
# the same to the pixel.
ORVALEN_CLIENT_PAINTING=1 e2e_start client-painted "2003-04-19 18:10:39"
wait_for_face "$APP_WID" 32 320 large-digits/8.png
check "the painter draws the face the server draws" \
    test "$(compare -metric AE "$E2E_WORK/face.png" "$E2E_WORK/server-drawn.png" null: 2>&1)" = 0
kill "$APP_PID"

# A morning hour has no leading zero; December 31 is the last entry of the
# number bank; Wednesday lights the fourth label.
e2e_start wednesday "2003-12-31 09:05:07"
wait_for_face "$APP_WID" 32 320 large-digits/9.png
check_slots "9:05:07 Wed 2003/12/31" <<'EOF'
4 320 large-digits/blank.png        # hour tens blank
32 320 large-digits/9.png           # hour units
72 320 large-digits/0.png           # minute tens
100 320 large-digits/5.png          # minute units
128 335 dial/14.png                 # dial: second 7 is frame 14
160 320 small-digits/2.png          # year 1st digit
196 320 small-digits/3.png          # year 4th digit
212 320 numbers/12.png              # month
252 320 numbers/31.png              # day
88 364 weekdays/tue-dim.png         # Tue dim
128 364 weekdays/wed-bright.png     # Wed bright
172 364 weekdays/thu-dim.png        # Thu dim
252 364 weekdays/sat-dim.png 31 21  # Sat dim
EOF
kill "$APP_PID"

# Just after midnight on a Monday: the wide Monday label lies under Tuesday's.
e2e_start monday "2003-04-21 00:30:00"
wait_for_face "$APP_WID" 72 320 large-digits/3.png
check_slots "0:30:00 Mon 2003/04/21" <<'EOF'
4 320 large-digits/blank.png        # hour tens blank
32 320 large-digits/0.png           # hour units
72 320 large-digits/3.png           # minute tens
100 320 large-digits/0.png          # minute units
128 335 dial/0.png                  # dial: second 0 is frame 0
252 320 numbers/21.png              # day
4 364 weekdays/sun-dim.png          # Sun dim
44 364 weekdays/mon-bright.png 44 21    # Mon bright, up to where Tue covers it
88 364 weekdays/tue-dim.png         # Tue dim, on top of Monday's overhang
252 364 weekdays/sat-dim.png 31 21  # Sat dim
EOF
kill "$APP_PID"

e2e_finish
