#!/usr/bin/python3
"""Drives the running Zyntra window as a user would, through what assistive tools see:
find a control by its accessible name, click it, type into it, read a list's rows, answer the
message box on top. For checking the window by hand or from a script, for example:

    eval "$(dbus-launch --sh-syntax)"
    QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 build/Zyntra/Zyntra &
    python3 -c 'from scripts.atspi_drive import *; press("Personal Data", "page tab")'

Clicks and keys go through xdotool on $DISPLAY. Needs python3-pyatspi, at-spi2-core, xdotool.
See also scripts/atspi_probe.py, which prints the tree of names.
"""

import subprocess
import time

import pyatspi

def app():
    desktop = pyatspi.Registry.getDesktop(0)
    for a in desktop:
        if a is not None and a.name == "Zyntra":
            return a
    raise SystemExit("no Zyntra window on the accessibility bus")

def walk(obj, depth=0):
    yield obj
    if obj.getRole() in (pyatspi.ROLE_TABLE, pyatspi.ROLE_TREE_TABLE, pyatspi.ROLE_TREE):
        return
    for i in range(obj.childCount):
        c = obj.getChildAtIndex(i)
        if c is not None:
            yield from walk(c, depth + 1)

def showing(o):
    return o.getState().contains(pyatspi.STATE_SHOWING)

def find(name, role=None, nth=0):
    hits = [o for o in walk(app()) if o.name == name and showing(o)
            and (role is None or o.getRoleName() == role)]
    if len(hits) <= nth:
        raise LookupError(f"{role} {name!r} not found ({len(hits)})")
    return hits[nth]

def xdo(*args):
    subprocess.run(["xdotool", *args], check=True)

def centre(o):
    e = o.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    return e.x + e.width // 2, e.y + e.height // 2

def click(o):
    x, y = centre(o)
    xdo("mousemove", str(x), str(y), "click", "1")
    time.sleep(0.6)

def press(name, role="push button", nth=0):
    click(find(name, role, nth))

def type_into(name, text, role="text"):
    o = find(name, role)
    click(o)
    xdo("key", "ctrl+a")
    xdo("key", "BackSpace")
    if text:
        xdo("type", "--delay", "20", text)
    time.sleep(0.3)

def table(name):
    for role in ("tree", "tree table", "table"):
        try:
            return find(name, role)
        except LookupError:
            pass
    raise LookupError(name)

def rows(name):
    t = table(name).queryTable()
    out = []
    for r in range(t.nRows):
        out.append([ (t.getAccessibleAt(r, c).name if t.getAccessibleAt(r, c) else "") for c in range(t.nColumns)])
    return out

def click_row(name, row, column=2):
    t = table(name).queryTable()
    click(t.getAccessibleAt(row, column))

def dialogs():
    return [o for o in walk(app()) if o.getRoleName() in ("dialog", "alert") and showing(o)]

def texts_of(o):
    out = []
    for x in walk(o):
        if x.getRoleName() == "label" and x.name:
            out.append(x.name)
    return out

def answer(button="OK"):
    """Reads the message box on top and presses its button; returns its texts."""
    time.sleep(0.8)
    ds = dialogs()
    if not ds:
        return None
    d = ds[-1]
    said = texts_of(d)
    for x in walk(d):
        if x.getRoleName() == "push button" and x.name == button:
            click(x)
            break
    return said
