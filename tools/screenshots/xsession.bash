# Sourced by the scripts that drive the staged program under a virtual X server
# (tools/screenshots/take-screenshots, tests/e2e/run-e2e): the server, a fresh program
# folder, where each control stands, and the mouse and keyboard. The sourcing script sets
# `me` (its name, for messages) and `controls` (the file of control positions), and defines
# `settle`, which each click and key calls after the input event with their second argument:
# it lets the program work before the next event. With `windows=true` the staged program is
# the Windows build (app/torvane.exe), run by Wine in the prefix WINEPREFIX names.

# ImageMagick's import, not another program of that name on the PATH.
import=/usr/bin/import
program_pid=""
xvfb_pid=""
windows=${windows:-false}

# Stops with the reason on stderr.
die() {
    echo "$me: $*" >&2
    exit 1
}

# The tools and the staged build files this needs, or a message saying what is missing.
require_session() {
    local build=$1 tool file
    for tool in Xvfb xdotool "$import"; do
        command -v "$tool" >/dev/null || die "$tool is missing (scripts/install-deps)"
    done
    if $windows; then
        command -v wine >/dev/null || die "wine is missing (scripts/deps-windows.txt)"
        for file in app/torvane.exe tools/torvane-locate-controls.exe; do
            [ -f "$build/$file" ] || die "build $build/$file first"
        done
        return 0
    fi
    for file in app/torvane tools/make-demo-prefix tools/torvane-locate-controls; do
        [ -x "$build/$file" ] || die "build $build/$file first"
    done
}

end_session() {
    [ -n "$program_pid" ] && kill "$program_pid" 2>/dev/null
    [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null
    return 0
}

# Starts Xvfb (800 x 600, 96 dpi, no window manager) on a display nobody uses and exports
# DISPLAY; the server and the program stop when the script ends. The server picks the free
# display itself (-displayfd) and names it only once it accepts connections, so two runs
# started at once never share a display, and a busy machine's slow start is waited for rather
# than taken for a server another run started. The server never resets: an X server resets when
# its last client leaves and refuses connections meanwhile, so the program, started just after
# xdotool's check has left, would find no display.
start_display() {
    local named display=""
    trap end_session EXIT
    named=$(mktemp "${TMPDIR:-/tmp}/torvane-display.XXXXXX")
    # Tied to this script: a run killed before its trap can act leaves no server behind.
    setpriv --pdeathsig TERM Xvfb -displayfd 9 -noreset -screen 0 800x600x24 -dpi 96 -nolisten tcp \
        9>"$named" >/dev/null 2>&1 &
    xvfb_pid=$!
    for _ in $(seq 600); do
        display=$(tr -dc '0-9' <"$named")
        [ -n "$display" ] && break
        kill -0 "$xvfb_pid" 2>/dev/null || break
        sleep 0.1
    done
    rm -f "$named"
    [ -n "$display" ] || die "no virtual X server would start"
    export DISPLAY=":$display"
    xdotool getdisplaygeometry >/dev/null 2>&1 ||
        die "the virtual X server on $DISPLAY does not answer"
}

# A program folder as the user unpacks it: the staged executable and its data files.
fresh_program() {
    local build=$1 folder=$2
    mkdir -p "$folder"
    if $windows; then
        cp "$build/app/torvane.exe" "$build/app/"*.tvn "$folder/"
    else
        cp "$build/app/torvane" "$build/app/"*.tvn "$folder/"
    fi
}

# Starts the program in its folder on the demo prefix, as the user starts it there. What it
# deletes goes to a desktop trash beside the folder (FOLDER-data/Trash), never the user's.
# With `program_path` set, the program's PATH is that (a folder without Wine: no Wine installed).
start_program() {
    local folder=$1 prefix=$2 log=$3
    local data="${folder%/}-data"
    mkdir -p "$data"
    if $windows; then
        (cd "$folder" && exec env WINEPREFIX="$prefix" XDG_DATA_HOME="$data" \
            wine "$folder/torvane.exe") >"$log" 2>&1 &
    else
        (cd "$folder" && exec env WINEPREFIX="$prefix" XDG_DATA_HOME="$data" QT_QPA_PLATFORM=xcb \
            ${program_path:+PATH="$program_path"} ./torvane) >"$log" 2>&1 &
    fi
    program_pid=$!
}

# Measures where each control of the main window stands in language `index` (0 English,
# 1 French, 2 Italian) into `controls`, the file `where` reads. Under Wine the measuring
# program shows the window on the display, with Wine's own fonts, as the program will.
locate_controls() {
    local build=$1 folder=$2 index=$3 log=$4
    if $windows; then
        # Windows ends its lines with CR LF.
        wine "$build/tools/torvane-locate-controls.exe" "Z:$folder" "$index" 2>"$log" |
            tr -d '\r' >"$controls" || die "torvane-locate-controls.exe failed (see $log)"
        return 0
    fi
    QT_QPA_PLATFORM=offscreen "$build/tools/torvane-locate-controls" "$folder" "$index" \
        >"$controls" 2>"$log" || die "torvane-locate-controls failed (see $log)"
}

# The centre of a control in the main window, as torvane-locate-controls measured it.
where() {
    awk -v name="$1" '$1 == name { print $2, $3; found = 1 } END { exit !found }' "$controls" ||
        die "no control $1"
}

# Clicks a control of the main window `window` with the left mouse button.
click() {
    # shellcheck disable=SC2046
    xdotool mousemove --window "$window" $(where "$1") click 1
    settle "${2:-}"
}

key() {
    xdotool key --clearmodifiers "$1"
    settle "${2:-}"
}

# The window the program shows on top with that title; keys go to it.
focus_top() {
    local top
    top=$(xdotool search --onlyvisible --name "$1" | tail -1)
    xdotool windowfocus --sync "$top" 2>/dev/null || true
}
