#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""What a screen reader sees of the running program, read over AT-SPI.

Started by accessibility.sh inside a private D-Bus session on an Xvfb
display. Starts the program, checks that the editing area's selection after
Find names the text found when the page holds characters outside the Basic
Multilingual Plane, then opens every window through its keys or menus
(xdotool) and walks each window's accessible tree: a control the keyboard
reaches (or a button, box or list a mouse user clicks) must have a name.
Set ATSPI_DUMP=1 to print each tree.

    atspi_check.py PROGRAM PAGE_TEXT_EXPECTED
"""
import os
import subprocess
import sys
import time

import gi

gi.require_version("Atspi", "2.0")
from gi.repository import Atspi  # noqa: E402

PROGRAM, PAGE_TEXT = sys.argv[1], sys.argv[2]
# Roles of controls that a user works, whether or not they take the focus.
CONTROLS = {"push button", "toggle button", "check box", "radio button", "combo box", "text", "entry",
            "password text", "list", "list box", "tree", "tree table", "table", "page tab", "spin button",
            "slider"}
failures = []


def xdo(*args):
    subprocess.run(["xdotool", *args], check=True)


def wait_for(what, find, seconds=10.0):
    deadline = time.monotonic() + seconds
    while time.monotonic() < deadline:
        found = find()
        if found:
            return found
        if app_process.poll() is not None:
            sys.exit(f"FAIL: the program ended while waiting for {what} (exit code {app_process.returncode})")
        time.sleep(0.1)
    sys.exit(f"FAIL: no {what} after {seconds} seconds (windows: {x_titles()})")


def accessible_app():
    desktop = Atspi.get_desktop(0)
    for i in range(desktop.get_child_count()):
        child = desktop.get_child_at_index(i)
        try:
            if child is not None and child.get_process_id() == app_process.pid:
                return child
        except gi.repository.GLib.Error:
            pass  # an application that went away meanwhile
    return None


def x_titles():
    ids = subprocess.run(["xdotool", "search", "--onlyvisible", "--pid", str(app_process.pid), "--name", "."],
                         capture_output=True, text=True).stdout.split()
    return [subprocess.run(["xdotool", "getwindowname", i], capture_output=True, text=True).stdout.strip()
            for i in ids]


def x_window(title):
    found = subprocess.run(["xdotool", "search", "--all", "--onlyvisible", "--pid", str(app_process.pid), "--name",
                            f"^{title}$"], capture_output=True, text=True).stdout.split()
    return found[0] if found else None


def accessible_window(app, title):
    for i in range(app.get_child_count()):
        window = app.get_child_at_index(i)
        if window is not None and window.get_name() == title and \
                window.get_state_set().contains(Atspi.StateType.SHOWING):
            return window
    return None


def unnamed(node, path, found):
    """Paths of the nameless controls below node that are on screen."""
    states = node.get_state_set()
    if not states.contains(Atspi.StateType.SHOWING):
        return
    role = node.get_role_name()
    here = f"{path}/{role}"
    reached = states.contains(Atspi.StateType.FOCUSABLE) or role in CONTROLS
    if reached and not node.get_name().strip():
        found.append(here)
    for i in range(node.get_child_count()):
        child = node.get_child_at_index(i)
        if child is not None:
            unnamed(child, f"{here}[{i}]", found)


def dump(node, depth=0):
    states = node.get_state_set()
    flags = "".join(f for f, st in (("S", Atspi.StateType.SHOWING), ("F", Atspi.StateType.FOCUSABLE))
                    if states.contains(st))
    print(f"{'  ' * depth}{node.get_role_name()} {node.get_name()!r} {flags}")
    for i in range(node.get_child_count()):
        child = node.get_child_at_index(i)
        if child is not None:
            dump(child, depth + 1)


def check_names(window, where):
    if os.environ.get("ATSPI_DUMP"):
        dump(window)
    found = []
    unnamed(window, where, found)
    for path in found:
        failures.append(f"unnamed control in {where}: {path}")
        print(f"   unnamed: {path}")
    print(f"-- {where}: {len(found)} unnamed")


def find_role(node, role, name=None):
    if node.get_role_name() == role and (name is None or node.get_name() == name):
        return node
    for i in range(node.get_child_count()):
        child = node.get_child_at_index(i)
        hit = child is not None and find_role(child, role, name)
        if hit:
            return hit
    return None


def open_window(keys, title):
    """Presses keys in the main window (or clicks through the menus named
    "menu:Help/About Tagsmith") and waits for the window titled title."""
    xdo("windowfocus", "--sync", main_x)
    if keys[0].startswith("menu:"):
        for item in keys[0][len("menu:"):].split("/"):
            click(main, "menu item", item)
            time.sleep(0.5)
    else:
        xdo("key", "--delay", "300", *keys)
    wait_for(f'window "{title}"', lambda: x_window(title))
    return wait_for(f'accessible "{title}"', lambda: accessible_window(app, title))


def click(window, role, name):
    """Clicks the control of that role and name. Without a window manager the
    keyboard stays with the main window, so dialogs are worked by the mouse
    (an action over AT-SPI would wait for a dialog it opens to close)."""
    control = wait_for(f'{role} "{name}"', lambda: find_role(window, role, name))
    box = control.get_extents(Atspi.CoordType.SCREEN)
    xdo("mousemove", "--sync", str(box.x + box.width // 2), str(box.y + box.height // 2))
    xdo("click", "1")


def close_window(window, title, button):
    click(window, "push button", button)
    wait_for(f'"{title}" to close', lambda: x_window(title) is None)


def check_window(keys, title, button):
    window = open_window(keys, title)
    check_names(window, title)
    close_window(window, title, button)


env = dict(os.environ, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1")
env.pop("QT_QPA_PLATFORM", None)
app_process = subprocess.Popen([PROGRAM], env=env)
try:
    app = wait_for("accessible application", accessible_app, 20)
    main_x = wait_for("main window", lambda: x_window(".*Tagsmith"), 20)
    time.sleep(0.5)
    xdo("windowfocus", "--sync", main_x)
    main = wait_for("accessible main window", lambda: next(
        (w for w in (app.get_child_at_index(i) for i in range(app.get_child_count()))
         if w is not None and w.get_role_name() == "frame"), None))

    # The editing area over AT-SPI: after Find, the selection's offsets
    # name the text found both in the whole text and through GetText.
    text = wait_for("editing area", lambda: find_role(main, "text", "Page text"))
    whole = Atspi.Text.get_text(text, 0, -1)
    if whole != PAGE_TEXT:
        failures.append(f"editing area's text is {whole!r}, not {PAGE_TEXT!r}")
    if Atspi.Text.get_character_count(text) != len(PAGE_TEXT):
        failures.append(f"character count {Atspi.Text.get_character_count(text)}, not {len(PAGE_TEXT)}")
    find = open_window(["ctrl+f"], "Find")
    Atspi.EditableText.set_text_contents(find_role(find, "text"), "ab")
    click(find, "push button", "Find")
    wait_for('"Find" to close', lambda: x_window("Find") is None)
    selection = Atspi.Text.get_selection(text, 0)
    start, end = selection.start_offset, selection.end_offset
    print(f"-- selection after Find \"ab\": {start}..{end}")
    if whole[start:end] != "ab" or Atspi.Text.get_text(text, start, end) != "ab":
        failures.append(f"selection {start}..{end} names {whole[start:end]!r} in the text and "
                        f"{Atspi.Text.get_text(text, start, end)!r} through GetText, not 'ab'")
    if Atspi.Text.get_caret_offset(text) != end:
        failures.append(f"caret at {Atspi.Text.get_caret_offset(text)}, not at the selection's end {end}")
    # The line at the caret, as a screen reader reads it when the caret moves.
    first = whole[:whole.index("\n") + 1]
    line = Atspi.Text.get_text_at_offset(text, end, Atspi.TextBoundaryType.LINE_START)
    if (line.content, line.start_offset, line.end_offset) != (first, 0, len(first)):
        failures.append(f"line at the caret is {line.content!r} at {line.start_offset}..{line.end_offset}, "
                        f"not {first!r} at 0..{len(first)}")

    check_names(main, "main window")
    # The toolbar's buttons are buttons to a screen reader, named by their tips.
    for tip in ("New Page", "Save Page", "Cut", "Copy", "Paste", "Find"):
        if not find_role(main, "push button", tip):
            failures.append(f'no button "{tip}" in the main window')
    # Every dialog, opened by its keys as a user does.
    for keys, title, button in [
            (["alt+f", "m"], "Project Manager", "Cancel"),
            (["shift+Insert"], "New Web Page", "Cancel"),
            (["alt+f", "p", "Return"], "Print", "Cancel"),  # "&Print" and "&Preview" share P
            (["alt+f", "r"], "Properties", "Cancel"),
            (["ctrl+f"], "Find", "Cancel"),
            (["ctrl+h"], "Replace", "Close"),
            (["ctrl+g"], "Go To Line", "Cancel"),
            (["alt+t", "c"], "Spelling Profiler", "Close"),
            (["alt+t", "w"], "Spell Check", "Cancel"),
            (["menu:Help/About Tagsmith"], "About", "OK")]:  # "&HTML" and "&Help" share H
        check_window(keys, title, button)
    # Each page of Options, and the Install Tool dialog of its Tools page.
    options = open_window(["alt+v", "o"], "Options")
    for tab in ("Environment", "Start-Up", "Tools"):
        click(options, "page tab", tab)
        time.sleep(0.3)
        check_names(options, f"Options, {tab}")
    click(options, "push button", "Add...")
    wait_for('window "Install Tool"', lambda: x_window("Install Tool"))
    install = wait_for('accessible "Install Tool"', lambda: accessible_window(app, "Install Tool"))
    check_names(install, "Install Tool")
    close_window(install, "Install Tool", "Cancel")
    close_window(options, "Options", "Cancel")
    # The Problems window stays open beside the page.
    check_names(open_window(["F7"], "Problems"), "Problems")
finally:
    if app_process.poll() is None:
        app_process.terminate()
        app_process.wait(10)

for failure in failures:
    print("FAIL:", failure)
sys.exit(1 if failures else 0)
