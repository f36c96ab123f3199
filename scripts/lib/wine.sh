# Wine for the Windows build's programs: a prefix of their own, made when missing, and a
# wineserver that stays until stop_wine, so that each program starts in a fraction of a second
# instead of seconds. Sourced, not run.

# Usage: start_wine PREFIX
start_wine() {
    export WINEPREFIX=$1 WINEDEBUG=-all
    mkdir -p "$WINEPREFIX"
    # Without their output, which would keep the caller's pipes open for as long as they run.
    wineserver -p >/dev/null 2>&1
    wineboot >/dev/null 2>&1
}

# Ends the wineserver and every program still running in the prefix.
stop_wine() {
    wineserver -k >/dev/null 2>&1 || true
}
