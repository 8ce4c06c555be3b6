#include "printing/report_document.h"

#include <QPainter>
#include <QPointF>

#include <algorithm>
#include <limits>

#include "printing/report_font.h"
#include "printing/schedule_report.h"

namespace quillmere {
namespace {

// Trailing blanks leave no ink; dropping them keeps the drawing and the page
// measure to what is seen.
QString WithoutTrailingBlanks(QStringView text) {
    qsizetype end = text.size();
    while (end > 0 && text[end - 1] == u' ') --end;
    return text.first(end).toString();
}

// The length of `text` in characters (code points), as the report counts them.
qsizetype CharacterCount(QStringView text) {
    qsizetype count = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (!text[i].isLowSurrogate()) ++count;
    }
    return count;
}

// Calls `draw(cell, text)` for each field of `line` that holds more than
// blanks: `cell` is the character column where its first non-blank
// character stands, `text` the field from there on.
template <typename Draw>
void ForEachField(QStringView line, const std::vector<int>& columns, Draw draw) {
    qsizetype at = 0;  // index into line
    qsizetype cell = 0;
    for (std::size_t field = 0; field < columns.size() && at < line.size(); ++field) {
        const qsizetype end =
            field + 1 < columns.size() ? static_cast<qsizetype>(columns[field + 1]) : std::numeric_limits<int>::max();
        while (at < line.size() && cell < end && line[at] == u' ') {
            ++at;
            ++cell;
        }
        const qsizetype start = at;
        const qsizetype startCell = cell;
        while (at < line.size() && cell < end) {
            ++at;
            if (at < line.size() && line[at].isLowSurrogate()) ++at;
            ++cell;
        }
        QStringView text = line.sliced(start, at - start);
        while (!text.isEmpty() && text.back() == u' ') text.chop(1);
        if (!text.isEmpty()) draw(startCell, text);
    }
}

}  // namespace

ReportDocument::ReportDocument(const QPaintDevice& device)
    : device_(device),
      font_(ReportFont(QString::fromUtf8(kReportFontName.data(), static_cast<qsizetype>(kReportFontName.size())))) {}

ReportDocument::ReportDocument(std::unique_ptr<const QPaintDevice> device) : ReportDocument(*device) {
    ownDevice_ = std::move(device);
}

void ReportDocument::SetFontName(std::string_view family) {
    const int points = font_.pointSize();
    const bool bold = font_.bold();
    font_ = ReportFont(QString::fromUtf8(family.data(), static_cast<qsizetype>(family.size())));
    font_.setPointSize(points);
    font_.setBold(bold);
    currentStyle_ = -1;
}

void ReportDocument::SetFontSize(int points) {
    font_.setPointSize(points);
    currentStyle_ = -1;
}

void ReportDocument::SetFontBold(bool bold) {
    font_.setBold(bold);
    currentStyle_ = -1;
}

void ReportDocument::SetFieldColumns(std::span<const int> columns) {
    const std::vector<int> wanted(columns.begin(), columns.end());
    const auto known = std::find(columnSets_.begin(), columnSets_.end(), wanted);
    currentColumns_ = static_cast<int>(known - columnSets_.begin());
    if (known == columnSets_.end()) columnSets_.push_back(wanted);
}

int ReportDocument::CurrentStyle() {
    if (currentStyle_ < 0) {
        const QFont wanted(font_, &device_);
        const auto known =
            std::find_if(styles_.begin(), styles_.end(), [&](const PrinterTextStyle& s) { return s.Font() == wanted; });
        currentStyle_ = static_cast<int>(known - styles_.begin());
        if (known == styles_.end()) styles_.emplace_back(font_, &device_);
    }
    return currentStyle_;
}

void ReportDocument::Print(std::string_view text) {
    const QString all = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
    const QStringView rest(all);
    const int style = CurrentStyle();
    PageLines& page = pages_.back();
    qsizetype start = 0;
    for (;;) {
        const qsizetype lineEnd = rest.indexOf(u"\r\n", start);
        const qsizetype length = (lineEnd < 0 ? rest.size() : lineEnd) - start;
        page.push_back({WithoutTrailingBlanks(rest.sliced(start, length)), style, currentColumns_});
        if (lineEnd < 0) break;
        start = lineEnd + 2;
    }
}

void ReportDocument::NewPage() { pages_.emplace_back(); }

std::vector<int> ReportDocument::InkedPages() const {
    std::vector<int> numbers;
    for (std::size_t index = 0; index < pages_.size(); ++index) {
        if (!pages_[index].empty()) numbers.push_back(static_cast<int>(index) + 1);
    }
    return numbers;
}

double ReportDocument::Scale(const QSizeF& area) const {
    double tallest = 0;
    double widest = 0;
    for (const PageLines& page : pages_) {
        double height = 0;
        for (const Line& line : page) {
            const PrinterTextStyle& style = styles_[static_cast<std::size_t>(line.style)];
            height += style.LineSpacing();
            widest = std::max(widest, style.Pitch() * static_cast<double>(CharacterCount(line.text)));
        }
        tallest = std::max(tallest, height);
    }
    double scale = 1.0;
    if (tallest > area.height()) scale = area.height() / tallest;
    if (widest * scale > area.width()) scale = area.width() / widest;
    return scale;
}

void ReportDocument::DrawPage(QPainter& painter, int number, double scale) const {
    if (number < 1 || number > Page()) return;
    painter.save();
    painter.scale(scale, scale);
    double top = 0;
    for (const Line& line : pages_[static_cast<std::size_t>(number) - 1]) {
        DrawLine(painter, line, top);
        top += styles_[static_cast<std::size_t>(line.style)].LineSpacing();
    }
    painter.restore();
}

void ReportDocument::DrawLine(QPainter& painter, const Line& line, double top) const {
    if (line.text.isEmpty()) return;
    const PrinterTextStyle& style = styles_[static_cast<std::size_t>(line.style)];
    if (painter.font() != style.Font()) painter.setFont(style.Font());
    const double baseline = top + style.Ascent();
    PrinterTextStyle::CellRun cells;
    ForEachField(line.text, columnSets_[static_cast<std::size_t>(line.columns)], [&](qsizetype cell, QStringView text) {
        if (!style.AddToCells(cells, cell, text)) style.AddLaidOut(cells, cell, text);
    });
    style.DrawCells(painter, QPointF(0, baseline), cells);
}

QRectF PrintableArea(const QPageLayout& layout, int dpi) {
    return QRectF(layout.fullRectPixels(dpi).marginsRemoved(layout.marginsPixels(dpi)));
}

}  // namespace quillmere
