#!/usr/bin/python3
"""Reads and drives the wizard through the accessibility bus (AT-SPI) alone, as a screen reader
does: every window a user can reach is opened through accessible actions; its role, its name and
the role, name and label of each of its controls are checked against the tables below; the
keyboard focus and the lock-out of a screen under a dialog must show in the controls' states; and
the Rocket Launcher spawn point is made with accessible actions and text alone, its line read
back from the result box's accessible text.

Started by run.sh, which provides the X server, the buses and the environment.
Usage: a11y_test.py PATH/TO/spawnsmith
"""

import subprocess
import sys
import time
from collections import namedtuple

import gi

gi.require_version("Atspi", "2.0")
from gi.repository import Atspi  # noqa: E402
import pyatspi  # noqa: E402

TIMEOUT = 5.0  # seconds for one window or state to appear
POLL = 0.02

# A control as a screen reader should find it: `name` is the program's object name, used in
# messages only, since the bridge does not export object names; `role` and `spoken` are the
# accessible's role and name; `labelled_by` is the name of the label the control names as its
# label.
# `locks` is False for the few controls that stay usable while a dialog is open over the window.
Control = namedtuple("Control", "name role spoken labelled_by locks", defaults=(None, True))
# A window: its caption, role ("frame" for a screen, "dialog" for a window opened over one), its
# controls, the control that has the focus when it opens (None where it is left open)
# and the object name of its list box, if it has one.
Window = namedtuple("Window", "caption role controls focus list", defaults=(None, None))


def button(name, caption):
    return Control(name, "push button", caption)


def label(name, text, locks=True):
    return Control(name, "label", text, locks=locks)


def box(name, caption):
    return Control(name, "text", caption, labelled_by=caption)


def menu(name, title):
    return Control(name, "menu item", title)


EXIT_DIALOG = "Spawnsmith | Exit?"


def exit_dialog(focus):
    return Window(EXIT_DIALOG, "dialog",
                  [label("lblexit", "Are You Sure You Want To Exit?"), button("cmdyes", "Yes"),
                   button("cmdno", "No")], focus)


GAME_PICK = Window("Spawnsmith | GTA Pick", "frame",
                   [button("cmdgta3", "GTA3"), button("cmdgtavc", "GTA Vice City"),
                    button("cmdgtasa", "GTA San Andreas"), button("cmdexit", "Exit"),
                    menu("mnuabout", "About"), menu("mnuthanks", "Members"),
                    menu("mnucontact", "Contact"), menu("mnuweb", "Web Sites")],
                   "cmdgta3")


def code_pick(game, names):
    captions = ["Create Weapon Spawn Point", "Create Item Spawn Point",
                "Create Vehicle Spawn Point", "Back To GTA Pick", "Exit"]
    return Window(f"Spawnsmith | {game} Code Pick", "frame",
                  [button(n, c) for n, c in zip(names, captions)], names[0])


def creator(caption, lst, list_name, frame, boxes, generate, buttons):
    """A creator screen; `boxes` are (label, box) object names in the order X, Y, Z, code
    name and, on weapon screens, ammo."""
    texts = ["X", "Y", "Z", "Code Name", "Amount Of Ammo"]
    controls = [Control(lst, "list", list_name), Control(frame, "panel", "Coordinates")]
    for (label_name, box_name), text in zip(boxes, texts):
        controls += [label(label_name, text), box(box_name, text)]
    controls.append(button(generate, "Generate My Code"))
    controls += [button(n, c) for n, c in buttons]
    return Window(caption, "frame", controls, lst, lst)


def result(caption, box_name, buttons, focus=None):
    return Window(caption, "frame",
                  [Control(box_name, "text", "Generated code")] +
                  [button(n, c) for n, c in buttons], focus)


COORDS = [("lblx", "txtx"), ("lbly", "txty"), ("lblz", "txtz")]
NOT_AVAILABLE = Window("Spawnsmith | Function Not Available", "dialog",
                       [label("lblnotava", "Sorry This Function Is Not Yet Available."),
                        button("cmdclosewindow", "Close This Window")], "cmdclosewindow")

# The three games: code-pick screen, its confirm-exit dialog, the weapon and item creators and
# result screens with theirs, in the order a user meets them.
GTA3 = {
    "game button": "GTA3",
    "code pick": code_pick("GTA3", ["cmdgta3weapon", "cmdgta3item", "cmdgta3vehicle",
                                    "cmdgta3cpback", "cmdgta3cpexit"]),
    "code pick exit": exit_dialog("cmdno"),
    "weapon": creator("Spawnsmith | GTA3 Weapon Spawn Point Creator", "lstgta3weapon",
                      "GTA3 weapons", "framegta3coord",
                      [("lblx", "txtgta3weaponx"), ("lbly", "txtgta3weapony"),
                       ("lblz", "txtgta3weaponz"), ("lblcodename", "txtgta3weaponname"),
                       ("lblammo", "txtgta3weaponammo")],
                      "cmdgta3weapongeneratecode",
                      [("cmdbackgta3cp", "Back To GTA3 Code Pick"),
                       ("cmdbackgtapick", "Back To GTA Pick"), ("cmdexit", "Exit")]),
    "weapon exit": exit_dialog("cmdno"),
    "weapon result": result("Spawnsmith | GTA3 Weapon Spawn Point Code",
                            "txtgta3weaponfinishedcode",
                            [("cmdbackgta3weapon", "Back To GTA3 Weapon Spawn Point Creator"),
                             ("cmdgta3codepickback", "Back To GTA3 Code Pick"),
                             ("cmdbackgtapick", "Back To GTA Pick"), ("cmdexit", "Exit")],
                            "txtgta3weaponfinishedcode"),
    # Its buttons are captioned "&Yes" and "&No"; the access key is no part of the name.
    "weapon result exit": exit_dialog("cmdyes"),
    "item": creator("Spawnsmith | GTA3 Item Spawn Point Creator", "lstitem", "GTA3 items",
                    "framegta3itemcoord",
                    [("lblx", "txtgta3itemcoordx"), ("lbly", "txtgta3itemcoordy"),
                     ("lblz", "txtgta3itemcoordz"), ("lblcodename", "txtgta3itemcodename")],
                    "cmdgta3itemgencode",
                    [("cmdbacktogta3codepick", "Back To GTA3 Code Pick"),
                     ("cmdbacktogtapick", "Back To GTA Pick"), ("cmdexit", "Exit")]),
    "item exit": exit_dialog("cmdyes"),
    "item result": result("Spawnsmith | GTA3 Item Spawn Point Code", "txtgta3itemfinishedcode",
                          [("cmdbackgta3item", "Back To GTA3 Item Spawn Point Creator"),
                           ("cmdgta3codepickback", "Back To GTA3 Code Pick"),
                           ("cmdbackgtapick", "Back To GTA Pick"), ("cmdexit", "Exit")],
                          "cmdexit"),
    "item result exit": exit_dialog("cmdyes"),
}
VC = {
    "game button": "GTA Vice City",
    "code pick": code_pick("GTA VC", ["cmdgtavcweapon", "cmdgtavcitem", "cmdgtavcvehicle",
                                      "cmdgtavcback", "cmdexit"]),
    "code pick exit": exit_dialog("cmdno"),
    "weapon": creator("Spawnsmith | GTA VC Weapon Spawn Point Creator", "lstgtavcweapon",
                      "GTA VC weapons", "framecoord",
                      COORDS + [("lblcodename", "txtcodename"), ("lblammo", "txtammo")],
                      "cmdgencode",
                      [("cmdbacktovccp", "Back To GTA VC Code Pick"),
                       ("cmdbacktogtapick", "Back To GTA Pick"), ("cmdexit", "Exit")]),
    "weapon exit": exit_dialog("cmdyes"),
    "weapon result": result("Spawnsmith | GTA VC Weapon Spawn Point Code", "txtfinishedcode",
                            [("cmdbackgtavcweapon", "Back To GTA VC Weapon Spawn Point Creator"),
                             ("cmdgtavccodepickback", "Back To GTA VC Code Pick"),
                             ("cmdbackgtapick", "Back To GTA Pick"), ("cmdexit", "Exit")]),
    "weapon result exit": exit_dialog("cmdno"),
    "item": creator("Spawnsmith | GTA VC Item Spawn Point Creator", "lstgtavcitem",
                    "GTA VC items", "framecoord", COORDS + [("lblcodename", "txtcodename")],
                    "cmdgencode",
                    [("cmdbacktogtapick", "Back To GTA Pick"),
                     ("cmdbacktovccp", "Back To GTA VC Code Pick"), ("cmdexit", "Exit")]),
    "item exit": exit_dialog("cmdyes"),
    "item result": result("Spawnsmith | GTA VC Item Spawn Point Code",
                          "txtgtavcitemfinishedcode",
                          [("cmdbackgtavcitem", "Back To GTA VC Item Spawn Point Creator"),
                           ("cmdgtavccodepickback", "Back To GTA VC Code Pick"),
                           ("cmdbackgtapick", "Back To GTA Pick"), ("cmdexit", "Exit")]),
    "item result exit": exit_dialog("cmdyes"),
}
SA = {
    "game button": "GTA San Andreas",
    "code pick": code_pick("GTA SA", ["cmdgtasaweapon", "cmdgtasaitem", "cmdgtasavehicle",
                                      "cmdbacktogtapick", "cmdexit"]),
    "code pick exit": exit_dialog("cmdno"),
    "weapon": creator("Spawnsmith| GTA SA Weapon Spawn Point Creator", "lstgtasaweapon",
                      "GTA SA weapons", "framecoord",
                      COORDS + [("lblcodename", "txtcodename"), ("lblammo", "txtammo")],
                      "cmdgencode",
                      [("cmdbacktogtasacodepick", "Back To GTA SA Code Pick"),
                       ("cmdbacktogtapick", "Back To GTA Pick"), ("cmdexit", "Exit")]),
    "weapon exit": exit_dialog("cmdno"),
    "weapon result": result("Spawnsmith | GTA SA Weapon Spawn Point Code", "txtfinishedcode",
                            [("cmdbackgtasaweapon", "Back To GTA SA Weapon Spawn Point Creator"),
                             ("cmdgtasacodepickback", "Back To GTA SA Code Pick"),
                             ("cmdbackgtapick", "Back To GTA Pick"), ("cmdexit", "Exit")]),
    "weapon result exit": exit_dialog("cmdyes"),
    "item": creator("Spawnsmith | GTA SA Item Spawn Point Creator", "lstgtasaitem",
                    "GTA SA items", "framecoord", COORDS + [("lblcodename", "txtcodename")],
                    "cmdgencode",
                    [("cmdbacktogtasacp", "Back To GTA SA Code Pick"),
                     ("cmdbacktogtapick", "Back To GTA Pick"), ("cmdexit", "Exit")]),
    "item exit": exit_dialog("cmdno"),
    "item result": result("Spawnsmith | GTA SA Item Spawn Point Code",
                          "txtgtasaitemfinishedcode",
                          [("cmdbackgtasaitem", "Back To GTA SA Item Spawn Point Creator"),
                           ("cmdgtasacodepickback", "Back To GTA SA Code Pick"),
                           ("cmdbackgtapick", "Back To GTA Pick"), ("cmdexit", "Exit")]),
    "item result exit": exit_dialog("cmdyes"),
}

# The game-pick screen's menu entries that open a window over it, with the window.
INFO_WINDOWS = [
    ("About", "Program", Window("Spawnsmith | About Program", "dialog",
                                [label("lblaboutprogram", "About Spawnsmith"),
                                 button("cmdclosethiswindow", "Close This Window")],
                                "cmdclosethiswindow")),
    ("About", "Version", Window("Spawnsmith | About Version", "dialog",
                                [label("lblaboutversion", "About Version 0.1"),
                                 Control("txtaboutversionfeatures", "text", "Features"),
                                 label("lblbugsfixed", "Bugs Fixed:"),
                                 Control("txtbugsfixed", "text", "Bugs Fixed"),
                                 button("cmdclosewindow", "Close This Window")],
                                "cmdclosewindow")),
    ("About", "Copyright", Window("Spawnsmith | About Copyright", "dialog",
                                  [label("lblaboutcopyright", "About Copyright"),
                                   button("cmdclosewindow", "Close This Window")],
                                  "cmdclosewindow")),
    ("Members", "Thanks", Window("Spawnsmith | Thanks", "dialog",
                                 [label("lblthanks", "Thanks"),
                                  button("cmdclosewindow", "Close This Window")],
                                 "cmdclosewindow")),
]
COMPOSER = Window("Spawnsmith | E-Mail Author", "dialog",
                  [c for (n, t) in [("txtTo", "To"), ("txtCc", "CC"),
                                    ("txtBcc", "BCC"), ("txtSubject", "Subject"),
                                    ("txtBody", "Body")]
                   for c in (label("Label1", t, locks=False), box(n, t))] +
                  [button("cmdSend", "Launch E-Mail Application"),
                   button("cmdclosewindow", "Close This Window"), button("cmdexit", "Exit")],
                  "txtTo")
COMPOSER_EXIT = exit_dialog("cmdyes")

ROCKET_LAUNCHER_LINE = "032B: $r = create_weapon_pickup #ROCKET  14 ammo  50 at 1 2 3"


class Failure(Exception):
    """A step that the rest of the walk cannot go on without."""


class Report:
    def __init__(self):
        self.passed = 0
        self.failed = []

    def check(self, ok, what):
        if ok:
            self.passed += 1
        else:
            self.failed.append(what)
            print(f"FAIL: {what}", flush=True)
        return ok


report = Report()


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
    states = acc.getState()
    return states.contains(pyatspi.STATE_SENSITIVE) and states.contains(pyatspi.STATE_ENABLED)


def act(acc, *names):
    action = acc.queryAction()
    for i in range(action.nActions):
        if action.getName(i).lower() in names:
            return action.doAction(i)
    raise Failure(f'"{acc.name}" has no action {"/".join(names)}')


def relation_targets(acc, relation):
    return [r.getTarget(i) for r in acc.getRelationSet() if r.getRelationType() == relation
            for i in range(r.getNTargets())]


def text_of(acc):
    return acc.queryText().getText(0, -1)


def rows(list_acc):
    table = list_acc.queryTable()
    return [table.getAccessibleAt(r, 0) for r in range(table.nRows)]


def selected_rows(list_acc):
    return [r.name for r in rows(list_acc) if has(r, pyatspi.STATE_SELECTED)]


class View:
    """One window's accessible tree, read once (each question is a round trip to the program):
    its controls by role and name."""

    def __init__(self, window):
        self.window = window
        self.caption = window.name
        self.role = window.getRoleName()
        self.nodes = []  # (accessible, role, name, depth below the window)
        waiting = [(child, 0) for child in window]
        while waiting:
            node, depth = waiting.pop(0)
            if node is None:
                continue
            role = node.getRoleName()
            self.nodes.append((node, role, node.name, depth))
            # A list's rows are read through its table interface and a menu's entries when
            # asked for; a text box's viewport and scroll bars are the toolkit's, no controls.
            if role not in ("list", "popup menu", "text"):
                waiting.extend((child, depth + 1) for child in node)

    def find(self, role, name, what=""):
        found = [node for node, r, n, _ in self.nodes if r == role and n == name]
        if len(found) != 1:
            raise Failure(f'{len(found)} {role}s named "{name}" in "{self.caption}"{what}')
        return found[0]

    def control(self, c):
        return self.find(c.role, c.spoken, f" ({c.name})")

    def press(self, caption):
        act(self.find("push button", caption), "press", "click")

    def choose(self, title, entry):
        """Chooses a menu entry, found as a screen reader finds it: in the popup menu below
        the menu bar's title."""
        for popup in self.find("menu item", title):
            if popup.getRoleName() == "popup menu":
                for item in popup:
                    if item.getRoleName() == "menu item" and item.name == entry:
                        return act(item, "press", "click")
        raise Failure(f'no entry "{entry}" in menu "{title}" of "{self.caption}"')


class Program:
    def __init__(self, path):
        self.process = subprocess.Popen([path], stdout=subprocess.DEVNULL)
        desktop = pyatspi.Registry.getDesktop(0)

        def application():
            for app in desktop:
                if app is not None and app.get_process_id() == self.process.pid:
                    return app
            return None

        # The splash screen stays up for 2 seconds before the game-pick screen.
        self.app = wait_until(application, "the program on the accessibility bus", 15)
        # No event loop runs here to keep a cache up to date, so every question goes to the
        # program itself.
        self.app.set_cache_mask(Atspi.Cache.NONE)

    def showing(self, caption):
        return [w for w in self.app if w is not None and w.name == caption and
                w.getState().contains(pyatspi.STATE_SHOWING)]

    def window(self, described):
        shown = wait_until(lambda: self.showing(described.caption), f'window "{described.caption}"')
        if len(shown) != 1:
            raise Failure(f'{len(shown)} windows "{described.caption}" are showing')
        return View(shown[0])

    def gone(self, caption):
        wait_until(lambda: not self.showing(caption), f'window "{caption}" to close')

    def end(self):
        if self.process.poll() is None:
            self.process.kill()
            self.process.wait()


# ---- the checks


def check_window(program, described, key):
    """Role and name of the window and of every control in its table, the labels of its input
    boxes and where its focus starts. Returns the window's view."""
    view = program.window(described)
    report.check(view.role == described.role,
                 f'{key}: window "{described.caption}" is a {view.role}, expected {described.role}')
    for node, role, name, depth in view.nodes:
        # Only the window's client area, a plain panel that holds the controls, goes without a
        # name and a role of its own.
        if depth == 0 and role == "filler" and not name:
            continue
        report.check(bool(name), f'{key}: a {role} without a name in "{view.caption}"')
        report.check(role not in ("filler", "unknown"),
                     f'{key}: "{name}" in "{view.caption}" has no useful role ({role})')
    for c in described.controls:
        try:
            acc = view.control(c)
        except Failure as missing:
            report.check(False, f"{key}: {missing}")
            continue
        if c.labelled_by is None:
            continue
        labels = [t for t in relation_targets(acc, pyatspi.RELATION_LABELLED_BY)
                  if t.getRoleName() == "label"]
        if report.check([t.name for t in labels[:1]] == [c.labelled_by],
                        f'{key}: box {c.name} "{c.spoken}" is labelled by '
                        f'{[t.name for t in labels]}, expected the label "{c.labelled_by}"'):
            report.check(any(t.name == c.spoken for t in
                             relation_targets(labels[0], pyatspi.RELATION_LABEL_FOR)),
                         f'{key}: label "{c.labelled_by}" does not name box {c.name} as the '
                         f"control it labels")
    if described.focus:
        wanted = next(c for c in described.controls if c.name == described.focus)
        acc = view.control(wanted)
        try:
            wait_until(lambda: has(acc, pyatspi.STATE_FOCUSED), "focus", 3)
            report.check(True, "")
        except Failure:
            report.check(False, f'{key}: focus does not start on {wanted.name} "{wanted.spoken}"')
    return view


def lock_targets(view, described):
    """(what, accessible, stays usable) for every control of the window's table and every row
    of its list."""
    targets = []
    for c in described.controls:
        acc = view.control(c)
        targets.append((c.name, acc, not c.locks))
        if c.role == "list":
            targets += [(f"{c.name} row {row.name}", row, False) for row in rows(acc)]
    return targets


def check_locked(key, targets, locked):
    for name, acc, stays in targets:
        is_sensitive = sensitive(acc)
        report.check(is_sensitive == (stays or not locked),
                     f'{key}: {name} is {"sensitive" if is_sensitive else "insensitive"} '
                     f'{"under the dialog" if locked else "after the dialog closed"}')


def lock_cycle(program, key, described, opener, dialog, closer, while_open=None):
    """Opens `dialog` over the window with `opener(view)`, checks that the window's lock-out
    set is insensitive meanwhile and the dialog as any window, runs `while_open(view, dialog
    view)`, closes the dialog with its button `closer` and checks that the set is usable again.
    """
    view = program.window(described)
    targets = lock_targets(view, described)
    check_locked(key, targets, False)
    first = next(acc for _, acc, stays in targets if not stays)
    opener(view)
    over = check_window(program, dialog, f"{key} dialog")
    wait_until(lambda: not sensitive(first), f"{key} to lock", 3)
    check_locked(key, targets, True)
    if while_open:
        while_open(view, over)
    over.press(closer)
    program.gone(dialog.caption)
    wait_until(lambda: sensitive(first), f"{key} to unlock", 3)
    check_locked(key, targets, False)


def exit_cycle(program, key, described, dialog, while_open=None):
    lock_cycle(program, key, described, lambda view: view.press("Exit"), dialog, "No", while_open)


def locked_list_keeps_its_row(key, described):
    """While the screen is locked, neither the table's row selection nor a row's own action
    changes what its list selects."""
    def check(view, _dialog):
        lst = view.control(described.controls[0])
        table = lst.queryTable()
        before = selected_rows(lst)
        unselected = [r for r in range(table.nRows)
                      if table.getAccessibleAt(r, 0).name not in before]
        table.addRowSelection(unselected[0])
        report.check(selected_rows(lst) == before,
                     f"{key}: the locked list {described.list} selects {selected_rows(lst)} after "
                     f"the table selected row {unselected[0]}, expected {before}")
        act(table.getAccessibleAt(unselected[1], 0), "toggle")
        time.sleep(0.1)
        report.check(selected_rows(lst) == before,
                     f"{key}: the locked list {described.list} selects {selected_rows(lst)} after "
                     f"row {unselected[1]} was toggled, expected {before}")
    return check


def box_named(described, caption):
    return next(c for c in described.controls if c.role == "text" and c.spoken == caption)


def type_into(view, c, text):
    acc = view.control(c)
    acc.queryEditableText().insertText(0, text, len(text))
    wait_until(lambda: text_of(acc) == text, f'"{text}" in {c.name}', 3)


def game_pick_checks(program):
    check_window(program, GAME_PICK, "game pick")
    exit_cycle(program, "game pick", GAME_PICK, exit_dialog("cmdyes"))
    for title, entry, described in INFO_WINDOWS:
        lock_cycle(program, f"game pick under {entry}", GAME_PICK,
                   lambda view, t=title, e=entry: view.choose(t, e), described, "Close This Window")
    # The composer locks the game-pick screen and is locked in turn by its own exit dialog.
    lock_cycle(program, "game pick under the composer", GAME_PICK,
               lambda view: view.choose("Contact", "E-Mail"), COMPOSER, "Close This Window",
               lambda _view, _composer: exit_cycle(program, "composer", COMPOSER,
                                                   COMPOSER_EXIT))


# What is typed into the creators; on GTA3's weapon creator, the Rocket Launcher example.
WEAPON_FIELDS = {"X": "1", "Y": "2", "Z": "3", "Code Name": "r", "Amount Of Ammo": "50"}
ITEM_FIELDS = {"X": "4", "Y": "5", "Z": "6", "Code Name": "i"}


def make_spawn_point(program, game, name, kind, fields):
    """Checks a creator screen, selects a row and fills its boxes through the accessibility
    bus, locks and unlocks it, generates and checks the result screen."""
    described = game[kind]
    view = check_window(program, described, f"{name} {kind}")
    lst = view.control(described.controls[0])
    table = lst.queryTable()
    if name == "GTA3" and kind == "weapon":
        # The Rocket Launcher, row 6, selected through the table interface.
        row = 6
        report.check(table.getAccessibleAt(row, 0).name == "Rocket Launcher",
                     f'row 6 of lstgta3weapon reads "{table.getAccessibleAt(row, 0).name}"')
        report.check(table.addRowSelection(row), "lstgta3weapon refused to select row 6")
    else:
        # Elsewhere the row is chosen with the row's own action, as a click would.
        row = 1
        act(table.getAccessibleAt(row, 0), "toggle")
    wait_until(lambda: has(table.getAccessibleAt(row, 0), pyatspi.STATE_SELECTED),
               f"row {row} of {described.list} to be selected", 3)
    for caption, text in fields.items():
        type_into(view, box_named(described, caption), text)

    exit_cycle(program, f"{name} {kind}", described, game[f"{kind} exit"],
               locked_list_keeps_its_row(f"{name} {kind}", described))
    # "No" left the row and the boxes as they were.
    report.check(has(table.getAccessibleAt(row, 0), pyatspi.STATE_SELECTED),
                 f"{described.list}: row {row} is no longer selected after Exit, No")
    for caption, text in fields.items():
        held = text_of(view.control(box_named(described, caption)))
        report.check(held == text,
                     f'{name} {kind}: box "{caption}" holds "{held}" after Exit, No')

    view.press("Generate My Code")
    program.gone(described.caption)
    finished = game[f"{kind} result"]
    shown = check_window(program, finished, f"{name} {kind} result")
    line = text_of(shown.control(finished.controls[0]))
    if name == "GTA3" and kind == "weapon":
        report.check(line == ROCKET_LAUNCHER_LINE, f'the Rocket Launcher line reads "{line}", '
                                                   f'expected "{ROCKET_LAUNCHER_LINE}"')
    else:
        # Whatever the row's fragment, the line names the code name and ends with the
        # coordinates typed.
        coordinates = " ".join(fields[axis] for axis in "XYZ")
        report.check(f"${fields['Code Name']} = " in line and line.endswith(coordinates),
                     f'{name} {kind}: the result box reads "{line}"')
    exit_cycle(program, f"{name} {kind} result", finished, game[f"{kind} result exit"])
    return finished


def walk_game(program, game, name, last):
    program.window(GAME_PICK).press(game["game button"])
    program.gone(GAME_PICK.caption)
    code_pick = game["code pick"]
    check_window(program, code_pick, f"{name} code pick")
    exit_cycle(program, f"{name} code pick", code_pick, game["code pick exit"])
    lock_cycle(program, f"{name} code pick", code_pick,
               lambda view: view.press("Create Vehicle Spawn Point"), NOT_AVAILABLE,
               "Close This Window")

    program.window(code_pick).press("Create Weapon Spawn Point")
    finished = make_spawn_point(program, game, name, "weapon", WEAPON_FIELDS)
    program.window(finished).press(f"Back To {name} Code Pick")
    program.gone(finished.caption)
    program.window(code_pick).press("Create Item Spawn Point")
    finished = make_spawn_point(program, game, name, "item", ITEM_FIELDS)
    if not last:
        program.window(finished).press("Back To GTA Pick")
        program.gone(finished.caption)
        return
    # "Yes" ends the program at once.
    program.window(finished).press("Exit")
    program.window(game["item result exit"]).press("Yes")
    wait_until(lambda: program.process.poll() is not None, "the program to end", 5)
    report.check(program.process.returncode == 0,
                 f"the program ended with status {program.process.returncode}")


def main():
    started = time.monotonic()
    program = Program(sys.argv[1])
    try:
        game_pick_checks(program)
        walk_game(program, GTA3, "GTA3", False)
        walk_game(program, VC, "GTA VC", False)
        walk_game(program, SA, "GTA SA", True)
    except Failure as stopped:
        report.check(False, f"stopped: {stopped}")
    except Exception as error:  # an accessible went away or answered with an error
        report.check(False, f"stopped: {type(error).__name__}: {error}")
    finally:
        program.end()
    print(f"accessibility: {report.passed} passed, {len(report.failed)} failed "
          f"in {time.monotonic() - started:.1f} s")
    return 1 if report.failed else 0


if __name__ == "__main__":
    sys.exit(main())
