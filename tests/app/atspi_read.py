"""Reads the focused document of a running program over AT-SPI, as a screen reader does, and
checks its text and caret offset. Usage: atspi_read.py APP_NAME EXPECTED_TEXT EXPECTED_CARET"""
import sys
import time

import pyatspi


def find_text(node, depth=0):
    if node is None or depth > 30:
        return None
    try:
        if node.getRole() == pyatspi.ROLE_TEXT and "editable" in [
            pyatspi.stateToString(s) for s in node.getState().getStates()
        ]:
            return node
        for i in range(node.childCount):
            found = find_text(node.getChildAtIndex(i), depth + 1)
            if found is not None:
                return found
    except Exception:
        return None
    return None


def main():
    name, expected_text, expected_caret = sys.argv[1], sys.argv[2], int(sys.argv[3])
    deadline = time.time() + 15
    last = "no application named " + name
    while time.time() < deadline:
        desktop = pyatspi.Registry.getDesktop(0)
        for app in desktop:
            if app is not None and app.name and app.name.lower() == name:
                edit = find_text(app)
                if edit is None:
                    last = "no editable text in " + app.name
                    continue
                text = edit.queryText()
                content = text.getText(0, -1)
                caret = text.caretOffset
                if content.rstrip("\n") == expected_text.rstrip("\n") and caret == expected_caret:
                    print("read over AT-SPI: %d characters, caret at %d" % (text.characterCount, caret))
                    return 0
                last = "text %r, caret %d" % (content, caret)
        time.sleep(0.5)
    print("FAIL: " + last)
    return 1


if __name__ == "__main__":
    sys.exit(main())
