#!/bin/bash
# End-to-end checks of the real program under a virtual X server.
#
#   run_e2e.sh CASE BIN_DIR [OUT_DIR]
#
# CASE is one of
#   persist     type a value, close with "Beenden", check TAVI.DAT and
#               TAVI.INI; start again and check the value came back
#   truncated   a truncated TAVI.DAT gives "Fehler beim Einlesen der Daten."
#               once; after the answer the program runs and ends normally,
#               keeping the unreadable file as TAVI.DAT.defekt-<date> and
#               saying so once
#   lock        two programs on one data file: the second asks; "Nein" ends
#               it, "Ja" opens read-only and writes nothing; the first one's
#               input is what stays. A killed program's lock and temporary
#               files do not stand in the way of the next start
#   sigterm     SIGTERM to the running program still writes TAVI.DAT
#   oddfiles    a FIFO as TAVI.DAT neither hangs the start nor is replaced
#               (both failures are reported); the lines of TAVI.INI outside
#               the printer settings keep their bytes
#   unwritable  a TAVI.DAT of mode 000 keeps its bytes and mode, for a user
#               the permissions apply to (as root the program runs as
#               nobody)
#   screenshots the four pages with the worked example, as PNG files in
#               OUT_DIR (for looking at the layout; not a test)
#   userdata_signals
#               "Firmendaten" opened from the keyboard (F10, the menu), a
#               company name and a justification typed, then SIGTERM, SIGINT
#               and SIGHUP (one run each): the typed texts are kept as OK
#               would keep them and reach TAVI.DAT; both windows carry the
#               program's icon
#   userdata_geometry
#               under a window manager (openbox, which draws frames),
#               "Firmendaten" opened and closed ten times at scale factors 1
#               and 2: it reopens where it was, and TAVI.INI keeps one place
#   windows_on_screen
#               on a 1280 x 1024 screen at scale factor 2, under openbox: the
#               main window and the payback dialog (opened from the keyboard)
#               lie wholly on the screen, frames included; with OUT_DIR a
#               screenshot of each
#
# BIN_DIR holds the built program and its side files. Each case copies them
# into a fresh program directory. Without DISPLAY the script runs itself
# under xvfb-run (1024 x 768, 96 dpi). Needs: Xvfb/xvfb-run, xdotool, od,
# xprop, openbox (userdata_geometry) and ImageMagick's import for the
# screenshots.
set -u

CASE=${1:?case}
BIN_DIR=${2:?bin dir}
OUT_DIR=${3:-}

if [ -z "${DISPLAY:-}" ]; then
  SCREEN=1024x768x24
  [ "$CASE" = windows_on_screen ] && SCREEN=1280x1024x24
  exec xvfb-run -a -s "-screen 0 $SCREEN -dpi 96" "$0" "$@"
fi

TIMEOUT=60   # seconds for any one wait (the splash alone takes about 4)
# shellcheck source=e2elib.sh
. "$(dirname "$0")/e2elib.sh"
begin_work tavi-e2e

# A fresh program directory with the program and its side files.
prepare() {
  PROG="$WORK/prog"
  rm -rf "$PROG"
  prepare_program_dir "$BIN_DIR" "$PROG" || die "cannot copy the program"
}

start() { start_program "$PROG/tavi"; }

# Focuses the window and waits until X reports the focus there.
focus() {
  xdotool windowfocus --sync "$1" 2>/dev/null || xdotool windowfocus "$1"
  local i
  for ((i = 0; i < 50; i++)); do
    [ "$(xdotool getwindowfocus 2>/dev/null)" = "$1" ] && return 0
    sleep 0.1
  done
  return 0
}

# Replaces the text of the field that has the focus and leaves it with Tab.
type_field() {
  xdotool key --clearmodifiers ctrl+a
  xdotool type --delay 30 "$1"
  xdotool key Tab
}


# The four bytes of AnzZS (first field of the last 60 bytes) as hex.
anzzs_bytes() {
  local size
  size=$(stat -c %s "$1")
  od -An -tx1 -j $((size - 60)) -N4 "$1" | tr -d ' \n'
}

case_persist() {
  prepare
  start
  local win
  win=$(wait_window "$TITLE") || die "main window did not appear"
  focus "$win"
  type_field 120
  click_exit "$win"
  wait_exit || die "program did not end after Beenden"
  [ "$RC" = 0 ] || fail "exit code $RC"
  [ -f "$PROG/TAVI.DAT" ] || die "TAVI.DAT not written"
  local size
  size=$(stat -c %s "$PROG/TAVI.DAT")
  [ "$size" = 1828 ] || fail "TAVI.DAT has $size bytes, expected 1828"
  [ "$(anzzs_bytes "$PROG/TAVI.DAT")" = 78000000 ] || fail "AnzZS bytes $(anzzs_bytes "$PROG/TAVI.DAT"), expected 78000000"
  # The first bytes: two empty short strings, then the first text's length.
  [ "$(od -An -tx1 -N6 "$PROG/TAVI.DAT" | tr -d ' \n')" = 00009e010000 ] ||
    fail "head of TAVI.DAT $(od -An -tx1 -N6 "$PROG/TAVI.DAT")"
  [ -f "$PROG/TAVI.INI" ] || die "TAVI.INI not written"
  for key in LinkerRand ObererRand RechterRand UntererRand; do
    grep -q "^$key=" "$PROG/TAVI.INI" || fail "TAVI.INI lacks $key"
  done
  grep -q '^\[Druckereinstellungen\]' "$PROG/TAVI.INI" || fail "TAVI.INI lacks [Druckereinstellungen]"

  # Second run: the value is read, shown and written back untouched.
  local before
  before=$(od -An -tx1 "$PROG/TAVI.DAT")
  start
  win=$(wait_window "$TITLE") || die "main window did not appear on the second start"
  click_exit "$win"
  wait_exit || die "program did not end on the second run"
  [ "$(od -An -tx1 "$PROG/TAVI.DAT")" = "$before" ] || fail "TAVI.DAT changed on a run without input"
  [ "$(anzzs_bytes "$PROG/TAVI.DAT")" = 78000000 ] || fail "AnzZS lost on the second run"
}

case_truncated() {
  prepare
  head -c 10 /dev/zero >"$PROG/TAVI.DAT"
  printf 'abc' >>"$PROG/TAVI.DAT"
  cp "$PROG/TAVI.DAT" "$WORK/unreadable"
  start
  local err
  err=$(wait_window '^Fehler$') || die "no error message for the truncated file"
  focus "$err"
  xdotool key Return
  local win
  win=$(wait_window "$TITLE") || die "main window did not appear after the message"
  local more
  more=$(xdotool search --onlyvisible --name '^Fehler$' 2>/dev/null | wc -l)
  [ "$more" = 0 ] || fail "the error was shown more than once"
  # The program still works: type, end, and the file is whole again.
  focus "$win"
  type_field 33
  click_exit "$win"
  local info
  info=$(wait_window '^Information$') || die "no word where the unreadable file was kept"
  focus "$info"
  xdotool key Return
  wait_exit || die "program did not end"
  [ "$RC" = 0 ] || fail "exit code $RC"
  [ "$(anzzs_bytes "$PROG/TAVI.DAT")" = 21000000 ] || fail "AnzZS not written after the failed load"
  cmp -s "$WORK/unreadable" "$PROG/TAVI.DAT.defekt-$(date +%F)" || fail "the unreadable file was not kept as it was"
}

# Starts one more program; its process id goes to OTHER.
start_other() {
  "$PROG/tavi" >"$WORK/other.log" 2>&1 &
  OTHER=$!
}
wait_other() {
  local i
  for ((i = 0; i < TIMEOUT * 10; i++)); do
    if ! kill -0 "$OTHER" 2>/dev/null; then
      wait "$OTHER"
      return $?
    fi
    sleep 0.1
  done
  kill -KILL "$OTHER"
  return 99
}

case_lock() {
  prepare
  printf 'x' >"$PROG/TAVI.DAT.aZ09bY18.tmp"  # what a killed save leaves
  start
  local win ask ro
  win=$(wait_window "$TITLE") || die "main window did not appear"
  [ -e "$PROG/TAVI.DAT.aZ09bY18.tmp" ] && fail "the killed save's temporary file is still there"
  focus "$win"
  type_field 120

  # "Nein": the second program ends at once, without a window.
  start_other
  ask=$(wait_window '^Bestätigung$') || die "the second program did not ask"
  focus "$ask"
  xdotool key Escape
  wait_other || fail "the second program ended with $? after Nein"
  # "Ja": read-only; its input is not written.
  start_other
  ask=$(wait_window '^Bestätigung$') || die "the third program did not ask"
  focus "$ask"
  xdotool key Return
  ro=$(wait_window 'schreibgesch') || die "no read-only window"
  focus "$ro"
  type_field 999
  click_exit "$ro"
  wait_other || fail "the read-only program ended with $?"
  [ -e "$PROG/TAVI.DAT" ] && fail "the read-only program wrote TAVI.DAT"

  focus "$win"
  click_exit "$win"
  wait_exit || die "the first program did not end"
  [ "$(anzzs_bytes "$PROG/TAVI.DAT")" = 78000000 ] || fail "the first program's input was not kept"

  # A program killed outright: its lock is stale, the next start asks nothing.
  start
  wait_window "$TITLE" >/dev/null || die "main window did not appear"
  kill -KILL "$PID"
  wait_exit
  [ -e "$PROG/TAVI.DAT.lock" ] || fail "no lock file left by the killed program"
  start
  win=$(wait_window "$TITLE") || die "main window did not appear after the killed one"
  xdotool search --onlyvisible --name '^Bestätigung$' >/dev/null 2>&1 && fail "asked about a dead program's lock"
  click_exit "$win"
  wait_exit || die "program did not end"
}

case_sigterm() {
  prepare
  start
  local win
  win=$(wait_window "$TITLE") || die "main window did not appear"
  focus "$win"
  type_field 77
  kill -TERM "$PID"
  wait_exit || die "program did not end on SIGTERM"
  [ "$RC" = 0 ] || fail "exit code $RC after SIGTERM"
  [ -f "$PROG/TAVI.DAT" ] || die "TAVI.DAT not written on SIGTERM"
  [ "$(anzzs_bytes "$PROG/TAVI.DAT")" = 4d000000 ] || fail "AnzZS bytes $(anzzs_bytes "$PROG/TAVI.DAT")"
}

# Answers the next "Fehler" message with Return; $1 says which one.
answer_error() {
  local err
  err=$(wait_window '^Fehler$') || { fail "no message: $1"; return 1; }
  focus "$err"
  xdotool key Return
}

# Lists temporary files left beside TAVI.DAT or TAVI.INI.
leftovers() { find "$PROG" -maxdepth 1 -name 'TAVI.*.tmp' | sed 's|.*/||'; }

case_oddfiles() {
  prepare
  mkfifo "$PROG/TAVI.DAT"
  # Hand-made lines around the printer settings: comments, a section name
  # with a blank, Windows-1252 umlauts, backslashes, no last line end.
  local before="$WORK/ini-before" after="$WORK/ini-after"
  printf '; von Hand\r\n[Mein Abschnitt]\r\nPfad=C:\\Programme\\TAVI\r\nGr\xf6\xdfe=gro\xdf\r\n\r\n' >"$before"
  printf '\r\n[Zuletzt]\r\nDatei="C:\\Daten\\TAVI.DAT"' >"$after"
  { cat "$before"; printf '[Druckereinstellungen]\r\nLinkerRand=150\r\n'; cat "$after"; } >"$PROG/TAVI.INI"
  start
  answer_error "reading the FIFO (did the start block?)" || return 1
  local win
  win=$(wait_window "$TITLE") || die "main window did not appear"
  click_exit "$win"
  answer_error "saving onto the FIFO" || return 1
  wait_exit || die "program did not end"
  [ "$RC" = 0 ] || fail "exit code $RC"
  [ -p "$PROG/TAVI.DAT" ] || fail "TAVI.DAT is no longer the FIFO"
  head -c "$(stat -c %s "$before")" "$PROG/TAVI.INI" | cmp -s - "$before" || fail "TAVI.INI changed before the printer settings"
  tail -c "$(stat -c %s "$after")" "$PROG/TAVI.INI" | cmp -s - "$after" || fail "TAVI.INI changed after the printer settings"
  [ -z "$(leftovers)" ] || fail "temporary files left: $(leftovers)"
}

case_unwritable() {
  prepare
  printf 'meine Daten' >"$PROG/TAVI.DAT"
  chmod 000 "$PROG/TAVI.DAT"
  local -a as_user=()
  if [ "$(id -u)" = 0 ]; then
    # The program runs as nobody, in a folder that nobody may write (so
    # only the file's own mode stands in the way), with access to the
    # virtual display.
    chmod 755 "$WORK"
    mkdir -p "$WORK/home"
    cp "${XAUTHORITY:?}" "$WORK/xauth" && chmod 644 "$WORK/xauth"
    chown -R 65534:65534 "$PROG" "$WORK/home"
    as_user=(setpriv --reuid=65534 --regid=65534 --clear-groups env HOME="$WORK/home" XAUTHORITY="$WORK/xauth")
    # A sanitizer build's suppression file may lie where nobody cannot read.
    local supp
    supp=$(printf '%s' "${LSAN_OPTIONS:-}" | sed -n 's/.*suppressions=\([^:]*\).*/\1/p')
    if [ -n "$supp" ] && cp "$supp" "$WORK/lsan.supp"; then
      chmod 644 "$WORK/lsan.supp"
      as_user+=(LSAN_OPTIONS="${LSAN_OPTIONS//$supp/$WORK/lsan.supp}")
    fi
  fi
  "${as_user[@]}" "$PROG/tavi" >"$WORK/tavi.log" 2>&1 &
  PID=$!
  answer_error "reading the unreadable file" || return 1
  local win
  win=$(wait_window "$TITLE") || die "main window did not appear"
  focus "$win"
  type_field 120
  click_exit "$win"
  answer_error "saving over the unwritable file" || return 1
  wait_exit || die "program did not end"
  [ "$RC" = 0 ] || fail "exit code $RC"
  [ "$(stat -c %a "$PROG/TAVI.DAT")" = 0 ] || fail "mode of TAVI.DAT now $(stat -c %a "$PROG/TAVI.DAT")"
  [ "$(cat "$PROG/TAVI.DAT")" = "meine Daten" ] || fail "TAVI.DAT lost its bytes"
  [ -z "$(leftovers)" ] || fail "temporary files left: $(leftovers)"
}

case_screenshots() {
  [ -n "$OUT_DIR" ] || die "screenshots need an output folder"
  mkdir -p "$OUT_DIR"
  prepare
  start
  local win
  win=$(wait_window "$TITLE") || die "main window did not appear"
  focus "$win"
  type_field 120
  type_field 7.5
  type_field 30
  type_field 40
  xdotool key --clearmodifiers ctrl+a
  xdotool type --delay 30 50
  xdotool key shift+Tab  # back inside the pages, so that Ctrl+Tab turns them
  local page
  for page in 1 2 3 4; do
    sleep 0.3  # let the page paint
    import -window root "$OUT_DIR/page$page.png"
    xdotool key ctrl+Tab
  done
  click_exit "$win"
  wait_exit || die "program did not end"
}

# Opens "Firmendaten" from the keyboard: F10 drops down "Datei", Right
# steps to "Bearbeiten", Down passes "Seite" and the separator.
open_userdata() {
  xdotool key F10
  sleep 0.3
  xdotool key Right
  sleep 0.3
  xdotool key Down Return
}

case_userdata_signals() {
  local sig win dlg
  for sig in TERM INT HUP; do
    prepare
    start
    win=$(wait_window "$TITLE") || die "main window did not appear ($sig)"
    focus "$win"
    open_userdata
    dlg=$(wait_window '^Firmendaten$') || die "Firmendaten did not open from the keyboard ($sig)"
    # Both windows carry the program's own icon.
    local w
    for w in "$win" "$dlg"; do
      xprop -id "$w" _NET_WM_ICON 2>/dev/null | grep -q '_NET_WM_ICON(CARDINAL) =' || fail "window $w has no icon"
    done
    focus "$dlg"
    xdotool type --delay 30 "Firma $sig"
    xdotool key Tab Tab
    xdotool type --delay 30 "Grund $sig"
    sleep 0.3
    kill -"$sig" "$PID"
    wait_exit || die "program did not end on SIG$sig with Firmendaten open"
    [ "$RC" = 0 ] || fail "exit code $RC after SIG$sig"
    [ -f "$PROG/TAVI.DAT" ] || die "TAVI.DAT not written on SIG$sig"
    grep -q "Firma $sig" "$PROG/TAVI.DAT" || fail "company name typed before SIG$sig was lost"
    grep -q "Grund $sig" "$PROG/TAVI.DAT" || fail "justification typed before SIG$sig was lost"
  done
}

# The stored place of "Firmendaten": "Left,Top,Width,Height".
userdata_place() {
  local key out=""
  for key in Left Top Width Height; do
    out="$out$(sed -n "s/^tDlgUserData_$key=\([0-9-]*\).*/\1/p" "$PROG/TAVI.INI" | head -1),"
  done
  echo "${out%,}"
}

case_userdata_geometry() {
  command -v openbox >/dev/null || die "openbox is needed (scripts/install-deps.sh)"
  openbox >/dev/null 2>&1 &
  local wm=$! scale win dlg i first place where firstwhere
  sleep 1
  for scale in 1 2; do
    prepare
    QT_SCALE_FACTOR=$scale "$PROG/tavi" >"$WORK/tavi.log" 2>&1 &
    PID=$!
    win=$(wait_window "$TITLE") || die "main window did not appear (scale $scale)"
    first=""
    firstwhere=""
    for ((i = 1; i <= 10; i++)); do
      xdotool windowactivate --sync "$win" 2>/dev/null || focus "$win"
      open_userdata
      dlg=$(wait_window '^Firmendaten$') || die "Firmendaten did not open (scale $scale, cycle $i)"
      sleep 0.3
      where=$(xdotool getwindowgeometry "$dlg" | tail -n +2 | tr -s " \n" " ")
      xdotool key Escape
      for ((n = 0; n < 50; n++)); do
        xdotool search --onlyvisible --name '^Firmendaten$' >/dev/null 2>&1 || break
        sleep 0.1
      done
      place=$(userdata_place)
      if [ -z "$first" ]; then
        first=$place
        firstwhere=$where
      else
        [ "$place" = "$first" ] || fail "scale $scale, cycle $i: stored $place, first $first"
        [ "$where" = "$firstwhere" ] || fail "scale $scale, cycle $i: shown at $where, first at $firstwhere"
      fi
    done
    click_exit "$win" 2>/dev/null
    kill -TERM "$PID" 2>/dev/null
    wait_exit || die "program did not end (scale $scale)"
  done
  kill "$wm" 2>/dev/null
}

# Fails unless window $1 lies on the screen with its frame; $2 names it.
check_on_screen() {
  local x y w h ext l r t b sw sh
  x=$(xwininfo -id "$1" | sed -n 's/.*Absolute upper-left X: *\(-*[0-9]*\).*/\1/p')
  y=$(xwininfo -id "$1" | sed -n 's/.*Absolute upper-left Y: *\(-*[0-9]*\).*/\1/p')
  w=$(xwininfo -id "$1" | sed -n 's/.*Width: *\([0-9]*\).*/\1/p')
  h=$(xwininfo -id "$1" | sed -n 's/.*Height: *\([0-9]*\).*/\1/p')
  ext=$(xprop -id "$1" _NET_FRAME_EXTENTS 2>/dev/null | sed -n 's/.*= *//p' | tr -d ' ')
  IFS=, read -r l r t b <<<"${ext:-0,0,0,0}"
  sw=$(xwininfo -root | sed -n 's/.*Width: *\([0-9]*\).*/\1/p')
  sh=$(xwininfo -root | sed -n 's/.*Height: *\([0-9]*\).*/\1/p')
  if [ $((x - l)) -lt 0 ] || [ $((y - t)) -lt 0 ] || [ $((x + w + r)) -gt "$sw" ] || [ $((y + h + b)) -gt "$sh" ]; then
    fail "$2 off the screen: client ${w}x$h at $x,$y, frame $l,$r,$t,$b, screen ${sw}x$sh"
  fi
}

case_windows_on_screen() {
  command -v openbox >/dev/null || die "openbox is needed (scripts/install-deps.sh)"
  openbox >/dev/null 2>&1 &
  local wm=$! win dlg
  sleep 1
  prepare
  QT_SCALE_FACTOR=2 "$PROG/tavi" >"$WORK/tavi.log" 2>&1 &
  PID=$!
  win=$(wait_window "$TITLE") || die "main window did not appear"
  sleep 0.5
  check_on_screen "$win" "main window"
  # "Bearbeiten": past "Seite" and "Firmendaten" to "Amortisationsrechnung".
  # A busy machine may take a key before the menu is open: close what is
  # open and try again, at most three times.
  local try
  dlg=""
  for try in 1 2 3; do
    xdotool windowactivate --sync "$win" 2>/dev/null || focus "$win"
    xdotool key F10
    sleep 0.5
    xdotool key Right
    sleep 0.5
    xdotool key Down Down Return
    dlg=$(TIMEOUT=5 wait_window '^Amortisationsrechnung$') && break
    xdotool key Escape Escape
    sleep 0.5
  done
  [ -n "$dlg" ] || die "the payback dialog did not open from the keyboard"
  sleep 0.5
  check_on_screen "$dlg" "payback dialog"
  if [ -n "$OUT_DIR" ]; then
    mkdir -p "$OUT_DIR"
    import -window root "$OUT_DIR/payback-scale2.png"
  fi
  kill -TERM "$PID"
  wait_exit || die "program did not end"
  kill "$wm" 2>/dev/null
}

"case_$CASE" || FAILED=1
if [ "$FAILED" != 0 ]; then
  echo "--- program output" >&2
  cat "$WORK/tavi.log" >&2 2>/dev/null
  exit 1
fi
echo "PASS: $CASE"
