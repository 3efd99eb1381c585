"""Rests the pointer on the Kawika row after a search for David and checks its tooltip.

Finds the row's cells through AT-SPI (the English cell reads "David, Hawaiian Kawika, exact
match"), checks that the description of each names the Hawaiian Bible, moves the pointer onto the
row with xdotool and waits for a showing tool tip, which must give the exact match's details and
name the Hawaiian Bible; while it shows, takes a screenshot of the window with the tooltip. Exits
with 0 when all is found, 1 otherwise.

Usage: row_tooltip_check.py SCREENSHOT
"""
import subprocess
import sys

import pyatspi

from atspi_tools import application, descendants, wait_for

BIBLE = "Hawaiian Bible"
screenshot = sys.argv[1]

app = wait_for("the application Quillora", application)


def kawika_row():
    # The row's English cell reads the whole row; its Hawaiian cell follows it.
    for node in descendants(app):
        if (node.getRole() == pyatspi.ROLE_TABLE_CELL
                and node.name == "David, Hawaiian Kawika, exact match"):
            form = node.parent.getChildAtIndex(node.getIndexInParent() + 1)
            return (node, form) if form is not None and form.name == "Kawika" else None
    return None


row = wait_for("the row 'David, Hawaiian Kawika, exact match' and its cell 'Kawika'", kawika_row)
for cell in row:
    if BIBLE not in (cell.description or ""):
        print(f"the description of the cell {cell.name!r} does not name the {BIBLE}: "
              f"{cell.description!r}")
        sys.exit(1)


def showing_tooltip():
    for node in descendants(app):
        if (node.getRole() == pyatspi.ROLE_TOOL_TIP
                and node.getState().contains(pyatspi.STATE_SHOWING)):
            return node
    return None


def point_at(node):
    box = node.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    subprocess.run(["xdotool", "mousemove", str(box.x + box.width // 2),
                    str(box.y + box.height // 2)], check=True)


# On the English cell, so that the tooltip opens over the window.
point_at(row[0])
tooltip = wait_for("a tooltip after the pointer came to rest on the Kawika row", showing_tooltip)
print("tooltip:", tooltip.name.replace("\n", " | "))
# The exact match's details, not those of another row from the Bible (Dovid's).
if not tooltip.name.startswith("Exact match\n") or BIBLE not in tooltip.name:
    print(f"the tooltip is not that of the exact match from the {BIBLE}")
    sys.exit(1)


# The window with the tooltip beside it; the tooltip must still show once the picture is taken.
def screenshot_with_tooltip():
    subprocess.run(["import", "-window", "root", "-crop", "400x330+0+0", screenshot], check=True)
    return showing_tooltip()


wait_for("a screenshot taken while the tooltip shows", screenshot_with_tooltip)
