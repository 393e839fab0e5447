#!/usr/bin/python3
# Reads a running program's window over AT-SPI, as a screen reader does: one
# line per thing in it, role, name and "acts" if it has an action.
#   read_tree.py PROGRAM TITLE [ROLE NAME]
# waits for the shown window of that title, then does the first action of
# its first child of that role and name.
import sys
import time

import pyatspi


def shown(program, title):
    for _ in range(600):
        for app in pyatspi.Registry.getDesktop(0):
            for window in app if app and app.name == program else []:
                if window.name == title and window.getState().contains(pyatspi.STATE_SHOWING):
                    return window
        time.sleep(0.05)
    sys.exit("read_tree: no window %r shown" % title)


def action(node):
    try:
        action = node.queryAction()
    except NotImplementedError:
        return None
    names = [action.getName(i) for i in range(action.nActions)]
    return (action, 0) if names and names[0] != "SetFocus" else None


press, done = tuple(sys.argv[3:5]), len(sys.argv) < 5
for child in shown(sys.argv[1], sys.argv[2]):
    act = action(child)
    print("%s\t%s\t%s" % (child.getRoleName(), child.name, "acts" if act else ""))
    if not done and act and (child.getRoleName(), child.name) == press:
        done = act[0].doAction(act[1])
sys.exit(0 if done else "read_tree: no %s %r to press" % press)
