# The samples of bench/run (a slurped array) summed up: medians per program,
# their ratios to the three references, the goals and the core benchmark.

def median:
  sort | length as $n
  | if $n == 0 then null elif $n % 2 == 1 then .[($n - 1) / 2] else (.[$n / 2 - 1] + .[$n / 2]) / 2 end;

def metrics: ["cpu_pct", "wakeups_per_s", "rss_kib", "pss_kib", "first_frame_ms", "threads", "lag_median_ms",
                "lag_worst_ms"];

def medians($samples):
  reduce metrics[] as $m ({}; . + {($m): ([$samples[][$m] | numbers] | median)});

def ratios($of; $to):
  reduce metrics[] as $m ({};
    . + {($m): (if ($of[$m] | type) == "number" and ($to[$m] | type) == "number" and $to[$m] != 0
                then $of[$m] / $to[$m] else null end)});

def names: {orvalen: "orvalen", orvalen_painter: "orvalen, QPainter path", orvalen_strip: "orvalen, strip out",
             xclock_digital: "xclock -digital -update 1", xclock: "xclock -update 1", bare_qt: "bare Qt",
             floor: "floor", qt_floor: "Qt floor"};

def goal($what; $value; $limit): {goal: $what, value: $value, limit: $limit, met: ($value != null and $value <= $limit)};

group_by(.program)
| map({key: .[0].program, value: {samples: map(del(.program))}})
| from_entries
| map_values(.median = medians(.samples) | .worst_lag_ms = ([.samples[].lag_worst_ms | numbers] | max))
| . as $p
| map_values(
    .ratio_to_xclock_digital = ratios(.median; $p.xclock_digital.median)
    | .ratio_to_bare_qt = ratios(.median; $p.bare_qt.median)
    | .ratio_to_floor = ratios(.median; $p.floor.median))
| with_entries(.value.name = names[.key])
| {
    machine: {date: $date, cpus: ($cpus | tonumber), kernel: $kernel, qt: $qt},
    settings: {rounds: $rounds, settle_seconds: $settle, window_seconds: $window, starts_per_round: $starts,
               lag_seconds: $lag_seconds},
    programs: .,
    goals: [
      goal("idle CPU, times xclock -digital"; .orvalen.ratio_to_xclock_digital.cpu_pct; 2.0),
      goal("idle CPU, times the floor"; .orvalen.ratio_to_floor.cpu_pct; 1.3),
      goal("idle wake-ups per second"; .orvalen.median.wakeups_per_s; 2.0),
      goal("worst lag after the true second, ms"; .orvalen.median.lag_worst_ms; 5),
      goal("RSS above bare Qt, MiB"; ((.orvalen.median.rss_kib - .bare_qt.median.rss_kib) / 1024); 3),
      goal("exec to first frame, times bare Qt"; .orvalen.ratio_to_bare_qt.first_frame_ms; 1.2),
      goal("CPU with the strip out, % of one core"; .orvalen_strip.median.cpu_pct; 1.0)
    ],
    core: [$core[0].benchmarks[] | {name, ns_per_call: .real_time, cpu_ns_per_call: .cpu_time}],
    core_context: $core[0].context
  }
