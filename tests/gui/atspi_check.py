"""Drives the running program through AT-SPI, as a screen reader does, and checks what it reads.

Finds the program in the accessibility tree, then its name field, Find button and results list
by their accessible names; types a name into the field and presses Find through AT-SPI alone;
and reads the result rows, each of which must say its English name, Hawaiian form and kind of
match. Exits with 0 when all is found, 1 otherwise.
"""
import re
import sys

import pyatspi

from atspi_tools import application, control, descendants, wait_for

app = wait_for("the application Quillora", application)
field = wait_for("the text field 'Name to translate'",
                 lambda: control(app, pyatspi.ROLE_TEXT, "Name to translate")
                 or control(app, pyatspi.ROLE_ENTRY, "Name to translate"))
button = wait_for("the push button 'Find'", lambda: control(app, pyatspi.ROLE_PUSH_BUTTON, "Find"))
results = wait_for("the results list 'Results'",
                   lambda: control(app, pyatspi.ROLE_TREE_TABLE, "Results")
                   or control(app, pyatspi.ROLE_TREE, "Results")
                   or control(app, pyatspi.ROLE_TABLE, "Results"))
print(f"found: {field.getRoleName()} {field.name!r}, {button.getRoleName()} {button.name!r}, "
      f"{results.getRoleName()} {results.name!r}")

field.queryEditableText().setTextContents("Kathy")
typed = field.queryText()
if typed.getText(0, typed.characterCount) != "Kathy":
    print("the name field did not take the text given through AT-SPI")
    sys.exit(1)
actions = button.queryAction()
press = next(i for i in range(actions.nActions) if actions.getName(i).lower() in ("press", "click"))
actions.doAction(press)

ROW = re.compile(r"^Kathy, Hawaiian \S.*, (exact match|letter by letter, by rule)$")


def rows():
    names = [node.name for node in descendants(results) if node.name and ROW.match(node.name)]
    kinds = {ROW.match(name).group(1) for name in names}
    return names if kinds == {"exact match", "letter by letter, by rule"} else None


for name in wait_for("rows that read 'Kathy, Hawaiian ..., exact match' and '... letter by letter'",
                     rows):
    print(f"row: {name}")
