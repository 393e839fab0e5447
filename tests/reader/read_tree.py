#!/usr/bin/python3
# Reads a running program's window over AT-SPI, as a screen reader does: one
# line per thing the reader finds in it (role, name, actions, tab-separated).
#   read_tree.py PROGRAM WINDOW [ROLE NAME]
# waits for the shown window of that title, reads it, then does the default
# action of its first child of that role and name.
import sys
import time

import pyatspi


def shown_window(program, title):
    for _ in range(600):
        for app in pyatspi.Registry.getDesktop(0):
            if app is None or app.name != program:
                continue
            for window in app:
                if window.name == title and window.getState().contains(pyatspi.STATE_SHOWING):
                    return window
        time.sleep(0.05)
    sys.exit("read_tree: no window %r of %s shown" % (title, program))


def actions(node):
    try:
        action = node.queryAction()
    except NotImplementedError:
        return None, []
    return action, [action.getName(i) for i in range(action.nActions)]


def main():
    window = shown_window(sys.argv[1], sys.argv[2])
    press = tuple(sys.argv[3:5])
    target = None
    for child in window:
        action, names = actions(child)
        print("\t".join([child.getRoleName(), child.name, ",".join(names)]))
        if target is None and (child.getRoleName(), child.name) == press:
            target = action
    if press and target is None:
        sys.exit("read_tree: no %s %r to press" % press)
    if target is not None:
        target.doAction(0)


main()
