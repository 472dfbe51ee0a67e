#!/usr/bin/python3
"""Reads and drives the wizard through the accessibility bus (AT-SPI) alone, as a screen reader
does. Every window on the way is opened with accessible actions; in each, every control must have
a name and a useful role, and every input box must be named by its label, which names it back.
While a dialog is open, its screen's controls must show as insensitive (a locked list must also
refuse a selection made through the bus), and usable again once it closes. The Rocket Launcher
line is made with accessible actions and text alone and read back from the result box.

What Qt's accessibility interfaces say inside the program, accessible_interfaces_test.cpp checks
headless; this proves that it reaches a screen reader through the desktop's bus.

Started by run.sh, which provides the X server, the buses and the environment.
Usage: a11y_test.py PATH/TO/spawnsmith
"""

import subprocess
import sys
import time

import gi

gi.require_version("Atspi", "2.0")
from gi.repository import Atspi  # noqa: E402
import pyatspi  # noqa: E402

TIMEOUT = 5.0  # seconds for one window or state to appear
POLL = 0.02
PICK = "Spawnsmith | GTA Pick"
EXIT = "Spawnsmith | Exit?"
COMPOSER = "Spawnsmith | E-Mail Author"
# The roles of the controls that a dialog's lock-out makes insensitive.
LOCKING_ROLES = {"push button", "text", "list", "label", "panel", "menu item"}
# The games as the walk meets them: the game-pick button and the name in captions.
GAMES = [("GTA3", "GTA3"), ("GTA Vice City", "GTA VC"), ("GTA San Andreas", "GTA SA")]
FIELDS = {"Weapon": {"X": "1", "Y": "2", "Z": "3", "Code Name": "r", "Amount Of Ammo": "50"},
          "Item": {"X": "4", "Y": "5", "Z": "6", "Code Name": "i"}}
ROCKET_LAUNCHER_LINE = "032B: $r = create_weapon_pickup #ROCKET  14 ammo  50 at 1 2 3"


class Failure(Exception):
    """A step that the rest of the walk cannot go on without."""


failures = []
checks = 0


def check(ok, what):
    global checks
    checks += 1
    if not ok:
        failures.append(what)
        print(f"FAIL: {what}", flush=True)
    return ok


def wait_until(condition, what, timeout=TIMEOUT):
    deadline = time.monotonic() + timeout
    while True:
        try:
            value = condition()
        except Exception:  # the object went away while being read; ask again
            value = None
        if value:
            return value
        if time.monotonic() > deadline:
            raise Failure(f"timed out waiting for {what}")
        time.sleep(POLL)


def has(acc, state):
    return acc.getState().contains(state)


def sensitive(acc):
    return has(acc, pyatspi.STATE_SENSITIVE) and has(acc, pyatspi.STATE_ENABLED)


def act(acc, *names):
    action = acc.queryAction()
    for i in range(action.nActions):
        if action.getName(i).lower() in names:
            return action.doAction(i)
    raise Failure(f'"{acc.name}" has no action {"/".join(names)}')


def related(acc, relation):
    return [r.getTarget(i) for r in acc.getRelationSet() if r.getRelationType() == relation
            for i in range(r.getNTargets())]


def text_of(acc):
    return acc.queryText().getText(0, -1)


def selected_rows(lst):
    table = lst.queryTable()
    return [r for r in range(table.nRows) if has(table.getAccessibleAt(r, 0), pyatspi.STATE_SELECTED)]


class View:
    """One window's accessible tree, read once: (accessible, role, name, depth) of its nodes. A
    list's rows, a menu's entries and a text box's viewport are not walked into."""

    def __init__(self, window):
        self.caption = window.name
        self.role = window.getRoleName()
        self.nodes = []
        waiting = [(child, 0) for child in window]
        while waiting:
            node, depth = waiting.pop(0)
            if node is None:
                continue
            role = node.getRoleName()
            self.nodes.append((node, role, node.name, depth))
            if role not in ("list", "popup menu", "text"):
                waiting.extend((child, depth + 1) for child in node)

    def find(self, role, name):
        found = [node for node, r, n, _ in self.nodes if r == role and n == name]
        if len(found) != 1:
            raise Failure(f'{len(found)} {role}s named "{name}" in "{self.caption}"')
        return found[0]

    def press(self, caption):
        act(self.find("push button", caption), "press", "click")

    def choose(self, title, entry):
        for popup in self.find("menu item", title):
            for item in popup if popup.getRoleName() == "popup menu" else []:
                if item.getRoleName() == "menu item" and item.name == entry:
                    return act(item, "press", "click")
        raise Failure(f'no entry "{entry}" in menu "{title}" of "{self.caption}"')

    def box(self, label):
        return self.find("text", label)

    def lockable(self):
        """(what, accessible) for every control a dialog over this window locks, list rows
        included; the composer's labels stay usable under its exit dialog."""
        targets = []
        for node, role, name, _ in self.nodes:
            if role not in LOCKING_ROLES or (role == "label" and self.caption == COMPOSER):
                continue
            targets.append((f"{role} \"{name}\"", node))
            if role == "list":
                table = node.queryTable()
                targets += [(f"row {r} of \"{name}\"", table.getAccessibleAt(r, 0))
                            for r in range(table.nRows)]
        return targets


class Program:
    def __init__(self, path):
        self.process = subprocess.Popen([path], stdout=subprocess.DEVNULL)
        desktop = pyatspi.Registry.getDesktop(0)

        def application():
            return next((app for app in desktop if app is not None and
                         app.get_process_id() == self.process.pid), None)

        # The splash stays up for 2 seconds before the game-pick screen.
        self.app = wait_until(application, "the program on the accessibility bus", 15)
        # No event loop runs here to keep a cache up to date: every question goes to the program.
        self.app.set_cache_mask(Atspi.Cache.NONE)

    def showing(self, caption):
        return [w for w in self.app if w is not None and w.name == caption and
                has(w, pyatspi.STATE_SHOWING)]

    def window(self, caption):
        shown = wait_until(lambda: self.showing(caption), f'window "{caption}"')
        if len(shown) != 1:
            raise Failure(f'{len(shown)} windows "{caption}" are showing')
        return View(shown[0])

    def gone(self, caption):
        wait_until(lambda: not self.showing(caption), f'window "{caption}" to close')


def check_window(program, caption, role):
    """The window's role; a name and a useful role for every control; every input box of a
    creator or the composer named by its label, which names it back."""
    view = program.window(caption)
    check(view.role == role, f'"{caption}" is a {view.role}, expected a {role}')
    labelled = "Creator" in caption or caption == COMPOSER
    for node, role, name, depth in view.nodes:
        # The window's client area, a plain panel that holds the controls, is the one exception.
        if depth == 0 and role == "filler" and not name:
            continue
        check(bool(name) and role not in ("filler", "unknown"),
              f'a {role} named "{name}" in "{caption}": every control needs a name and a role')
        if role != "text" or not labelled:
            continue
        labels = [t for t in related(node, pyatspi.RELATION_LABELLED_BY)
                  if t.getRoleName() == "label"]
        if check([t.name for t in labels[:1]] == [name],
                 f'box "{name}" in "{caption}" is labelled by {[t.name for t in labels]}'):
            check(any(t.name == name for t in related(labels[0], pyatspi.RELATION_LABEL_FOR)),
                  f'the label "{name}" in "{caption}" does not name its box')
    return view


def check_locked(caption, targets, locked):
    for what, acc in targets:
        check(sensitive(acc) != locked,
              f'{what} in "{caption}" is {"sensitive under" if locked else "insensitive after"}'
              f" the dialog")


def lock_cycle(program, caption, opener, dialog, closer, while_open=None):
    """Opens `dialog` over the window with `opener(view)`: the window's controls are insensitive
    while it is open and sensitive again once its button `closer` has closed it."""
    view = program.window(caption)
    targets = view.lockable()
    check_locked(caption, targets, False)
    opener(view)
    over = check_window(program, dialog, "dialog")
    wait_until(lambda: not sensitive(targets[0][1]), f'"{caption}" to lock', 3)
    check_locked(caption, targets, True)
    if while_open:
        while_open(view)
    over.press(closer)
    program.gone(dialog)
    wait_until(lambda: sensitive(targets[0][1]), f'"{caption}" to unlock', 3)
    check_locked(caption, targets, False)


def exit_no(program, caption, while_open=None):
    lock_cycle(program, caption, lambda view: view.press("Exit"), EXIT, "No", while_open)


def list_refuses(view):
    """Under the dialog neither the table's row selection nor a row's own action changes what the
    locked list selects."""
    lst = next(node for node, role, _, _ in view.nodes if role == "list")
    table = lst.queryTable()
    before = selected_rows(lst)
    others = [r for r in range(table.nRows) if r not in before]
    table.addRowSelection(others[0])
    act(table.getAccessibleAt(others[1], 0), "toggle")
    time.sleep(0.1)
    check(selected_rows(lst) == before,
          f'the locked list of "{view.caption}" selects {selected_rows(lst)}, expected {before}')


def make_spawn_point(program, short, kind):
    """Selects a row and fills the boxes of a creator, answers its Exit with No, generates and
    answers the result screen's Exit with No. Returns the result screen's caption."""
    caption = f"Spawnsmith | {short} {kind} Spawn Point Creator"
    # San Andreas's weapon creator has no blank before its bar.
    caption = caption.replace("Spawnsmith | GTA SA Weapon", "Spawnsmith| GTA SA Weapon")
    view = check_window(program, caption, "frame")
    lst = next(node for node, role, _, _ in view.nodes if role == "list")
    table = lst.queryTable()
    rocket = short == "GTA3" and kind == "Weapon"
    row = 6 if rocket else 1
    if rocket:  # through the table interface; elsewhere with the row's own action
        check(table.getAccessibleAt(row, 0).name == "Rocket Launcher",
              f'row 6 of the GTA3 weapons reads "{table.getAccessibleAt(row, 0).name}"')
        table.addRowSelection(row)
    else:
        act(table.getAccessibleAt(row, 0), "toggle")
    wait_until(lambda: selected_rows(lst) == [row], f'row {row} of "{caption}" selected', 3)
    for label, text in FIELDS[kind].items():
        view.box(label).queryEditableText().insertText(0, text, len(text))
    exit_no(program, caption, list_refuses)
    # No left the row and the boxes as they were.
    check(selected_rows(lst) == [row], f'"{caption}" selects {selected_rows(lst)} after Exit, No')
    for label, text in FIELDS[kind].items():
        held = text_of(view.box(label))
        check(held == text, f'box "{label}" of "{caption}" holds "{held}", expected "{text}"')

    view.press("Generate My Code")
    program.gone(caption)
    result = f"Spawnsmith | {short} {kind} Spawn Point Code"
    shown = check_window(program, result, "frame")
    line = text_of(shown.find("text", "Generated code"))
    fields = FIELDS[kind]
    if rocket:
        check(line == ROCKET_LAUNCHER_LINE, f'the Rocket Launcher line reads "{line}"')
    else:
        # Whatever the row's fragment, the line names the code name and ends with X, Y, Z.
        ending = " ".join(fields[axis] for axis in "XYZ")
        check(f"${fields['Code Name']} = " in line and line.endswith(ending),
              f'"{result}" reads "{line}"')
    exit_no(program, result)
    return result


def walk(program):
    check_window(program, PICK, "frame")
    exit_no(program, PICK)
    lock_cycle(program, PICK, lambda view: view.choose("About", "Program"),
               "Spawnsmith | About Program", "Close This Window")
    # The composer locks the game-pick screen and is locked in turn by its own exit dialog.
    lock_cycle(program, PICK, lambda view: view.choose("Contact", "E-Mail"), COMPOSER,
               "Close This Window", lambda _view: exit_no(program, COMPOSER))
    for button, short in GAMES:
        program.window(PICK).press(button)
        program.gone(PICK)
        code_pick = f"Spawnsmith | {short} Code Pick"
        check_window(program, code_pick, "frame")
        exit_no(program, code_pick)
        lock_cycle(program, code_pick, lambda view: view.press("Create Vehicle Spawn Point"),
                   "Spawnsmith | Function Not Available", "Close This Window")
        for kind in FIELDS:
            program.window(code_pick).press(f"Create {kind} Spawn Point")
            result = make_spawn_point(program, short, kind)
            last = short == "GTA SA" and kind == "Item"
            if not last:
                program.window(result).press(
                    f"Back To {short} Code Pick" if kind == "Weapon" else "Back To GTA Pick")
                program.gone(result)
    # Yes ends the program at once, with status 0.
    program.window(result).press("Exit")
    program.window(EXIT).press("Yes")
    wait_until(lambda: program.process.poll() is not None, "the program to end", 5)
    check(program.process.returncode == 0, f"the program ended with {program.process.returncode}")


def main():
    started = time.monotonic()
    program = Program(sys.argv[1])
    try:
        walk(program)
    except Failure as stopped:
        check(False, f"stopped: {stopped}")
    except Exception as error:  # an accessible went away or answered with an error
        check(False, f"stopped: {type(error).__name__}: {error}")
    finally:
        if program.process.poll() is None:
            program.process.kill()
            program.process.wait()
    print(f"accessibility: {checks - len(failures)} passed, {len(failures)} failed "
          f"in {time.monotonic() - started:.1f} s")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
