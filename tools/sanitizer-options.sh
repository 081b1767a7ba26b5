# Sourced by sanitize.sh and fuzz.sh: how the instrumented programs of
# build-asan/ report. Any finding ends the program with a failure status;
# leaks are checked at exit, with the suppressions of lsan.supp.
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
export ASAN_OPTIONS="halt_on_error=1:abort_on_error=0:detect_leaks=1:detect_stack_use_after_return=1:check_initialization_order=1:strict_init_order=1:detect_odr_violation=2"
export UBSAN_OPTIONS="halt_on_error=1:print_stacktrace=1"
export LSAN_OPTIONS="suppressions=$here/lsan.supp:print_suppressions=0"
export ASAN_SYMBOLIZER_PATH="$(command -v llvm-symbolizer || true)"
export QT_QPA_PLATFORM=offscreen
