# Helpers for driving the real program under a virtual X server (sourced by
# the end-to-end and install checks). Needs xdotool; expects TIMEOUT
# (seconds for any one wait) to be set. begin_work makes the scratch folder
# WORK; the running program's process id is kept in PID.

# A fresh scratch folder /tmp/<prefix>-XXXXXX in WORK. At exit a program
# still running is killed and the folder removed.
begin_work() {
  WORK=$(mktemp -d "/tmp/$1-XXXXXX")
  PID=""
  RC=0
  FAILED=0
  trap end_work EXIT
}
end_work() {
  if [ -n "$PID" ] && kill -0 "$PID" 2>/dev/null; then kill -KILL "$PID" 2>/dev/null; fi
  rm -rf "$WORK"
}

# A failure that lets the case go on (FAILED is set), and one that ends it
# (with what the program wrote).
fail() { echo "FAIL: $*" >&2; FAILED=1; }
die() {
  echo "FAIL: $*" >&2
  [ -f "$WORK/tavi.log" ] && cat "$WORK/tavi.log" >&2
  exit 1
}

TITLE="MORLAK-Amortisationsrechnung"

# Fills folder $2 with the program and its side files from the build's
# program directory $1 (language file, help, layout files).
prepare_program_dir() {
  mkdir -p "$2" || return 1
  cp "$1/tavi" "$1/TAVI.049" "$2/" || return 1
  cp -r "$1/TAVI.HLP" "$2/" || return 1
  local f
  for f in "$1"/BLATT*.CFM; do [ -e "$f" ] && cp "$f" "$2/"; done
  return 0
}

# Starts a program file in the background; its output goes to $WORK/tavi.log.
start_program() {
  "$1" >"$WORK/tavi.log" 2>&1 &
  PID=$!
}

# Waits for a visible window whose name matches the pattern; prints its id.
wait_window() {
  local id
  id=$(timeout "$TIMEOUT" xdotool search --sync --onlyvisible --name "$1" 2>/dev/null | head -1)
  [ -n "$id" ] || return 1
  echo "$id"
}

# Waits until the program has ended; sets RC.
wait_exit() {
  local i
  for ((i = 0; i < TIMEOUT * 10; i++)); do
    if ! kill -0 "$PID" 2>/dev/null; then
      wait "$PID"
      RC=$?
      PID=""
      return 0
    fi
    sleep 0.1
  done
  return 1
}

# Clicks "Beenden" of the main window (75 x 25, 8 pixels from the lower
# right corner of its 636 x 435 client area).
click_exit() {
  xdotool mousemove --window "$1" $((636 - 8 - 37)) $((435 - 8 - 12)) click 1
}
