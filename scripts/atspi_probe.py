#!/usr/bin/python3
"""Prints what assistive tools see of the running Zyntra window: one line per accessible
object, indented by depth, with its role, name and description.

    scripts/atspi_probe.py [--app NAME] [--filter TEXT] [--rows N] [--depth N]

--filter keeps the objects whose role, name or description contains TEXT (case-insensitive),
with the path of names that leads to each. Tables and trees list their first N rows of cells
(default 3), so a list's rows can be read without walking ten thousand of them.

Run it on the window's session bus with accessibility on, for example under Xvfb:
    eval "$(dbus-launch --sh-syntax)"
    QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 build/Zyntra/Zyntra &
    scripts/atspi_probe.py --filter New
Needs python3-pyatspi and at-spi2-core.
"""

import argparse
import sys

import pyatspi

TABLE_ROLES = {pyatspi.ROLE_TABLE, pyatspi.ROLE_TREE_TABLE, pyatspi.ROLE_TREE, pyatspi.ROLE_LIST}


def describe(obj):
    try:
        role = obj.getRoleName()
        name = obj.name or ""
        description = obj.description or ""
    except Exception as error:  # an object that went away while being read
        return f"<gone: {error}>"
    text = f"[{role}] {name!r}"
    if description:
        text += f" -- {description!r}"
    return text


def table_rows(obj, rows):
    """The cells of the first rows of a table, one line per row."""
    try:
        table = obj.queryTable()
    except NotImplementedError:
        return None
    lines = [f"rows={table.nRows} columns={table.nColumns}"]
    for row in range(min(rows, table.nRows)):
        cells = []
        for column in range(table.nColumns):
            cell = table.getAccessibleAt(row, column)
            cells.append(cell.name if cell is not None else "")
        lines.append(f"row {row}: " + " | ".join(repr(c) for c in cells))
    return lines


def walk(obj, depth, path, options, out):
    if obj is None or depth > options.depth:
        return
    line = describe(obj)
    here = path + [obj.name or f"[{obj.getRoleName()}]"]
    wanted = not options.filter or options.filter.lower() in line.lower()
    if wanted:
        prefix = "  " * depth
        if options.filter:
            out.append(f"{prefix}{line}   (in: {' / '.join(here[:-1])})")
        else:
            out.append(f"{prefix}{line}")
    if obj.getRole() in TABLE_ROLES:
        lines = table_rows(obj, options.rows)
        if lines is not None:
            if wanted:
                out.extend("  " * (depth + 1) + text for text in lines)
            return  # the cells are children too: do not walk them all
    try:
        count = obj.childCount
    except Exception:
        return
    for index in range(count):
        try:
            child = obj.getChildAtIndex(index)
        except Exception:
            continue
        walk(child, depth + 1, here, options, out)


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--app", default="Zyntra", help="application name (default Zyntra)")
    parser.add_argument("--filter", default="", help="keep objects whose line contains this")
    parser.add_argument("--rows", type=int, default=3, help="table rows to print")
    parser.add_argument("--depth", type=int, default=60, help="deepest level to walk")
    options = parser.parse_args()

    desktop = pyatspi.Registry.getDesktop(0)
    apps = [app for app in desktop if app is not None and app.name == options.app]
    if not apps:
        names = ", ".join(repr(app.name) for app in desktop if app is not None)
        print(f"no application {options.app!r} on the accessibility bus (found: {names})",
              file=sys.stderr)
        return 1
    out = []
    for app in apps:
        walk(app, 0, [], options, out)
    print("\n".join(out))
    return 0 if out else 2


if __name__ == "__main__":
    sys.exit(main())
