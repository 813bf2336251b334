#!/usr/bin/python3
"""A screen reader's view of Verbaloom, over AT-SPI.

Run by run-atspi with the program already started on the accessibility bus. Opens the
windows the way a learner does (the toolbar's buttons through their accessible action, the
menus and the rest by keys), and in each one checks that every control a learner can reach
has a name and the role it should, that the study card's boxes say what they are with their
text (and that a hidden box is not shown), and that the quiz's verdict and the game's letter
verdict are announced. With --shots DIR it also takes a picture of each window.
"""
import argparse
import os
import subprocess
import sys
import time

import pyatspi
from gi.repository import GLib

MAIN_TITLE = "Verbaloom - The Vocabulary Building Learning Tool "
# Roles a control a learner reaches may have; "label" is the game's letter boxes and hints.
CONTROL_ROLES = {
    "push button", "toggle button", "check box", "radio button", "text", "password text",
    "list", "list item", "table", "table cell", "combo box", "menu item", "spin button",
    "scroll bar", "slider", "label", "page tab", "tree", "link",
}
# Their children are the learner's data, not controls: never walked one by one.
CONTAINERS = {"list", "table", "tree", "combo box"}

failures = []
events = []
shots = None


def fail(text):
    failures.append(text)
    print("FAIL:", text, flush=True)


def pump(seconds):
    context = GLib.MainContext.default()
    end = time.time() + seconds
    while time.time() < end:
        while context.iteration(False):
            pass
        time.sleep(0.02)


def keys(*names):
    for name in names:
        subprocess.run(["xdotool", "key", "--clearmodifiers", name], check=False, timeout=10)
        pump(0.4)


def focus(title):
    """Gives the keyboard to the window with this title, as a click on it would."""
    subprocess.run(["xdotool", "search", "--onlyvisible", "--name", f"^{title}$",
                    "windowfocus", "--sync"], check=False, timeout=10, capture_output=True)
    pump(0.2)


def type_text(text):
    subprocess.run(["xdotool", "type", "--delay", "60", text], check=False, timeout=10)
    pump(0.2)


def safe(call, default=None):
    try:
        return call()
    except Exception:  # an object gone while it was looked at
        return default


def state(obj, which):
    return safe(lambda: obj.getState().contains(which), False)


def walk(obj, depth=0):
    yield obj
    if depth > 40 or safe(obj.getRoleName) in CONTAINERS:
        return
    for i in range(safe(lambda: obj.childCount, 0)):
        child = safe(lambda: obj.getChildAtIndex(i))
        if child is not None:
            yield from walk(child, depth + 1)


def wait_for(what, find, timeout=15):
    end = time.time() + timeout
    while time.time() < end:
        found = find()
        if found is not None:
            return found
        pump(0.1)
    fail(f"{what}: not found within {timeout} s")
    return None


def application():
    def find():
        desktop = pyatspi.Registry.getDesktop(0)
        for i in range(desktop.childCount):
            app = safe(lambda: desktop.getChildAtIndex(i))
            if app is not None and safe(lambda: app.name) == "verbaloom":
                return app
        return None
    return wait_for("the verbaloom application on the accessibility bus", find, 30)


def window(app, title, timeout=15):
    """The showing top-level window of the application with this title."""
    def find():
        for i in range(safe(lambda: app.childCount, 0)):
            w = safe(lambda: app.getChildAtIndex(i))
            if w is not None and safe(lambda: w.name) == title and state(w, pyatspi.STATE_SHOWING):
                return w
        return None
    return wait_for(f"the window '{title}'", find, timeout)


def gone(app, title, timeout=10):
    end = time.time() + timeout
    while time.time() < end:
        if not any(safe(lambda: app.getChildAtIndex(i).name) == title and
                   state(app.getChildAtIndex(i), pyatspi.STATE_SHOWING)
                   for i in range(safe(lambda: app.childCount, 0))):
            return True
        pump(0.1)
    fail(f"the window '{title}' did not close")
    return False


def find(root, name, role=None):
    for obj in walk(root):
        if safe(lambda: obj.name) == name and (role is None or safe(obj.getRoleName) == role):
            return obj
    return None


def press(root, name, role="push button"):
    button = find(root, name, role)
    if button is None:
        fail(f"no {role} '{name}'")
        return False
    # Clicked as a screen reader clicks it: its accessible action.
    safe(lambda: button.queryAction().doAction(0))
    pump(0.3)
    return True


def check_controls(win, title, roles=()):
    """Every control a learner reaches has a name and a control's role."""
    seen = 0
    for obj in walk(win):
        if not (state(obj, pyatspi.STATE_FOCUSABLE) and state(obj, pyatspi.STATE_SHOWING) and
                state(obj, pyatspi.STATE_SENSITIVE)):
            continue
        seen += 1
        role = safe(obj.getRoleName, "?")
        name = (safe(lambda: obj.name) or "").strip()
        if not name and role not in ("list item", "table cell"):
            fail(f"{title}: a focusable {role} without a name")
        elif role not in CONTROL_ROLES:
            fail(f"{title}: '{name}' is focusable as a {role}")
    if seen == 0:
        fail(f"{title}: no control a learner can reach")
    for name, role in roles:
        if find(win, name, role) is None:
            fail(f"{title}: no {role} named '{name}'")


def shot(tag):
    if shots:
        subprocess.run(["import", "-window", "root", os.path.join(shots, tag + ".png")],
                       check=False, timeout=30)


def visit(app, title, roles=(), tag=None, close=("Escape",)):
    win = window(app, title)
    if win is None:
        return None
    pump(0.5)
    check_controls(win, title, roles)
    shot(tag or title)
    return win


def close(app, title, *names):
    focus(title)
    keys(*(names or ("Escape",)))
    gone(app, title)


def text_of(obj):
    text = safe(obj.queryText)
    return safe(lambda: text.getText(0, -1), "") if text is not None else ""


def check_card(main):
    focus(MAIN_TITLE)
    for name in ("Word", "Meaning", "Usage"):
        box = find(main, name, "text")
        if box is None:
            fail(f"the card's '{name}' box is not there as a text")
        elif not text_of(box).strip():
            fail(f"the card's '{name}' box does not expose its text")
    keys("ctrl+1")  # Guess Meanings: the meaning is hidden
    pump(1)
    meaning = find(main, "Meaning", "text")
    if meaning is not None and state(meaning, pyatspi.STATE_SHOWING):
        fail("the hidden meaning box is still shown to a screen reader")
    keys("ctrl+3")  # every box again


def heard(prefix, since):
    """Whether a notification starting with the text was announced since the index."""
    return any(kind == "notification" and name.startswith(prefix) for _, kind, name in events[since:])


def on_event(event):
    events.append((event.type, safe(event.source.getRoleName, "?"), safe(lambda: event.source.name, "")))


def main():
    global shots
    parser = argparse.ArgumentParser()
    parser.add_argument("--shots")
    args = parser.parse_args()
    shots = args.shots
    app = application()
    if app is None:
        return 1
    pyatspi.Registry.registerEventListener(
        on_event, "object:state-changed:showing", "object:property-change:accessible-name")
    main_window = visit(app, MAIN_TITLE, tag="main", roles=[
        ("Word", "text"), ("Meaning", "text"), ("Usage", "text"), ("Next Word", "push button"),
        ("Always Pronounce", "check box"), ("Guess Meanings", "radio button"),
        ("Find word (in Refined Selection)", "text"), ("Words you have gone through", "list"),
        ("Words Selection", "push button")])
    if main_window is None:
        return 1
    check_card(main_window)

    # The toolbar's windows.
    if press(main_window, "Words Selection"):
        selection = visit(app, "Word Selection", roles=[("Choose a WordList", "list")])
        if selection is not None and press(selection, "Revise what you have studied ...", "check box") \
                and press(selection, "Choose the From date"):
            visit(app, "Choose a Date", roles=[("Choose a Date", "table")])
            close(app, "Choose a Date")
        close(app, "Word Selection")
    if press(main_window, "Refine Selection"):
        visit(app, " Refine Selection")
        close(app, " Refine Selection")
    if press(main_window, "Quiz"):
        quiz = visit(app, "Quiz")
        since = len(events)
        focus("Quiz")
        keys("1", "Return")
        pump(1)
        if not (heard("Verdict: CORRECT", since) or heard("Verdict: INCORRECT", since)):
            fail("the quiz's verdict was not announced")
        if quiz is not None:
            shot("quiz-verdict")
        close(app, "Quiz", "Escape", "Return")  # the grade's message goes with Enter
    if press(main_window, "Game"):
        game = visit(app, "Game", roles=[("Letter 1", "label")])
        since = len(events)
        focus("Game")
        type_text("q")
        pump(1)
        if not heard("Verdict: ", since):
            fail("the game's verdict on a letter was not announced")
        keys("space")  # the letter picker over the box
        visit(app, "Albhabets")
        close(app, "Albhabets")
        if game is not None:
            close(app, "Game")
    if press(main_window, "One Spot - Ticker"):
        visit(app, "One Spot - Ticker", tag="ticker")
        close(app, "One Spot - Ticker")
    if press(main_window, "List View"):
        keys("Return")  # the list's opening hint
        visit(app, "List View", roles=[("List of Words in the Recordset", "table")])
        visit(app, "Navigate - Verbaloom!", tag="navigate")
        close(app, "List View")
    if press(main_window, "Report"):
        visit(app, "Progress Report")
        close(app, "Progress Report")
    if press(main_window, "Edit"):
        visit(app, "Edit Meaning / Usage", tag="edit")
        close(app, "Edit Meaning / Usage")

    # The due words, graded on the card.
    focus(MAIN_TITLE)
    keys("ctrl+d")
    pump(0.5)
    visit(app, MAIN_TITLE, tag="due", roles=[("Show", "push button"), ("Good", "push button")])

    # The menus, by their keys.
    focus(MAIN_TITLE)
    keys("alt+o")
    visit(app, "Options")
    close(app, "Options")
    focus(MAIN_TITLE)
    keys("alt+a", "Return")
    visit(app, "Add Word")
    close(app, "Add Word")
    focus(MAIN_TITLE)
    keys("alt+a", "Down", "Down", "Return")
    visit(app, "Export Words", tag="export")
    close(app, "Export Words")
    focus(MAIN_TITLE)
    keys("alt+b", "Return")
    visit(app, "Tip of the Day")
    close(app, "Tip of the Day")
    focus(MAIN_TITLE)
    keys("alt+b", "Down", "Return")
    about = visit(app, "About Verbaloom!", tag="about")
    if about is not None and press(about, "Licences..."):
        visit(app, "Licences - Verbaloom!", tag="licences")
        close(app, "Licences - Verbaloom!")
    close(app, "About Verbaloom!")

    print(f"{len(failures)} failures", flush=True)
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
