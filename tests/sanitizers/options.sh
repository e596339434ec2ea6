# shellcheck shell=bash
# Settings for running programs built with TOLVANE_SANITIZE=ON; source it
# before ctest. Any report fails the program that made it.
sanitizers=$(dirname "$(realpath "${BASH_SOURCE[0]}")")
# Full stacks, so that lsan.supp can recognise leaks inside the libraries
# under Qt, which are built without frame pointers.
export ASAN_OPTIONS=fast_unwind_on_malloc=0:malloc_context_size=64:detect_leaks=1
export LSAN_OPTIONS=suppressions=$sanitizers/lsan.supp:print_suppressions=0
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
unset sanitizers
