"""Reads the arithmetic window's texts through the accessibility tree (AT-SPI), as a screen
reader would, after 0.1, Tab and 0.2 were typed into it, and checks them: the result's word,
the flags' states, the exact result and the number line's description, named in the
interface language given as the argument (english or romanian). Exits 1 with what differs."""
import sys
import time

import pyatspi

EXPECTED = {
    "english": {"exact": "exact result:", "line": "Number line:", "exact words": "exact result: 3.0000000000000001665"},
    "romanian": {"exact": "rezultat exact:", "line": "Axa numerelor:", "exact words": "rezultatul exact: 3.0000000000000001665"},
}
WORD = "3FD3333333333334"
REAL = "0.3000000000000000166533453693773481063544750213623046875"
FLAGS = ["invalid", "divbyzero", "overflow", "underflow", "inexact"]


def window():
    for _ in range(100):
        desktop = pyatspi.Registry.getDesktop(0)
        for app in desktop:
            if app is None:
                continue
            for frame in app:
                if frame is not None and (frame.name or "").startswith("Binora"):
                    return frame
        time.sleep(0.1)
    return None


def descendants(node):
    for child in node:
        if child is None:
            continue
        yield child
        yield from descendants(child)


def text_of(node):
    try:
        text = node.queryText()
        return text.getText(0, text.characterCount)
    except NotImplementedError:
        return None


def check(frame, words):
    """What differs from the expected texts, as lines."""
    failures = []
    nodes = list(descendants(frame))
    by_name = {}
    for node in nodes:
        by_name.setdefault(node.name, []).append(node)
    texts = [text_of(n) for n in nodes if n.getRole() == pyatspi.ROLE_TEXT]
    if WORD not in texts:
        failures.append(f"no edit shows {WORD}; texts: {[t for t in texts if t]}")
    exact = [n for n in by_name.get(words["exact"], []) if n.getRole() == pyatspi.ROLE_TEXT]
    if not exact or text_of(exact[0]) != REAL:
        failures.append(f"'{words['exact']}' shows {text_of(exact[0]) if exact else 'nothing'}")
    for flag in FLAGS:
        boxes = [n for n in by_name.get(flag, []) if n.getRole() == pyatspi.ROLE_CHECK_BOX]
        if not boxes:
            failures.append(f"no check box named {flag}")
            continue
        checked = boxes[0].getState().contains(pyatspi.STATE_CHECKED)
        if checked != (flag == "inexact"):
            failures.append(f"{flag} is {'on' if checked else 'off'}")
    line = [n for n in by_name.get(words["line"], []) if n.getRole() == pyatspi.ROLE_CHART]
    if not line:
        failures.append(f"no number line named {words['line']}")
    elif words["exact words"] not in (line[0].description or ""):
        failures.append(f"the number line's description: {line[0].description!r}")
    return failures


def main():
    words = EXPECTED[sys.argv[1]]
    frame = window()
    if frame is None:
        print("FAIL: no window named Binora in the accessibility tree")
        return 1
    # The last key events may still be on their way: read again for a few seconds.
    for _ in range(25):
        failures = check(frame, words)
        if not failures:
            break
        time.sleep(0.2)
    for failure in failures:
        print(f"FAIL ({sys.argv[1]}): {failure}")
    if not failures:
        print(f"{sys.argv[1]}: {WORD}, inexact on, the exact result and the line read back")
    return 1 if failures else 0


sys.exit(main())
