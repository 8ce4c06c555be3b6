#!/usr/bin/python3
"""The program as a screen reader meets it, through the real accessibility bus.

Runs the program (APP), waits for the main window past the splash, types the
worked example, presses Calculate through the button's action, and reads back
the announcement, the schedule table, a text box and the calendar.
Run it under with-atspi.sh; it exits 77 (skipped) when the program never
shows up on the bus.
"""
import os
import subprocess
import sys
import time
import unittest

import pyatspi
from gi.repository import GLib

APP = os.environ["APP"]
APP_NAME = "Quillmere Loan Calculator"


def find_app(timeout=30.0):
    desktop = pyatspi.Registry.getDesktop(0)
    end = time.time() + timeout
    while time.time() < end:
        desktop.clear_cache()
        for i in range(desktop.childCount):
            try:
                app = desktop.getChildAtIndex(i)
                if app is not None and app.name == APP_NAME:
                    return app
            except Exception:
                pass  # an application may leave while we look
        time.sleep(0.2)
    return None


def find(root, name, role):
    return pyatspi.findDescendant(root, lambda a: a is not None and a.getRole() == role and a.name == name)


def wait_for(what, timeout=20.0):
    end = time.time() + timeout
    while time.time() < end:
        found = what()
        if found is not None:
            return found
        time.sleep(0.2)
    return None


class ScreenReader(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        env = dict(os.environ, LANG="en_US.UTF-8", LC_ALL="en_US.UTF-8")
        cls.proc = subprocess.Popen([APP], env=env)
        cls.app = find_app()
        # The splash hands over to the main window on its fifth tick.
        cls.grid = cls.app and wait_for(lambda: find(cls.app, "Payment schedule", pyatspi.ROLE_TABLE))
        if cls.grid is None:
            cls.proc.kill()
            print("SKIP: the program never showed its main window on the bus", file=sys.stderr)
            sys.exit(77)
        cls.window = cls.app
        heard = []
        pyatspi.Registry.registerEventListener(
            lambda e: heard.append((e.source.getRole(), e.source.name)) if e.detail1 == 1 else None,
            "object:state-changed:showing")
        time.sleep(0.5)  # the program learns of the listener
        for name, text in (("Principal amount", "1000"), ("Duration in months", "3"),
                           ("Interest rate in percent", "12")):
            find(cls.app, name, pyatspi.ROLE_TEXT).queryEditableText().setTextContents(text)
        find(cls.app, "Calculate my payment", pyatspi.ROLE_PUSH_BUTTON).queryAction().doAction(0)
        loop = GLib.MainLoop()
        GLib.timeout_add(2000, loop.quit)
        loop.run()
        cls.heard = heard

    @classmethod
    def tearDownClass(cls):
        if cls.proc.poll() is None:
            cls.proc.terminate()
            cls.proc.wait(10)

    def assertAlive(self):
        self.assertIsNone(self.proc.poll(), "the program died")

    def test_the_result_is_announced(self):
        self.assertIn((pyatspi.ROLE_NOTIFICATION, "Monthly payment $340.02, 3 payments"), self.heard)
        payment = find(self.app, "Monthly payment", pyatspi.ROLE_TEXT).queryText()
        self.assertEqual(payment.getText(0, -1), "$340.02")

    def test_every_cell_answers_its_place_and_no_query_crashes(self):
        table = self.grid.queryTable()
        rows, columns = table.nRows, table.nColumns
        self.assertEqual((rows, columns), (6, 7))
        self.assertEqual(self.grid.childCount, rows * columns)
        for i in range(self.grid.childCount):
            ok, row, column, row_extent, column_extent, _ = table.getRowColumnExtentsAtIndex(i)
            self.assertEqual((ok, row, column, row_extent, column_extent), (True, i // columns, i % columns, 1, 1))
            self.assertEqual(self.grid.getChildAtIndex(i).getIndexInParent(), i)
            self.assertEqual((table.getRowAtIndex(i), table.getColumnAtIndex(i)), (row, column))
            self.assertEqual(table.getIndexAt(row, column), i)
        self.assertEqual(table.getAccessibleAt(5, 1).name, "Totals")
        self.assertEqual([table.getColumnHeader(c).name for c in range(columns)],
                         ["Date", "Number", "Payment", "Interest", "Applied", "Balance", "Notes"])
        for bad in (-1, rows * columns, rows * columns + columns, 10 ** 6):
            ok, row, column, *_ = table.getRowColumnExtentsAtIndex(bad)
            self.assertTrue(not ok or (row, column) == (-1, -1), bad)
        for row, column in ((rows, 0), (0, columns), (-1, -1)):
            self.assertEqual(table.getIndexAt(row, column), -1)
            self.assertEqual(table.getColumnExtentAt(row, column), 0)
            self.assertFalse(table.isSelected(row, column))
        self.assertAlive()

    def test_a_box_is_read_whole(self):
        box = find(self.app, "Principal amount", pyatspi.ROLE_TEXT).queryText()
        self.assertEqual(box.getText(0, -1), "1000")
        for offset in range(4):
            _, start, end = box.getAttributeRun(offset, False)
            self.assertEqual((start, end), (0, 4))

    def test_the_calendar_says_where_you_are(self):
        days = find(self.app, "First payment date", pyatspi.ROLE_TABLE)
        self.assertIsNotNone(days)
        table = days.queryTable()
        self.assertEqual((table.nRows, table.nColumns), (6, 7))
        headers = [table.getColumnHeader(c).name for c in range(7)]
        self.assertEqual(sorted(headers), sorted(["Monday", "Tuesday", "Wednesday", "Thursday", "Friday",
                                                  "Saturday", "Sunday"]))
        today = time.strftime("%Y")
        self.assertTrue(all(today in days.getChildAtIndex(i).name or str(int(today) - 1) in days.getChildAtIndex(i).name
                            or str(int(today) + 1) in days.getChildAtIndex(i).name for i in range(42)))
        for name in ("Previous month", "Next month"):
            self.assertIsNotNone(find(self.app, name, pyatspi.ROLE_PUSH_BUTTON), name)
        self.assertAlive()


if __name__ == "__main__":
    unittest.main()
