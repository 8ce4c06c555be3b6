// The loan chart window on its own: its labels' places in several scripts
// and down to its smallest size, its dates and years in the user's locale,
// and what a screen reader and the keyboard get of it.
#include "ui/chart/loan_chart.h"
#include "tests/common/private_settings.h"

#include <QAccessible>
#include <QApplication>
#include <QMouseEvent>
#include <QRegularExpression>
#include <QTableView>
#include <QTest>

#include <algorithm>

#include "money/locale_money_formatter.h"
#include "tests/schedule/fake_loan_window.h"
#include "ui/chart/loan_chart_plot.h"

using quillmere::LoanChart;
using quillmere::LoanChartData;
using quillmere::LocaleMoneyFormatter;

namespace {

// The chart data of a loan calculated and written in `money`'s locale, its
// first payment on 15 November 2007.
LoanChartData Loan(const LocaleMoneyFormatter& money, const char* principal, const char* months) {
    quillmere::testing::FakeLoanWindow window(principal, months, "6.5");
    quillmere::CalculateSchedule(window, money);
    return quillmere::ReadChartData(window.grid, money, QString::fromStdString(window.Box(quillmere::LoanBox::Payment)),
                                    2007);
}

// The balances alone of the same loan, as a chart comparing two schedules reads them.
std::vector<LoanChartData::Balance> Balances(const LocaleMoneyFormatter& money, const char* principal,
                                             const char* months) {
    quillmere::testing::FakeLoanWindow window(principal, months, "6.5");
    quillmere::CalculateSchedule(window, money);
    return quillmere::ReadBalances(window.grid, money, 2007);
}

// A loan whose extra payments end it after `withMonths`, compared with the
// same loan without them.
LoanChartData Compared(const LocaleMoneyFormatter& money, const char* principal, const char* withMonths,
                       const char* withoutMonths) {
    LoanChartData data = Loan(money, principal, withMonths);
    data.withoutExtras = Balances(money, principal, withoutMonths);
    return data;
}

QLocale LocaleNamed(const char* name) { return QLocale(QString::fromLatin1(name)); }

// Where the chart's texts break the rules: one outside the canvas, two
// overlapping, or an amount label narrower than its text is drawn.
QStringList Faults(const quillmere::LoanChartPlot& plot) {
    const quillmere::ChartLayout& layout = plot.Layout();
    const QRectF canvas(plot.rect());
    const std::vector<QRectF> rects = layout.TextRects();
    QStringList faults;
    const auto name = [](const QRectF& r) {
        return QStringLiteral("(%1,%2 %3x%4)").arg(r.x()).arg(r.y()).arg(r.width()).arg(r.height());
    };
    for (std::size_t i = 0; i < rects.size(); ++i) {
        if (!canvas.contains(rects[i])) faults << QStringLiteral("outside: ") + name(rects[i]);
        for (std::size_t j = i + 1; j < rects.size(); ++j) {
            const QRectF both = rects[i].intersected(rects[j]);
            if (both.width() > 0.01 && both.height() > 0.01) faults << name(rects[i]) + " over " + name(rects[j]);
        }
    }
    const QFontMetricsF metrics(plot.font());
    for (const auto* axis : {&layout.balances, &layout.years}) {
        for (const auto& label : axis->amountLabels) {
            if (metrics.horizontalAdvance(label.text) > label.rect.width() + 0.01) faults << "cut: " + label.text;
        }
    }
    return faults;
}

}  // namespace

class TestLoanChart : public QObject {
    Q_OBJECT

private slots:
    // In each script, at the preferred, a narrow and the smallest size, every
    // label stands whole on the canvas, clear of the others, in the
    // locale's digits; the axis keeps at least two amount labels and the
    // foot line all of its text. So does a chart of two balance lines, its
    // legend naming both (one paid off in 250 months, the other in `months`).
    void labelsStayWholeAndApart_data() {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("months");
        QTest::addColumn<bool>("twoLines");
        for (const char* locale : {"en_US", "hi_IN", "ar_EG", "ja_JP", "de_DE"}) {
            for (const char* months : {"360", "9999"}) {
                for (const bool twoLines : {false, true}) {
                    QTest::addRow("%s %s months%s", locale, months, twoLines ? " compared" : "")
                        << QString::fromLatin1(locale) << QString::fromLatin1(months) << twoLines;
                }
            }
        }
    }
    void labelsStayWholeAndApart() {
        QFETCH(QString, locale);
        QFETCH(QString, months);
        QFETCH(bool, twoLines);
        const LocaleMoneyFormatter money(QLocale{locale});
        LoanChart chart(money, nullptr);
        const QByteArray monthsText = months.toLatin1();
        const LoanChartData data = twoLines ? Compared(money, "100000000", "250", monthsText.constData())
                                            : Loan(money, "100000000", monthsText.constData());
        chart.Show(data);
        quillmere::LoanChartPlot& plot = chart.Plot();
        for (const QSize size : {plot.sizeHint(), QSize(plot.minimumSizeHint().width(), 600), plot.minimumSizeHint()}) {
            plot.resize(size);
            const QStringList faults = Faults(plot);
            QVERIFY2(faults.isEmpty(), qPrintable(QStringLiteral("%1x%2: ").arg(size.width()).arg(size.height()) +
                                                  faults.join(QStringLiteral("; "))));
            const quillmere::ChartLayout& layout = plot.Layout();
            QCOMPARE(layout.balancesLegend.size(), twoLines ? 2U : 0U);
            QVERIFY(layout.balances.amountLabels.size() >= 2);
            QVERIFY(layout.years.yearLabels.size() >= 2);
            const QFontMetricsF metrics(plot.font());
            QVERIFY(metrics.boundingRect(layout.foot, Qt::TextWordWrap, data.Summary(LoanChartData::Pieces::Isolated))
                        .height() <= layout.foot.height());
            for (const auto& label : layout.years.yearLabels) {
                QCOMPARE(label.text.size(), 4);
                if (locale == QLatin1String("ar_EG")) QVERIFY(!label.text.contains(QRegularExpression("[0-9]")));
            }
        }
    }

    // The line without extras is drawn where only it runs (past the payoff
    // with extras), and nowhere on a chart of one line; both axes reach as
    // far as it does, and hovering near it tells its balance.
    void comparisonLineRunsOnAndIsTold() {
        const LocaleMoneyFormatter money(LocaleNamed("en_US"));
        LoanChart chart(money, nullptr);
        quillmere::LoanChartPlot& plot = chart.Plot();
        plot.resize(plot.sizeHint());
        const LoanChartData alone = Loan(money, "250000", "250");
        // The same balances as a whole read gives.
        const std::vector<LoanChartData::Balance> without = Balances(money, "250000", "360");
        const LoanChartData whole = Loan(money, "250000", "360");
        QVERIFY(std::equal(without.begin(), without.end(), whole.balances.begin(), whole.balances.end(),
                           [](const auto& a, const auto& b) {
                               return a.payment == b.payment && a.when == b.when && a.balance == b.balance;
                           }));
        const auto greyPixels = [&plot](double fromX) {
            // Drawn a pixel to a unit, whatever the screen's scale, to be read in the layout's units.
            QImage image(plot.size(), QImage::Format_RGB32);
            plot.render(&image);
            const QRect pane = plot.Layout().balances.pane.toAlignedRect();
            const QColor grey = quillmere::LoanChartPlot::kWithoutExtrasColour;
            int count = 0;
            for (int y = pane.top(); y <= pane.bottom(); ++y) {
                for (int x = std::max(pane.left(), static_cast<int>(fromX)); x <= pane.right(); ++x) {
                    const QColor pixel = image.pixelColor(x, y);
                    count += std::abs(pixel.red() - grey.red()) + std::abs(pixel.green() - grey.green()) +
                                 std::abs(pixel.blue() - grey.blue()) <
                             24;
                }
            }
            return count;
        };

        chart.Show(alone);
        QCOMPARE(plot.Layout().balances.lastYear, 2029.0);  // the 250th payment is due in August 2028
        QCOMPARE(plot.Layout().balances.top, 300000.0);
        QCOMPARE(greyPixels(0), 0);

        LoanChartData compared = alone;
        compared.withoutExtras = without;
        compared.withoutExtras.front().balance = 399000;  // higher than any, to see the amount axis follow
        chart.Show(compared);
        const quillmere::PlotLayout& balances = plot.Layout().balances;
        QCOMPARE(balances.lastYear, 2038.0);  // the 360th in October 2037
        QCOMPARE(balances.top, 400000.0);
        QCOMPARE(plot.Layout().years.lastYear, 2038.0);
        const double payoff = balances.X(alone.balances.back().when);
        QVERIFY2(greyPixels(payoff + 4) > 50, "no grey past the payoff with extras");

        const auto hover = [&](const LoanChartData::Balance& point) {
            QMouseEvent move(QEvent::MouseMove, QPointF(balances.X(point.when), balances.Y(point.balance)),
                             plot.mapToGlobal(QPointF()), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
            QCoreApplication::sendEvent(&plot, &move);
            return plot.HoverText();
        };
        const QString balance300 = QString::fromStdString(money.Format(without[299].balance));
        QVERIFY2(hover(without[299]).startsWith("Payment 300, ") &&
                     plot.HoverText().endsWith(": balance " + quillmere::Isolated(balance300) + " without extras"),
                 qPrintable(plot.HoverText()));
        QVERIFY2(hover(alone.balances[99]).startsWith("Payment 100, ") &&
                     !plot.HoverText().contains(QStringLiteral("without")),
                 qPrintable(plot.HoverText()));
    }

    // The payoff date is the locale's with the year in full, counted from
    // the first payment: the 9,999th monthly payment from November 2007 is
    // due in January 2841, whatever its two-digit "41" would suggest.
    void payoffDateHasItsFullYear() {
        const LocaleMoneyFormatter us(LocaleNamed("en_US"));
        QCOMPARE(Loan(us, "250000", "9999").payoffDate, QStringLiteral("1/15/2841"));
        QCOMPARE(Loan(us, "250000", "360").payoffDate, QStringLiteral("10/15/2037"));
        const LocaleMoneyFormatter german(LocaleNamed("de_DE"));
        QCOMPARE(Loan(german, "250000", "9999").payoffDate, QStringLiteral("15.01.2841"));
        const QLocale arabic = LocaleNamed("ar_EG");
        const LocaleMoneyFormatter egyptian(arabic);
        const LoanChartData data = Loan(egyptian, "250000", "9999");
        QVERIFY2(data.payoffDate.contains(arabic.toString(2841).remove(arabic.groupSeparator())),
                 qPrintable(data.payoffDate));
        // The year-end balances the table reads: the last year's is zero.
        QCOMPARE(data.years.size(), 835U);
        QVERIFY(data.years.front().balance > 249000 && data.years.front().balance <= 250000);
        QCOMPARE(data.years.back().balance, 0.0);
    }

    // A screen reader finds a window named by its title, its summary, and a
    // table of the years read cell by cell, which follows each schedule and
    // empties with the chart.
    void readsAsAWindowWithATableOfYears() {
        const LocaleMoneyFormatter money(LocaleNamed("en_US"));
        LoanChart chart(money, nullptr);
        chart.show();
        QAccessibleInterface* window = QAccessible::queryAccessibleInterface(&chart);
        QCOMPARE(window->role(), QAccessible::Window);
        QCOMPARE(window->text(QAccessible::Name), QStringLiteral("Loan Chart"));
        QAccessibleInterface* table = QAccessible::queryAccessibleInterface(&chart.YearsTable());
        QAccessibleTableInterface* cells = table->tableInterface();
        QVERIFY(cells != nullptr);
        QCOMPARE(table->text(QAccessible::Name), QStringLiteral("Paid each year"));
        QCOMPARE(cells->rowCount(), 0);

        chart.Show(Loan(money, "1000", "3"));
        QCOMPARE(window->text(QAccessible::Description),
                 QStringLiteral("Monthly payment $336.95; total interest $10.86; paid off on 1/15/2008"));
        QCOMPARE(cells->rowCount(), 2);
        QCOMPARE(cells->columnCount(), 4);
        QStringList headings;
        for (int column = 0; column < 4; ++column) headings << cells->columnDescription(column);
        QCOMPARE(headings, (QStringList{"Year", "Interest", "Principal", "Balance at year end"}));
        QStringList firstYear;
        for (int column = 0; column < 4; ++column) firstYear << cells->cellAt(0, column)->text(QAccessible::Name);
        QCOMPARE(firstYear, (QStringList{"2007", "$9.04", "$664.86", "$335.14"}));
        QCOMPARE(cells->cellAt(1, 3)->text(QAccessible::Name), QStringLiteral("$0.00"));

        // No figure is cut short, however narrow the window: the table scrolls instead.
        chart.Show(Loan(money, "100000000", "360"));
        chart.resize(chart.minimumSize());
        const QTableView& view = chart.YearsTable();
        const QFontMetrics metrics(view.font());
        for (int row = 0; row < cells->rowCount(); ++row) {
            for (int column = 0; column < 4; ++column) {
                const QString text = cells->cellAt(row, column)->text(QAccessible::Name);
                QVERIFY2(view.columnWidth(column) > metrics.horizontalAdvance(text) + 6, qPrintable(text));
            }
        }
        QVERIFY(window->indexOfChild(table) >= 0);

        chart.Show({});
        QCOMPARE(cells->rowCount(), 0);
        QCOMPARE(window->text(QAccessible::Description), LoanChartData{}.Summary());
    }

    // Escape and Ctrl+W close the window, wherever the focus is in it, and
    // the window it was opened from has the keyboard again.
    void escapeAndCtrlWClose() {
        const LocaleMoneyFormatter money(LocaleNamed("en_US"));
        QWidget owner;
        owner.show();
        LoanChart chart(money, &owner);
        chart.Show(Loan(money, "1000", "3"));
        for (const QKeySequence& keys : {QKeySequence(Qt::Key_Escape), QKeySequence(Qt::CTRL | Qt::Key_W)}) {
            chart.show();
            chart.activateWindow();
            QTRY_COMPARE(QApplication::activeWindow(), &chart);
            chart.YearsTable().setFocus();
            QTest::keySequence(&chart.YearsTable(), keys);
            QTRY_VERIFY(chart.isHidden());
            QTRY_COMPARE(QApplication::activeWindow(), &owner);
        }
    }

    // The window opens no larger than its screen has room for (1366 x 768 at
    // a scale of 1.5 leaves some 900 x 500), and no smaller than it can be.
    void opensWithinItsScreen() {
        const LocaleMoneyFormatter money(LocaleNamed("en_US"));
        LoanChart chart(money, nullptr);
        const QSize available = chart.screen()->availableGeometry().size();
        QVERIFY(chart.width() <= available.width() && chart.height() <= available.height());
        QVERIFY(chart.width() >= chart.minimumWidth() && chart.height() >= chart.minimumHeight());
        QVERIFY(chart.minimumHeight() < available.height() - 40);  // room for a title bar
    }

    // An empty chart's note stands in the middle of its frame, the frame in
    // the middle of the canvas.
    void emptyChartCentresItsNote() {
        const LocaleMoneyFormatter money(LocaleNamed("en_US"));
        LoanChart chart(money, nullptr);
        quillmere::LoanChartPlot& plot = chart.Plot();
        plot.resize(plot.minimumSizeHint());
        const QRectF frame = plot.Layout().emptyFrame;
        QCOMPARE(frame.center(), QRectF(plot.rect()).center());
        QVERIFY(QFontMetricsF(plot.font())
                    .boundingRect(frame, Qt::AlignCenter | Qt::TextWordWrap, LoanChartData{}.Summary())
                    .width() <= frame.width());
    }
};

QTEST_MAIN(TestLoanChart)
#include "loan_chart_test.moc"
