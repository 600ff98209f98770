#!/usr/bin/env bash
# Runs the end-to-end tests against an x86_64 Windows build under wine64 on a
# private virtual display, and keeps a picture of the main window.
#
#   tests/e2e/run.sh BUILD_DIR [FILTER]
#
# BUILD_DIR holds quillcast.exe, quillcast-testhooks.exe, net.exe and e2e_driver.exe.
# FILTER selects cases by name (see e2e_driver.exe --list). The exit code is the
# driver's: 0 when every selected case passed. Screenshots (the main window, and the
# screen at each failure) go to BUILD_DIR/screenshots/.
set -uo pipefail

if [ $# -lt 1 ]; then
  echo "usage: $0 BUILD_DIR [FILTER]" >&2
  exit 2
fi
build_dir=$(cd "$1" && pwd) || exit 2
filter=${2:-}
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
session="$here/../../scripts/wine-session.sh"

for program in quillcast.exe quillcast-testhooks.exe net.exe e2e_driver.exe; do
  if [ ! -f "$build_dir/$program" ]; then
    echo "run.sh: $build_dir/$program is missing: build the x86_64 Windows tree first" >&2
    exit 2
  fi
done

screenshots="$build_dir/screenshots"
mkdir -p "$screenshots"
rm -f "$screenshots"/*.bmp "$screenshots"/*.png

# Wine maps the Unix root to drive Z:.
windows_path() { printf 'Z:%s' "${1//\//\\}"; }

args=(--screenshots "$(windows_path "$screenshots")")
[ -n "$filter" ] && args+=("$filter")

# The whole run stays bounded even if something in Wine wedges.
"$session" "$build_dir" timeout -k 10 900 "${QC_WINE64:-/usr/lib/wine/wine64}" \
  "$build_dir/e2e_driver.exe" "${args[@]}"
status=$?

if command -v convert >/dev/null; then
  for bitmap in "$screenshots"/*.bmp; do
    [ -e "$bitmap" ] || continue
    convert "$bitmap" "${bitmap%.bmp}.png" && rm -f "$bitmap"
  done
fi
[ -e "$screenshots/main-window.png" ] && echo "screenshot: $screenshots/main-window.png"
exit $status
