#!/bin/bash
# End-to-end checks of "tavi FILE" on the real program under a virtual X
# server.
#
#   run_e2e_files.sh CASE BIN_DIR
#
# CASE is one of
#   open     "tavi Angebot.tavi" (as the desktop entry starts it with %f):
#            the window names the file; a value typed and "Beenden" write
#            that file, and TAVI.DAT is neither read nor written
#   refused  an unknown option, two files, a missing file and a folder are
#            each refused with a German message on the standard error and
#            exit status 2, before any window shows
set -u

CASE=${1:?case}
BIN_DIR=${2:?bin dir}

if [ -z "${DISPLAY:-}" ]; then
  exec xvfb-run -a -s "-screen 0 1024x768x24 -dpi 96" "$0" "$@"
fi

TIMEOUT=60
# shellcheck source=e2elib.sh
. "$(dirname "$0")/e2elib.sh"
begin_work tavi-e2e-files
PROG="$WORK/prog"
prepare_program_dir "$BIN_DIR" "$PROG" || die "cannot copy the program"

# A calculation file made by the program itself: the default record.
make_calculation() {
  start_program "$PROG/tavi"
  local win
  win=$(wait_window "$TITLE") || die "main window did not appear"
  sleep 0.5
  click_exit "$win"
  wait_exit || die "program did not end"
  mv "$PROG/TAVI.DAT" "$1" || die "no TAVI.DAT to make $1 from"
}

case "$CASE" in
  open)
    make_calculation "$WORK/Angebot.tavi"
    "$PROG/tavi" "$WORK/Angebot.tavi" >"$WORK/tavi.log" 2>&1 &
    PID=$!
    win=$(wait_window "Angebot.tavi - $TITLE") || die "no window named after the file"
    xdotool windowfocus --sync "$win" 2>/dev/null || xdotool windowfocus "$win"
    sleep 0.3
    xdotool key --clearmodifiers ctrl+a
    xdotool type --delay 30 4321
    xdotool key Tab
    sleep 0.3
    xdotool search --onlyvisible --name "^\*Angebot.tavi - $TITLE" >/dev/null || fail "no change mark in the title"
    click_exit "$win"
    wait_exit || die "program did not end"
    [ "$RC" -eq 0 ] || fail "exit code $RC"
    size=$(stat -c %s "$WORK/Angebot.tavi")
    anzzs=$(od -An -tx1 -j $((size - 60)) -N4 "$WORK/Angebot.tavi" | tr -d ' \n')
    [ "$anzzs" = e1100000 ] || fail "Angebot.tavi holds AnzZS bytes $anzzs, not 4321"
    [ ! -e "$PROG/TAVI.DAT" ] || fail "TAVI.DAT was written though another file was open"
    ;;
  refused)
    mkdir "$WORK/ordner"
    : >"$WORK/a.tavi"
    : >"$WORK/b.tavi"
    check_refused() {
      local expected=$1
      shift
      timeout "$TIMEOUT" "$PROG/tavi" "$@" >"$WORK/out.log" 2>"$WORK/err.log"
      local rc=$?
      [ "$rc" -eq 2 ] || fail "tavi $* ended with $rc, not 2"
      grep -q "$expected" "$WORK/err.log" || fail "tavi $*: stderr lacks \"$expected\": $(cat "$WORK/err.log")"
      [ ! -e "$PROG/TAVI.DAT" ] || fail "tavi $* wrote TAVI.DAT"
    }
    check_refused "unbekannte Option \"--drucken\"" --drucken
    check_refused "nur eine Datei" "$WORK/a.tavi" "$WORK/b.tavi"
    check_refused "gibt es nicht" "$WORK/fehlt.tavi"
    check_refused "ist ein Ordner" "$WORK/ordner"
    ;;
  *) die "unknown case $CASE" ;;
esac
[ "$FAILED" -eq 0 ] || exit 1
echo "ok: $CASE"
