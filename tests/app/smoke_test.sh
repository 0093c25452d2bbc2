#!/usr/bin/env bash
# Smoke test of the real program: starts it under Xvfb, finds its window by
# its title, presses Ctrl+Q and expects the program to end with status 0.
#   smoke_test.sh PATH/TO/zelvor
set -euo pipefail

binary=${1:?usage: smoke_test.sh PATH/TO/zelvor}
for tool in xvfb-run xdotool; do
  command -v "$tool" >/dev/null || { echo "smoke_test: $tool is missing (scripts/install-deps installs it)" >&2; exit 1; }
done

if [ "${ZELVOR_SMOKE_INNER:-}" != 1 ]; then
  ZELVOR_SMOKE_INNER=1 exec xvfb-run -a -s "-screen 0 1024x768x24" "$0" "$binary"
fi

# Inside Xvfb. A config folder of its own: the user's preferences stay untouched.
config=$(mktemp -d)
pid=
cleanup() {
  [ -n "$pid" ] && kill "$pid" 2>/dev/null || true
  rm -rf "$config"
}
trap cleanup EXIT

XDG_CONFIG_HOME=$config QT_QPA_PLATFORM=xcb "$binary" &
pid=$!

if ! window=$(timeout 30 xdotool search --sync --onlyvisible --name '^Zelvor - Kestrane - v0\.16$'); then
  echo "smoke_test: no window titled 'Zelvor - Kestrane - v0.16' appeared" >&2
  exit 1
fi
window=${window%%$'\n'*}
echo "window $window: $(xdotool getwindowname "$window")"
xdotool windowfocus --sync "$window"
sleep 0.3
xdotool key --clearmodifiers ctrl+q

# Wait for the program to end by itself, at most 20 seconds.
for _ in $(seq 200); do
  kill -0 "$pid" 2>/dev/null || break
  sleep 0.1
done
if kill -0 "$pid" 2>/dev/null; then
  echo "smoke_test: still running 20 s after Ctrl+Q" >&2
  exit 1
fi
status=0
wait "$pid" || status=$?
pid=
if [ "$status" -ne 0 ]; then
  echo "smoke_test: ended with status $status" >&2
  exit 1
fi
echo "smoke_test: ended with status 0 after Ctrl+Q"
