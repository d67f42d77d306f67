#!/usr/bin/env bash
# Builds the given targets in a build folder, showing progress in a few lines instead of every
# compiler command; the full output goes to BUILD_DIR/build.log, whose end is shown on failure.
#   tools/quiet-build.sh BUILD_DIR JOBS TARGET...
set -uo pipefail
build_dir=$1 jobs=$2
shift 2
log="$build_dir/build.log"
echo "Building ${*} in $build_dir (full output in $log)"
cmake --build "$build_dir" -j "$jobs" --target "$@" 2>&1 | tee "$log" |
  awk '/^\[ *[0-9]+%\]/ { done = substr($0, 2, 3) + 0
         if (done >= shown + 25) { shown = done - done % 25; printf "  %d%%\n", shown } }'
status=${PIPESTATUS[0]}
if [[ $status -ne 0 ]]; then
  tail -n 40 "$log"
  echo "The build failed; the full output is in $log" >&2
fi
exit "$status"
