#!/usr/bin/python3
"""The program as Orca speaks it: runs scripts/orca-tour.sh once and checks
its transcript, step by step. Exits 77 (skipped) where the tour can't run
(no Orca, no xdotool, no accessibility bus).

Needs APP (the program), TOUR (the script) and VERSION_TEXT ("1.3").
"""
import os
import re
import subprocess
import sys
import unittest

DATE = re.compile(r"^\w+, \w+ \d{1,2}, \d{4}\.$")  # "Monday, December 14, 2026."
YEAR = re.compile(r"^\d{4}\.$")  # "2027."
AMOUNT = re.compile(r"^\$\d{1,3}(,\d{3})*\.\d\d\.$")  # "$14,916.49."


def run_tour():
    tour = subprocess.run(["sh", os.environ["TOUR"], os.environ["APP"]], capture_output=True, text=True,
                          timeout=150)
    if tour.returncode == 77:
        print(tour.stderr, file=sys.stderr)
        sys.exit(77)
    if tour.returncode != 0:
        raise RuntimeError("the tour failed:\n" + tour.stdout + tour.stderr)
    steps, current = {}, None
    for line in tour.stdout.splitlines():
        if line.startswith("== "):
            current = steps.setdefault(line[3:], [])
        elif line.startswith("   ") and current is not None:
            current.append(line[3:])
    return tour.stdout, steps


class OrcaTour(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.transcript, cls.steps = run_tour()

    def said(self, step):
        self.assertIn(step, self.steps, self.transcript)
        return self.steps[step]

    def test_the_calendar_speaks_one_day_a_move_and_its_name_once(self):
        entering = " ".join(self.said("Tab into the calendar"))
        self.assertEqual(entering.count("First payment date"), 1, entering)
        self.assertRegex(self.said("Tab into the calendar")[-1], DATE)
        for step in ("Calendar Down", "Calendar Right", "Calendar PageDown", "Calendar End"):
            said = self.said(step)
            self.assertEqual(len(said), 1, (step, said))
            self.assertRegex(said[0], DATE, step)

    def test_every_focus_move_is_heard_once(self):
        self.assertIn("Your total monthly payment read only text.", self.said("Tab into the empty payment box"))
        self.assertIn("Duration in Months: text.", self.said("Tab into the empty months box"))
        payment = " ".join(self.said("Shift+Tab into the payment box"))
        self.assertEqual(payment.count("$1,498.88"), 1, payment)
        rate = self.said("Shift+Tab into the rate box")
        self.assertEqual(rate.count("6 selected."), 1, rate)
        self.assertNotIn("Text unselected.", self.said("Shift+Tab to Print"))
        # Clear empties the rate box with the focus ("Selection deleted."),
        # then moves the focus to the principal box, which is heard.
        self.assertEqual(self.said("Clear (Alt+R)")[-2:], ["Principal Amount: text.", "The amount borrowed or owed."])

    def test_the_menu_speaks_its_first_entry_and_closes_without_the_window(self):
        self.assertIn("Copy.", self.said("Schedule menu (Shift+F10)"))
        self.assertEqual(self.said("Menu Down"), ["Save Schedule As\u2026"])
        closing = " ".join(self.said("Close the menu (Escape)"))
        self.assertNotIn("Quillmere Loan Calculator", closing)
        self.assertNotIn("table with", closing)

    def test_the_chart_opens_by_its_title_reads_a_cell_a_move_and_closes_back_to_the_schedule(self):
        for opening in ("Show Chart (Return)", "Show Chart again"):
            said = self.said(opening)
            self.assertIn("Loan Chart frame.", said, opening)
            self.assertIn("Paid each year.", said, opening)
            self.assertRegex(said[-4], YEAR, (opening, said))
        # Down reads the next year's row, as Orca reads a table's row; Right
        # then the one amount beside it under its heading. Neither repeats
        # the window. The years follow the first payment date, today's.
        first_year = int(self.said("Show Chart (Return)")[-4].rstrip("."))
        year, interest, *_ = self.said("Years Down")
        self.assertEqual(year, f"{first_year + 1}.")
        self.assertRegex(interest, AMOUNT)
        self.assertEqual(self.said("Years Right"), ["Interest column header " + interest])
        for step in ("Years Down", "Years Right"):
            said = " ".join(self.said(step))
            self.assertNotIn("Loan Chart", said, step)
            self.assertNotIn("table with", said, step)
        # The chart is gone once the main window and its schedule are heard,
        # and the rest of the tour goes on from the schedule.
        for closing in ("Close the chart (Escape)", "Close the chart (Ctrl+W)"):
            said = self.said(closing)
            self.assertEqual(said[0], "Quillmere Loan Calculator frame.", (closing, said))
            self.assertIn("Payment schedule.", said, closing)
            self.assertNotIn("Loan Chart frame.", said, closing)
        self.assertIn("Clear push button.", self.said("Shift+Tab to Clear"))

    def test_extra_payments_opens_by_its_title_and_tells_its_summary(self):
        opening = self.said("Extra Payments (Ctrl+E)")
        self.assertIn("Extra Payments frame.", opening)
        self.assertIn("Extra each month text.", opening)
        typed = " ".join(self.said("Type an extra each month"))
        self.assertIn("With extras: paid off on", typed)
        self.assertIn("Interest saved:", typed)
        closing = self.said("Close Extra Payments (Escape)")
        self.assertEqual(closing[0], "Quillmere Loan Calculator frame.", closing)
        self.assertIn("Payment schedule.", closing)

    def test_compare_loans_opens_by_its_title_and_names_each_box_by_its_offer(self):
        self.assertIn("Compare Loans frame.", self.said("Compare Loans (Ctrl+L)"))
        amount = " ".join(self.said("Tab to Offer A's amount"))
        self.assertIn("Offer A Amount", amount)
        self.assertIn("$250,000.00", amount)
        closing = self.said("Close Compare Loans (Escape)")
        self.assertEqual(closing[0], "Quillmere Loan Calculator frame.", closing)

    def test_splash_and_about_say_the_version(self):
        version = "Version " + os.environ["VERSION_TEXT"]
        for step in ("The splash", "About (Ctrl+A)"):
            said = " ".join(self.said(step))
            self.assertIn(version, said, step)
            self.assertIn("Quillmere Loan Calculator", said, step)


if __name__ == "__main__":
    unittest.main()
