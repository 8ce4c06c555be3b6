// The report end to end: printed to a PDF file and read back word by word
// with pdftotext -bbox, whose word boxes give exact character columns.
#include "print_schedule.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QDialog>
#include <QFontInfo>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTimer>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "qt_report_printer.h"
#include "recording_printer.h"
#include "report_grids.h"
#include "schedule_report.h"

namespace quillmere {
namespace {

constexpr double kMarginPoints = 36.0;

struct Word {
    double xMin, yMin, xMax, yMax;
    QString text;
};

struct PdfPage {
    double width = 0;
    double height = 0;
    std::vector<Word> words;
};

std::vector<PdfPage> ReadWords(const QString& pdf) {
    QProcess pdftotext;
    pdftotext.start(QStringLiteral(PDFTOTEXT_PATH), {QStringLiteral("-bbox"), pdf, QStringLiteral("-")});
    pdftotext.waitForFinished();
    const QString xhtml = QString::fromUtf8(pdftotext.readAllStandardOutput());
    static const char* const pattern =
        R"re(<page width="([\d.]+)" height="([\d.]+)">|)re"
        R"re(<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="([\d.]+)" yMax="([\d.]+)">([^<]*)</word>)re";
    static const QRegularExpression tag(QString::fromLatin1(pattern));
    std::vector<PdfPage> pages;
    for (const QRegularExpressionMatch& m : tag.globalMatch(xhtml)) {
        if (m.capturedLength(1) > 0) {
            pages.push_back({m.captured(1).toDouble(), m.captured(2).toDouble(), {}});
        } else if (!pages.empty()) {
            QString text = m.captured(7);
            text.replace(QStringLiteral("&amp;"), QStringLiteral("&"));
            pages.back().words.push_back({m.captured(3).toDouble(), m.captured(4).toDouble(),
                                          m.captured(5).toDouble(), m.captured(6).toDouble(), text});
        }
    }
    return pages;
}

// Rebuilds a page's text lines from word positions. The column pitch comes
// from the header line's "Date" (column 2) and "Balance" (column 70); the
// 14 pt title line has 1.4 times that pitch.
std::vector<std::string> PageLines(const PdfPage& page) {
    std::vector<Word> words = page.words;
    std::sort(words.begin(), words.end(), [](const Word& a, const Word& b) {
        return std::abs(a.yMin - b.yMin) > 1.0 ? a.yMin < b.yMin : a.xMin < b.xMin;
    });
    const auto find = [&](const QString& text) {
        return std::find_if(words.begin(), words.end(), [&](const Word& w) { return w.text == text; });
    };
    const auto date = find(QStringLiteral("Date"));
    const auto balance = find(QStringLiteral("Balance"));
    if (date == words.end() || balance == words.end()) {
        return {};
    }
    const double pitch = (balance->xMin - date->xMin) / 68.0;
    const double origin = date->xMin - 2 * pitch;
    std::vector<QString> lines;
    double lineTop = -100;
    for (const Word& word : words) {
        if (std::abs(word.yMin - lineTop) > 1.0) {
            lines.emplace_back();
            lineTop = word.yMin;
        }
        const double wordPitch = lines.size() == 1 ? pitch * 1.4 : pitch;
        const auto column = static_cast<qsizetype>(std::lround((word.xMin - origin) / wordPitch));
        QString& line = lines.back();
        line = line.leftJustified(column, u' ') + word.text;
    }
    std::vector<std::string> texts;
    for (const QString& line : lines) {
        texts.push_back(line.toStdString());
    }
    return texts;
}

// What the report asks to be seen on each sheet: its non-blank lines.
std::vector<std::vector<std::string>> ExpectedSheets(const ScheduleGrid& grid) {
    testing::RecordingPrinter recorder;
    PrintScheduleReport(recorder, grid);
    std::vector<std::vector<std::string>> sheets;
    for (const auto& page : recorder.pages) {
        std::vector<std::string> lines;
        for (const testing::PrintedLine& line : page) {
            const std::size_t end = line.text.find_last_not_of(' ');
            if (end != std::string::npos) {
                lines.push_back(line.text.substr(0, end + 1));
            }
        }
        if (!lines.empty()) {
            sheets.push_back(lines);
        }
    }
    return sheets;
}

class PrintPdf : public ::testing::Test {
protected:
    QString Pdf(const char* name) const { return dir_.filePath(QString::fromLatin1(name)); }

    bool PrintToPdf(const QString& file, QPageSize::PageSizeId size, const ScheduleGrid& grid) {
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(file);
        printer.setPageSize(QPageSize(size));
        printer.setPageMargins(QMarginsF(0.5, 0.5, 0.5, 0.5), QPageLayout::Inch);
        return PrintScheduleTo(printer, grid);
    }

    QTemporaryDir dir_;
};

TEST_F(PrintPdf, ColumnsPagesAndPageNumbersSurviveOnLetterAndA4) {
    const ScheduleGrid example = testing::WorkedExampleGrid();
    const ScheduleGrid yearly = testing::YearlyGrid(61);  // five "Year Totals" rows on page 1
    for (const auto size : {QPageSize::Letter, QPageSize::A4}) {
        for (const ScheduleGrid* grid : {&example, &yearly}) {
            SCOPED_TRACE(QPageSize::name(size).toStdString() + ", rows " + std::to_string(grid->Rows() - 1));
            const QString file = Pdf("report.pdf");
            ASSERT_TRUE(PrintToPdf(file, size, *grid));
            const std::vector<PdfPage> pages = ReadWords(file);
            const auto expected = ExpectedSheets(*grid);
            ASSERT_EQ(pages.size(), expected.size());
            const QSizeF paper = QPageSize(size).size(QPageSize::Point);
            for (std::size_t p = 0; p < pages.size(); ++p) {
                EXPECT_EQ(PageLines(pages[p]), expected[p]) << "page " << p + 1;
                EXPECT_NEAR(pages[p].width, paper.width(), 1.0);
                EXPECT_NEAR(pages[p].height, paper.height(), 1.0);
                for (const Word& w : pages[p].words) {
                    const bool inside = w.xMin >= kMarginPoints - 0.5 && w.yMin >= kMarginPoints - 0.5 &&
                                        w.xMax <= pages[p].width - kMarginPoints + 0.5 &&
                                        w.yMax <= pages[p].height - kMarginPoints + 0.5;
                    EXPECT_TRUE(inside) << "page " << p + 1 << ": " << w.text.toStdString() << " at "
                                        << w.xMin << "," << w.yMin << " - " << w.xMax << "," << w.yMax;
                }
            }
        }
    }
}

TEST_F(PrintPdf, ReportFontIsFixedPitch) {
    QFont font = QtReportPrinter::ReportFont(QString::fromLatin1(kReportFontName.data()));
    font.setPointSize(kReportBodyPoints);
    const QFontInfo info(font);
    EXPECT_TRUE(info.fixedPitch()) << info.family().toStdString();
    EXPECT_EQ(info.family(), QStringLiteral("DejaVu Sans Mono"));
}

TEST_F(PrintPdf, FailuresAndCancelPrintNothingAndSaySo) {
    EXPECT_FALSE(PrintToPdf(Pdf("no/such/folder/report.pdf"), QPageSize::A4, testing::WorkedExampleGrid()));

    // Cancel the dialog as soon as it is up.
    QTimer canceller;
    QObject::connect(&canceller, &QTimer::timeout, [] {
        if (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
            dialog->reject();
        }
    });
    canceller.start(10);
    EXPECT_FALSE(PrintScheduleWithDialog(nullptr, testing::WorkedExampleGrid()));
}

TEST(PaperSize, FollowsTheLocaleConvention) {
    for (const char* name : {"en_US", "en_CA", "fr_CA", "es_MX", "en_PH"}) {
        EXPECT_EQ(LocalePageSize(QLocale(QString::fromLatin1(name))), QPageSize::Letter) << name;
    }
    for (const char* name : {"en_GB", "de_DE", "fr_FR", "en_AU", "C"}) {
        EXPECT_EQ(LocalePageSize(QLocale(QString::fromLatin1(name))), QPageSize::A4) << name;
    }
    const QByteArray lcAll = qgetenv("LC_ALL");
    const QByteArray lcPaper = qgetenv("LC_PAPER");
    qunsetenv("LC_ALL");
    qputenv("LC_PAPER", "en_CA.UTF-8");
    EXPECT_EQ(LocalePageSize(PaperLocale()), QPageSize::Letter);
    qputenv("LC_ALL", "de_DE.UTF-8");
    EXPECT_EQ(LocalePageSize(PaperLocale()), QPageSize::A4);
    qputenv("LC_ALL", lcAll);
    qputenv("LC_PAPER", lcPaper);
}

}  // namespace
}  // namespace quillmere

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
