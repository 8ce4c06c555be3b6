// Printing through a real CUPS queue: a private cupsd, started by the test,
// whose queue writes what it is sent (as PDF, through CUPS's own filters)
// to a file. Skipped, saying why, where the CUPS packages are not installed;
// where they are, a queue that can't be made is a failure.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QProcess>
#include <QRadioButton>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <optional>

#include "printing/print_schedule.h"
#include "tests/printing/report_fixtures.h"
#include "ui/common/window_look.h"

namespace quillmere {
namespace {

constexpr char kQueue[] = "QuillmereTest";
// Handed to lpadmin as a file (-P), so no driver daemon (cups-driverd, in the
// package cups) is needed to find it.
constexpr char kGenericPdfPpd[] = "/usr/share/ppd/cupsfilters/Generic-PDF_Printer-PDF.ppd";

// A cupsd of the test's own, in a temporary folder, listening on a socket
// there; CUPS_SERVER points the program at it. Its one queue writes each job
// to `output`.
class PrivateCups {
public:
    struct Unavailable {
        QString why;
        bool installed;  // the packages are there, so it should have worked
    };

    // Why it could not start, or nothing when it runs.
    std::optional<Unavailable> Start() {
        for (const char* tool : {"cupsd", "lpadmin", "lpstat"}) {
            if (Find(tool).isEmpty())
                return Unavailable{QStringLiteral("%1 is not installed (package cups-daemon)").arg(tool), false};
        }
        if (!QFile::exists(QString::fromLatin1(kGenericPdfPpd))) {
            return Unavailable{
                QStringLiteral("%1 is missing (package cups-filters)").arg(QString::fromLatin1(kGenericPdfPpd)), false};
        }
        if (!dir_.isValid()) return Unavailable{QStringLiteral("no temporary folder"), true};
        dir_.setAutoRemove(qEnvironmentVariableIsEmpty("KEEP_CUPS"));
        // cupsd writes the jobs, and its filters their temporary files, as
        // its own unprivileged user (lp).
        const auto everyone = QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner | QFile::ReadOther |
                              QFile::WriteOther | QFile::ExeOther;
        QFile::setPermissions(dir_.path(), everyone);
        for (const char* sub : {"spool", "cache", "state", "log", "tmp"}) {
            QDir(dir_.path()).mkpath(QLatin1String(sub));
            QFile::setPermissions(dir_.filePath(QLatin1String(sub)), everyone);
        }
        Write("cupsd.conf", QStringLiteral("Listen %1\nLogLevel warn\nWebInterface No\nBrowsing No\n"
                                           "<Location />\n  Order allow,deny\n  Allow all\n</Location>\n")
                                .arg(Socket()));
        Write("cups-files.conf",
              QStringLiteral("ServerRoot %1\nRequestRoot %1/spool\nCacheDir %1/cache\nStateDir %1/state\n"
                             "ErrorLog %1/log/error_log\nAccessLog %1/log/access_log\nPageLog %1/log/page_log\n"
                             "TempDir %1/tmp\nServerBin /usr/lib/cups\nDataDir /usr/share/cups\nFileDevice Yes\n")
                  .arg(dir_.path()));
        daemon_.start(Find("cupsd"), {QStringLiteral("-f"), QStringLiteral("-c"), dir_.filePath("cupsd.conf"),
                                      QStringLiteral("-s"), dir_.filePath("cups-files.conf")});
        if (!daemon_.waitForStarted()) return Unavailable{QStringLiteral("cupsd did not start"), true};
        qputenv("CUPS_SERVER", Socket().toLocal8Bit());
        // lpstat -r succeeds either way; only its words tell whether cupsd
        // listens yet, which a busy machine can delay.
        const auto answering = [this] {
            return Run("lpstat", {QStringLiteral("-r")}) == 0 && said_ == QStringLiteral("scheduler is running");
        };
        for (int tries = 0; !answering(); ++tries) {
            if (tries == 50 || daemon_.state() != QProcess::Running)
                return Unavailable{QStringLiteral("cupsd is not answering"), true};
            QTest::qWait(100);
        }
        if (Run("lpadmin", {QStringLiteral("-p"), QString::fromLatin1(kQueue), QStringLiteral("-E"),
                            QStringLiteral("-v"), QStringLiteral("file://") + Output(), QStringLiteral("-P"),
                            QString::fromLatin1(kGenericPdfPpd)}) != 0 ||
            Run("lpadmin", {QStringLiteral("-d"), QString::fromLatin1(kQueue)}) != 0) {
            return Unavailable{QStringLiteral("no PDF queue could be made: ") + said_, true};
        }
        return std::nullopt;
    }

    ~PrivateCups() {
        daemon_.terminate();
        daemon_.waitForFinished();
    }

    [[nodiscard]] QString Output() const { return dir_.filePath(QStringLiteral("job.pdf")); }

    // The printed job once CUPS has written all of it.
    bool WaitForJob() {
        for (int tries = 0; tries < 300; ++tries) {
            QProcess jobs;
            jobs.start(Find("lpstat"), {QStringLiteral("-o")});
            jobs.waitForFinished();
            if (QFile::exists(Output()) && jobs.readAllStandardOutput().trimmed().isEmpty()) return true;
            QTest::qWait(100);
        }
        return false;
    }

private:
    static QString Find(const char* tool) {
        return QStandardPaths::findExecutable(QString::fromLatin1(tool),
                                              {QStringLiteral("/usr/sbin"), QStringLiteral("/usr/bin")});
    }
    [[nodiscard]] QString Socket() const { return dir_.filePath(QStringLiteral("cups.sock")); }
    void Write(const char* name, const QString& text) {
        QFile file(dir_.filePath(QString::fromLatin1(name)));
        if (file.open(QIODevice::WriteOnly)) file.write(text.toUtf8());
    }
    // The tool's exit code; what it said goes to said_.
    int Run(const char* tool, const QStringList& arguments) {
        QProcess process;
        process.setProcessChannelMode(QProcess::MergedChannels);
        QProcessEnvironment untranslated = QProcessEnvironment::systemEnvironment();
        untranslated.insert(QStringLiteral("LC_ALL"), QStringLiteral("C"));  // its words are read
        process.setProcessEnvironment(untranslated);
        process.start(Find(tool), arguments);
        process.waitForFinished();
        said_ = QString::fromLocal8Bit(process.readAll()).trimmed();
        return process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    }

    QTemporaryDir dir_{QDir::tempPath() + QStringLiteral("/print-cups-XXXXXX")};
    QProcess daemon_;
    QString said_;  // what the last tool said
};

PrivateCups* cups = nullptr;
std::optional<PrivateCups::Unavailable> cupsMissing;

// The page numbers of the job, as its title lines give them.
QList<int> PrintedPages(const QString& pdf) {
    QProcess tool;
    tool.start(QStringLiteral(PDFTOTEXT_PATH), {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
    tool.waitForFinished();
    QList<int> pages;
    static const QRegularExpression title(QStringLiteral("Loan Payment Schedule +Page: (\\d+)"));
    for (const auto& match : title.globalMatch(QString::fromUtf8(tool.readAllStandardOutput()))) {
        pages << match.captured(1).toInt();
    }
    return pages;
}

// A schedule of 7 pages.
ScheduleGrid SevenPages() {
    std::vector<testing::RowTexts> rows(391, {"01/15/08", "1", "$1,580.17", "$1,354.17", "$226.00", "$249,774.00"});
    return testing::Grid(rows);
}

class PrintCups : public ::testing::Test {
protected:
    void SetUp() override {
        if (cupsMissing) {
            if (!cupsMissing->installed) GTEST_SKIP() << "no CUPS queue here: " << cupsMissing->why.toStdString();
            FAIL() << "CUPS is installed, but " << cupsMissing->why.toStdString();
        }
        QFile::remove(cups->Output());  // each test reads its own job
    }
};

// "Pages from 2 to 3": the program prints just those, numbered 2 and 3.
TEST_F(PrintCups, ARangeOfPagesReachesTheQueue) {
    QPrinter printer(QPrinter::HighResolution);
    printer.setPrinterName(QString::fromLatin1(kQueue));
    printer.setPrintRange(QPrinter::PageRange);
    printer.setFromTo(2, 3);
    ASSERT_EQ(PrintScheduleTo(printer, SevenPages()), QString());
    ASSERT_TRUE(cups->WaitForJob());
    EXPECT_EQ(PrintedPages(cups->Output()), (QList<int>{2, 3}));
}

// The dialog's own "Pages" box, which CUPS applies: the dialog knows the
// report's pages, so it takes "2-3" (and no box says the pages are invalid).
TEST_F(PrintCups, TheDialogsPagesBoxTakesARange) {
    QStringList boxes;
    QTimer::singleShot(0, [&] {
        auto* dialog = qobject_cast<QPrintDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        auto* printers = dialog->findChild<QComboBox*>(QStringLiteral("printers"));
        ASSERT_NE(printers, nullptr);
        printers->setCurrentIndex(printers->findText(QString::fromLatin1(kQueue)));
        auto* pages = dialog->findChild<QRadioButton*>(QStringLiteral("pagesRadioButton"));
        auto* pagesText = dialog->findChild<QLineEdit*>(QStringLiteral("pagesLineEdit"));
        ASSERT_TRUE(pages != nullptr && pagesText != nullptr);
        pages->setChecked(true);
        pagesText->setText(QStringLiteral("2-3"));
        // A message box the dialog may show is noted and closed.
        QTimer::singleShot(500, [&] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                boxes << box->text();
                box->accept();
                dialog->reject();
            }
        });
        dialog->accept();
    });
    EXPECT_TRUE(PrintScheduleWithDialog(nullptr, SevenPages()));
    EXPECT_TRUE(boxes.isEmpty()) << boxes.join(QLatin1Char('\n')).toStdString();
    ASSERT_TRUE(cups->WaitForJob());
    EXPECT_EQ(PrintedPages(cups->Output()), (QList<int>{2, 3}));
}

}  // namespace
}  // namespace quillmere

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");  // headless, wherever it runs
    int code = 0;
    {
        QApplication app(argc, argv);
        quillmere::RegisterFontSubstitutions();
        // The queue exists before Qt first asks CUPS for its printers.
        quillmere::PrivateCups cups;
        quillmere::cups = &cups;
        quillmere::cupsMissing = cups.Start();
        ::testing::InitGoogleTest(&argc, argv);
        code = RUN_ALL_TESTS();
        quillmere::cups = nullptr;
    }
    return code;
}
