#!/usr/bin/env bash
# Sourced by scripts/wine-test.sh after the Wine prefix is ready: starts the update server of the
# end-to-end tests (scripts/ftp-test-server.py, anonymous FTP on 127.0.0.1 at a free port) on a
# temporary folder and tells the tests where it is: MW_FTP_PORT, and as Windows paths the folder
# it serves (MW_FTP_ROOT) and the file of its events (MW_FTP_EVENTS). mw_ftp_stop ends it.
mw_ftp_pid=""
mw_ftp_dir=""

mw_ftp_start() {
  mw_ftp_dir=$(mktemp -d)
  mkdir -p "$mw_ftp_dir/root/updateKq"
  : >"$mw_ftp_dir/events"
  # Debian's own interpreter, which has the FTP library, whatever python3 comes first in PATH.
  /usr/bin/python3 scripts/ftp-test-server.py "$mw_ftp_dir/root" "$mw_ftp_dir/port" "$mw_ftp_dir/events" \
    >"$mw_ftp_dir/log" 2>&1 &
  mw_ftp_pid=$!
  for _ in $(seq 100); do
    [ -s "$mw_ftp_dir/port" ] && break
    kill -0 "$mw_ftp_pid" 2>/dev/null || break
    sleep 0.1
  done
  if [ ! -s "$mw_ftp_dir/port" ]; then
    echo "the tests' FTP server did not start (scripts/setup.sh installs python3-pyftpdlib):" >&2
    cat "$mw_ftp_dir/log" >&2
    return 1
  fi
  export MW_FTP_PORT=$(cat "$mw_ftp_dir/port")
  export MW_FTP_ROOT="$(mw_windows_path "$mw_ftp_dir/root")"
  export MW_FTP_EVENTS="$(mw_windows_path "$mw_ftp_dir/events")"
}

mw_ftp_stop() {
  if [ -n "$mw_ftp_pid" ]; then
    kill "$mw_ftp_pid" 2>/dev/null
    wait "$mw_ftp_pid" 2>/dev/null
  fi
  [ -n "$mw_ftp_dir" ] && rm -rf "$mw_ftp_dir"
  mw_ftp_pid=""
  mw_ftp_dir=""
}
