# Shared by test-inside and flake-count-inside: the Wine session the tests run
# in, and reading back what a ctest run printed. Source it after env.sh; do
# not run it.

# The prefix, a persistent wineserver (each test process then starts in a
# fraction of a second instead of seconds), ended when the script ends, and
# Wine's background processes.
start_test_session() {
  mkdir -p "$BUILD_DIR"
  init_wine_prefix || return 1
  wineserver -p
  trap 'wineserver -k >/dev/null 2>&1' EXIT
  start_wine_services
}

# Runs ctest in the build folder with the output of every failing test, its
# output also kept in file $1; the remaining arguments go to ctest. Returns
# ctest's exit status.
run_ctest() {
  local log=$1
  shift
  (cd "$BUILD_DIR" && ctest --output-on-failure -j "${TEST_JOBS:-$(nproc)}" "$@") 2>&1 | tee "$log"
  return "${PIPESTATUS[0]}"
}

# The tests a ctest output ($1) lists as failed, one "name reason" a line
# (reason: Failed, Timeout, SEGFAULT, Exception, Not Run, ...).
failed_tests() {
  tr -d '\r' <"$1" | awk '
    /^The following tests FAILED:/ { listing = 1; next }
    listing && match($0, /^[ \t]+[0-9]+ - [^ ]+ \(/) {
      rest = substr($0, RLENGTH + 1)
      sub(/^[ \t]+[0-9]+ - /, "")
      name = $0
      sub(/ .*/, "", name)
      sub(/\).*/, "", rest)
      print name, rest
      next
    }
    listing { listing = 0 }
  '
}

# How many tests a ctest output ($1) ran, from its closing result line.
tests_run() {
  tr -d '\r' <"$1" | sed -n 's/^[0-9]*% tests passed, [0-9]* tests\{0,1\} failed out of \([0-9]*\)$/\1/p' | tail -n 1
}

# What test $2 printed in ctest output $1: its result line and its output,
# up to the next test's line.
test_output() {
  tr -d '\r' <"$1" | awk -v name="$2" '
    index($0, ": " name " ") && / Test +#[0-9]+: / { shown = 1; print; next }
    shown && (/^ *Start +[0-9]+: / || / Test +#[0-9]+: / || /^[0-9]+% tests passed/ || /^The following tests/) { exit }
    shown { print }
  '
}

# The lines of test $2's failure in ctest output $1, at most $3 of them: its
# result line, then each GoogleTest failure message with the case it failed
# in, or, for an executable that crashed or ran out of time without one, the
# last lines it printed.
failing_lines() {
  local most=${3:-40} output
  output=$(test_output "$1" "$2")
  {
    printf '%s\n' "$output" | head -n 1
    if printf '%s\n' "$output" | grep -Eq ': Failure$|^unknown file: error: '; then
      printf '%s\n' "$output" | awk '
        /: Failure$/ || /^unknown file: error: / { inside = 1 }
        /^\[  FAILED  \] .* \([0-9]+ ms\)$/ { print; inside = 0; next }
        /^\[/ { inside = 0 }
        inside { print }
      '
    else
      printf '%s\n' "$output" | tail -n +2 | tail -n 15
    fi
  } | awk -v most="$most" '
    NR <= most { print "    " $0 }
    END { if (NR > most) print "    ... (" NR - most " more lines)" }
  '
}
