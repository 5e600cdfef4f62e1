#!/usr/bin/python3
# SPDX-License-Identifier: MIT
# screenreader.py NAME: a game played as a screen reader's user plays it, through AT-SPI: what
# the tree tells of each control, each arrow, score and the game's end heard as announcements,
# the tiles pressed by their action, NAME typed at the prompt and High Scores read as a table.
import subprocess
import sys
import time

import pyatspi
from gi.repository import GLib

heard, focused = [], []


# An announcement, or a notification shown (as Qt 6.4 announces), is heard.
def on_event(event):
    if event.type == "object:announcement":
        heard.append(event.any_data)
    elif event.detail1 and event.source.getRole() == pyatspi.ROLE_NOTIFICATION:
        heard.append(event.source.name)
    elif event.detail1 and event.type.endswith("focused"):
        focused.append(event.source)


def pump(seconds, until=lambda: False):
    deadline = time.monotonic() + seconds
    while not until() and time.monotonic() < deadline:
        while GLib.MainContext.default().iteration(False):
            pass
        time.sleep(0.01)
    return until()


def check(ok, what):
    if not ok:
        sys.exit(f"FAIL screen reader: {what}; heard {heard}")


def find(root, role, name=None):
    return pyatspi.findDescendant(
        root, lambda o: o.getRole() == role and name in (None, o.name), breadth_first=True)


# The program's window titled title, once it shows on the bus and on the X server, where the bus
# has it.
def window(title):
    found, x_id = [], []
    pump(20, lambda: found.extend(w for a in pyatspi.Registry.getDesktop(0) if a and a.name == "Tolvane"
                                  for w in a if w.name == title and w.getState().contains(pyatspi.STATE_SHOWING))
         or found and x_id.extend(xdotool("search", "--onlyvisible", "--name", f"^{title}$")) or x_id)
    check(found and x_id, f"no window '{title}' on the bus and the screen")
    geometry = subprocess.run(["xwininfo", "-id", x_id[0]], capture_output=True, text=True).stdout
    at = [int(line.split(":")[1]) for line in geometry.splitlines() if "Absolute upper-left" in line]
    shown = found[0].queryComponent().getExtents(pyatspi.DESKTOP_COORDS)[:2]
    check(shown == at, f"'{title}' at {shown} on the bus, at {at}")
    return found[0]


def xdotool(*args):
    return subprocess.run(["xdotool", *args], capture_output=True, text=True).stdout.split()


def related(obj, relation):
    return [r.getTarget(0).name for r in obj.getRelationSet() if r.getRelationType() == relation]


def press(obj):
    action = obj.queryAction()
    check(action.getName(0) == "Press", f"'{obj.name}' has no Press action")
    action.doAction(0)


main = window("Tolvane")
pyatspi.Registry.registerEventListener(on_event, "object:state-changed:showing", "object:state-changed:focused",
                                       "object:announcement")
tiles = {name: find(main, pyatspi.ROLE_PUSH_BUTTON, name) for name in ["Up", "Right", "Down", "Left"]}
check(all(t and t.queryAction().getKeyBinding(0) == name for name, t in tiles.items()), "no tiles pressed by their keys")
score = find(main, pyatspi.ROLE_LABEL, "0")
check(related(score, pyatspi.RELATION_LABELLED_BY) == ["Score"], "the score is not labelled")
slider = find(main, pyatspi.ROLE_SLIDER)
check(related(slider, pyatspi.RELATION_LABELLED_BY) == ["SPEED"] and "slow" in slider.description.lower()
      and "fast" in slider.description.lower(), "the slider is not labelled and described")

press(find(main, pyatspi.ROLE_PUSH_BUTTON, "Start Game"))
press(tiles["Left"])  # while the game plays, a press enters nothing
expected, sequence = [], []
opposite = {"Up": "Down", "Down": "Up", "Left": "Right", "Right": "Left"}
for played in (1, 2, 3):
    expected.append(f"Score {played - 1}")
    pump(10, lambda: len(heard) >= len(expected) + played)
    check(heard[:len(expected)] == expected and heard[len(expected):-1] == sequence
          and len(heard) == len(expected) + played,
          f"round {played} not heard as its score, the arrows before and a new one")
    sequence = heard[len(expected):]
    expected += sequence
    pump(0.5)  # the last arrow's time on show
    for arrow in sequence if played < 3 else [opposite[sequence[0]]]:
        press(tiles[arrow])
pump(5, lambda: len(heard) > len(expected))
check(heard == expected + ["Game Over"], "the game's end not heard")

window("Game Over")
xdotool("key", "Return")
window("New high score!")
xdotool("type", sys.argv[1])
xdotool("key", "Return")
table = find(window("High Scores"), pyatspi.ROLE_TABLE).queryTable()
check((table.nRows, table.nColumns) == (10, 3)
      and [table.getColumnHeader(c).name for c in range(3)] == ["Score", "Name", "Date"],
      "High Scores is not a table of ten rows of Score, Name and Date")
new = [table.getAccessibleAt(0, c) for c in range(3)]
check(list(table.getSelectedRows()) == [0] and [c.name for c in new[:2]] == ["2", sys.argv[1]]
      and new[0].getState().contains(pyatspi.STATE_FOCUSED) and focused[-1] == new[0],
      "the new entry's row is not selected with the focus")
xdotool("key", "Down")
check(pump(5, lambda: focused[-1] == table.getAccessibleAt(1, 0)), "Down does not move to the next row")
xdotool("key", "Return", "sleep", "1", "key", "alt+a")
check(find(window("About Tolvane"), pyatspi.ROLE_IMAGE).name == "Tolvane", "About's picture has no name")
xdotool("key", "Escape", "sleep", "1", "key", "alt+x")
