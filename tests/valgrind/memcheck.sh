#!/usr/bin/env bash
# Runs a command under valgrind's memcheck as the memory tests want it: any
# invalid access, use of uninitialised memory or definite leak that qt.supp
# does not explain ends the run with exit status 99, whatever the command's
# own status. Usage: memcheck.sh LOG_FILE COMMAND...
set -u
log=$1
shift
# Qt compiles regular expressions to machine code that memcheck cannot
# follow; interpreted, they are checked like everything else. A forked child
# (libdbus forks one to look for a session bus) reports nothing of its own.
exec env QT_ENABLE_REGEXP_JIT=0 valgrind --tool=memcheck \
  --leak-check=full --show-leak-kinds=definite --errors-for-leak-kinds=definite \
  --error-exitcode=99 --suppressions="$(dirname "$(realpath "$0")")/qt.supp" \
  --child-silent-after-fork=yes --num-callers=40 --log-file="$log" "$@"
