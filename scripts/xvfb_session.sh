# Sourced by the scripts that run the real program on a virtual display.
# start_xvfb_session LOW: starts Xvfb on a display between LOW and LOW+99, exports DISPLAY,
# makes a fresh settings folder in $config, and on exit ends the program ($app_pid, once
# set), Xvfb and the folder, then runs the caller's own extra_cleanup if it defines one.

start_xvfb_session() {
  display=:$(($1 + RANDOM % 100))
  Xvfb "$display" -screen 0 1024x768x24 -nolisten tcp > /dev/null 2>&1 &
  xvfb_pid=$!
  config=$(mktemp -d)
  app_pid=""
  trap end_xvfb_session EXIT
  export DISPLAY=$display
  sleep 1
}

end_xvfb_session() {
  [ -n "$app_pid" ] && kill "$app_pid" 2> /dev/null || true
  kill "$xvfb_pid" 2> /dev/null || true
  rm -rf "$config"
  if declare -F extra_cleanup > /dev/null; then extra_cleanup; fi
}
