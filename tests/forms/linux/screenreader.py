#!/usr/bin/python3
"""What a screen reader hears from Vantelix, asked over the accessibility bus.

Starts the program on the X server of the environment and talks to it as
Orca does, through AT-SPI: reads the names of the controls and labels,
presses Down on the focused slider and listens for the announcements, opens
the About window through its button's action, reads it, closes it, and ends
the program with Exit.

Usage: screenreader.py <vantelix executable>
Run on an X server, inside a D-Bus session started on it, so that the
accessibility registry can type on that server:
    xvfb-run -a dbus-run-session -- screenreader.py <vantelix executable>
"""

import os
import subprocess
import sys
import time

import pyatspi
from gi.repository import GLib

TIMEOUT_SECONDS = 60  # a sanitizer build on a loaded machine starts slowly

ADJUST = "Adjust the sliders until you are happy with the proposed change in size."
MINOR = "A minor change in size, success is likely."
DESCRIPTION = ("This program uses a complex set of algorithms and some hella nifty DLLs to dynamically "
               "increase and decrease the size of the user's penis using only their computer. "
               "Oh! But it doesn't really.")

problems = []


def check(condition, message):
    if not condition:
        problems.append(message)
        print("FAIL:", message)
    return condition


def pump(seconds):
    """Lets AT-SPI deliver events for a while."""
    context = GLib.MainContext.default()
    end = time.monotonic() + seconds
    while time.monotonic() < end:
        while context.pending():
            context.iteration(False)
        time.sleep(0.02)


def wait_for(find, what):
    end = time.monotonic() + TIMEOUT_SECONDS
    while time.monotonic() < end:
        found = find()
        if found:
            return found
        pump(0.2)
    raise SystemExit("FAIL: no " + what + " within %d s" % TIMEOUT_SECONDS)


def descendants(root):
    for child in root:
        if child is None:
            continue
        yield child
        yield from descendants(child)


def role(accessible):
    return accessible.getRoleName()


def named(root, role_name, name):
    return next((a for a in descendants(root) if role(a) == role_name and a.name == name), None)


def described(root, description):
    return next((a for a in descendants(root) if a.description == description), None)


def application():
    desktop = pyatspi.Registry.getDesktop(0)
    return next((a for a in desktop if a is not None and a.name == "vantelix"), None)


def press(button):
    actions = button.queryAction()
    names = [actions.getName(i) for i in range(actions.nActions)]
    actions.doAction(names.index("Press"))


def every_control_is_named(window):
    for accessible in descendants(window):
        if role(accessible) in ("slider", "push button", "progress bar", "image", "panel"):
            check(accessible.name.strip() != "", "a %s without a name" % role(accessible))


def main():
    # The registry first, as on a desktop: a program that announces itself
    # before the registry runs is not listed.
    pyatspi.Registry.getDesktop(0).childCount
    environment = dict(os.environ, QT_QPA_PLATFORM="xcb", QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1")
    program = subprocess.Popen([sys.argv[1]], env=environment)
    try:
        app = wait_for(application, "application named vantelix on the bus")
        main_window = wait_for(lambda: named(app, "frame", "Vantelix"), 'window "Vantelix"')
        every_control_is_named(main_window)

        advice = described(main_window, "Recommendation")
        current = described(main_window, "Current size")
        desired = described(main_window, "Desired size")
        for label, text in ((advice, ADJUST), (current, '7"'), (desired, '7"')):
            if check(label is not None and role(label) == "label", "no label reads %r" % text):
                check(label.name == text, "the label reads %r, not %r" % (label.name, text))

        slider = named(main_window, "slider", "Current size")
        # Keys go where the keyboard focus is: the window must be active first.
        wait_for(lambda: slider.getState().contains(pyatspi.STATE_FOCUSED), "focus on the current-size slider")

        heard = []
        listener = lambda event: heard.append((event.source.description, event.source.name))
        pyatspi.Registry.registerEventListener(listener, "object:property-change:accessible-name")
        pump(0.5)
        down = 0xFF54  # the Down key's keysym
        pyatspi.Registry.generateKeyboardEvent(down, None, pyatspi.KEY_SYM)
        wait_for(lambda: ("Recommendation", MINOR) in heard, "announcement of the new advice")
        check(("Current size", '8"') in heard, "the new current size was not announced: %r" % heard)
        check(slider.queryValue().currentValue == 8, "the slider does not report 8")
        pyatspi.Registry.deregisterEventListener(listener, "object:property-change:accessible-name")

        press(named(main_window, "push button", "About"))
        about = wait_for(lambda: named(app, "dialog", "About Vantelix"), 'dialog "About Vantelix"')
        every_control_is_named(about)
        texts = [a.name for a in descendants(about) if role(a) == "label"]
        for text in ("Vantelix", "Version 1.1.2", "Everything: Dana Whitfield", "Comments and Suggestions:",
                     "dana@vantelix.example", "Website:", "https://www.vantelix.example/", DESCRIPTION):
            check(text in texts, "the About window does not read %r" % text)
        check(described(about, "E-mail the author").name == "dana@vantelix.example", "mail link unnamed")
        check(described(about, "Website").name == "https://www.vantelix.example/", "website link unnamed")
        press(named(about, "push button", "OK"))
        wait_for(lambda: named(app, "dialog", "About Vantelix") is None, "About window closing")

        press(named(main_window, "push button", "Exit"))
        check(program.wait(TIMEOUT_SECONDS) == 0, "Exit did not end the program with status 0")
    finally:
        if program.poll() is None:
            program.kill()
    print("%d problem(s)" % len(problems))
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main())
