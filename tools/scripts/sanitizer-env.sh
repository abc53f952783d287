# The sanitizers' settings, shared by ./run-tests and the fuzzer (sourced).
# Font and display libraries keep their caches to the end: only those are
# suppressed, each named in lsan.supp with the reason.
export ASAN_OPTIONS="detect_leaks=1:abort_on_error=1"
export LSAN_OPTIONS="suppressions=$PWD/tools/scripts/lsan.supp:print_suppressions=0"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
