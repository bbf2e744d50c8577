# What the benchmark scripts share (sourced, not run): their arguments, the private server that holds the
# benchmark designs, the designs themselves, the machine's load and medians.
#
# The designs live in one server under BUILD_DIR/bench-designs, each made the first time a benchmark needs it and
# again when the database sources change: bench_sample (the sample design), bench_large (the sample and the large
# design of database/sample/scale) and bench_10x (the sample and the 10x design). A benchmark stops the server at
# its end when it started it. Run one benchmark at a time: they switch the server's general log.

bench_root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
bench_tool=$bench_root/database/tamo-db

# Reads the arguments "[BUILD_DIR] [--size large|10x]" into bench_build (default build/release, made absolute)
# and bench_size (default large); any other argument is left in bench_rest.
bench_arguments() {
  bench_build=$bench_root/build/release
  bench_size=large
  bench_rest=()
  local positional=0
  while [ $# -gt 0 ]; do
    case $1 in
      --size)
        bench_size=${2:-}
        shift 2 || true
        ;;
      *)
        if [ "$positional" = 0 ]; then bench_build=$1; positional=1; else bench_rest+=("$1"); fi
        shift
        ;;
    esac
  done
  case $bench_size in
    large | 10x) ;;
    *) echo "the design's size is large or 10x, not \"$bench_size\"" >&2; exit 2 ;;
  esac
  mkdir -p "$bench_build"
  bench_build=$(cd "$bench_build" && pwd)
  bench_dir=$bench_build/bench-designs
}

# Builds the targets of the release build that are missing.
bench_build_targets() { # target...
  local missing=()
  for target in "$@"; do
    case $target in
      pelvane | quorrin | skarrow) [ -x "$bench_build/tools/$target" ] || missing+=("$target") ;;
      *) [ -x "$bench_build/bench/${target%_bench}/$target" ] || missing+=("$target") ;;
    esac
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  cmake -S "$bench_root" -B "$bench_build" -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
  ninja -C "$bench_build" -j4 "${missing[@]}" >/dev/null
}

# Starts the designs' server (or finds it running) and sets bench_port; a server started here is stopped when the
# script ends.
bench_started_server=0
bench_server() {
  [ -d "$bench_dir/data/mysql" ] || "$bench_tool" init "$bench_dir" >/dev/null
  "$bench_tool" port "$bench_dir" >/dev/null 2>&1 || bench_started_server=1
  trap 'bench_at_exit' EXIT
  bench_port=$("$bench_tool" start "$bench_dir")
}

bench_cleanups=()
bench_at_exit() {
  local cleanup
  for cleanup in "${bench_cleanups[@]}"; do eval "$cleanup"; done
  if [ "$bench_started_server" = 1 ]; then "$bench_tool" stop "$bench_dir" >/dev/null 2>&1 || true; fi
}

# Runs a command when the script ends (after the server was started with bench_server, or on its own).
bench_on_exit() {
  bench_cleanups+=("$1")
  trap 'bench_at_exit' EXIT
}

# The database of a design ("sample", "large" or "10x"), made when it is missing or the database sources changed.
bench_design() { # size
  local size=$1 database=bench_$1 stamp
  stamp=$(cd "$bench_root/database" && find schema procedures sample seed.sql program-procedures -type f -print0 |
          LC_ALL=C sort -z | xargs -0 cat | md5sum | cut -d' ' -f1)
  if [ "$(cat "$bench_dir/$database.stamp" 2>/dev/null)" != "$stamp" ]; then
    echo "making the benchmark design $database; this takes a while (the 10x design some minutes)..." >&2
    rm -f "$bench_dir/$database.stamp"
    "$bench_tool" create "$bench_dir" "$database" --sample >/dev/null
    if [ "$size" != sample ]; then
      "$bench_root/database/sample/scale" "$bench_dir" "$database" --size "$size" >&2
    fi
    echo "$stamp" >"$bench_dir/$database.stamp"
  fi
  echo "$database"
}

# A query run as the server's administrator in a design database.
bench_sql() { # database query
  "$bench_tool" sql "$bench_dir" "$1" -N -B -e "$2"
}

# The machine's load when a verdict is given: a busy machine makes every figure slower.
bench_load() { echo "load average $(cut -d' ' -f1-3 /proc/loadavg)"; }

bench_median() { sort -n | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }

# Prints a verdict with the load beside it; a goal not met sets bench_failed.
bench_failed=0
bench_verdict() { # met-exit-status text
  if [ "$1" = 0 ]; then
    echo "goal met:     $2   [$(bench_load)]"
  else
    echo "goal NOT met: $2   [$(bench_load)]"
    bench_failed=1
  fi
}

# Whether the awk condition holds for the values, as an exit status (for bench_verdict).
bench_holds() { # awk-condition name=value...
  local condition=$1; shift
  local assignments=()
  for value in "$@"; do assignments+=(-v "$value"); done
  awk "${assignments[@]}" "BEGIN { exit !($condition) }" && echo 0 || echo 1
}
