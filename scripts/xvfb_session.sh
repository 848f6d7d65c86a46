# Sourced by the scripts that run the real program on a virtual display.
# start_xvfb_session LOW [SCREEN]: starts Xvfb on a display between LOW and LOW+99 with one
# screen of SCREEN (default 1024x768x24), exports DISPLAY, makes a fresh settings folder in
# $config, and on exit ends the program ($app_pid, once set), the window manager (once
# started), Xvfb and the folder, then runs the caller's own extra_cleanup if it defines one.

start_xvfb_session() {
  # A display that another server holds makes Xvfb end at once: another number is tried.
  for _ in 1 2 3 4 5; do
    display=:$(($1 + RANDOM % 100))
    Xvfb "$display" -screen 0 "${2:-1024x768x24}" -nolisten tcp > /dev/null 2>&1 &
    xvfb_pid=$!
    sleep 1
    kill -0 "$xvfb_pid" 2> /dev/null && break
  done
  config=$(mktemp -d)
  app_pid=""
  trap end_xvfb_session EXIT
  export DISPLAY=$display
}

end_xvfb_session() {
  [ -n "$app_pid" ] && kill "$app_pid" 2> /dev/null || true
  [ -n "${wm_pid:-}" ] && kill "$wm_pid" 2> /dev/null || true
  kill "$xvfb_pid" 2> /dev/null || true
  rm -rf "$config"
  if declare -F extra_cleanup > /dev/null; then extra_cleanup; fi
}

# start_game_with_disk_audio BUILD_DIR RAW_FILE: starts the program in BUILD_DIR with SDL's
# disk audio driver writing RAW_FILE, sets $app_pid and $start (for since), waits for the
# main window and sets $win, $caption and click X Y (a click at client-area pixel X, Y).
start_game_with_disk_audio() {
  rm -f "$2"
  start=$(date +%s.%N)
  (cd "$1" && XDG_CONFIG_HOME="$config" SDL_AUDIODRIVER=disk SDL_DISKAUDIOFILE="$2" \
    LANG=C.UTF-8 exec ./velkor 2> /dev/null) &
  app_pid=$!
  xdotool search --sync --onlyvisible --name "^VELKOR Ver" > /dev/null
  sleep 3
  # Windows come and go while the opening window closes; ask again until one answers.
  local geometry=""
  for _ in 1 2 3 4 5; do
    win=$(xdotool search --onlyvisible --name "^VELKOR Ver" | tail -1)
    geometry=$(xdotool getwindowgeometry --shell "$win" 2> /dev/null) && break
    sleep 1
  done
  eval "$geometry"
  caption=$(xdotool getwindowname "$win")
  cx=$X
  cy=$((Y + HEIGHT - 372))
}

# start_window_manager: starts openbox on the session's display, with its settings read from
# the system's files only (the fresh folder stands in for the user's), sets $wm_pid and waits
# until it manages the screen; fails when it does not within 10 s.
start_window_manager() {
  # Under load the new server can take more than the second it was given to take clients.
  for _ in $(seq 100); do
    xdotool getdisplaygeometry > /dev/null 2>&1 && break
    sleep 0.1
  done
  XDG_CONFIG_HOME="$config" XDG_CACHE_HOME="$config" openbox --sm-disable > "$config/openbox.log" 2>&1 &
  wm_pid=$!
  for _ in $(seq 100); do
    kill -0 "$wm_pid" 2> /dev/null || break
    xdotool get_desktop > /dev/null 2>&1 && return 0
    sleep 0.1
  done
  echo "FAIL: the window manager did not start on $DISPLAY:"
  cat "$config/openbox.log"
  return 1
}

since() { echo "$(date +%s.%N) - $start" | bc; }

click() {
  xdotool mousemove $((cx + $1)) $((cy + $2))
  sleep 0.3
  xdotool click 1
}

# stop_game: ends the program as the desktop would and fails when it does not go.
stop_game() {
  kill "$app_pid"
  for _ in 1 2 3 4 5 6 7 8 9 10; do kill -0 "$app_pid" 2> /dev/null || break; sleep 0.5; done
  kill -0 "$app_pid" 2> /dev/null && { echo "FAIL: the program ignored SIGTERM"; kill -9 "$app_pid"; exit 1; }
  wait "$app_pid" 2> /dev/null || true
  app_pid=""
}
