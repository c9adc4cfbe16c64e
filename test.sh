#!/usr/bin/env bash
# Installs what is missing, builds with the sanitizers and runs the whole test
# suite: the tests that need a display on a private X server, and the window,
# export and file tests a second time under the users' locale (ro_RO.UTF-8).
set -euo pipefail
cd "$(dirname "$0")"
./scripts/install-deps.sh
build=${ZV_BUILD_DIR:-build-test}
cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DZV_SANITIZE=ON -DZV_BENCH=ON >/dev/null
build_start=$SECONDS
cmake --build "$build" -j"$(nproc)"
echo "Build: $((SECONDS - build_start)) s"
cd "$build"
export ASAN_OPTIONS=detect_leaks=0
export QT_QPA_PLATFORM=offscreen

# One X server of our own for the whole run. Xvfb picks a display that is free
# and writes its number to us, so other X servers on the machine are no
# obstacle; it is stopped however the run ends.
xvfb_pid=""
ctest_pid=""
display_file=$(mktemp)
stop_xvfb() {
  for pid in $ctest_pid $xvfb_pid; do
    kill "$pid" 2>/dev/null || true
    wait "$pid" 2>/dev/null || true
  done
  rm -f "$display_file" "$display_file.log"
}
trap stop_xvfb EXIT
trap 'exit 130' INT
trap 'exit 143' TERM
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp -noreset 3>"$display_file" 2>"$display_file.log" &
xvfb_pid=$!
display=""
for _ in $(seq 100); do
  if ! kill -0 "$xvfb_pid" 2>/dev/null; then
    echo "Xvfb did not start:" >&2
    cat "$display_file.log" >&2
    exit 1
  fi
  # The number is written once the server listens; then it must answer.
  if [ -z "$display" ] && grep -q '^[0-9][0-9]*$' "$display_file"; then
    display=:$(head -n1 "$display_file")
  fi
  if [ -n "$display" ] && xdpyinfo -display "$display" >/dev/null 2>&1; then
    break
  fi
  sleep 0.1
done
if [ -z "$display" ] || ! xdpyinfo -display "$display" >/dev/null 2>&1; then
  echo "Xvfb does not answer on display '${display}'" >&2
  exit 1
fi
echo "Window tests on Xvfb $display"
export DISPLAY=$display
unset XAUTHORITY
# Every test once under the C locale, and those labelled ro_RO.UTF-8 again
# under that locale (their names end in ".ro_RO.UTF-8"). In the background, so
# that a signal to this script stops the run and the server at once.
tests_start=$SECONDS
ctest --output-on-failure -j"$(nproc)" --timeout 300 &
ctest_pid=$!
status=0
wait "$ctest_pid" || status=$?
ctest_pid=""
echo "Tests: $((SECONDS - tests_start)) s"
exit "$status"
