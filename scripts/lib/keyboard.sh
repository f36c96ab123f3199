# Keys and windows on a virtual display, for the scripts that use the program as a person would.
# Sourced, not run.

# Presses keys one after another and lets the program answer.
keys() { xdotool key --delay 80 "$@"; sleep 0.5; }

# Types a text character by character.
type() { xdotool type --delay 40 "$1"; sleep 0.3; }

# Waits for the visible window with the title and gives it the keyboard, which nobody does
# without a window manager. Prints the window's id.
take_window() {
    local window
    window=$(xdotool search --sync --onlyvisible --name "$1" | head -1)
    sleep 1
    xdotool windowfocus --sync "$window"
    echo "$window"
}
