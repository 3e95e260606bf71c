#!/usr/bin/env bash
# Drives the real window under Xvfb with xdotool, as a person would, in Bulgarian.
#   e2e_window_test.sh COMMAND...   (build/ui/triangle30, or wine64 triangle30.exe)
set -euo pipefail

# shellcheck source=check_lib.sh
source "$(dirname "$0")/check_lib.sh"
# shellcheck source=../scripts/xvfb-lib.sh
source "$(dirname "$0")/../scripts/xvfb-lib.sh"
start_xvfb

# LC_ALL too: Wine takes the regional settings from it.
LANG=bg_BG.UTF-8 LC_ALL=bg_BG.UTF-8 "$@" &
app=$!
wid=$(find_window --pid "$app")
[ -n "$wid" ] || { echo "FAIL: no window appeared"; exit 1; }
sleep 0.3

# A click at the centre of the named control, where the window's description puts it.
click() {
    read -r x y < <(centre "$1")
    xdotool mousemove --window "$wid" "$x" "$y" click 1
    sleep 0.1
}
key() { xdotool key "$@"; sleep 0.1; }
clipboard() { xclip -o -selection clipboard 2>/dev/null || true; }
copy_result_box() { click Text1_0; key ctrl+a; key ctrl+c; clipboard; }
alive() { kill -0 "$app" 2>/dev/null; }
windows() { xdotool search --onlyvisible --pid "$app" 2>/dev/null | wc -l; }
# Waits until the message has gone: without a window manager, Wine hides a closed window about
# 2 s late.
message_gone() { for _ in $(seq 50); do [ "$(windows)" -le 1 ] && break; sleep 0.1; done; }

# Option "катет AC", 2.5, "Изчисли".
click Option1_1
click Text2_0
xdotool type --delay 30 "2.5"
click Command1_0
expected="Катет BC = 1,44337567297406
Катет AC = 2,5
Хипотенуза AB = 2,88675134594813
Изчислен периметър P = 6,83012701892219
Проверка с теорема на Питагор:
2,08333333333333 + 6,25 = 8,33333333333334"
check_eq "report after катет AC and 2.5, copied with Ctrl+A Ctrl+C" "$expected" "$(copy_result_box)"

# Enter in the input calculates too.
click Text2_0
key ctrl+a
xdotool type --delay 30 "1"
key Return
check_eq "Enter calculates" "Катет BC = 0,577350269189626" "$(copy_result_box | head -n 1)"

# A number beyond range: a message, then the window goes on.
click Text2_0
key ctrl+a
xdotool type --delay 30 "1E999"
click Command1_0
sleep 0.3
check_eq "a message window opens for 1E999" "2" "$(windows)"
click Label1_0  # the window behind the message: the keyboard stays with the message
key Return
message_gone
check_eq "Enter closes the message, even after a click on the window behind it" "1" "$(windows)"
check "still running after the error" alive
check_eq "the earlier report stays after the error" "Катет BC = 0,577350269189626" "$(copy_result_box | head -n 1)"

# "Изчисти": options, input and result box emptied; calculate then does nothing.
click Command1_1
echo -n "sentinel" | xclip -i -selection clipboard
check_eq "the result box is empty after clearing" "sentinel" "$(copy_result_box)"
click Text2_0
xdotool type --delay 30 "1"
click Command1_0
check_eq "calculate does nothing with no option checked" "sentinel" "$(copy_result_box)"
click Text2_0
key ctrl+a
key ctrl+c
check_eq "the input was emptied by clearing" "1" "$(clipboard)"

check "still running after the checks" alive

# A close request from the title bar (WM_DELETE_WINDOW, as a window manager sends it).
close_request() {
    /usr/bin/python3 - "$wid" <<'PY'
import ctypes, sys
x = ctypes.CDLL("libX11.so.6")
x.XOpenDisplay.restype = ctypes.c_void_p
x.XInternAtom.restype = ctypes.c_ulong
x.XInternAtom.argtypes = [ctypes.c_void_p, ctypes.c_char_p, ctypes.c_int]
x.XSendEvent.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_int, ctypes.c_long, ctypes.c_void_p]
x.XFlush.argtypes = [ctypes.c_void_p]
class ClientMessage(ctypes.Structure):
    _fields_ = [("type", ctypes.c_int), ("serial", ctypes.c_ulong), ("send_event", ctypes.c_int),
                ("display", ctypes.c_void_p), ("window", ctypes.c_ulong),
                ("message_type", ctypes.c_ulong), ("format", ctypes.c_int),
                ("data", ctypes.c_long * 5), ("pad", ctypes.c_long * 12)]
display = x.XOpenDisplay(None)
if not display:
    sys.exit("no connection to the X server: the close request was not sent")
event = ClientMessage(type=33, display=display, window=int(sys.argv[1]),
                      message_type=x.XInternAtom(display, b"WM_PROTOCOLS", 0), format=32)
event.data[0] = x.XInternAtom(display, b"WM_DELETE_WINDOW", 0)
x.XSendEvent(display, int(sys.argv[1]), 0, 0, ctypes.byref(event))
x.XFlush(display)
PY
    for _ in $(seq 50); do alive || break; sleep 0.1; done
}
# An error's message, answered with Enter.
answered_error() {
    click "Option1_$1"
    click Text2_0
    key ctrl+a
    xdotool type --delay 30 -- "$2"
    click Command1_0
    sleep 0.3
    key Return
    message_gone
}

# Two answered messages (a size too large, a negative area), a calculation, a screenshot, then
# a close request: the program ends.
answered_error 0 1E999
answered_error 6 -1
click Option1_1
click Text2_0
key ctrl+a
xdotool type --delay 30 "2.5"
click Command1_0
import -window root png:- >/dev/null
close_request
check "after two answered messages, a close request ends the program" test ! -d "/proc/$app"

# While a message is open, the title bar's close ends the program at once, message and all.
# Wine turns the request into Windows' own, which Windows keeps from a window that a message
# blocks: Linux only.
if [[ "$*" != *wine* ]]; then
    LANG=bg_BG.UTF-8 LC_ALL=bg_BG.UTF-8 "$@" &
    app=$!
    wid=$(find_window --pid "$app")
    sleep 0.3
    click Option1_1
    click Text2_0
    xdotool type --delay 30 "1E999"
    click Command1_0
    sleep 0.3
    check_eq "a message is open" "2" "$(windows)"
    close_request
    check "the title bar's close ends the program while the message is open" test ! -d "/proc/$app"
fi
if [ "$failures" -eq 0 ]; then echo "all checks passed"; exit 0; fi
echo "$failures checks failed"
exit 1
