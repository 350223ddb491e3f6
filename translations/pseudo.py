#!/usr/bin/env python3
"""Makes the pseudo-language from a .ts file that lupdate wrote from the sources:
every text accented, bracketed and a third longer, placeholders (%1) kept,
so an untranslated or clipped text shows on screen."""
import sys
import xml.etree.ElementTree as ElementTree

ACCENTED = str.maketrans(
    "abcdeghiklnorstuwyzABCDEGHIKLNORSTUWYZ",
    "åƀçđéĝĥîķľñöŕšţûŵýžÅƁÇĐÉĜĤÎĶĽÑÖŔŠŢÛŴÝŽ")


def pseudo(text):
    out, i = [], 0
    while i < len(text):
        if text[i] == "%" and i + 1 < len(text) and (text[i + 1].isdigit() or text[i + 1] == "n"):
            out.append(text[i:i + 2])
            i += 2
            continue
        out.append(text[i].translate(ACCENTED))
        i += 1
    body = "".join(out)
    trailing = body[len(body.rstrip("\n")):]
    letters = sum(c.isalpha() for c in text)
    return "[" + body.rstrip("\n") + " " + "·" * max(1, letters // 3) + "]" + trailing


def main(source, target):
    tree = ElementTree.parse(source)
    root = tree.getroot()
    root.set("language", "en_XA")
    for message in root.iter("message"):
        text = message.findtext("source", "")
        translation = message.find("translation")
        translation.attrib.pop("type", None)
        translation.text = "LTR" if text == "QT_LAYOUT_DIRECTION" else pseudo(text)
    tree.write(target, encoding="utf-8", xml_declaration=True)


if __name__ == "__main__":
    main(sys.argv[1], sys.argv[2])
