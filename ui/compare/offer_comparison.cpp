#include "ui/compare/offer_comparison.h"

#include <QCoreApplication>

#include <algorithm>
#include <cmath>
#include <functional>

#include "money/locale_money_formatter.h"
#include "ui/chart/loan_chart_data.h"

namespace quillmere {
namespace {

constexpr int kPercentDecimals = 3;

ComparisonCell MoneyCell(const LocaleMoneyFormatter& money, double amount) {
    ComparisonCell cell;
    cell.text = QString::fromStdString(money.Format(amount));
    // The value the text shows, so a comparison agrees with what is read.
    if (const auto shown = money.Parse(cell.text.toStdString())) {
        cell.kind = ComparisonCell::Kind::Money;
        cell.money = *shown;
    } else {
        cell.kind = ComparisonCell::Kind::Text;
    }
    return cell;
}

ComparisonCell TextCell(const QString& text) {
    ComparisonCell cell;
    cell.kind = ComparisonCell::Kind::Text;
    cell.text = text;
    return cell;
}

ComparisonCell CountCell(const QLocale& locale, int count) {
    ComparisonCell cell;
    cell.kind = ComparisonCell::Kind::Count;
    cell.count = count;
    cell.text = locale.toString(count);
    return cell;
}

ComparisonCell PercentCell(const QLocale& locale, const std::optional<double>& percent) {
    if (!percent || !std::isfinite(*percent))
        return TextCell(QCoreApplication::translate("OfferComparison", "\u2014 (the fees are not below the amount)"));
    ComparisonCell cell;
    cell.kind = ComparisonCell::Kind::Percent;
    cell.percentDecimals = kPercentDecimals;
    cell.percent = static_cast<double>(RoundScaled(*percent, 1000, TieBreak::AwayFromZero)) / 1000;
    cell.text = locale.toString(cell.percent, 'f', kPercentDecimals) + locale.percent();
    return cell;
}

ComparisonCell DateCell(const QLocale& locale, const CalendarDate& date) {
    ComparisonCell cell = TextCell(PaymentDateWithFullYear(date, locale));
    const QDate fitted(date.year, date.month, date.day);
    if (fitted.isValid()) {
        cell.kind = ComparisonCell::Kind::Date;
        cell.date = fitted;
    }
    return cell;
}

// Right to left, the number and the date are laid out each on its own:
// with Arabic digits, the text between them would otherwise swap them.
QString PaymentText(const QLocale& locale, int number, const CalendarDate& date) {
    QString count = locale.toString(number);
    QString day = PaymentDateWithFullYear(date, locale);
    if (locale.textDirection() == Qt::RightToLeft) {
        count = Isolated(count);
        day = Isolated(day);
    }
    return QCoreApplication::translate("OfferComparison", "payment %1 (%2)").arg(count, day);
}

ComparisonCell BreakEvenCell(const QLocale& locale, const Offer& offer, const Offer& reference) {
    const BreakEven from = CostsLessFrom(offer, reference);
    switch (from.kind) {
        case BreakEven::Kind::FromTheStart:
            return TextCell(QCoreApplication::translate("OfferComparison", "from the start"));
        case BreakEven::Kind::FromPayment:
            return TextCell(PaymentText(locale, from.payment, from.date));
        case BreakEven::Kind::Never:
            break;
    }
    return TextCell(QCoreApplication::translate("OfferComparison", "never"));
}

ComparisonCell FigureCell(FigureRow row, const Offer& offer, const Offer* reference,
                          const LocaleMoneyFormatter& money) {
    const OfferFigures& f = offer.figures;
    const QLocale& locale = money.Locale();
    switch (row) {
        case FigureRow::Payment:
            return MoneyCell(money, f.payment);
        case FigureRow::Payments:
            return CountCell(locale, f.payments);
        case FigureRow::LastPayment:
            // Only where it differs from the payment the others are.
            if (money.Format(f.lastPayment) == money.Format(f.payment)) return TextCell(QStringLiteral("\u2014"));
            return MoneyCell(money, f.lastPayment);
        case FigureRow::Payoff:
            return DateCell(locale, f.payoff);
        case FigureRow::TotalInterest:
            return MoneyCell(money, f.totalInterest);
        case FigureRow::TotalPaid:
            return MoneyCell(money, f.totalPaid);
        case FigureRow::Fees:
            return MoneyCell(money, f.fees);
        case FigureRow::TotalCost:
            return MoneyCell(money, f.TotalCost());
        case FigureRow::Apr:
            return PercentCell(locale, f.aprPercent);
        case FigureRow::Effective:
            return PercentCell(locale, f.effectivePercent);
        case FigureRow::HorizonInterest:
            return MoneyCell(money, f.horizonInterest);
        case FigureRow::HorizonCost:
            return MoneyCell(money, f.HorizonCost());
        case FigureRow::HorizonBalance:
            return MoneyCell(money, f.horizonBalance.ToDouble());
        case FigureRow::CostsLessFrom:
            if (reference == nullptr || reference == &offer) return {};
            return BreakEvenCell(locale, offer, *reference);
    }
    return {};
}

bool MarksLowest(FigureRow row) {
    switch (row) {
        case FigureRow::Payment:
        case FigureRow::TotalInterest:
        case FigureRow::TotalPaid:
        case FigureRow::TotalCost:
        case FigureRow::Apr:
        case FigureRow::Effective:
        case FigureRow::HorizonInterest:
        case FigureRow::HorizonCost:
        case FigureRow::HorizonBalance:
            return true;
        default:
            return false;
    }
}

// A money cell in its minor units, a percentage in thousandths: compared
// exactly as shown.
std::optional<long long> Compared(const ComparisonCell& cell) {
    if (cell.kind == ComparisonCell::Kind::Money) return cell.money.minorUnits;
    if (cell.kind == ComparisonCell::Kind::Percent) return std::llround(cell.percent * 1000);
    return std::nullopt;
}

void MarkLowest(std::vector<ComparisonCell>& cells) {
    std::vector<long long> values;
    for (const ComparisonCell& cell : cells) {
        if (const auto value = Compared(cell)) values.push_back(*value);
    }
    if (values.size() < 2) return;
    const auto [lowest, highest] = std::minmax_element(values.begin(), values.end());
    if (*lowest == *highest) return;
    for (ComparisonCell& cell : cells) cell.lowest = Compared(cell) == *lowest;
}

QStringList FigureNames(int horizonYears, const QString& firstName) {
    return {
        QCoreApplication::translate("OfferComparison", "Monthly payment"),
        QCoreApplication::translate("OfferComparison", "Number of payments"),
        QCoreApplication::translate("OfferComparison", "Last payment"),
        QCoreApplication::translate("OfferComparison", "Payoff date"),
        QCoreApplication::translate("OfferComparison", "Total interest"),
        QCoreApplication::translate("OfferComparison", "Total of payments"),
        QCoreApplication::translate("OfferComparison", "Fees"),
        QCoreApplication::translate("OfferComparison", "Total cost"),
        QCoreApplication::translate("OfferComparison", "APR (with fees)"),
        QCoreApplication::translate("OfferComparison", "Effective annual rate (with fees)"),
        // The year counts are the user's digits (%Ln); one year reads "the first year".
        QCoreApplication::translate("OfferComparison", "Interest paid in the first %Ln year(s)", nullptr, horizonYears),
        QCoreApplication::translate("OfferComparison", "Cost of the first %Ln year(s)", nullptr, horizonYears),
        QCoreApplication::translate("OfferComparison", "Balance left after %Ln year(s)", nullptr, horizonYears),
        QCoreApplication::translate("OfferComparison", "Costs less than %1 from").arg(firstName)};
}

}  // namespace

ComparisonValues CompareOffers(const std::vector<ComparedOffer>& offers, int horizonYears,
                               const LocaleMoneyFormatter& money) {
    ComparisonValues values;
    for (const ComparedOffer& offer : offers) values.offerNames << offer.name;
    values.figureNames = FigureNames(horizonYears, offers.empty() ? QString() : offers.front().name);
    const Offer* reference = offers.empty() ? nullptr : offers.front().offer;
    for (int row = 0; row < kFigureRows; ++row) {
        const auto figure = static_cast<FigureRow>(row);
        std::vector<ComparisonCell>& cells = values.rows.emplace_back();
        for (const ComparedOffer& offer : offers) {
            cells.push_back(offer.offer == nullptr ? ComparisonCell()
                                                   : FigureCell(figure, *offer.offer, reference, money));
        }
        if (MarksLowest(figure)) MarkLowest(cells);
    }
    return values;
}

QString CostAnnouncement(const std::vector<ComparedOffer>& offers, std::size_t which,
                         const LocaleMoneyFormatter& money) {
    if (which >= offers.size() || offers[which].offer == nullptr) return {};
    const auto shown = [&money](double amount) { return QString::fromStdString(money.Format(amount)); };
    const ComparedOffer& offer = offers[which];
    const double cost = offer.offer->figures.TotalCost();
    QString said = QCoreApplication::translate("OfferComparison", "%1: total cost %2").arg(offer.name, shown(cost));
    const ComparedOffer& first = offers.front();
    if (which == 0 || first.offer == nullptr) return said;
    const double firstCost = first.offer->figures.TotalCost();
    const QString difference = shown(std::abs(cost - firstCost));
    if (shown(cost) == shown(firstCost))
        return QCoreApplication::translate("OfferComparison", "%1, the same as %2").arg(said, first.name);
    return (cost < firstCost ? QCoreApplication::translate("OfferComparison", "%1, %2 less than %3")
                             : QCoreApplication::translate("OfferComparison", "%1, %2 more than %3"))
        .arg(said, difference, first.name);
}

}  // namespace quillmere
