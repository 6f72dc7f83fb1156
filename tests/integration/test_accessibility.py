#!/usr/bin/python3
"""The real program's main window as a screen reader meets it, through AT-SPI, on a display and a
session bus of the test's own: every control that takes the keyboard focus has a name, Tab walks
every one of them once in a round and reaches Ring now, and the window speaks the language asked
for (LANGUAGE), or chosen in its Language menu from the next start on, with "Original texts"
showing the code's own texts.

Usage (inside dbus-run-session): test_accessibility.py <program folder> <project root>
"""
import os
import pathlib
import shutil
import subprocess
import sys
import tempfile
import time
import xml.etree.ElementTree as ET

PROGRAM = pathlib.Path(sys.argv[1])
ROOT = pathlib.Path(sys.argv[2])
FAULTS = []


def check(ok, what):
    if not ok:
        FAULTS.append(what)
        print("FAIL:", what, flush=True)
    return ok


def translation(language, context, source):
    """The translation the program ships for `source` in `context`."""
    root = ET.parse(ROOT / "translations" / f"corvalin_{language}.ts").getroot()
    for ctx in root.iter("context"):
        if ctx.findtext("name") != context:
            continue
        for message in ctx.iter("message"):
            if message.findtext("source") == source:
                return message.findtext("translation")
    raise KeyError(f"{language}: no [{context}] {source!r}")


def start_display():
    read, write = os.pipe()
    xvfb = subprocess.Popen(["Xvfb", "-displayfd", str(write), "-screen", "0", "1366x768x24", "-nolisten", "tcp"],
                            pass_fds=[write], stderr=subprocess.DEVNULL)
    os.close(write)
    number = os.read(read, 16).decode().strip()
    os.close(read)
    os.environ["DISPLAY"] = ":" + number
    return xvfb


xvfb = start_display()
# The accessibility bus of this session, started by the session bus when first asked for, once
# for pyatspi and the program alike: its address is known before either asks.
# The registry it starts sends the test's key presses and clicks to this display.
subprocess.run(["dbus-update-activation-environment", "DISPLAY=" + os.environ["DISPLAY"]], check=True)
address = subprocess.run(["gdbus", "call", "--session", "--dest", "org.a11y.Bus", "--object-path", "/org/a11y/bus",
                          "--method", "org.a11y.Bus.GetAddress", "--timeout", "30"], capture_output=True, text=True)
if address.returncode != 0:
    print("the accessibility bus did not start:", address.stderr)
    sys.exit(1)
import pyatspi  # noqa: E402  (it finds the bus when imported)

DESKTOP = pyatspi.Registry.getDesktop(0)
folder = pathlib.Path(tempfile.mkdtemp(prefix="test_accessibility-"))
shutil.copytree(PROGRAM, folder / "Corvalin", ignore=shutil.ignore_patterns("data"))


def walk(node):
    try:
        children = list(node)
    except Exception:
        return
    yield node
    for child in children:
        if child is not None:
            yield from walk(child)


def states(node):
    try:
        return node.getState()
    except Exception:
        return None


def find(app, role=None, name=None, timeout=10):
    deadline = time.time() + timeout
    while time.time() < deadline:
        for node in walk(app):
            try:
                if (role is None or node.getRoleName() == role) and (name is None or node.name == name):
                    s = states(node)
                    if s and s.contains(pyatspi.STATE_SHOWING):
                        return node
            except Exception:
                pass
        time.sleep(0.3)
    return None


class Copy:
    """The program started with `language` in LANGUAGE (none: the environment's C locale)."""

    def __init__(self, language=None):
        env = dict(os.environ, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", QT_QPA_PLATFORM="xcb", LANG="C.UTF-8")
        env.pop("LC_ALL", None)
        env.pop("LANGUAGE", None)
        if language:
            env["LANGUAGE"] = language
        self.process = subprocess.Popen([str(folder / "Corvalin" / "Corvalin")], env=env,
                                        stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        self.app = None
        deadline = time.time() + 30
        while time.time() < deadline and self.app is None:
            for app in DESKTOP:
                if app is not None and app.name == "Corvalin" and app.get_process_id() == self.process.pid:
                    if app.childCount:
                        self.app = app
            time.sleep(0.3)
        if self.app is None:
            raise RuntimeError("the program did not appear on the accessibility bus")
        self.window = self.app[0]
        time.sleep(1.5)  # its first tick and panels

    def focus_window(self):
        box = self.window.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
        pyatspi.Registry.generateMouseEvent(box.x + box.width // 2, box.y + 5, "b1c")
        time.sleep(0.5)

    def focused(self):
        # A list's current item says it is focused whether or not its list is: the control is
        # the one that is not an item, else the list of the focused item.
        item = None
        for node in walk(self.window):
            s = states(node)
            if s and s.contains(pyatspi.STATE_FOCUSED):
                if node.getRoleName() not in ITEMS:
                    return node
                item = item or node.parent
        return item

    def click(self, node):
        box = node.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
        pyatspi.Registry.generateMouseEvent(box.x + box.width // 2, box.y + box.height // 2, "b1c")
        time.sleep(0.5)

    def end(self):
        self.process.terminate()
        try:
            self.process.wait(10)
        except subprocess.TimeoutExpired:
            self.process.kill()


# The items of a list or a table: Tab reaches their list, and the arrow keys the items.
ITEMS = ("list item", "table cell", "tree item")


def key(node):
    box = node.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    return (node.getRoleName(), node.name, box.x, box.y)


def focusable_controls(window):
    found = []
    for node in walk(window):
        s = states(node)
        if s and s.contains(pyatspi.STATE_FOCUSABLE) and s.contains(pyatspi.STATE_SHOWING) \
                and s.contains(pyatspi.STATE_SENSITIVE) and node.getRoleName() not in ITEMS:
            found.append(node)
    return found


def names_and_tab_order():
    copy = Copy("en")
    try:
        controls = focusable_controls(copy.window)
        check(len(controls) >= 20, f"only {len(controls)} focusable controls found")
        for node in controls:
            check(bool(node.name.strip()), f"a {node.getRoleName()} at {key(node)[2:]} has no accessible name")
        # Tab reaches one button of each group of radio buttons, the arrow keys the others.
        wanted = {key(node) for node in controls if node.getRoleName() != "radio button"}
        copy.focus_window()
        first = copy.focused()
        check(first is not None, "no control has the focus once the window is clicked")
        if first is None:
            return
        seen = []
        for _ in range(len(controls) + 10):
            pyatspi.Registry.generateKeyboardEvent(23, None, pyatspi.KEY_PRESSRELEASE)  # Tab
            time.sleep(0.25)
            now = copy.focused()
            if now is None:
                continue
            if key(now) == key(first):
                break
            seen.append(key(now))
        seen.append(key(first))
        check(len(seen) == len(set(seen)), f"Tab met a control twice in one round: {seen}")
        missed = wanted - set(seen)
        check(not missed, f"Tab never reached: {sorted(missed)}")
        check(any(name == "Ring now" for _, name, _, _ in seen), "Tab never reached Ring now")
        check(sum(role == "radio button" for role, _, _, _ in seen) >= 2, "Tab reached no group of radio buttons")
    finally:
        copy.end()


def speaks_the_language_asked():
    # English mends the code's own texts; German is German; the window and a dialog alike.
    copy = Copy("en")
    try:
        check(find(copy.window, name="Information") is not None, "English: no \"Information\" in the menu strip")
        check(find(copy.window, name="Infomation", timeout=1) is None, "English: the misspelling is shown")
    finally:
        copy.end()
    copy = Copy("de")
    try:
        ring_now = translation("de", "SoundsPanel", "Ring now")
        check(ring_now != "Ring now" and find(copy.window, "push button", ring_now) is not None,
              f"German: no button {ring_now!r}")
        entry = find(copy.window, name=translation("de", "MainWindow", "Infomation"))
        check(entry is not None, "German: no information entry in the menu strip")
        if entry is not None:
            copy.click(entry)  # the dialog is modal: a press through AT-SPI would wait for its end
            title = translation("de", "Info1", "Corvalin infomation")
            check(find(copy.app, name=title) is not None, f"German: the information dialog {title!r} did not open")
    finally:
        copy.end()


def language_menu_counts_from_the_next_start():
    copy = Copy("en")
    try:
        entry = find(copy.window, name="Language")
        check(entry is not None, "no Language entry in the menu strip")
        if entry is None:
            return
        # A popup menu is not in the accessibility tree until an item has the focus: the keys
        # walk it, as a screen reader's user does.
        copy.click(entry)
        for _ in range(4):  # System language, English, 한국어, Deutsch
            pyatspi.Registry.generateKeyboardEvent(116, None, pyatspi.KEY_PRESSRELEASE)  # Down
            time.sleep(0.2)
        pyatspi.Registry.generateKeyboardEvent(36, None, pyatspi.KEY_PRESSRELEASE)  # Return
        said = find(copy.app, name="The language is changed at the next start of Corvalin.")
        check(said is not None, "choosing a language does not say when it counts")
        kept = (folder / "Corvalin" / "data" / "language").read_text().strip()
        check(kept == "de", f"the choice kept is {kept!r}")
    finally:
        copy.end()
    copy = Copy("en")  # the choice wins over the environment's language
    try:
        check(find(copy.window, "push button", translation("de", "SoundsPanel", "Ring now")) is not None,
              "the next start does not speak the chosen German")
    finally:
        copy.end()
    (folder / "Corvalin" / "data" / "language").write_text("original\n")
    copy = Copy("de")
    try:
        check(find(copy.window, name="Infomation") is not None, "\"Original texts\" does not show the code's texts")
    finally:
        copy.end()


try:
    for case in (names_and_tab_order, speaks_the_language_asked, language_menu_counts_from_the_next_start):
        print("---", case.__name__, flush=True)
        try:
            case()
        except Exception as error:  # a case that breaks is a fault of its own, the others still run
            check(False, f"{case.__name__}: {error!r}")
finally:
    xvfb.terminate()
    shutil.rmtree(folder, ignore_errors=True)

print(f"{len(FAULTS)} fault(s)")
sys.exit(1 if FAULTS else 0)
