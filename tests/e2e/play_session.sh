#!/usr/bin/env bash
# A player's session in the real program, under Xvfb, driven by real input events: the splash,
# the tips closed, New with a generated grid, a digit placed through the selector, a candidate
# removed with the right button, a family ticked, undo, Save As; a second grid played by keyboard
# only and saved with Ctrl+S; quit with the question answered.
# Then the saved grid file and the settings file are checked on disk. Screenshots of each step go
# to the artifacts folder.
#
# usage: play_session.sh PROGRAM ARTIFACTS_DIR   (run inside xvfb-run)
set -euo pipefail

program=$1
artifacts=$2
mkdir -p "$artifacts"
data=$(mktemp -d)
export TESSARINE_DATA_DIR=$data
step=0

fail() {
    echo "FAILED: $*" >&2
    import -window root "$artifacts/failure.png" 2>/dev/null || true
    exit 1
}

shot() {
    step=$((step + 1))
    import -window root "$artifacts/$(printf '%02d' $step)-$1.png"
}

# Waits (at most 60 s: a loaded machine starts the program slowly) for a visible window whose title matches, and prints its id.
wait_window() {
    local id
    for _ in $(seq 600); do
        id=$(xdotool search --onlyvisible --name "$1" 2>/dev/null | tail -n 1 || true)
        if [[ -n $id ]]; then
            echo "$id"
            return 0
        fi
        sleep 0.1
    done
    fail "no window named '$1'"
}

# Waits (at most 60 s) until no visible window's title matches.
wait_gone() {
    for _ in $(seq 600); do
        xdotool search --onlyvisible --name "$1" >/dev/null 2>&1 || return 0
        sleep 0.1
    done
    fail "window '$1' did not close"
}

# Top-left corner of a window's client area: sets X and Y.
corner() {
    eval "$(xdotool getwindowgeometry --shell "$1")"
}

# Clicks at an offset from the top-left corner of a window.
click_in() {
    local window=$1 dx=$2 dy=$3 button=${4:-1}
    corner "$window"
    xdotool mousemove $((X + dx)) $((Y + dy)) click "$button"
}

keys_to() {
    local window=$1
    shift
    xdotool windowfocus --sync "$window" 2>/dev/null || true
    xdotool key --clearmodifiers "$@"
}

# In the Save As dialog that has just opened: the path typed and confirmed, then the file waited
# for on disk.
name_the_file() { # path screenshot-name
    local dialog
    dialog=$(wait_window "^Enregistrer sous")
    shot "$2"
    sleep 0.5
    xdotool type --delay 20 "$1"
    keys_to "$dialog" Return
    wait_gone "^Enregistrer sous"
    for _ in $(seq 100); do [[ -s $1 ]] && break; sleep 0.1; done
    [[ -s $1 ]] || fail "$1 was not written"
}

"$program" &
program_pid=$!
trap 'kill $program_pid 2>/dev/null || true; rm -rf "$data"' EXIT

# Splash: shown for the default time, then gone.
wait_window "^Tessarine - splash$|^SplashTessarine$|^Tessarine$" >/dev/null
shot splash

tips=$(wait_window "^Astuce Tessarine$")
shot tips
keys_to "$tips" Escape
wait_gone "^Astuce Tessarine$"

main=$(wait_window "^Tessarine$")
shot main-window

# New, generated grid: the question's first command link follows Cancel in the focus chain.
keys_to "$main" ctrl+n
question=$(wait_window "^Tessarine$")
[[ $question != "$main" ]] || fail "the New question did not open"
shot new-question
keys_to "$question" Tab space
sleep 0.5
shot generated-grid

# Board geometry inside the main window (no window manager: the window is its client area).
menu_bar=$((${TESSARINE_E2E_MENU_HEIGHT:-21}))
board_top=$((menu_bar + 120 + 25))
cell() { # row col -> offsets of the cell's centre
    echo $((2 + 25 + 19 + ($2 - 1) * 46)) $((board_top + 25 + 19 + ($1 - 1) * 46))
}

# Clicks a cell with a mouse button, then the selector's digit button on the page that opens
# (buttons in a telephone-pad layout, 48 pixels apart, below the page tabs).
choose() { # row col mouse-button digit screenshot-name
    local dx dy selector
    read -r dx dy < <(cell "$1" "$2")
    click_in "$main" "$dx" "$dy" "$3"
    selector=$(wait_window "^S.+lecteur$")
    # The title the window manager shows (_NET_WM_NAME) is the window's own, nothing appended.
    [[ $(xdotool getwindowname "$selector") == "Sélecteur" ]] || fail "selector title: $(xdotool getwindowname "$selector")"
    shot "$5"
    click_in "$selector" $((8 + ($4 - 1) % 3 * 48 + 20)) $((28 + 8 + ($4 - 1) / 3 * 48 + 20)) 1
    wait_gone "^S.+lecteur$"
}

# The first cell of the board, row by row, whose middle is all white on the screen (no digit):
# prints "row col". Givens are locked in play mode, so the moves go to empty cells.
empty_cell() {
    corner "$main"
    import -window root -depth 8 ppm:- | python3 -c '
import sys
data = sys.stdin.buffer.read()
fields, end = [], 0
while len(fields) < 4:  # P6 width height maxval, then one whitespace byte
    while data[end:end + 1].isspace():
        end += 1
    start = end
    while not data[end:end + 1].isspace():
        end += 1
    fields.append(data[start:end])
width, pixels = int(fields[1]), data[end + 1:]
x0, y0, step = (int(v) for v in sys.argv[1:4])
for row in range(9):
    for col in range(9):
        cx, cy = x0 + col * step, y0 + row * step
        if all(min(pixels[3 * (y * width + x):3 * (y * width + x) + 3]) > 230
               for y in range(cy - 8, cy + 8) for x in range(cx - 6, cx + 6)):
            print(row + 1, col + 1)
            sys.exit(0)
sys.exit("no empty cell")
' $((X + 2 + 25 + 19)) $((Y + board_top + 25 + 19)) 46
}

# A digit placed through the selector (left button, "Poser" page), then a candidate removed with
# the right button ("Candidats" page).
read -r placed_row placed_col < <(empty_cell)
choose "$placed_row" "$placed_col" 1 5 selector-poser
shot digit-placed
read -r removed_row removed_col < <(empty_cell)
choose "$removed_row" "$removed_col" 3 9 selector-candidats

# A family ticked: the naked singles, applied at once and after every move. When they fill the
# board (the 5 may have been wrong), the program says whether it is right: "Continuer" goes on.
click_in "$main" 674 $((menu_bar + 173)) 1
sleep 0.3
click_in "$main" 463 $((menu_bar + 198)) 1
sleep 1
shot family-ticked
for verdict in $(xdotool search --onlyvisible --name "^Tessarine$|^Information$" 2>/dev/null); do
    [[ $verdict == "$main" ]] || keys_to "$verdict" Escape
done
sleep 0.3

# Undo, from the dashboard.
click_in "$main" 506 $((menu_bar + 173)) 1
sleep 0.3
click_in "$main" 535 $((menu_bar + 232)) 1
sleep 0.3
shot undone

# Save As, from the menu, to a file of the data folder.
saved=$data/partie.xml
for _ in 1 2 3; do # a loaded machine may open the menu after the "s" was typed: try again
    keys_to "$main" alt+f
    sleep 0.5
    keys_to "$main" s
    for _ in $(seq 30); do
        xdotool search --onlyvisible --name "^Enregistrer sous" >/dev/null 2>&1 && break 2
        sleep 0.1
    done
    keys_to "$main" Escape
done
name_the_file "$saved" save-as-dialog
shot saved

# A second grid played by keyboard only: New, the cursor taken to an empty cell with the arrows,
# a 7 typed, undone with Ctrl+Z and brought back with Ctrl+Y, then Ctrl+S (which asks for a name).
keys_to "$main" ctrl+n
question=$(wait_window "^Tessarine$")
[[ $question != "$main" ]] || fail "the second New question did not open"
keys_to "$question" Tab space
sleep 0.5
read -r key_row key_col < <(empty_cell)
moves=(ctrl+Home)
for _ in $(seq $((key_row - 1))); do moves+=(Down); done
for _ in $(seq $((key_col - 1))); do moves+=(Right); done
keys_to "$main" "${moves[@]}" 7
sleep 0.3
shot keyboard-digit
keys_to "$main" ctrl+z
sleep 0.3
shot keyboard-undone
keys_to "$main" ctrl+y
sleep 0.3
shot keyboard-redone
typed=$data/clavier.xml
keys_to "$main" ctrl+s
name_the_file "$typed" keyboard-save-as
shot keyboard-saved

# Quit, answering the question "Voulez-vous vraiment quitter ?" with Oui.
keys_to "$main" ctrl+F4
confirm=$(wait_window "^Confirmation$")
shot quit-question
keys_to "$confirm" alt+o
for _ in $(seq 100); do kill -0 $program_pid 2>/dev/null || break; sleep 0.1; done
kill -0 $program_pid 2>/dev/null && fail "the program did not quit"
wait $program_pid || fail "the program exited with an error"

# The grid file: Latin-1 XML with CR LF lines, the play session in order.
python3 - "$saved" "$data/Settings.ini" "$placed_row$placed_col$removed_row$removed_col" <<'PY'
import sys
grid, settings = sys.argv[1], sys.argv[2]
placed_row, placed_col, removed_row, removed_col = (c.encode() for c in sys.argv[3])
raw = open(grid, "rb").read()
lines = raw.split(b"\r\n")
assert lines[0] == b'<?xml version="1.0" encoding="ISO-8859-1" ?>', lines[0]
assert lines[1] == b"<Actions>", lines[1]
assert lines[-2] == b"</Actions>" and lines[-1] == b"", lines[-2:]
actions = lines[2:-2]
ops = [a[63:64].decode() for a in actions]
assert ops[0] == "S", ops
assert "R" in ops, ops
play = ops[ops.index("R") + 1:]
assert ops[-1] == "T", ops
givens = ops[1:ops.index("R")]
assert len(givens) >= 18 and set(givens) == {"P"}, givens
place = [a for a in actions
         if a[63:64] == b"P" and a[20:21] == placed_row and a[33:34] == placed_col]
assert any(a[47:48] == b"5" for a in place), "digit 5 placed missing"
assert any(a[63:64] == b"C" and a[20:21] == removed_row and a[33:34] == removed_col
           and a[47:48] == b"9" for a in actions), "removal of 9 missing"
assert "T" in ops and b"# duree de la partie en secondes" in actions[-1], actions[-1]
text = open(settings, encoding="utf-8").read()
assert "[GeneralSettings]" in text and "Language=fr" in text, text
assert "File2=" + grid in text, text  # the keyboard grid, saved last, is File1
assert "RecentSaveFileAsDir=" in text, text
print("grid file: %d actions, %d play moves; settings file checked" % (len(actions), len(play)))
PY

# The keyboard grid: its 7 placed once in play mode (typed, undone, redone), the file ending on
# its time marker.
python3 - "$typed" "$key_row$key_col" <<'PY'
import sys
raw = open(sys.argv[1], "rb").read()
row, col = (c.encode() for c in sys.argv[2])
actions = raw.split(b"\r\n")[2:-2]
ops = [a[63:64] for a in actions]
play = actions[ops.index(b"R") + 1:]
typed = [a for a in play if a[63:64] == b"P" and a[20:21] == row and a[33:34] == col]
assert len(typed) == 1 and typed[0][47:48] == b"7", play
assert ops[-1] == b"T", ops
print("keyboard grid: the 7 at L%sC%s typed, undone and redone once" % (row.decode(), col.decode()))
PY
echo "end-to-end session passed"
