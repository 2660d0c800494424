# The results of bench/run as Markdown: medians, each with its ratio to
# xclock -digital, to the bare Qt window and to the floor, then the goals.

def fixed($digits):
  if . == null then "–"
  else (. * pow(10; $digits) | round | tostring) as $s
  | if $digits == 0 then $s
    else ("0" * ($digits + 1 - ($s | ltrimstr("-") | length))) as $pad
    | ($s | startswith("-")) as $negative
    | ($pad + ($s | ltrimstr("-"))) as $all
    | (if $negative then "-" else "" end) + $all[:-$digits] + "." + $all[-$digits:]
    end
  end;

def cell($program; $metric; $scale; $digits):
  ($program.median[$metric]) as $v
  | if $v == null then "–"
    else (($v / $scale) | fixed($digits)) + " (" + ($program.ratio_to_xclock_digital[$metric] | fixed(2)) + " / "
         + ($program.ratio_to_bare_qt[$metric] | fixed(2)) + " / " + ($program.ratio_to_floor[$metric] | fixed(2)) + ")"
    end;

def lag($program):
  if $program.median.lag_median_ms == null then "–"
  else ($program.median.lag_median_ms | fixed(1)) + " / " + ($program.median.lag_worst_ms | fixed(1))
  end;

def rows: ["orvalen", "orvalen_painter", "orvalen_strip", "xclock_digital", "xclock", "bare_qt", "floor", "qt_floor"];

"Medians of \(.settings.rounds) interleaved rounds: \(.settings.window_seconds) s windows after \(.settings.settle_seconds) s to settle, \(.settings.starts_per_round) starts and \(.settings.lag_seconds) s of seconds' changes per round; \(.machine.cpus) CPUs, Qt \(.machine.qt), \(.machine.date).",
"In brackets: the ratio to xclock -digital / to bare Qt / to the floor.",
"",
"| program | CPU, % of one core | wake-ups/s | RSS, MiB | PSS, MiB | exec to first frame, ms | lag after the second, ms: median / worst | threads |",
"|---|---|---|---|---|---|---|---|",
(.programs as $p | rows[] | select($p[.]) | $p[.] as $r
  | "| \($r.name) | \(cell($r; "cpu_pct"; 1; 3)) | \(cell($r; "wakeups_per_s"; 1; 2)) | \(cell($r; "rss_kib"; 1024; 1)) | \(cell($r; "pss_kib"; 1024; 1)) | \(cell($r; "first_frame_ms"; 1; 1)) | \(lag($r)) | \($r.median.threads | fixed(0)) |"),
"",
"| goal | value | limit | met |",
"|---|---|---|---|",
(.goals[] | "| \(.goal) | \(.value | fixed(2)) | \(.limit) | \(if .met then "yes" else "no" end) |"),
"",
"| core routine | ns per call |",
"|---|---|",
(.core[] | "| \(.name) | \(.ns_per_call | fixed(1)) |")
