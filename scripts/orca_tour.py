#!/usr/bin/python3
"""The keyboard tour behind orca-tour.sh: starts Orca (through
orca-speech-log.py) and the program APP, presses a fixed sequence of keys
with xdotool, and prints what Orca said after each step:

    == Tab into the months box
       Duration in months text

Needs DISPLAY, a session bus and its accessibility bus (with-atspi.sh makes
them). Exits 77 when Orca or the program never gets going.
"""
import os
import re
import subprocess
import sys
import tempfile
import time

HERE = os.path.dirname(os.path.abspath(__file__))
APP = os.environ["APP"]

# (what the step does, the xdotool command after "xdotool"); None waits only.
TOUR = [
    ("The splash", None),
    ("A key ends the splash", ["key", "space"]),
    ("Type a principal", ["type", "250000"]),
    ("Tab into the empty months box", ["key", "Tab"]),
    ("Type the months", ["type", "360"]),
    ("Tab into the rate box", ["key", "Tab"]),
    ("Type the rate", ["type", "6"]),
    ("Tab to Calculate", ["key", "Tab"]),
    ("Tab to Print", ["key", "Tab"]),
    ("Tab into the empty payment box", ["key", "Tab"]),
    ("Tab to Clear", ["key", "Tab"]),
    ("Tab into the empty schedule", ["key", "Tab"]),
    ("Tab into the calendar", ["key", "Tab"]),
    ("Calendar Down", ["key", "Down"]),
    ("Calendar Right", ["key", "Right"]),
    ("Calendar PageDown", ["key", "Next"]),
    ("Calendar End", ["key", "End"]),
    ("Calculate (Alt+C)", ["key", "alt+c"]),
    ("Shift+Tab into the schedule", ["key", "shift+Tab"]),
    ("Schedule Down", ["key", "Down"]),
    ("Schedule menu (Shift+F10)", ["key", "shift+F10"]),
    ("Menu Down", ["key", "Down"]),
    ("Close the menu (Escape)", ["key", "Escape"]),
    ("Schedule menu, Up to Show Chart", ["key", "--delay", "300", "Menu", "Up", "Up", "Up"]),
    ("Show Chart (Return)", ["key", "Return"]),
    ("Years Down", ["key", "Down"]),
    ("Years Right", ["key", "Right"]),
    ("Close the chart (Escape)", ["key", "Escape"]),
    ("Show Chart again", ["key", "--delay", "300", "Menu", "Up", "Up", "Up", "Return"]),
    ("Close the chart (Ctrl+W)", ["key", "ctrl+w"]),
    ("Extra Payments (Ctrl+E)", ["key", "ctrl+e"]),
    ("Type an extra each month", ["type", "100"]),
    ("Close Extra Payments (Escape)", ["key", "Escape"]),
    ("Compare Loans (Ctrl+L)", ["key", "ctrl+l"]),
    ("Tab to Offer A's amount", ["key", "Tab"]),
    ("Close Compare Loans (Escape)", ["key", "Escape"]),
    ("Shift+Tab to Clear", ["key", "shift+Tab"]),
    ("Shift+Tab into the payment box", ["key", "shift+Tab"]),
    ("Shift+Tab to Print", ["key", "shift+Tab"]),
    ("Shift+Tab to Calculate", ["key", "shift+Tab"]),
    ("Shift+Tab into the rate box", ["key", "shift+Tab"]),
    ("Clear (Alt+R)", ["key", "alt+r"]),
    ("About (Ctrl+A)", ["key", "ctrl+a"]),
    ("A key closes About", ["key", "space"]),
]


class SpeechLog:
    """Orca's speech, read as it grows."""

    def __init__(self, path):
        self.path = path
        self.seen = 0

    def lines(self):
        try:
            with open(self.path, encoding="utf-8") as log:
                return [line.rstrip("\n") for line in log if SPOKEN.match(line)]
        except FileNotFoundError:
            return []

    def new_after(self, action, quiet=1.0, longest=6.0, until_spoken=False):
        """Runs action, then waits until Orca has been quiet for `quiet`
        seconds (at most `longest`; `until_spoken`: counted from its first
        word) and returns what it said meanwhile."""
        action()
        start = last_change = time.time()
        count = len(self.lines())
        while time.time() - start < longest and (
                time.time() - last_change < quiet or (until_spoken and count == self.seen)):
            time.sleep(0.1)
            now = len(self.lines())
            if now != count:
                count, last_change = now, time.time()
        said = self.lines()[self.seen:]
        self.seen += len(said)
        return [spoken_text(line) for line in said]


# What Orca says, "SPEECH OUTPUT: 'text'" with at most a voice after it; the
# echo of a key pressed ("SPEECH OUTPUT: 'tab' {...}") is left out.
SPOKEN = re.compile(r"^SPEECH OUTPUT: '(.*)'(?: voice=\w+)?$")


def spoken_text(line):
    return SPOKEN.match(line.rstrip("\n")).group(1)


def xdotool(command):
    """The step's keys. A chord ("alt+c") is held and let go a key at a time:
    sent at once, its keys can reach the program out of order through the
    accessibility bus, and an Alt seen alone opens the menu bar."""
    def press():
        if not command:
            return
        if command[0] != "key" or "+" not in command[1]:
            subprocess.run(["xdotool", *command], check=False)
            return
        *modifiers, key = command[1].split("+")
        for modifier in modifiers:
            subprocess.run(["xdotool", "keydown", modifier], check=False)
            time.sleep(0.1)
        subprocess.run(["xdotool", "key", key], check=False)
        time.sleep(0.1)
        for modifier in reversed(modifiers):
            subprocess.run(["xdotool", "keyup", modifier], check=False)
    return press


def main():
    with tempfile.TemporaryDirectory(prefix="orca-tour-") as prefs:
        return tour(prefs)


def tour(prefs):
    """Runs the tour with Orca's settings and speech log in `prefs`."""
    speech = SpeechLog(os.path.join(prefs, "speech.log"))
    debug = ["--debug-file", os.environ["ORCA_DEBUG_FILE"]] if os.environ.get("ORCA_DEBUG_FILE") else []
    orca = subprocess.Popen([sys.executable, os.path.join(HERE, "orca-speech-log.py"), speech.path,
                             "--user-prefs", prefs, *debug], stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    app = None
    try:
        end = time.time() + 20
        while not speech.lines() and time.time() < end and orca.poll() is None:
            time.sleep(0.2)
        if not speech.lines():
            print("SKIP: Orca did not start", file=sys.stderr)
            return 77
        speech.new_after(lambda: None)
        env = dict(os.environ, LANG="en_US.UTF-8", LC_ALL="en_US.UTF-8")
        app = subprocess.Popen([APP], env=env)
        for what, command in TOUR:
            # A step without keys waits for the program to speak up.
            said = (speech.new_after(xdotool(command)) if command is not None else
                    speech.new_after(lambda: None, quiet=2.0, longest=30.0, until_spoken=True))
            print("== " + what)
            for utterance in said:
                print("   " + utterance)
            sys.stdout.flush()
            if app.poll() is not None:
                print("the program ended", file=sys.stderr)
                return 1
        return 0
    finally:
        for process in (app, orca):
            if process is not None and process.poll() is None:
                process.terminate()
                try:
                    process.wait(10)
                except subprocess.TimeoutExpired:
                    process.kill()


if __name__ == "__main__":
    sys.exit(main())
