#!/bin/sh
# with-weston.sh SCALE COMMAND...: runs the command as a native Wayland client of a headless
# weston of its own (1280 x 800 points at the given scale). Skips (77) where weston is missing.
scale=$1
shift
command -v weston >/dev/null 2>&1 || exit 77
runtime=$(mktemp -d)
chmod 700 "$runtime"
# Without animations a full-screen window shows at once.
printf '[shell]\nanimation=none\nstartup-animation=none\nfocus-animation=none\npanel-position=none\nbackground-color=0xff404040\n' >"$runtime/weston.ini"
XDG_RUNTIME_DIR=$runtime weston --backend=headless-backend.so --socket=wl-test --width=1280 \
  --height=800 --scale="$scale" --use-pixman -c "$runtime/weston.ini" \
  --log="$runtime/weston.log" >/dev/null 2>&1 &
weston=$!
tries=0
while [ ! -S "$runtime/wl-test" ] && [ $tries -lt 200 ]; do
  sleep 0.05
  tries=$((tries + 1))
done
if [ ! -S "$runtime/wl-test" ]; then
  cat "$runtime/weston.log" >&2
  kill $weston 2>/dev/null
  rm -rf "$runtime"
  exit 1
fi
# An absolute socket path, so the client finds it whatever runtime folder it sets for itself.
WAYLAND_DISPLAY=$runtime/wl-test QT_QPA_PLATFORM=wayland "$@"
status=$?
kill $weston
wait $weston 2>/dev/null
rm -rf "$runtime"
exit $status
