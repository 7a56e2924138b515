# What scripts/soak.sh and scripts/damage.sh share: the playtest driver of a
# build, run under the sanitizer options on a display of its own, a few runs
# at a time, each judged the same way. Source it from the repository root
# after setting BUILD_DIR; it sets DRIVER and `work` (a scratch folder
# removed at exit).

BUILD_DIR=$(cd "$BUILD_DIR" && pwd) || exit 2
DRIVER="$BUILD_DIR/tools/playtest/playtest"
[ -x "$DRIVER" ] || { echo "$(basename "$0"): no playtest driver in $BUILD_DIR" >&2; exit 2; }

source scripts/xvfb.sh
export ALSOFT_DRIVERS=null LIBGL_ALWAYS_SOFTWARE=1
source scripts/sanitizers.sh
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# Pids of the runs started in the background. Xvfb is a job of this shell
# too, so the runs are waited for by their pids.
running=()

# Starts "$@" in the background once fewer than JOBS runs are going.
start_run() {
  while [ "${#running[@]}" -ge "$JOBS" ]; do
    wait -n "${running[@]}"
    local alive=() pid
    for pid in "${running[@]}"; do kill -0 "$pid" 2>/dev/null && alive+=("$pid"); done
    running=("${alive[@]}")
  done
  "$@" &
  running+=($!)
}

wait_for_runs() { [ "${#running[@]}" -eq 0 ] || wait "${running[@]}"; }

# What went wrong with a run, from its exit status ($1, 137 when the time
# limit of $3 seconds killed it) and its standard error ($2); nothing when
# the run was sound.
run_problem() {
  if [ "$1" -eq 137 ]; then echo "no end within ${3}s (hang?)"
  elif grep -qE 'AddressSanitizer|runtime error|LeakSanitizer' "$2"; then echo "sanitizer report"
  elif [ "$1" -ne 0 ]; then echo "exit status $1"
  fi
}
