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


def wait(seconds):
    """Lets the bus's events arrive for `seconds`."""
    loop = GLib.MainLoop()
    GLib.timeout_add(int(seconds * 1000), loop.quit)
    loop.run()


def day_list(app):
    """The calendar's days: a list, not a table, so that Orca doesn't read a
    week a move; it keeps its rows and columns."""
    return pyatspi.findDescendant(find(app, "First payment date", pyatspi.ROLE_PANEL),
                                  lambda a: a is not None and a.getRole() == pyatspi.ROLE_LIST)


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
        wait(2.0)
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
        days = day_list(self.app)
        self.assertIsNotNone(days)
        table = days.queryTable()
        self.assertEqual((table.nRows, table.nColumns), (6, 7))
        # Each day says its weekday; a column header would say it twice.
        self.assertTrue(all(table.getColumnHeader(c) is None for c in range(7)))
        today = time.strftime("%Y")
        self.assertTrue(all(today in days.getChildAtIndex(i).name or str(int(today) - 1) in days.getChildAtIndex(i).name
                            or str(int(today) + 1) in days.getChildAtIndex(i).name for i in range(42)))
        for name in ("Previous month", "Next month"):
            self.assertIsNotNone(find(self.app, name, pyatspi.ROLE_PUSH_BUTTON), name)
        self.assertAlive()


def press(keysym):
    """Presses a key and lets it go, as the keyboard would, through the
    accessibility registry."""
    pyatspi.Registry.generateKeyboardEvent(keysym, None, pyatspi.KEY_SYM)


TAB, DOWN, PAGE_DOWN, END, ESCAPE, MENU = 0xff09, 0xff54, 0xff56, 0xff57, 0xff1b, 0xff67
UP, RETURN = 0xff52, 0xff0d


class Events:
    """What the program tells the bus meanwhile, in order, as (event type,
    role, name, object) tuples."""

    KINDS = ("focus:", "object:state-changed:focused", "object:text-caret-moved",
             "object:text-selection-changed", "window:activate")

    def __enter__(self):
        self.heard = []
        self.listener = lambda e: self.heard.append((e.type, e.source.getRole(), e.source.name, e.source)) \
            if not e.type.startswith("object:state-changed") or e.detail1 == 1 else None
        pyatspi.Registry.registerEventListener(self.listener, *self.KINDS)
        wait(0.5)  # the program learns of the listener
        return self

    def __exit__(self, *exc):
        pyatspi.Registry.deregisterEventListener(self.listener, *self.KINDS)

    def after(self, action, seconds=1.0):
        """Runs action and returns what was heard in the next seconds."""
        del self.heard[:]
        action()
        wait(seconds)
        return list(self.heard)


def focused(heard):
    return [(role, name) for kind, role, name, _ in heard if kind == "object:state-changed:focused"]


class KeyboardMoves(unittest.TestCase):
    """Moves made with keys, as a screen reader hears them."""

    @classmethod
    def setUpClass(cls):
        ScreenReader.setUpClass.__func__(cls)

    @classmethod
    def tearDownClass(cls):
        ScreenReader.tearDownClass.__func__(cls)

    def test_a_box_is_told_focused_before_its_caret_and_once(self):
        principal = find(self.app, "Principal amount", pyatspi.ROLE_TEXT)
        principal.queryComponent().grabFocus()
        with Events() as events:
            heard = events.after(lambda: press(TAB))
        months = [kind for kind, _, name, _ in heard if name == "Duration in months"]
        self.assertIn("object:text-selection-changed", months)  # Tab selects the box's text
        self.assertEqual(months.count("object:state-changed:focused"), 1, heard)
        self.assertEqual(months.count("focus:"), 1, heard)
        first_text_event = min(months.index(kind) for kind in months if kind.startswith("object:text"))
        self.assertLess(months.index("object:state-changed:focused"), first_text_event, heard)
        self.assertAlive()

    def test_the_calendar_says_one_day_a_move(self):
        days = day_list(self.app)
        with Events() as events:
            self.tab_from_clear(2)
            for key in (DOWN, PAGE_DOWN, END):
                heard = events.after(lambda: press(key))
                told = set(focused(heard))  # a new month tells its day twice
                self.assertEqual(len(told), 1, (key, heard))
                role, name = told.pop()
                self.assertEqual(role, pyatspi.ROLE_TABLE_CELL)
                self.assertEqual(len([word for word in name.split() if word.isdigit() and len(word) == 4]), 1, name)
                cell = days.queryTable().getAccessibleAt(*cell_place(days, name))
                self.assertTrue(cell.getState().contains(pyatspi.STATE_SELECTED), name)
        self.assertAlive()

    def test_the_schedule_menu_opens_on_its_first_entry_and_closes_to_the_cell(self):
        with Events() as events:
            self.tab_from_clear(1)
            opened = events.after(lambda: press(MENU))
            self.assertIn((pyatspi.ROLE_MENU_ITEM, "Copy"), focused(opened), opened)
            copy = next(source for kind, _, name, source in opened if name == "Copy")
            self.assertTrue(copy.getState().contains(pyatspi.STATE_FOCUSED))
            menu = copy.parent
            self.assertEqual((menu.getRole(), menu.name), (pyatspi.ROLE_POPUP_MENU, "Schedule menu"))
            # Opened on the current cell, so closing it comes back to where it was.
            self.assertEqual(menu.parent.getRole(), pyatspi.ROLE_TABLE_CELL)
            closed = events.after(lambda: press(ESCAPE))
            self.assertEqual([role for role, _ in focused(closed)], [pyatspi.ROLE_TABLE_CELL], closed)
            self.assertNotIn("window:activate", [kind for kind, *_ in opened + closed])
        self.assertAlive()

    def test_extra_payments_opens_by_its_title_and_announces_its_summary(self):
        shown = []
        listener = lambda e: shown.append((e.source.getRole(), e.source.name)) if e.detail1 == 1 else None
        pyatspi.Registry.registerEventListener(listener, "object:state-changed:showing")
        try:
            with Events() as events:
                self.tab_from_clear(1)
                # The schedule menu's last entry but one.
                opened = events.after(lambda: [press(key) for key in (MENU, UP, UP, RETURN)], seconds=1.5)
                self.assertIn((pyatspi.ROLE_FRAME, "Extra Payments"),
                              [(role, name) for kind, role, name, _ in opened if kind == "window:activate"], opened)
                monthly = find(self.app, "Extra each month", pyatspi.ROLE_TEXT)
                self.assertIsNotNone(monthly)
                del shown[:]
                monthly.queryEditableText().setTextContents("100")
                wait(1.0)
                said = [name for role, name in shown if role == pyatspi.ROLE_NOTIFICATION]
                self.assertEqual(len(said), 1, shown)
                self.assertTrue(said[0].startswith("With extras: paid off on"), said)
                summary = find(self.app, "Summary", pyatspi.ROLE_LABEL)
                self.assertEqual(summary.description, said[0])
                closed = events.after(lambda: press(ESCAPE))
                self.assertIn("window:activate", [kind for kind, *_ in closed])
        finally:
            pyatspi.Registry.deregisterEventListener(listener, "object:state-changed:showing")
        self.assertAlive()

    def test_compare_loans_table_says_its_figures_and_offers(self):
        with Events() as events:
            self.tab_from_clear(1)
            # The schedule menu's last entry.
            opened = events.after(lambda: [press(key) for key in (MENU, UP, RETURN)], seconds=1.5)
            self.assertIn((pyatspi.ROLE_FRAME, "Compare Loans"),
                          [(role, name) for kind, role, name, _ in opened if kind == "window:activate"], opened)
            fees = find(self.app, "Offer B Fees", pyatspi.ROLE_TEXT)
            self.assertIsNotNone(fees)
            fees.queryEditableText().setTextContents("5000")
            wait(1.0)
            table = find(self.app, "Comparison", pyatspi.ROLE_TABLE)
            self.assertIsNotNone(table)
            cells = table.queryTable()
            names = [cells.getRowDescription(row) for row in range(cells.nRows)]
            self.assertEqual(names[:2], ["Monthly payment", "Number of payments"])
            self.assertIn("APR (with fees)", names)
            self.assertEqual([cells.getColumnDescription(c) for c in range(cells.nColumns)], ["Offer A", "Offer B"])
            cost = cells.getAccessibleAt(names.index("Total cost"), 0)
            self.assertTrue(cost.name.endswith(", lowest"), cost.name)  # heard, not only seen
            closed = events.after(lambda: press(ESCAPE))
            self.assertIn("window:activate", [kind for kind, *_ in closed])
        self.assertAlive()

    assertAlive = ScreenReader.assertAlive

    def tab_from_clear(self, tabs):
        """Focuses what stands `tabs` Tabs after Clear: the schedule, then
        the calendar (only widgets with an action can be focused directly)."""
        find(self.app, "Clear", pyatspi.ROLE_PUSH_BUTTON).queryComponent().grabFocus()
        for _ in range(tabs):
            press(TAB)
        wait(1.0)


def cell_place(days, name):
    table = days.queryTable()
    for index in range(days.childCount):
        if days.getChildAtIndex(index).name == name:
            return table.getRowAtIndex(index), table.getColumnAtIndex(index)
    raise AssertionError("no day named " + name)


if __name__ == "__main__":
    unittest.main()
