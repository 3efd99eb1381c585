"""What the AT-SPI checks share: the program's accessibility tree, walked and waited on."""
import sys
import time

import pyatspi

DEADLINE_SECONDS = 30


def descendants(node, depth=0):
    if node is None or depth > 20:
        return
    yield node
    for index in range(node.childCount):
        yield from descendants(node.getChildAtIndex(index), depth + 1)


def wait_for(what, find):
    """What find() returns once it is something, asked again until the deadline; exits with 1,
    saying what was not found, when it stays nothing."""
    deadline = time.monotonic() + DEADLINE_SECONDS
    while time.monotonic() < deadline:
        try:
            found = find()
        except Exception:  # the tree may change under a query; ask again
            found = None
        if found:
            return found
        time.sleep(0.2)
    print(f"not found through AT-SPI: {what}")
    sys.exit(1)


def application():
    for app in pyatspi.Registry.getDesktop(0):
        if app is not None and (app.name or "").lower() == "quillora":
            return app
    return None


def control(app, role, name):
    for node in descendants(app):
        if node.getRole() == role and node.name == name:
            return node
    return None
