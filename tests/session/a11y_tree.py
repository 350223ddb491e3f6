"""Prints the shown part of Paytick's accessible tree, as a screen reader
reads it over AT-SPI: one line per object, "role<TAB>name<TAB>states".
With --texts, what a person reads or hears from each object and where it is:
"role<TAB>name<TAB>description<TAB>text<TAB>x<TAB>y<TAB>width<TAB>height<TAB>text width",
positions on the screen, the text's laid-out width "-" when unknown."""
import sys

import pyatspi

WATCHED = (pyatspi.STATE_CHECKED, pyatspi.STATE_SELECTED, pyatspi.STATE_FOCUSED)
TEXTS = "--texts" in sys.argv


def clean(text):
    return (text or "").replace("\t", " ").replace("\n", "\\n")


def texts_of(node):
    text, text_width = "", "-"
    try:
        content = node.queryText()
        text = content.getText(0, -1)
        if text:
            extents = content.getRangeExtents(0, content.characterCount, pyatspi.DESKTOP_COORDS)
            text_width = str(extents[2])
    except NotImplementedError:
        pass
    try:
        box = node.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
        place = [str(box.x), str(box.y), str(box.width), str(box.height)]
    except NotImplementedError:  # the application itself
        place = ["0", "0", "0", "0"]
    return [clean(node.name), clean(node.description), clean(text)] + place + [text_width]


def walk(node):
    states = node.getState()
    if not states.contains(pyatspi.STATE_SHOWING):
        return
    if TEXTS:
        print("\t".join([node.getRoleName()] + texts_of(node)))
    else:
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
