#include "ui/chart/loan_chart_plot.h"

#include "ui/chart/chart_axes.h"

#include <QEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>
#include <iterator>
#include <limits>

#include "money/locale_money_formatter.h"

namespace quillmere {
namespace {

constexpr QSize kPreferredSize(640, 400);
constexpr double kTick = 4;
constexpr double kBarShare = 0.8;  // of a year's width, the rest a gap before the next
const QColor kBalanceColour(31, 91, 160);
const QColor kInterestColour(192, 80, 77);
const QColor kPrincipalColour(79, 129, 189);

QPen WithExtrasPen() { return {kBalanceColour, 2}; }
QPen WithoutExtrasPen() { return {LoanChartPlot::kWithoutExtrasColour, 2, Qt::DashLine}; }

// The point of `points` (in order of time) whose date stands nearest `x` in
// `plot`, the earlier of two as near; their end where there is none.
auto NearestInTime(const std::vector<LoanChartData::Balance>& points, const PlotLayout& plot, double x) {
    const auto after = std::lower_bound(points.begin(), points.end(), x,
                                        [&plot](const auto& point, double at) { return plot.X(point.when) < at; });
    if (after == points.begin()) return after;
    const auto before = std::prev(after);
    if (after == points.end() || x - plot.X(before->when) <= plot.X(after->when) - x) return before;
    return after;
}

}  // namespace

// Grey to stand back from the coloured line and bars, darker than the grid
// lines (the palette's mid tone) so it can't be taken for one of them.
const QColor LoanChartPlot::kWithoutExtrasColour(110, 110, 110);

LoanChartPlot::LoanChartPlot(const LocaleMoneyFormatter& money, QWidget* parent) : QWidget(parent), money_(money) {
    setObjectName(QStringLiteral("loanChartPlot"));
    setAccessibleName(tr("Loan chart"));
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    Show({});
}

QSize LoanChartPlot::sizeHint() const { return kPreferredSize; }

void LoanChartPlot::Show(LoanChartData data) {
    data_ = std::move(data);
    hover_.clear();
    layout_.reset();
    setAccessibleDescription(data_.Summary());
    update();
}

const ChartLayout& LoanChartPlot::Layout() const {
    if (!layout_ || layoutSize_ != size()) {
        layout_ = LayOutChart(size(), QFontMetricsF(font()), data_, money_, FootTexts());
        layoutSize_ = size();
    }
    return *layout_;
}

void LoanChartPlot::changeEvent(QEvent* event) {
    if (event->type() == QEvent::FontChange) {
        layout_.reset();
        update();
    }
    QWidget::changeEvent(event);
}

void LoanChartPlot::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    painter.fillRect(rect(), palette().window());
    const ChartLayout& layout = Layout();
    painter.setPen(palette().color(QPalette::WindowText));
    if (data_.IsEmpty()) {
        painter.drawRect(layout.emptyFrame);
        painter.drawText(layout.emptyFrame, Qt::AlignCenter | Qt::TextWordWrap, data_.Summary());
        return;
    }
    PaintPlot(painter, layout.balances);
    PaintBalances(painter, layout.balances, data_.withoutExtras, WithoutExtrasPen());
    PaintBalances(painter, layout.balances, data_.balances, WithExtrasPen());
    if (!data_.years.empty()) {
        PaintPlot(painter, layout.years);
        PaintYears(painter, layout.years);
    }
    PaintLegends(painter);
    painter.setPen(palette().color(QPalette::WindowText));
    painter.drawText(layout.foot, Qt::AlignVCenter | Qt::AlignLeft | Qt::TextWordWrap,
                     hover_.isEmpty() ? data_.Summary(LoanChartData::Pieces::Isolated) : hover_);
}

void LoanChartPlot::PaintPlot(QPainter& painter, const PlotLayout& plot) const {
    const QColor text = palette().color(QPalette::WindowText);
    painter.setPen(text);
    painter.drawText(plot.title.rect, Qt::AlignLeft | Qt::AlignVCenter, plot.title.text);
    painter.setPen(palette().color(QPalette::Mid));
    for (const double amount : plot.amountLines) {
        const double y = plot.Y(amount);
        painter.drawLine(QPointF(plot.pane.left(), y), QPointF(plot.pane.right(), y));
    }
    painter.setPen(text);
    for (const auto& label : plot.amountLabels)
        painter.drawText(label.rect, Qt::AlignRight | Qt::AlignVCenter, label.text);
    for (const double year : plot.yearTicks) {
        const double x = plot.X(year);
        painter.drawLine(QPointF(x, plot.pane.bottom()), QPointF(x, plot.pane.bottom() + kTick));
    }
    for (const auto& label : plot.yearLabels) painter.drawText(label.rect, Qt::AlignCenter, label.text);
    painter.drawRect(plot.pane);
}

// One stroke per pixel column from the lowest to the highest balance that
// falls in it, joined column to column: the same picture as every point
// would give, at a cost that depends on the width alone.
void LoanChartPlot::PaintBalances(QPainter& painter, const PlotLayout& plot,
                                  const std::vector<LoanChartData::Balance>& points, const QPen& pen) const {
    if (points.empty()) return;
    std::vector<ChartPoint> amounts;
    amounts.reserve(points.size());
    for (const auto& point : points) amounts.push_back({point.when, point.balance});
    const QPainterPath line = ColumnPath(plot, amounts);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(pen);
    painter.drawPath(line);
    painter.setRenderHint(QPainter::Antialiasing, false);
}

void LoanChartPlot::PaintYears(QPainter& painter, const PlotLayout& plot) const {
    painter.setPen(Qt::NoPen);
    for (const auto& year : data_.years) {
        const double left = plot.X(year.year);
        const double width = std::max(1.0, (plot.X(year.year + 1) - left) * kBarShare);
        const double interestTop = plot.Y(year.interest);
        painter.fillRect(QRectF(left, interestTop, width, plot.pane.bottom() - interestTop), kInterestColour);
        const double principalTop = plot.Y(year.interest + year.principal);
        painter.fillRect(QRectF(left, principalTop, width, interestTop - principalTop), kPrincipalColour);
    }
}

// The years' legend only where there are bars to name (a schedule with no
// "Year Totals" row has none), the lines' only where there are two lines.
void LoanChartPlot::PaintLegends(QPainter& painter) const {
    const ChartLayout& layout = Layout();
    const bool years = !data_.years.empty();
    if (years) {
        painter.fillRect(layout.yearsLegend[0].swatch, kInterestColour);
        painter.fillRect(layout.yearsLegend[1].swatch, kPrincipalColour);
    }
    const auto& lines = layout.balancesLegend;
    painter.setRenderHint(QPainter::Antialiasing);
    for (std::size_t k = 0; k < lines.size(); ++k) {
        painter.setPen(k == 0 ? WithExtrasPen() : WithoutExtrasPen());
        const QRectF& strip = lines[k].swatch;
        painter.drawLine(QPointF(strip.left(), strip.center().y()), QPointF(strip.right(), strip.center().y()));
    }
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setPen(palette().color(QPalette::WindowText));
    for (const auto* legend : {&layout.yearsLegend, &layout.balancesLegend}) {
        if (legend == &layout.yearsLegend && !years) continue;
        for (const auto& entry : *legend) painter.drawText(entry.label.rect, Qt::AlignCenter, entry.label.text);
    }
}

QString LoanChartPlot::PaymentText(const LoanChartData::Balance& point, Line line) const {
    const int year = static_cast<int>(std::floor(point.when + 1e-9));
    const int month = static_cast<int>(std::lround((point.when - year) * 12)) + 1;
    const QString text =
        line == Line::WithExtras ? tr("Payment %1, %2: balance %3") : tr("Payment %1, %2: balance %3 without extras");
    return text.arg(money_.Locale().toString(point.payment),
                    Isolated(money_.Locale().monthName(month, QLocale::ShortFormat) + QLatin1Char(' ') +
                             quillmere::YearText(year, money_.Locale())),
                    Isolated(QString::fromStdString(money_.Format(point.balance))));
}

QString LoanChartPlot::YearPaidText(const LoanChartData::YearPaid& paid) const {
    return tr("%1: interest %2, principal %3")
        .arg(Isolated(quillmere::YearText(paid.year, money_.Locale())),
             Isolated(QString::fromStdString(money_.Format(paid.interest))),
             Isolated(QString::fromStdString(money_.Format(paid.principal))));
}

// The summary, and what hovering over the first and last payments and the
// year paying most would tell: the longest texts the foot line shows.
QStringList LoanChartPlot::FootTexts() const {
    QStringList texts{data_.Summary(LoanChartData::Pieces::Isolated)};
    if (data_.IsEmpty()) return texts;
    texts << PaymentText(data_.balances.front()) << PaymentText(data_.balances.back());
    const auto most = std::max_element(data_.years.begin(), data_.years.end(), [](const auto& a, const auto& b) {
        return a.interest + a.principal < b.interest + b.principal;
    });
    if (most != data_.years.end()) texts << YearPaidText(*most);
    if (!data_.withoutExtras.empty()) {
        texts << PaymentText(data_.withoutExtras.front(), Line::WithoutExtras)
              << PaymentText(data_.withoutExtras.back(), Line::WithoutExtras);
    }
    return texts;
}

QString LoanChartPlot::TextAt(const QPointF& point) const {
    if (data_.IsEmpty()) return {};
    const ChartLayout& layout = Layout();
    if (const PlotLayout& plot = layout.balances; plot.pane.contains(point)) return BalanceTextAt(point, plot);
    if (const PlotLayout& plot = layout.years; plot.pane.contains(point)) {
        const auto year = static_cast<int>(std::floor(
            plot.firstYear + (point.x() - plot.pane.left()) / plot.pane.width() * (plot.lastYear - plot.firstYear)));
        const auto paid =
            std::find_if(data_.years.begin(), data_.years.end(), [year](const auto& y) { return y.year == year; });
        if (paid != data_.years.end()) return YearPaidText(*paid);
    }
    return {};
}

// The balance of the payment nearest the pointer in time; where there are
// two lines, that of the one whose point there stands nearer the pointer
// (the line with extras where they meet).
QString LoanChartPlot::BalanceTextAt(const QPointF& point, const PlotLayout& plot) const {
    const auto with = NearestInTime(data_.balances, plot, point.x());
    const auto without = NearestInTime(data_.withoutExtras, plot, point.x());
    if (without == data_.withoutExtras.end()) return PaymentText(*with);
    const auto distance = [&](const LoanChartData::Balance& balance) {
        return std::hypot(plot.X(balance.when) - point.x(), plot.Y(balance.balance) - point.y());
    };
    return distance(*without) < distance(*with) ? PaymentText(*without, Line::WithoutExtras) : PaymentText(*with);
}

void LoanChartPlot::mouseMoveEvent(QMouseEvent* event) {
    const QString text = TextAt(event->position());
    if (text != hover_) {
        hover_ = text;
        update(Layout().foot.toAlignedRect());
    }
}

void LoanChartPlot::leaveEvent(QEvent* /*event*/) {
    hover_.clear();
    update(Layout().foot.toAlignedRect());
}

}  // namespace quillmere
