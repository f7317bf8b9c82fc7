#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Walks Kivalto's windows as a screen reader sees them (AT-SPI) and lists
what it could not name: lists, trees, tables, buttons and text fields
without an accessible name. Optionally presses menu items by name first.
Usage: walk.py [--press "Menu item" ...] [--expect "text"]...
Exit status 1 when something is unnamed or an expected text is missing."""
import os
import sys
import time

import pyatspi

NEEDS_NAME = {
    pyatspi.ROLE_LIST, pyatspi.ROLE_LIST_BOX, pyatspi.ROLE_TREE, pyatspi.ROLE_TREE_TABLE,
    pyatspi.ROLE_TABLE, pyatspi.ROLE_PUSH_BUTTON, pyatspi.ROLE_TOGGLE_BUTTON, pyatspi.ROLE_CHECK_BOX,
    pyatspi.ROLE_RADIO_BUTTON, pyatspi.ROLE_TEXT, pyatspi.ROLE_ENTRY, pyatspi.ROLE_PASSWORD_TEXT,
    pyatspi.ROLE_COMBO_BOX, pyatspi.ROLE_SCROLL_BAR, pyatspi.ROLE_SLIDER, pyatspi.ROLE_SPIN_BUTTON,
    pyatspi.ROLE_PAGE_TAB_LIST, pyatspi.ROLE_PROGRESS_BAR,
}


def find_app(timeout=20):
    end = time.time() + timeout
    while time.time() < end:
        desktop = pyatspi.Registry.getDesktop(0)
        for app in desktop:
            if app is not None and app.name and app.name.lower().startswith("kivalto"):
                return app
        time.sleep(0.3)
    return None


def walk(node, path, out, depth=0):
    try:
        role = node.getRole()
        name = node.name or ""
        states = node.getState()
    except Exception:
        return
    showing = states.contains(pyatspi.STATE_SHOWING)
    here = f"{path}/{node.getRoleName()}:{name!r}"
    out.append((node, role, name, showing, here))
    if depth > 40:
        return
    # Items of long lists are not walked one by one.
    if role in (pyatspi.ROLE_LIST, pyatspi.ROLE_TREE, pyatspi.ROLE_TABLE, pyatspi.ROLE_LIST_BOX,
                pyatspi.ROLE_TREE_TABLE) and node.childCount > 30:
        return
    for i in range(node.childCount):
        try:
            child = node.getChildAtIndex(i)
        except Exception:
            continue
        if child is not None:
            walk(child, here, out, depth + 1)


def text_of(node):
    try:
        t = node.queryText()
        return t.getText(0, t.characterCount)
    except Exception:
        return ""


def press(app, label):
    nodes = []
    walk(app, "", nodes)
    for node, role, name, _, _ in nodes:
        if role in (pyatspi.ROLE_MENU_ITEM, pyatspi.ROLE_CHECK_MENU_ITEM, pyatspi.ROLE_PUSH_BUTTON) and \
                name.replace("&", "") == label:
            action = node.queryAction()
            action.doAction(0)
            return True
    return False


def main(argv):
    presses, expects = [], []
    i = 1
    while i < len(argv):
        if argv[i] == "--press":
            presses.append(argv[i + 1]); i += 2
        elif argv[i] == "--expect":
            expects.append(argv[i + 1]); i += 2
        else:
            i += 1
    app = find_app()
    if app is None:
        print("kivalto did not appear on the accessibility bus")
        return 2
    time.sleep(1.0)
    for p in presses:
        if not press(app, p):
            print(f"could not press {p!r}")
            return 2
        time.sleep(0.8)
    nodes = []
    walk(app, "", nodes)
    # A window opened by a press may take longer on a loaded machine.
    for _ in range(10):
        labels = [n for _, r, n, showing, _ in nodes if showing and r == pyatspi.ROLE_LABEL]
        if all(any(e in s for s in labels) for e in expects):
            break
        time.sleep(0.5)
        nodes = []
        walk(app, "", nodes)
    bad = 0
    spoken = []
    for node, role, name, showing, here in nodes:
        if role in (pyatspi.ROLE_FRAME, pyatspi.ROLE_DIALOG, pyatspi.ROLE_WINDOW):
            print("window:", name, "(shown)" if showing else "(hidden)")
        if not showing:
            continue
        if role == pyatspi.ROLE_LABEL:
            spoken.append(name)
        if os.environ.get("DUMP"):
            print(here)
        if role in NEEDS_NAME and not name.strip():
            print("UNNAMED", here)
            bad += 1
    for e in expects:
        if not any(e in s for s in spoken):
            print("NOT READ", repr(e))
            bad += 1
    print(f"{len(nodes)} accessible objects, {bad} problems")
    return 1 if bad else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
