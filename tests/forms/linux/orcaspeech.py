#!/usr/bin/python3
"""What Orca says to a user who works Vantelix with the keyboard.

Starts a window manager, the accessibility bus and Debian's Orca, then the
program; types keys with xdotool as a user does and reads back what Orca
spoke, from the SPEECH OUTPUT lines of its debug log: start-up, both size
sliders through several pieces of advice, Tab onto the sliders, the About
window, and one Apply through its questions and the fill to the success box.
A key's speech is what the log shows from its press on, once Orca is quiet.

Usage: orcaspeech.py <vantelix executable>
Run on an X server, inside a D-Bus session of its own:
    xvfb-run -a dbus-run-session -- orcaspeech.py <vantelix executable>
"""

import os
import pty
import re
import shutil
import subprocess
import sys
import tempfile
import threading
import time

TIMEOUT_SECONDS = 30  # for one step; a sanitizer build on a loaded machine is slow
QUIET_SECONDS = 0.4   # Orca is done with a key once its log stays this quiet
SILENCE_SECONDS = 5   # ...and will say nothing more after this long

ADJUST = "Adjust the sliders until you are happy with the proposed change in size."
MINOR = "A minor change in size, success is likely."
REAL = "Yeah right! Now choose your REAL size..."
CAREFUL = ('Be careful with your penis. With most partners you will not be able to completely '
           '"sheath your sword".')
DIFFICULT = ("A penis of that size is difficult to manage. Your partner will be in constant pain and will "
             "not be able to walk straight.")
PREVIEW = "That's ridiculous. Click preview to see what that would look like!"
ABOUT = ("About Vantelix dialog Vantelix. Version 1.1.2. Everything: Dana Whitfield. "
         "Comments and Suggestions: dana@vantelix.example. Website: https://www.vantelix.example/. "
         "This program uses a complex set of algorithms and some hella nifty DLLs to dynamically increase "
         "and decrease the size of the user's penis using only their computer. Oh! But it doesn't really.")
FATAL = "Are you sure you want to increase your penis size by that much? This could be fatal."
INSERT = "Please insert penis now."
BUSY = ["Vantelix frame grayed.", "Busy, please wait."]
SUCCESS = ["alert Vantelix.", "Success! You should notice changes within the next few days.", "OK push button."]

START_UP = ["Vantelix frame.", "Current Size panel.", "Current size slider 7.", ADJUST]
# Keys typed, from the current size slider on, and all that Orca is to say
# for each, in order.
SCRIPT = [
    ("Down", ["8", MINOR]),
    ("Down", ["9", REAL]),
    ("Up", ["8", MINOR]),
    ("Tab", ["Desired Size panel.", "Desired size slider 7.", MINOR]),
    # Orca says no value equal to the last one it said: the caption does.
    ("Down", ['8". ' + CAREFUL]),
    ("Down", ["9"]),
    ("Down", ["10"]),
    ("Down", ["11", DIFFICULT]),
    ("End", ["14", PREVIEW]),
    ("Tab", ["Tint panel.", "Before tint slider 2.", PREVIEW]),
    ("Right", ["3"]),
    ("Tab", ["Tint panel.", "After tint slider 2.", PREVIEW]),
    ("Tab", ["Exit push button."]),
    ("Tab", ["About push button."]),
    ("space", [ABOUT, "OK push button."]),
    ("Return", ["Vantelix frame.", "About push button."]),
    ("Tab", ["Reset push button."]),
    ("Tab", ["Apply push button."]),
    ("space", ["alert Vantelix.", FATAL, "Yes push button."]),
    ("Return", ["alert Vantelix.", INSERT, "OK push button."]),
    # The fill, checked apart: check_fill().
    ("Return", None),
    ("Return", ["Vantelix frame.", "Apply push button."]),
]


class OrcaLog:
    """Orca's debug log, read as it is written: key presses and speech."""

    KEY = re.compile(r"^vvvvv PROCESS ATSPI_KEY_PRESSED_EVENT: '(.*)' \(\d+\) vvvvv")
    SPEECH = re.compile(r"SPEECH OUTPUT: '(.*)'\s*(\{.*\})?\s*$")

    def __init__(self, terminal, copy_path):
        self.events = []  # ("key", name) and ("speech", text), in order
        self.last_line_time = time.monotonic()
        self.reader = threading.Thread(target=self._read, args=(terminal, copy_path), daemon=True)
        self.reader.start()

    def _read(self, terminal, copy_path):
        pending = b""
        with open(copy_path, "wb") as copy:
            while True:
                try:
                    chunk = os.read(terminal, 65536)
                except OSError:  # Orca has ended
                    return
                copy.write(chunk)
                *lines, pending = (pending + chunk).split(b"\n")
                for line in lines:
                    self._parse(line.decode("utf-8", "replace").rstrip("\r"))
                self.last_line_time = time.monotonic()

    def _parse(self, line):
        key, speech = self.KEY.search(line), self.SPEECH.search(line)
        if key:
            self.events.append(("key", key.group(1)))
        elif speech:
            self.events.append(("speech", speech.group(1)))

    def spoken(self, start=0):
        return [text for kind, text in self.events[start:] if kind == "speech"]

    def wait(self, start, done, what, patient=False):
        """Waits until what was said since event `start` satisfies `done` and
        Orca is quiet, or until Orca has said nothing more for a while (when
        patient, only once it has said something); returns what was said."""
        end = time.monotonic() + TIMEOUT_SECONDS
        while True:
            heard, quiet = self.spoken(start), time.monotonic() - self.last_line_time
            if (done(heard) and quiet > QUIET_SECONDS) or (quiet > SILENCE_SECONDS and (heard or not patient)):
                return heard
            if time.monotonic() > end:
                raise Stop("no %s within %d s; heard %r" % (what, TIMEOUT_SECONDS, heard))
            time.sleep(0.05)

    def press(self, key, done):
        """Types one key; returns what Orca said from its press on."""
        start = len(self.events)
        subprocess.run(["xdotool", "key", key], check=True)
        pressed = lambda: next((i for i in range(start, len(self.events)) if self.events[i][0] == "key"), None)
        self.wait(start, lambda _: pressed() is not None, "press of " + key, patient=True)
        start = pressed()
        return self.wait(start, done, "speech for " + key)


problems = []


class Stop(Exception):
    """The test cannot go on."""


def check(condition, message):
    if not condition:
        problems.append(message)
        print("FAIL:", message)


def saying(expected):
    return lambda heard: len(heard) >= len(expected)


def check_fill(heard):
    """The fill: busy at its start, no running commentary, the success box."""
    percents = [text for text in heard if text.endswith("percent.")]
    check(heard[:2] == BUSY, "the fill did not start with %r" % BUSY)
    check(len(percents) <= 2, "progress chatter during the fill: %r" % percents)
    check(heard[-3:] == SUCCESS, "the fill did not end in the success box")


def run(log, start, program):
    start(["orca", "--user-prefs", os.environ["HOME"] + "/orca", "--disable", "braille,key-echo",
           "--debug-file", "/dev/stdout"])
    log.wait(0, lambda heard: "Screen reader on." in heard, "Orca starting", patient=True)

    vantelix = start([program], QT_QPA_PLATFORM="xcb", QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1")
    heard = log.wait(len(log.events), saying(START_UP), "speech at start-up", patient=True)
    print("start-up: %r" % heard)
    check(heard == START_UP, "start-up said %r, not %r" % (heard, START_UP))

    for key, expected in SCRIPT:
        if expected is None:
            heard = log.press(key, lambda heard: heard[-3:] == SUCCESS)
            print("%s: %r" % (key, heard))
            check_fill(heard)
            continue
        heard = log.press(key, saying(expected))
        print("%s: %r" % (key, heard))
        check(heard == expected, "%s said %r, not %r" % (key, heard, expected))
    check(vantelix.poll() is None, "the program ended with status %s" % vantelix.poll())


def main():
    # Orca 43 starts only while no other Orca of the user runs (and
    # --replace would end the user's own screen reader).
    if subprocess.run(["pgrep", "-u", str(os.getuid()), "-x", "orca"], stdout=subprocess.DEVNULL).returncode == 0:
        print("SKIP: an Orca of this user is running already")
        return 77
    home = tempfile.mkdtemp(prefix="vantelix-orca-")
    os.environ.update(HOME=home, XDG_CONFIG_HOME=home + "/config", XDG_DATA_HOME=home + "/data",
                      XDG_CACHE_HOME=home + "/cache", XDG_RUNTIME_DIR=home, LC_ALL="C.UTF-8")
    # Orca writes its log line by line only to a terminal; to a file it
    # writes in blocks, the last utterances only after further events.
    terminal, orca_side = pty.openpty()
    log = OrcaLog(terminal, os.path.join(home, "orca.log"))
    processes = []

    def start(command, **environment):
        output = orca_side if command[0] == "orca" else subprocess.DEVNULL
        # Only the program keeps its error output: a sanitizer reports there.
        processes.append(subprocess.Popen(command, env=dict(os.environ, **environment), stdin=subprocess.DEVNULL,
                                          stdout=output, stderr=None if environment else subprocess.DEVNULL))
        return processes[-1]

    begun = time.monotonic()
    try:
        start(["/usr/libexec/at-spi-bus-launcher", "--launch-immediately"])
        # Without a window manager a closed modal box leaves no window with
        # the keyboard focus.
        start(["openbox", "--sm-disable"])
        run(log, start, sys.argv[1])
    except Stop as stop:
        check(False, str(stop))
    finally:
        # The bus launcher ends its bus only when asked to end.
        for process in reversed(processes):
            process.terminate()
            try:
                process.wait(2)
            except subprocess.TimeoutExpired:
                process.kill()
                process.wait()
        os.close(orca_side)
        log.reader.join(2)
        print("%d problem(s) in %.1f s" % (len(problems), time.monotonic() - begun))
        if problems:
            print("Orca's log:", os.path.join(home, "orca.log"))
        else:
            shutil.rmtree(home, ignore_errors=True)
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main())
