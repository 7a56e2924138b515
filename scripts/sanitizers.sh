# Options for running the sanitized build (AddressSanitizer and
# UndefinedBehaviorSanitizer); sourced by test.sh --sanitize and by
# driverruns.sh for soak.sh and damage.sh. Mesa and Qt keep one-off
# allocations until exit, so leaks are not errors here; asan.supp says
# which report inside Mesa is suppressed.
export ASAN_OPTIONS=detect_leaks=0:abort_on_error=1:suppressions=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)/asan.supp
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
