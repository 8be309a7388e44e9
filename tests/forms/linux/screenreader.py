#!/usr/bin/python3
"""What assistive technology finds in Vantelix over the accessibility bus,
beyond what Orca says (that is orcaspeech.py).

Starts the program on the X server of the environment and talks to it as an
AT-SPI client: every control has a name, the advice and size captions read
as labels (Orca's review mode), a value set through the Value interface
refreshes the window as a key press does, the About window's links are links
named by their addresses, and Exit ends the program.

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
REAL = "Yeah right! Now choose your REAL size..."

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

        # A value set as assistive technology sets it refreshes the window.
        slider = named(main_window, "slider", "Current size")
        slider.queryValue().currentValue = 9
        wait_for(lambda: current.name == '9"', "caption 9\" after the value was set")
        check(advice.name == REAL, "the advice reads %r after the value was set" % advice.name)
        check(slider.description == REAL, "the slider is described by %r" % slider.description)

        press(named(main_window, "push button", "About"))
        about = wait_for(lambda: named(app, "dialog", "About Vantelix"), 'dialog "About Vantelix"')
        every_control_is_named(about)
        links = [a.name for a in descendants(about) if role(a) == "link"]
        check(links == ["dana@vantelix.example", "https://www.vantelix.example/"], "the links are %r" % links)
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
