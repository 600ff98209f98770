#!/usr/bin/env bash
# A private Wine session for tests: a virtual X display and a Wine prefix of the
# build directory's own, torn down again whatever happens.
#
#   scripts/wine-session.sh BUILD_DIR CMD [ARGS...]
#       runs CMD inside the session and exits with CMD's exit code.
#
#   source scripts/wine-session.sh
#   wine_session_start BUILD_DIR && trap wine_session_stop EXIT
#   "$QC_WINE64" program.exe ...
#
# Inside the session DISPLAY, WINEPREFIX, WINEDEBUG and WINEDLLOVERRIDES are exported,
# QC_WINE64 names the wine64 loader and QC_WINESERVER the server.
#
# The prefix (BUILD_DIR/wineprefix) is initialised once and reused: a fresh one costs
# some 15 s. One session at a time may use a prefix; a second one waits for the first.

QC_WINE64=${QC_WINE64:-/usr/lib/wine/wine64}
QC_WINESERVER=${QC_WINESERVER:-/usr/lib/wine/wineserver}

_qc_log() { printf 'wine-session: %s\n' "$*" >&2; }

# Polls CMD until it succeeds or SECONDS_LEFT run out.
_qc_wait_until() {
  local seconds_left=$1; shift
  local deadline=$((SECONDS + seconds_left))
  until "$@"; do
    [ "$SECONDS" -lt "$deadline" ] || return 1
    sleep 0.05
  done
}

_qc_display_known() { [ -s "$_qc_display_file" ] || ! kill -0 "$_qc_xvfb_pid" 2>/dev/null; }

_qc_start_xvfb() {
  command -v Xvfb >/dev/null || { _qc_log "Xvfb is not installed"; return 1; }
  _qc_display_file=$(mktemp "${TMPDIR:-/tmp}/qc-display.XXXXXX") || return 1
  # -displayfd: the server picks a free display and writes its number to fd 3.
  Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp -noreset \
    3>"$_qc_display_file" >/dev/null 2>&1 &
  _qc_xvfb_pid=$!
  if ! _qc_wait_until 30 _qc_display_known || [ ! -s "$_qc_display_file" ]; then
    _qc_log "Xvfb did not start"
    return 1
  fi
  export DISPLAY=":$(tr -dc '0-9' <"$_qc_display_file")"
}

_qc_init_prefix() {
  local marker="$WINEPREFIX/.quillcast-ready"
  [ -f "$marker" ] && return 0
  # A prefix without the marker is a half-made one from an interrupted run.
  rm -rf "$WINEPREFIX"
  mkdir -p "$WINEPREFIX"
  _qc_log "initialising Wine prefix $WINEPREFIX"
  "$QC_WINE64" wineboot --init >/dev/null 2>&1 || { _qc_log "wineboot failed"; return 1; }
  # A crashing program must end, not wait for someone to close Wine's crash dialog.
  "$QC_WINE64" reg add 'HKCU\Software\Wine\WineDbg' /v ShowCrashDialog /t REG_DWORD /d 0 /f \
    >/dev/null 2>&1 || { _qc_log "could not turn off the crash dialog"; return 1; }
  # Let the transient server write the registry to disk before the prefix counts as ready.
  "$QC_WINESERVER" -w
  touch "$marker"
}

# Cleans up after a session whose shell was killed outright (no trap runs then).
_qc_start_watchdog() {
  local owner=$$ xvfb=$_qc_xvfb_pid prefix=$WINEPREFIX server=$QC_WINESERVER
  (
    [ -n "${_qc_lock_fd:-}" ] && exec {_qc_lock_fd}>&-  # the lock belongs to the session
    while kill -0 "$owner" 2>/dev/null && kill -0 "$xvfb" 2>/dev/null; do sleep 1; done
    if kill -0 "$xvfb" 2>/dev/null; then
      WINEPREFIX=$prefix "$server" -k
      kill "$xvfb"
    fi
  ) </dev/null >/dev/null 2>&1 &
  _qc_watchdog_pid=$!
}

wine_session_start() {
  local build_dir=$1
  [ -n "$build_dir" ] || { _qc_log "usage: wine_session_start BUILD_DIR"; return 2; }
  [ -x "$QC_WINE64" ] || { _qc_log "$QC_WINE64 not found (install wine64)"; return 1; }
  mkdir -p "$build_dir" || return 1
  build_dir=$(cd "$build_dir" && pwd) || return 1

  exec {_qc_lock_fd}>"$build_dir/wineprefix.lock" || return 1
  flock -w 900 "$_qc_lock_fd" || { _qc_log "another session holds $build_dir/wineprefix.lock"; return 1; }

  export WINEPREFIX="$build_dir/wineprefix"
  export WINEDEBUG=-all
  export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
  export QC_WINE64 QC_WINESERVER
  _qc_session_active=1

  # A server left behind by a killed run still talks to a display that is gone.
  "$QC_WINESERVER" -k >/dev/null 2>&1
  "$QC_WINESERVER" -w >/dev/null 2>&1

  _qc_start_xvfb || return 1
  _qc_start_watchdog
  _qc_init_prefix || return 1
  # One server for the whole session: each program then starts in a fraction of a second.
  "$QC_WINESERVER" -p || { _qc_log "wineserver -p failed"; return 1; }
}

wine_session_stop() {
  [ -n "${_qc_session_active:-}" ] || return 0
  _qc_session_active=
  if [ -n "${WINEPREFIX:-}" ]; then
    "$QC_WINESERVER" -k >/dev/null 2>&1
    "$QC_WINESERVER" -w >/dev/null 2>&1
  fi
  if [ -n "${_qc_watchdog_pid:-}" ]; then
    kill "$_qc_watchdog_pid" 2>/dev/null
    wait "$_qc_watchdog_pid" 2>/dev/null
    _qc_watchdog_pid=
  fi
  if [ -n "${_qc_xvfb_pid:-}" ]; then
    kill "$_qc_xvfb_pid" 2>/dev/null
    wait "$_qc_xvfb_pid" 2>/dev/null
    _qc_xvfb_pid=
  fi
  [ -n "${_qc_display_file:-}" ] && rm -f "$_qc_display_file"
  if [ -n "${_qc_lock_fd:-}" ]; then
    exec {_qc_lock_fd}>&-
    _qc_lock_fd=
  fi
  return 0
}

if [ "${BASH_SOURCE[0]}" = "$0" ]; then
  if [ $# -lt 2 ]; then
    echo "usage: $0 BUILD_DIR CMD [ARGS...]" >&2
    exit 2
  fi
  build_dir=$1; shift
  trap wine_session_stop EXIT
  trap 'exit 130' INT
  trap 'exit 143' TERM
  wine_session_start "$build_dir" || exit 1
  "$@"
  exit $?
fi
