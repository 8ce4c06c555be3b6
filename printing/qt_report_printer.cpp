#include "qt_report_printer.h"

#include <QPrinter>
#include <QRectF>

#include <algorithm>

namespace quillmere {
namespace {

// Trailing blanks leave no ink; dropping them keeps the drawing and the page
// measure to what is seen.
QString WithoutTrailingBlanks(QStringView text) {
    qsizetype end = text.size();
    while (end > 0 && text[end - 1] == u' ') {
        --end;
    }
    return text.first(end).toString();
}

// "Terminal" is not a Debian font; unless the program already chose a stand-in,
// take the fixed-pitch face the columns were laid out with.
void EnsureTerminalStandIn() {
    if (QFont::substitutes(QStringLiteral("Terminal")).isEmpty()) {
        QFont::insertSubstitution(QStringLiteral("Terminal"), QStringLiteral("DejaVu Sans Mono"));
    }
}

}  // namespace

QtReportPrinter::QtReportPrinter(QPrinter& printer) : printer_(printer) {
    if (!painter_.begin(&printer_)) {
        throw PrintFailure("the printer did not begin");
    }
    font_ = ReportFont(QStringLiteral("Terminal"));
}

QtReportPrinter::~QtReportPrinter() {
    if (!ended_ && painter_.isActive()) {
        printer_.abort();
    }
}

QFont QtReportPrinter::ReportFont(const QString& family) {
    EnsureTerminalStandIn();
    QFont font(family);
    font.setStyleHint(QFont::TypeWriter);
    font.setFixedPitch(true);
    return font;
}

void QtReportPrinter::SetFontName(std::string_view family) {
    const int points = font_.pointSize();
    const bool bold = font_.bold();
    font_ = ReportFont(QString::fromUtf8(family.data(), static_cast<qsizetype>(family.size())));
    font_.setPointSize(points);
    font_.setBold(bold);
    currentStyle_ = -1;
}

void QtReportPrinter::SetFontSize(int points) {
    font_.setPointSize(points);
    currentStyle_ = -1;
}

void QtReportPrinter::SetFontBold(bool bold) {
    font_.setBold(bold);
    currentStyle_ = -1;
}

int QtReportPrinter::CurrentStyle() {
    if (currentStyle_ < 0) {
        const QFont wanted(font_, &printer_);
        const auto known =
            std::find_if(styles_.begin(), styles_.end(), [&](const PrinterTextStyle& s) { return s.Font() == wanted; });
        if (known == styles_.end()) {
            styles_.emplace_back(font_, &printer_);
            currentStyle_ = static_cast<int>(styles_.size()) - 1;
        } else {
            currentStyle_ = static_cast<int>(known - styles_.begin());
        }
    }
    return currentStyle_;
}

void QtReportPrinter::Print(std::string_view text) {
    const QString all = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
    const QStringView rest(all);
    const int style = CurrentStyle();
    qsizetype start = 0;
    for (;;) {
        const qsizetype lineEnd = rest.indexOf(u"\r\n", start);
        const qsizetype length = (lineEnd < 0 ? rest.size() : lineEnd) - start;
        lines_.push_back({WithoutTrailingBlanks(rest.sliced(start, length)), style});
        if (lineEnd < 0) {
            break;
        }
        start = lineEnd + 2;
    }
}

void QtReportPrinter::NewPage() {
    DrawPage();
    ++page_;
}

void QtReportPrinter::EndDoc() {
    DrawPage();
    ended_ = true;
    if (!painter_.end()) {
        throw PrintFailure("the printer did not end the job");
    }
}

double QtReportPrinter::PageScale() const {
    const QRectF area = printer_.pageRect(QPrinter::DevicePixel);
    // In a fixed-pitch font the longest line of each style is its widest, so
    // one measure per style does instead of one per line.
    std::vector<const QString*> longest(styles_.size(), nullptr);
    double height = 0;
    for (const Line& line : lines_) {
        height += styles_[line.style].LineSpacing();
        const QString*& widest = longest[line.style];
        if (widest == nullptr || line.text.size() > widest->size()) {
            widest = &line.text;
        }
    }
    double width = 0;
    for (std::size_t style = 0; style < styles_.size(); ++style) {
        if (longest[style] != nullptr) {
            width = std::max(width, styles_[style].Width(*longest[style]));
        }
    }
    double scale = 1.0;
    if (height > area.height()) {
        scale = area.height() / height;
    }
    if (width * scale > area.width()) {
        scale = area.width() / width;
    }
    return scale;
}

void QtReportPrinter::DrawPage() {
    if (lines_.empty()) {
        return;
    }
    if (sheetUsed_ && !printer_.newPage()) {
        throw PrintFailure("the printer did not start a new sheet");
    }
    const double scale = PageScale();
    painter_.save();
    if (printer_.fullPage()) {
        // The painter then starts at the paper's corner, not at the margins.
        painter_.translate(printer_.pageRect(QPrinter::DevicePixel).topLeft());
    }
    painter_.scale(scale, scale);
    double top = 0;
    int drawnStyle = -1;
    for (const Line& line : lines_) {
        const PrinterTextStyle& style = styles_[line.style];
        if (!line.text.isEmpty()) {
            if (line.style != drawnStyle) {
                painter_.setFont(style.Font());
                drawnStyle = line.style;
            }
            style.Draw(painter_, QPointF(0, top + style.Ascent()), line.text);
        }
        top += style.LineSpacing();
    }
    painter_.restore();
    lines_.clear();
    sheetUsed_ = true;
}

}  // namespace quillmere
