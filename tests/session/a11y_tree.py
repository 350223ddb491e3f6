"""Prints the shown part of Paytick's accessible tree, as a screen reader
reads it over AT-SPI: one line per object, "role<TAB>name<TAB>states"."""
import sys

import pyatspi

WATCHED = (pyatspi.STATE_CHECKED, pyatspi.STATE_SELECTED, pyatspi.STATE_FOCUSED)


def walk(node):
    states = node.getState()
    if not states.contains(pyatspi.STATE_SHOWING):
        return
    marks = ",".join(pyatspi.stateToString(s) for s in WATCHED if states.contains(s))
    print(f"{node.getRoleName()}\t{node.name}\t{marks}")
    for child in node:
        if child is not None:
            walk(child)


for app in pyatspi.Registry.getDesktop(0):
    if app is not None and app.name == "Paytick":
        walk(app)
        sys.exit(0)
sys.exit(1)
