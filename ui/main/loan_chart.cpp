#include "ui/main/loan_chart.h"

#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>

#include "money/locale_money_formatter.h"

namespace quillmere {
namespace {

constexpr QSize kInitialSize(640, 480);
constexpr double kLeftMargin = 96;  // room for the money labels
constexpr double kRightMargin = 16;
constexpr double kTopMargin = 24;   // room for a plot's title
constexpr double kAxisRoom = 20;    // room for the year labels
constexpr double kFootHeight = 22;  // the hover line
constexpr int kTicks = 4;
const QColor kBalanceColour(31, 91, 160);
const QColor kInterestColour(192, 80, 77);
const QColor kPrincipalColour(79, 129, 189);

// A round step that cuts `range` into about `parts`: 1, 2 or 5 times a power of ten.
double NiceStep(double range, int parts) {
    if (!(range > 0)) return 1;
    const double rough = range / parts;
    const double power = std::pow(10.0, std::floor(std::log10(rough)));
    for (const double multiple : {1.0, 2.0, 5.0}) {
        if (multiple * power >= rough) return multiple * power;
    }
    return 10 * power;
}

// The top of an amount axis: the largest amount rounded up to a whole step,
// so the top tick stands on the frame and the tallest bar or point below it.
double AxisTop(double largest) {
    const double step = NiceStep(largest, kTicks);
    return std::max(1.0, std::ceil(largest / step)) * step;
}

}  // namespace

double LoanChart::Scale::X(double when) const {
    return pane.left() + (when - firstYear) / (lastYear - firstYear) * pane.width();
}

double LoanChart::Scale::Y(double amount) const { return pane.bottom() - (top > 0 ? amount / top : 0) * pane.height(); }

LoanChart::LoanChart(const LocaleMoneyFormatter& money, QWidget* parent) : QWidget(parent, Qt::Window), money_(money) {
    setObjectName(QStringLiteral("loanChart"));
    setWindowTitle(QString::fromLatin1(kTitle));
    setAccessibleName(QStringLiteral("Loan chart"));
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
    resize(kInitialSize);
    Show({});
}

void LoanChart::Show(LoanChartData data) {
    data_ = std::move(data);
    hover_.clear();
    setAccessibleDescription(data_.Summary());
    update();
}

LoanChart::Panes LoanChart::Layout() const {
    const QRectF all = QRectF(rect()).adjusted(kLeftMargin, kTopMargin, -kRightMargin, -kFootHeight);
    const double plots = all.height() - 2 * kAxisRoom - kTopMargin;
    const QRectF balances(all.left(), all.top(), all.width(), plots * 0.55);
    const QRectF years(all.left(), balances.bottom() + kAxisRoom + kTopMargin, all.width(), plots * 0.45);
    const QRectF foot(0, height() - kFootHeight, width(), kFootHeight);
    return {balances, years, foot};
}

// Both plots span the whole years from the first payment's to the end of the
// last payment's month.
LoanChart::Scale LoanChart::ScaleOverYears(const QRectF& pane, double largest) const {
    const double first = std::floor(data_.balances.front().when);
    const double last = std::max(first + 1, std::ceil(data_.balances.back().when + 1.0 / 12));
    return {pane, first, last, AxisTop(largest)};
}

LoanChart::Scale LoanChart::BalanceScale(const QRectF& pane) const {
    double top = 0;
    for (const auto& point : data_.balances) top = std::max(top, point.balance);
    return ScaleOverYears(pane, top);
}

LoanChart::Scale LoanChart::YearScale(const QRectF& pane) const {
    double top = 0;
    for (const auto& year : data_.years) top = std::max(top, year.interest + year.principal);
    return ScaleOverYears(pane, top);
}

void LoanChart::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    painter.fillRect(rect(), palette().window());
    const Panes panes = Layout();
    painter.setPen(palette().color(QPalette::WindowText));
    if (data_.IsEmpty()) {
        painter.drawRect(panes.balances.united(panes.years));
        painter.drawText(panes.balances.united(panes.years), Qt::AlignCenter, data_.Summary());
        return;
    }
    const Scale balances = BalanceScale(panes.balances);
    PaintAxes(painter, balances, QStringLiteral("Balance after each payment"));
    PaintBalances(painter, balances);
    if (!data_.years.empty()) {
        const Scale years = YearScale(panes.years);
        PaintAxes(painter, years, QStringLiteral("Paid each year"));
        PaintYears(painter, years);
        PaintLegend(painter, panes.years);
    }
    painter.setPen(palette().color(QPalette::WindowText));
    painter.drawText(panes.foot.adjusted(8, 0, -8, 0), Qt::AlignVCenter | Qt::AlignLeft,
                     hover_.isEmpty() ? data_.Summary(LoanChartData::Pieces::Isolated) : hover_);
}

void LoanChart::PaintAxes(QPainter& painter, const Scale& scale, const QString& title) const {
    const QFontMetricsF metrics(font());
    painter.setPen(palette().color(QPalette::WindowText));
    painter.drawText(QPointF(scale.pane.left(), scale.pane.top() - metrics.descent() - 4), title);
    const QColor grid = palette().color(QPalette::Mid);
    const double amountStep = NiceStep(scale.top, kTicks);
    for (double amount = 0; amount <= scale.top + amountStep / 2; amount += amountStep) {
        const double y = scale.Y(amount);
        painter.setPen(grid);
        painter.drawLine(QPointF(scale.pane.left(), y), QPointF(scale.pane.right(), y));
        painter.setPen(palette().color(QPalette::WindowText));
        const QRectF label(0, y - metrics.height() / 2, kLeftMargin - 6, metrics.height());
        painter.drawText(label, Qt::AlignRight | Qt::AlignVCenter, QString::fromStdString(money_.Format(amount)));
    }
    const double yearStep = std::max(1.0, NiceStep(scale.lastYear - scale.firstYear, 6));
    for (double year = std::ceil(scale.firstYear / yearStep) * yearStep; year <= scale.lastYear; year += yearStep) {
        const double x = scale.X(year);
        painter.drawLine(QPointF(x, scale.pane.bottom()), QPointF(x, scale.pane.bottom() + 4));
        const QRectF label(x - 40, scale.pane.bottom() + 4, 80, metrics.height());
        painter.drawText(label, Qt::AlignHCenter | Qt::AlignTop, QString::number(static_cast<int>(year)));
    }
    painter.drawRect(scale.pane);
}

// One stroke per pixel column from the lowest to the highest balance that
// falls in it, joined column to column: the same picture as every point
// would give, at a cost that depends on the width alone.
void LoanChart::PaintBalances(QPainter& painter, const Scale& scale) const {
    QPainterPath line;
    int column = std::numeric_limits<int>::min();
    double low = 0;
    double high = 0;
    const auto flush = [&] {
        if (column == std::numeric_limits<int>::min()) return;
        const QPointF from(column, scale.Y(high));
        if (line.elementCount() == 0) {
            line.moveTo(from);
        } else {
            line.lineTo(from);
        }
        line.lineTo(QPointF(column, scale.Y(low)));
    };
    for (const auto& point : data_.balances) {
        const auto x = static_cast<int>(std::lround(scale.X(point.when)));
        if (x != column) {
            flush();
            column = x;
            low = high = point.balance;
        }
        low = std::min(low, point.balance);
        high = std::max(high, point.balance);
    }
    flush();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(kBalanceColour, 2));
    painter.drawPath(line);
    painter.setRenderHint(QPainter::Antialiasing, false);
}

void LoanChart::PaintYears(QPainter& painter, const Scale& scale) const {
    painter.setPen(Qt::NoPen);
    for (const auto& year : data_.years) {
        const double left = scale.X(year.year);
        const double width = std::max(1.0, (scale.X(year.year + 1) - left) * 0.8);
        const double interestTop = scale.Y(year.interest);
        painter.fillRect(QRectF(left, interestTop, width, scale.pane.bottom() - interestTop), kInterestColour);
        const double principalTop = scale.Y(year.interest + year.principal);
        painter.fillRect(QRectF(left, principalTop, width, interestTop - principalTop), kPrincipalColour);
    }
}

void LoanChart::PaintLegend(QPainter& painter, const QRectF& pane) const {
    const QFontMetricsF metrics(font());
    double x = pane.right();
    for (const auto& [text, colour] : {std::pair{QStringLiteral("Principal"), kPrincipalColour},
                                       std::pair{QStringLiteral("Interest"), kInterestColour}}) {
        x -= metrics.horizontalAdvance(text) + 22;
        const double y = pane.top() - metrics.height() - 2;
        painter.fillRect(QRectF(x, y + 2, 10, metrics.height() - 4), colour);
        painter.setPen(palette().color(QPalette::WindowText));
        painter.drawText(QPointF(x + 14, y + metrics.ascent()), text);
    }
}

QString LoanChart::TextAt(const QPointF& point) const {
    if (data_.IsEmpty()) return {};
    const Panes panes = Layout();
    if (panes.balances.contains(point)) {
        const Scale scale = BalanceScale(panes.balances);
        const auto nearest = std::min_element(data_.balances.begin(), data_.balances.end(), [&](auto& a, auto& b) {
            return std::abs(scale.X(a.when) - point.x()) < std::abs(scale.X(b.when) - point.x());
        });
        const int year = static_cast<int>(std::floor(nearest->when + 1e-9));
        const int month = static_cast<int>(std::lround((nearest->when - year) * 12)) + 1;
        return QStringLiteral("Payment %1, %2: balance %3")
            .arg(nearest->payment)
            .arg(Isolated(locale().monthName(month, QLocale::ShortFormat) + QLatin1Char(' ') + QString::number(year)))
            .arg(Isolated(QString::fromStdString(money_.Format(nearest->balance))));
    }
    if (panes.years.contains(point) && !data_.years.empty()) {
        const Scale scale = YearScale(panes.years);
        const auto year =
            static_cast<int>(std::floor(scale.firstYear + (point.x() - scale.pane.left()) / scale.pane.width() *
                                                              (scale.lastYear - scale.firstYear)));
        for (const auto& paid : data_.years) {
            if (paid.year == year) {
                return QStringLiteral("%1: interest %2, principal %3")
                    .arg(year)
                    .arg(Isolated(QString::fromStdString(money_.Format(paid.interest))),
                         Isolated(QString::fromStdString(money_.Format(paid.principal))));
            }
        }
    }
    return {};
}

void LoanChart::mouseMoveEvent(QMouseEvent* event) {
    const QString text = TextAt(event->position());
    if (text != hover_) {
        hover_ = text;
        update(Layout().foot.toAlignedRect());
    }
}

void LoanChart::leaveEvent(QEvent* /*event*/) {
    hover_.clear();
    update(Layout().foot.toAlignedRect());
}

}  // namespace quillmere
