#include "ui/chart/offer_chart.h"

#include <QCoreApplication>
#include <QEvent>
#include <QMouseEvent>
#include <QPainter>

#include <algorithm>
#include <array>
#include <cmath>

#include "money/locale_money_formatter.h"
#include "ui/chart/loan_chart_data.h"

namespace quillmere {
namespace {

using namespace axes;

constexpr QSize kPreferredSize(640, 480);
constexpr double kTick = 4;
constexpr double kStrip = 32;            // a legend entry's sample of its line: long enough for a whole dash pattern
constexpr double kStripHeight = 10;      // as tall as the loan chart's swatches
constexpr double kMinColumn = 150;       // a legend column narrower than this would leave too little of a long name
constexpr double kHalfMonth = 1.0 / 24;  // in years
constexpr double kPenWidth = 2;

// The offers' looks: colours that stand out on white (each darker than 3:1
// against it) and differ for the common colour blindnesses, each with a dash
// pattern of its own (in pen widths) so the lines tell apart in grey too.
struct LineStyle {
    QColor colour;
    QList<qreal> dashes;  // none: solid
};
const LineStyle kStyles[OfferChart::kMaxLines] = {
    {QColor(0, 90, 181), {}},       {QColor(213, 94, 0), {4, 2}},
    {QColor(0, 128, 96), {1, 1.5}}, {QColor(170, 51, 119), {6, 2, 1, 2}},
    {QColor(140, 95, 0), {10, 3}},  {QColor(51, 51, 51), {5, 2, 1, 2, 1, 2}},
};

// A date's place on the time axis: its month's start, in years.
double When(const CalendarDate& date) { return date.year + (date.month - 1) / kMonthsPerYear; }

// The month before `date`'s, when an offer is signed (a month before its first payment).
CalendarDate MonthBefore(const CalendarDate& date) {
    return date.month == 1 ? CalendarDate{date.day, 12, date.year - 1}
                           : CalendarDate{date.day, date.month - 1, date.year};
}

QString Money(const LocaleMoneyFormatter& money, double amount) { return QString::fromStdString(money.Format(amount)); }

double TotalCost(const OfferChartLine& line) { return line.fees + line.schedule.back().interestSoFar; }

// "Dec 2034", in the locale's month names and digits.
QString MonthAndYear(int month, int year, const QLocale& locale) {
    return locale.monthName(month, QLocale::ShortFormat) + QLatin1Char(' ') + YearText(year, locale);
}

// What a hover text tells of a point: the pieces are isolated, so a name,
// a date or an amount written right to left reads in its own order and keeps
// its place in the line.
enum class PointKind { Signing, Payment, PaidOff };
QString ComposePoint(PointKind kind, const QString& name, const QString& number, const QString& date,
                     const QString& amount, bool cost) {
    const auto translate = [](const char* text) { return QCoreApplication::translate("quillmere::OfferChart", text); };
    static constexpr std::array<std::array<const char*, 2>, 3> kSentences = {{
        {QT_TRANSLATE_NOOP("quillmere::OfferChart", "%1, at signing, %2: balance %3"),
         QT_TRANSLATE_NOOP("quillmere::OfferChart", "%1, at signing, %2: cost so far %3")},
        {QT_TRANSLATE_NOOP("quillmere::OfferChart", "%1, payment %4, %2: balance %3"),
         QT_TRANSLATE_NOOP("quillmere::OfferChart", "%1, payment %4, %2: cost so far %3")},
        {QT_TRANSLATE_NOOP("quillmere::OfferChart", "%1, paid off %2: balance %3"),
         QT_TRANSLATE_NOOP("quillmere::OfferChart", "%1, paid off %2: cost so far %3")},
    }};
    const QString sentence = translate(kSentences[static_cast<std::size_t>(kind)][cost ? 1 : 0]);
    // One pass, so a name holding "%4" stays as typed.
    if (kind == PointKind::Payment) return sentence.arg(Isolated(name), Isolated(date), Isolated(amount), number);
    return sentence.arg(Isolated(name), Isolated(date), Isolated(amount));
}

// The index of the point of `points` (in order of time) whose date stands
// nearest `when`, the earlier of two as near.
std::size_t NearestInTime(const std::vector<ChartPoint>& points, double when) {
    const auto after = std::lower_bound(points.begin(), points.end(), when,
                                        [](const ChartPoint& point, double at) { return point.when < at; });
    if (after == points.begin()) return 0;
    const auto before = std::prev(after);
    if (after == points.end() || when - before->when <= after->when - when) {
        return static_cast<std::size_t>(before - points.begin());
    }
    return static_cast<std::size_t>(after - points.begin());
}

// The legend's entries cut into columns of one width, as many as the canvas
// takes of the widest entry, or of kMinColumn where a name is wider (it is
// then cut short), laid out row by row from `top`.
std::vector<LegendEntry> LayOutLegend(const QStringList& names, double left, double right, double top,
                                      const QFontMetricsF& metrics) {
    const double room = std::max(1.0, right - left);
    const double line = metrics.height();
    double widest = 0;
    for (const QString& name : names) widest = std::max(widest, kStrip + kGap / 2 + DrawnWidth(metrics, name));
    const auto count = static_cast<int>(names.size());
    const auto columnWidth = [&](int columns) { return (room - (columns - 1) * 2 * kGap) / columns; };
    int columns = 1;
    while (columns < count && columnWidth(columns + 1) >= std::min(widest, kMinColumn)) ++columns;
    // Columns as wide as the widest entry where that is less, packed from the left.
    const double width = std::min(columnWidth(columns), widest);
    const double textRoom = std::max(0.0, width - kStrip - kGap / 2);
    std::vector<LegendEntry> legend;
    for (int k = 0; k < count; ++k) {
        const double x = left + (k % columns) * (width + 2 * kGap);
        const int row = k / columns;  // whole rows of entries
        const double y = top + row * line;
        LegendEntry entry;
        entry.swatch = QRectF(x, y + (line - kStripHeight) / 2, kStrip, kStripHeight);
        const QString text = DrawnWidth(metrics, names[k]) <= textRoom
                                 ? names[k]
                                 : metrics.elidedText(names[k], Qt::ElideRight, textRoom);
        entry.label = {text, QRectF(x + kStrip + kGap / 2, y, std::min(DrawnWidth(metrics, text), textRoom), line)};
        legend.push_back(entry);
    }
    return legend;
}

}  // namespace

std::vector<QRectF> OfferChartLayout::TextRects() const {
    std::vector<QRectF> rects;
    for (const PlotLayout* plot : {&balances, &costs}) {
        rects.push_back(plot->title.rect);
        for (const auto& label : plot->amountLabels) rects.push_back(label.rect);
        for (const auto& label : plot->yearLabels) rects.push_back(label.rect);
    }
    for (const auto& entry : legend) {
        rects.push_back(entry.swatch);
        rects.push_back(entry.label.rect);
    }
    rects.push_back(foot);
    return rects;
}

OfferChart::OfferChart(const LocaleMoneyFormatter& money, QWidget* parent)
    : QWidget(parent), money_(money), emptyNote_(tr(kDefaultEmptyNote)) {
    setObjectName(QStringLiteral("offerChart"));
    setAccessibleName(tr("Comparison chart"));
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    Show({});
}

QSize OfferChart::sizeHint() const { return kPreferredSize; }

QPen OfferChart::LinePen(int index) {
    const LineStyle& style = kStyles[std::clamp(index, 0, kMaxLines - 1)];
    QPen pen(style.colour, kPenWidth, Qt::SolidLine, Qt::FlatCap, Qt::RoundJoin);
    if (!style.dashes.isEmpty()) pen.setDashPattern(style.dashes);
    return pen;
}

void OfferChart::Show(std::vector<OfferChartLine> lines) {
    lines_.clear();
    for (OfferChartLine& line : lines) {
        if (line.schedule.empty()) continue;
        if (static_cast<int>(lines_.size()) == kMaxLines) break;
        line.name = line.name.simplified();  // one line in the legend, whatever was typed
        if (line.name.isEmpty()) line.name = tr("Offer %1").arg(lines_.size() + 1);
        lines_.push_back(std::move(line));
    }
    // Both plots start at signing, a month before the first payment; the
    // costs of loans paid off early run on flat to the longest loan's end.
    drawn_.clear();
    double end = 0;
    for (const OfferChartLine& line : lines_) end = std::max(end, When(line.schedule.back().date));
    for (const OfferChartLine& line : lines_) {
        Drawn drawn;
        drawn.balances.reserve(line.schedule.size() + 1);
        drawn.costs.reserve(line.schedule.size() + 2);
        const double signing = When(MonthBefore(line.schedule.front().date));
        drawn.balances.push_back({signing, line.amount});
        drawn.costs.push_back({signing, line.fees});
        for (const OfferPayment& payment : line.schedule) {
            const double when = When(payment.date);
            drawn.balances.push_back({when, payment.balance.ToDouble()});
            drawn.costs.push_back({when, line.fees + payment.interestSoFar});
        }
        if (drawn.costs.back().when < end) drawn.costs.push_back({end, TotalCost(line)});
        drawn_.push_back(std::move(drawn));
    }
    hovered_.reset();
    hover_.clear();
    layout_.reset();
    setAccessibleDescription(Summary());
    update();
}

void OfferChart::SetEmptyNote(const QString& note) {
    emptyNote_ = note;
    if (lines_.empty()) setAccessibleDescription(Summary());
    update();
}

QString OfferChart::Summary() const {
    if (lines_.empty()) return emptyNote_;
    const QLocale& locale = money_.Locale();
    QStringList parts;
    for (const OfferChartLine& line : lines_) {
        parts << WithOneFullStop(tr("%1: paid off on %2, total cost %3.")
                                     .arg(line.name, PaymentDateWithFullYear(line.schedule.back().date, locale),
                                          Money(money_, TotalCost(line))));
    }
    return parts.join(QLatin1Char(' '));
}

const OfferChartLayout& OfferChart::Layout() const {
    if (layout_ && layoutSize_ == size()) return *layout_;
    layoutSize_ = size();
    layout_.emplace();
    OfferChartLayout& layout = *layout_;
    const QSizeF canvas(size());
    if (lines_.empty()) {
        layout.emptyFrame = QRectF(QPointF(0, 0), canvas).adjusted(kPad, kPad, -kPad, -kPad);
        return layout;
    }
    const QFontMetricsF metrics(font());

    // One time axis for both: the whole years from the first signing to the
    // end of the last payment's month; each amount axis a whole step above
    // its largest amount.
    PlotLayout& balances = layout.balances;
    PlotLayout& costs = layout.costs;
    double first = drawn_.front().balances.front().when;
    double last = first;
    double largestBalance = 0;
    double largestCost = 0;
    for (const Drawn& drawn : drawn_) {
        first = std::min(first, drawn.balances.front().when);
        last = std::max(last, drawn.balances.back().when);
        for (const ChartPoint& point : drawn.balances) largestBalance = std::max(largestBalance, point.amount);
        for (const ChartPoint& point : drawn.costs) largestCost = std::max(largestCost, point.amount);
    }
    balances.firstYear = costs.firstYear = std::floor(first);
    balances.lastYear = costs.lastYear = std::max(balances.firstYear + 1, std::ceil(last + 1 / kMonthsPerYear));
    balances.top = AxisTop(largestBalance);
    costs.top = AxisTop(largestCost);
    const AxisMeasures measures = MeasureAxes(metrics, {&balances, &costs}, money_);
    const double line = measures.line;
    const double left = kPad + measures.amountWidth + kGap;
    const double right = canvas.width() - kPad - measures.yearWidth / 2;
    const double width = std::max(1.0, right - left);

    // From the foot up: the hover line, the legend above it; the plots share
    // what is left evenly.
    double footHeight = line;
    const QRectF footWidth(0, 0, std::max(1.0, canvas.width() - 2 * kPad), 1e6);
    for (const QString& text : FootTexts()) {
        footHeight = std::max(footHeight, metrics.boundingRect(footWidth, Qt::TextWordWrap, text).height());
    }
    layout.foot = QRectF(kPad, canvas.height() - kPad / 2 - footHeight, canvas.width() - 2 * kPad, footHeight);
    QStringList names;
    for (const OfferChartLine& offer : lines_) names << offer.name;
    layout.legend = LayOutLegend(names, kPad, canvas.width() - kPad, 0, metrics);
    const double legendHeight = layout.legend.back().label.rect.bottom();
    const double legendTop = layout.foot.top() - kGap - legendHeight;
    for (LegendEntry& entry : layout.legend) {
        entry.swatch.translate(0, legendTop);
        entry.label.rect.translate(0, legendTop);
    }
    const double header = line + kLineGap;                // a plot's title
    const double belowPane = line / 2 + kLineGap + line;  // the year labels
    const double fixed = kPad + 2 * (header + belowPane) + kGap + kGap;
    const double pane = std::max(1.0, (legendTop - fixed) / 2);

    double top = kPad;
    for (auto [plot, title] : {std::pair{&balances, kBalancesTitle}, std::pair{&costs, kCostsTitle}}) {
        const QString text = metrics.elidedText(tr(title), Qt::ElideRight, canvas.width() - kPad - left);
        plot->title = {text,
                       QRectF(left, top, std::min(DrawnWidth(metrics, text), canvas.width() - kPad - left), line)};
        plot->pane = QRectF(left, top + header, width, pane);
        PlaceAmountLabels(*plot, measures, money_);
        PlaceYearLabels(*plot, measures, money_.Locale());
        top = plot->pane.bottom() + belowPane + kGap;
    }
    return layout;
}

void OfferChart::changeEvent(QEvent* event) {
    if (event->type() == QEvent::FontChange) {
        layout_.reset();
        update();
    }
    QWidget::changeEvent(event);
}

void OfferChart::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    painter.fillRect(rect(), palette().window());
    const OfferChartLayout& layout = Layout();
    const QColor text = palette().color(QPalette::WindowText);
    painter.setPen(text);
    if (lines_.empty()) {
        painter.drawRect(layout.emptyFrame);
        painter.drawText(layout.emptyFrame, Qt::AlignCenter | Qt::TextWordWrap, emptyNote_);
        return;
    }
    for (const auto& [plot, which] :
         {std::pair{&layout.balances, Plot::Balances}, std::pair{&layout.costs, Plot::Costs}}) {
        PaintPlot(painter, *plot);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setClipRect(plot->pane);
        for (std::size_t k = 0; k < drawn_.size(); ++k) {
            painter.setPen(LinePen(static_cast<int>(k)));
            painter.drawPath(ColumnPath(*plot, which == Plot::Balances ? drawn_[k].balances : drawn_[k].costs));
        }
        painter.setClipping(false);
        painter.setRenderHint(QPainter::Antialiasing, false);
        painter.setPen(text);
        painter.drawRect(plot->pane);
    }
    painter.setRenderHint(QPainter::Antialiasing);
    for (std::size_t k = 0; k < layout.legend.size(); ++k) {
        painter.setPen(LinePen(static_cast<int>(k)));
        const QRectF& strip = layout.legend[k].swatch;
        painter.drawLine(QPointF(strip.left(), strip.center().y()), QPointF(strip.right(), strip.center().y()));
    }
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setPen(text);
    for (const auto& entry : layout.legend) {
        painter.drawText(entry.label.rect, Qt::AlignLeft | Qt::AlignVCenter, entry.label.text);
    }
    const QString foot =
        hovered_ ? PointText(*hovered_, FootName(lines_[static_cast<std::size_t>(hovered_->line)].name)) : tr(kHint);
    painter.drawText(layout.foot, Qt::AlignVCenter | Qt::AlignLeft | Qt::TextWordWrap, foot);
}

// The frame white whatever the window's colour, the lines' colours being
// chosen to stand out on white; the grid in the palette's mid tone.
void OfferChart::PaintPlot(QPainter& painter, const PlotLayout& plot) const {
    const QColor text = palette().color(QPalette::WindowText);
    painter.fillRect(plot.pane, Qt::white);
    painter.setPen(text);
    painter.drawText(plot.title.rect, Qt::AlignLeft | Qt::AlignVCenter, plot.title.text);
    painter.setPen(palette().color(QPalette::Mid));
    for (const double amount : plot.amountLines) {
        const double y = plot.Y(amount);
        painter.drawLine(QPointF(plot.pane.left(), y), QPointF(plot.pane.right(), y));
    }
    painter.setPen(text);
    for (const auto& label : plot.amountLabels) {
        painter.drawText(label.rect, Qt::AlignRight | Qt::AlignVCenter, label.text);
    }
    for (const double year : plot.yearTicks) {
        const double x = plot.X(year);
        painter.drawLine(QPointF(x, plot.pane.bottom()), QPointF(x, plot.pane.bottom() + kTick));
    }
    for (const auto& label : plot.yearLabels) painter.drawText(label.rect, Qt::AlignCenter, label.text);
}

QString OfferChart::PointText(const Hovered& hovered, const QString& name) const {
    const OfferChartLine& line = lines_[static_cast<std::size_t>(hovered.line)];
    const QLocale& locale = money_.Locale();
    const bool cost = hovered.plot == Plot::Costs;
    const std::size_t payments = line.schedule.size();
    if (hovered.point == 0) {
        const CalendarDate signing = MonthBefore(line.schedule.front().date);
        return ComposePoint(PointKind::Signing, name, {}, MonthAndYear(signing.month, signing.year, locale),
                            Money(money_, cost ? line.fees : line.amount), cost);
    }
    const OfferPayment& payment = line.schedule[std::min(hovered.point, payments) - 1];
    const QString date = MonthAndYear(payment.date.month, payment.date.year, locale);
    const QString amount = Money(money_, cost ? line.fees + payment.interestSoFar : payment.balance.ToDouble());
    if (hovered.point > payments) return ComposePoint(PointKind::PaidOff, name, {}, date, amount, cost);
    return ComposePoint(PointKind::Payment, name, locale.toString(static_cast<qulonglong>(hovered.point)), date, amount,
                        cost);
}

QString OfferChart::FootName(const QString& name) const {
    return QFontMetricsF(font()).elidedText(name, Qt::ElideRight, std::max(1, width() / 3));
}

// For each line, its texts with its last payment's number, the widest of
// the locale's month names, and the larger of its amount and total cost.
QStringList OfferChart::FootTexts() const {
    const QLocale& locale = money_.Locale();
    const QFontMetricsF metrics(font());
    QString widestMonth;
    for (int month = 1; month <= 12; ++month) {
        const QString name = locale.monthName(month, QLocale::ShortFormat);
        if (DrawnWidth(metrics, name) > DrawnWidth(metrics, widestMonth)) widestMonth = name;
    }
    QStringList texts{tr(kHint)};
    for (const OfferChartLine& line : lines_) {
        const QString name = FootName(line.name);
        const QString number = locale.toString(static_cast<qulonglong>(line.schedule.size()));
        const int year = std::max(line.schedule.front().date.year, line.schedule.back().date.year);
        const QString date = widestMonth + QLatin1Char(' ') + YearText(year, locale);
        const QString amount = Money(money_, std::max(line.amount, TotalCost(line)));
        for (const PointKind kind : {PointKind::Signing, PointKind::Payment, PointKind::PaidOff}) {
            texts << ComposePoint(kind, name, number, date, amount, true);
        }
    }
    return texts;
}

// In the plot under the pointer, of the lines that run at the pointer's
// date, the one whose value there stands nearest the pointer (the earlier
// offer where two meet). A cost past its loan's last payment is told as the
// paid-off total.
std::optional<OfferChart::Hovered> OfferChart::HoveredAt(const QPointF& point) const {
    if (lines_.empty()) return std::nullopt;
    const OfferChartLayout& layout = Layout();
    Plot which = Plot::Balances;
    const PlotLayout* plot = &layout.balances;
    if (layout.costs.pane.contains(point)) {
        which = Plot::Costs;
        plot = &layout.costs;
    } else if (!layout.balances.pane.contains(point)) {
        return std::nullopt;
    }
    const double when =
        plot->firstYear + (point.x() - plot->pane.left()) / plot->pane.width() * (plot->lastYear - plot->firstYear);
    std::optional<Hovered> nearest;
    double nearestDistance = 0;
    for (std::size_t k = 0; k < drawn_.size(); ++k) {
        const std::vector<ChartPoint>& points = drawn_[k].balances;  // signing, then a point a payment
        const std::vector<ChartPoint>& line = which == Plot::Balances ? points : drawn_[k].costs;
        if (when < line.front().when - kHalfMonth || when > line.back().when + kHalfMonth) continue;
        Hovered hovered{static_cast<int>(k), NearestInTime(points, when), which};
        double amount = line[hovered.point].amount;
        if (which == Plot::Costs && when > points.back().when + kHalfMonth) {
            hovered.point = points.size();  // one past the last payment
            amount = line.back().amount;
        }
        const double distance = std::abs(plot->Y(amount) - point.y());
        if (!nearest || distance < nearestDistance) {
            nearest = hovered;
            nearestDistance = distance;
        }
    }
    return nearest;
}

void OfferChart::mouseMoveEvent(QMouseEvent* event) {
    hovered_ = HoveredAt(event->position());
    const QString text =
        hovered_ ? PointText(*hovered_, lines_[static_cast<std::size_t>(hovered_->line)].name) : QString();
    if (text != hover_) {
        hover_ = text;
        update(Layout().foot.toAlignedRect());
    }
}

void OfferChart::leaveEvent(QEvent* /*event*/) {
    hovered_.reset();
    hover_.clear();
    if (!lines_.empty()) update(Layout().foot.toAlignedRect());
}

}  // namespace quillmere
