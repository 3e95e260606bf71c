# shellcheck shell=bash
# Sourced by the scripts that run windows under a private X server.
#   start_xvfb [XVFB OPTIONS]  starts Xvfb on a free display, exports DISPLAY, and stops it (and
#                              the process whose pid is in $app, if any) when the script exits
#   find_window --pid PID      prints the first visible window of PID (or of another xdotool
#                              search, --name TITLE), waiting up to 10 s
#   centre NAME                prints the centre of the window's control NAME (Option1_1,
#                              Command1_0, ...) as "X Y", from the window's description: the
#                              command in TRIANGLE30_DESCRIBE, by default build/form/describe

start_xvfb() {
    local fdfile
    fdfile=$(mktemp)
    # -noreset: by default the server resets whenever its last client leaves, and refuses
    # connections meanwhile; on a loaded machine the next program then fails to start.
    Xvfb -displayfd 3 "$@" -screen 0 1024x768x24 -nolisten tcp -noreset 3>"$fdfile" \
        >/dev/null 2>&1 &
    xvfb_pid=$!
    # shellcheck disable=SC2154  # app: the caller's program, once it has started one
    trap 'kill ${app:-} $xvfb_pid 2>/dev/null || true' EXIT
    for _ in $(seq 200); do [ -s "$fdfile" ] && break; sleep 0.05; done
    DISPLAY=":$(head -n 1 "$fdfile")"
    export DISPLAY
    rm -f "$fdfile"
    unset QT_QPA_PLATFORM WAYLAND_DISPLAY
    export XDG_RUNTIME_DIR="${XDG_RUNTIME_DIR:-$(mktemp -d)}"
}

find_window() {
    local window=""
    for _ in $(seq 200); do
        window=$(xdotool search --onlyvisible "$@" 2>/dev/null | head -n 1 || true)
        [ -n "$window" ] && break
        sleep 0.05
    done
    echo "$window"
}

centre() {
    if [ -z "${centres:-}" ]; then
        # shellcheck disable=SC2086
        centres=$(${TRIANGLE30_DESCRIBE:-$(dirname "${BASH_SOURCE[0]}")/../build/form/describe} \
            --centres | tr -d '\r')
    fi
    local line
    line=$(grep "^$1 " <<<"$centres") || { echo "no control $1" >&2; return 1; }
    echo "${line#* }"
}
