// The comparison chart on its own: its texts' places down to its smallest
// size, its legend and summary, what hovering tells, the cost of a shorter
// loan running on flat, and six of the longest loans at once.
#include "ui/chart/offer_chart.h"

#include <QAccessible>
#include <QImage>
#include <QMouseEvent>
#include <QTest>

#include <cmath>

#include "money/locale_money_formatter.h"

using quillmere::LocaleMoneyFormatter;
using quillmere::OfferChart;
using quillmere::OfferChartLine;

namespace {

// An offer worked out from its terms, its first payment on 15 January 2027.
OfferChartLine Line(const QString& name, double amount, int months, double rate, double fees) {
    const quillmere::OfferInputs inputs{amount, months, quillmere::Currency::FromDouble(rate), std::nullopt, fees};
    const auto offer = std::get<quillmere::Offer>(quillmere::WorkOutOffer(inputs, {15, 1, 2027}, 5));
    return {name, offer.loan.principal, offer.figures.fees, offer.schedule};
}

std::vector<OfferChartLine> ThreeOffers() {
    return {Line("Offer A", 250000, 360, 6.5, 5000), Line("Offer B", 250000, 180, 5.75, 8000),
            Line("Offer C", 250000, 360, 6.125, 12000)};
}

double When(const quillmere::CalendarDate& date) { return date.year + (date.month - 1) / 12.0; }

// Texts that leave the canvas or cover one another.
QStringList Faults(const OfferChart& chart) {
    const QRectF canvas(chart.rect());
    const std::vector<QRectF> rects = chart.Layout().TextRects();
    QStringList faults;
    const auto name = [](const QRectF& r) {
        return QStringLiteral("(%1,%2 %3x%4)").arg(r.x()).arg(r.y()).arg(r.width()).arg(r.height());
    };
    for (std::size_t i = 0; i < rects.size(); ++i) {
        if (!canvas.contains(rects[i])) faults << "outside: " + name(rects[i]);
        for (std::size_t j = i + 1; j < rects.size(); ++j) {
            const QRectF both = rects[i].intersected(rects[j]);
            if (both.width() > 0.01 && both.height() > 0.01) faults << name(rects[i]) + " over " + name(rects[j]);
        }
    }
    return faults;
}

// How many pixels of `image` within `area` are near `colour`.
int PixelsOf(const QImage& image, const QRect& area, const QColor& colour, int tolerance = 40) {
    int count = 0;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            const QColor pixel = image.pixelColor(x, y);
            count += std::abs(pixel.red() - colour.red()) + std::abs(pixel.green() - colour.green()) +
                         std::abs(pixel.blue() - colour.blue()) <
                     tolerance;
        }
    }
    return count;
}

QImage Rendered(OfferChart& chart) {
    QImage image(chart.size(), QImage::Format_RGB32);
    chart.render(&image);
    return image;
}

}  // namespace

class TestOfferChart : public QObject {
    Q_OBJECT

private slots:
    // At the preferred size and down to the smallest, in several scripts and
    // with six long names, every text stands whole on the canvas, clear of
    // the others; the legend names each offer, a long name cut short with
    // an ellipsis, and each plot keeps two amount labels and two years.
    void textsStayWholeAndApart_data() {
        QTest::addColumn<QString>("locale");
        for (const char* locale : {"en_US", "ar_EG", "hi_IN", "ja_JP"}) QTest::newRow(locale) << QString(locale);
    }
    void textsStayWholeAndApart() {
        QFETCH(QString, locale);
        const LocaleMoneyFormatter money{QLocale(locale)};
        OfferChart chart(money, nullptr);
        std::vector<OfferChartLine> lines;
        QStringList names;
        for (int k = 0; k < 6; ++k) {
            names << (k % 2 == 0
                          ? QStringLiteral("Offer %1").arg(k + 1)
                          : QStringLiteral("Riverside Community Credit Union, 30-year fixed, two points %1").arg(k));
            lines.push_back(Line(names.back(), 100000000.0 * (k + 1), k == 5 ? 9999 : 360, 6.5, 1000000));
        }
        chart.Show(lines);
        for (const QSize size :
             {chart.sizeHint(), QSize(chart.minimumSizeHint().width(), 700), chart.minimumSizeHint()}) {
            chart.resize(size);
            QVERIFY(!chart.grab().isNull());
            const QString at = QStringLiteral("%1x%2: ").arg(size.width()).arg(size.height());
            QVERIFY2(Faults(chart).isEmpty(), qPrintable(at + Faults(chart).join("; ")));
            const quillmere::OfferChartLayout& layout = chart.Layout();
            QCOMPARE(layout.legend.size(), 6U);
            for (std::size_t k = 0; k < 6; ++k) {
                const QString shown = layout.legend[k].label.text;
                QVERIFY2(
                    shown == names[static_cast<int>(k)] || (shown.endsWith(QChar(0x2026)) && shown.size() > 4 &&
                                                            names[static_cast<int>(k)].startsWith(shown.chopped(1))),
                    qPrintable(at + shown));
            }
            for (const auto* plot : {&layout.balances, &layout.costs}) {
                QVERIFY2(plot->amountLabels.size() >= 2 && plot->yearLabels.size() >= 2, qPrintable(at));
                QVERIFY2(plot->pane.height() >= 40, qPrintable(at));
            }
        }
    }

    // The legend, the summary and a screen reader's view name each offer;
    // a seventh offer and one with no payments are left out. No offers
    // shows a frame with the note, which can be set.
    void namesAndSummary() {
        const LocaleMoneyFormatter money{QLocale("en_US")};
        OfferChart chart(money, nullptr);
        QAccessibleInterface* chartReader = QAccessible::queryAccessibleInterface(&chart);
        QCOMPARE(chartReader->text(QAccessible::Name), QStringLiteral("Comparison chart"));
        QCOMPARE(chart.Summary(), QStringLiteral("Fill in an offer to see its chart."));
        chart.SetEmptyNote("Nothing to compare.");
        QCOMPARE(chartReader->text(QAccessible::Description), QStringLiteral("Nothing to compare."));
        chart.resize(chart.minimumSizeHint());
        QCOMPARE(chart.Layout().emptyFrame.center(), QRectF(chart.rect()).center());
        QVERIFY(chart.Layout().legend.empty());

        std::vector<OfferChartLine> lines = ThreeOffers();
        lines.insert(lines.begin() + 1, OfferChartLine{"No payments", 1000, 0, {}});
        for (int k = 4; k <= 7; ++k) lines.push_back(Line(QStringLiteral("Offer %1").arg(k), 1000, 12, 5, 0));
        chart.Show(lines);
        QCOMPARE(chart.Lines().size(), 6U);
        QStringList legend;
        for (const auto& entry : chart.Layout().legend) legend << entry.label.text;
        QCOMPARE(legend, (QStringList{"Offer A", "Offer B", "Offer C", "Offer 4", "Offer 5", "Offer 6"}));
        const QString summary = chart.Summary();
        QVERIFY2(summary.startsWith("Offer A: paid off on 12/15/2056, total cost $"), qPrintable(summary));
        QVERIFY2(summary.contains(". Offer B: paid off on 12/15/2041, total cost $"), qPrintable(summary));
        const double costB = lines[2].fees + lines[2].schedule.back().interestSoFar;
        QVERIFY(summary.contains(QString::fromStdString(money.Format(costB))));
        QCOMPARE(chartReader->text(QAccessible::Description), summary);
    }

    // Hovering tells the value of the line nearest the pointer at its date:
    // a payment's balance or cost so far, and past a shorter loan's last
    // payment its total cost, whose line runs on flat to the longest loan's
    // end (where offers A and B cross, B costing less).
    void hoverTellsTheNearestLineAndCostsRunOnFlat() {
        const LocaleMoneyFormatter money{QLocale("en_US")};
        OfferChart chart(money, nullptr);
        chart.resize(chart.sizeHint());
        const std::vector<OfferChartLine> lines = ThreeOffers();
        chart.Show(lines);
        const quillmere::OfferChartLayout& layout = chart.Layout();
        const auto hover = [&](QPointF at) {
            QMouseEvent move(QEvent::MouseMove, at, chart.mapToGlobal(at), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
            QCoreApplication::sendEvent(&chart, &move);
            return chart.HoverText();
        };
        const auto iso = [](const QString& text) { return quillmere::Isolated(text); };
        const auto dollars = [&](double amount) { return iso(QString::fromStdString(money.Format(amount))); };

        const quillmere::OfferPayment& b96 = lines[1].schedule[95];
        const double cost96 = lines[1].fees + b96.interestSoFar;
        QCOMPARE(hover({layout.costs.X(When(b96.date)), layout.costs.Y(cost96)}),
                 iso("Offer B") + ", payment 96, " + iso("Dec 2034") + ": cost so far " + dollars(cost96));
        QCOMPARE(hover({layout.balances.X(When(b96.date)), layout.balances.Y(b96.balance.ToDouble())}),
                 iso("Offer B") + ", payment 96, " + iso("Dec 2034") + ": balance " + dollars(b96.balance.ToDouble()));
        QCOMPARE(hover({layout.balances.X(2026 + 11 / 12.0), layout.balances.Y(250000)}),
                 iso("Offer A") + ", at signing, " + iso("Dec 2026") + ": balance " + dollars(250000));

        // Past B's payoff, its cost holds at its total.
        const double totalB = lines[1].fees + lines[1].schedule.back().interestSoFar;
        const double late = When(lines[1].schedule.back().date) + 5;
        QCOMPARE(hover({layout.costs.X(late), layout.costs.Y(totalB)}),
                 iso("Offer B") + ", paid off " + iso("Dec 2041") + ": cost so far " + dollars(totalB));
        QCOMPARE(hover({layout.costs.X(late + 9), layout.costs.Y(totalB)}), chart.HoverText());
        QVERIFY(totalB < lines[0].fees + lines[0].schedule.back().interestSoFar);
        // And it is drawn there: B's colour fills the row of its total from
        // past its payoff to the end of the frame.
        const QImage image = Rendered(chart);
        const int row = static_cast<int>(std::lround(layout.costs.Y(totalB)));
        const int from = static_cast<int>(layout.costs.X(When(lines[1].schedule.back().date))) + 4;
        const int to = static_cast<int>(layout.costs.pane.right()) - 4;
        const QRect band(from, row - 1, to - from + 1, 3);
        QVERIFY2(PixelsOf(image, band, OfferChart::LinePen(1).color()) > (to - from) / 3, "no flat cost line");

        QMouseEvent away(QEvent::Leave, {}, {}, Qt::NoButton, Qt::NoButton, Qt::NoModifier);
        QCoreApplication::sendEvent(&chart, &away);
        QVERIFY(chart.HoverText().isEmpty());
    }

    // Six 9,999-payment loans show, each in its own colour and dash pattern,
    // over a time axis that runs their 833 years.
    void sixLongestLoansShow() {
        const LocaleMoneyFormatter money{QLocale("en_US")};
        OfferChart chart(money, nullptr);
        chart.resize(chart.sizeHint());
        std::vector<OfferChartLine> lines;
        lines.reserve(6);
        for (int k = 0; k < 6; ++k)
            lines.push_back(Line(QStringLiteral("Offer %1").arg(k + 1), 50000.0 * (k + 1), 9999, 2 + k, 1000));
        chart.Show(lines);
        QCOMPARE(chart.Lines().size(), 6U);
        QCOMPARE(chart.Layout().balances.lastYear, 2861.0);  // the 9,999th payment is due in March 2860
        QVERIFY(Faults(chart).isEmpty());
        const QImage image = Rendered(chart);
        QStringList seen;
        for (int k = 0; k < 6; ++k) {
            const QPen pen = OfferChart::LinePen(k);
            for (int j = 0; j < k; ++j) {
                const QPen other = OfferChart::LinePen(j);
                QVERIFY(pen.color() != other.color() && pen.dashPattern() != other.dashPattern());
            }
            if (PixelsOf(image, chart.Layout().balances.pane.toAlignedRect(), pen.color(), 24) > 20)
                seen << QString::number(k);
        }
        QCOMPARE(seen.size(), 6);

        if (const QByteArray path = qgetenv("OFFER_CHART_PICTURE"); !path.isEmpty()) {
            chart.Show(ThreeOffers());
            QVERIFY(chart.grab().save(QString::fromLocal8Bit(path)));
        }
    }
};

QTEST_MAIN(TestOfferChart)
#include "offer_chart_test.moc"
