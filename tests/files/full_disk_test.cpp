// What the user is told when the disk or the temporary folder is full, and
// that the file which stood there survives. Runs inside its own user and
// mount namespace, where it may mount a tiny tmpfs: a real full disk.
#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QPrintDialog>
#include <QPrinter>
#include <QTemporaryDir>
#include <QTimer>

#include <sys/mount.h>

#include <cerrno>
#include <cstring>

#include "export/schedule_files.h"
#include "printing/print_schedule.h"
#include "tests/common/file_contents.h"
#include "tests/export/export_fixtures.h"

namespace quillmere {
namespace {

// A disk of `kilobytes`, empty, for the life of the object.
class SmallDisk {
public:
    explicit SmallDisk(int kilobytes) {
        const std::string options = "size=" + std::to_string(kilobytes) + "k";
        mounted_ = mount("tmpfs", Path().toLocal8Bit().constData(), "tmpfs", 0, options.c_str()) == 0;
        error_ = mounted_ ? 0 : errno;
    }
    ~SmallDisk() {
        if (mounted_) umount2(Path().toLocal8Bit().constData(), MNT_DETACH);
    }
    SmallDisk(const SmallDisk&) = delete;
    SmallDisk& operator=(const SmallDisk&) = delete;

    [[nodiscard]] QString Path() const { return folder_.path(); }
    [[nodiscard]] QString File(const char* name) const { return folder_.filePath(QString::fromLatin1(name)); }
    // Why it couldn't be mounted: this program runs under `unshare -rm`.
    [[nodiscard]] std::string Failure() const { return mounted_ ? "" : std::strerror(error_); }

private:
    QTemporaryDir folder_;
    bool mounted_ = false;
    int error_ = 0;
};

const LocaleMoneyFormatter& Money() {
    static const LocaleMoneyFormatter money(QLocale(QLocale::English, QLocale::UnitedStates));
    return money;
}

const ScheduleGrid& Longest() {
    static const ScheduleGrid grid = CalculatedGrid(Money(), "250000", "9999", "6.5");
    return grid;
}

TEST(FullDisk, EveryFileTypeSaysTheDiskIsFullAndLeavesTheOldFile) {
    const SmallDisk disk(128);
    ASSERT_EQ(disk.Failure(), "");
    const QString path = disk.File("schedule.xlsx");
    for (const ScheduleFileType type :
         {ScheduleFileType::Workbook, ScheduleFileType::ValuesCsv, ScheduleFileType::ShownCsv}) {
        ASSERT_TRUE(WriteFile(path, "the earlier schedule"));
        EXPECT_EQ(SaveScheduleFile(path, type, Longest(), Money(), {250000, 6.5, 2007}),
                  QStringLiteral("The disk is full."));
        EXPECT_EQ(FileContents(path), QByteArray("the earlier schedule"));
        EXPECT_EQ(QDir(disk.Path()).entryList(QDir::Files), QStringList{QStringLiteral("schedule.xlsx")});
    }
}

TEST(FullDisk, AFullTemporaryFolderIsNamed) {
    const QTemporaryDir target;
    const SmallDisk temporary(64);
    ASSERT_EQ(temporary.Failure(), "");
    const QByteArray savedTmp = qgetenv("TMPDIR");
    qputenv("TMPDIR", temporary.Path().toLocal8Bit());
    const QString path = target.filePath(QStringLiteral("schedule.xlsx"));
    ASSERT_TRUE(WriteFile(path, "the earlier schedule"));
    const QString failure = SaveScheduleFile(path, ScheduleFileType::Workbook, Longest(), Money(), {250000, 6.5, 2007});
    qputenv("TMPDIR", savedTmp);
    EXPECT_EQ(failure, QStringLiteral("No space left in the temporary folder %1.").arg(temporary.Path()));
    EXPECT_EQ(FileContents(path), QByteArray("the earlier schedule"));
    EXPECT_TRUE(QDir(temporary.Path()).isEmpty());
}

TEST(FullDisk, PrintingToAFullDiskSaysWhy) {
    const SmallDisk disk(128);
    ASSERT_EQ(disk.Failure(), "");
    const QString path = disk.File("schedule.pdf");
    ASSERT_TRUE(WriteFile(path, "the earlier report"));
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFileName(path);
    const QString failure = PrintScheduleTo(printer, Longest());
    EXPECT_EQ(failure, QStringLiteral("The disk is full."));
    EXPECT_EQ(PrintFailureText(failure, path),
              QStringLiteral("The schedule could not be printed to %1.\n\nThe disk is full.").arg(path));
    EXPECT_EQ(FileContents(path), QByteArray("the earlier report"));
    EXPECT_EQ(QDir(disk.Path()).entryList(QDir::Files), QStringList{QStringLiteral("schedule.pdf")});
}

// Through the print dialog, as the user prints: the failure is told with the
// file's name, not passed over.
TEST(FullDisk, ThePrintDialogTellsAFailedPrintToFile) {
    const SmallDisk disk(128);
    ASSERT_EQ(disk.Failure(), "");
    const QString path = disk.File("report.pdf");
    QTimer::singleShot(0, [&] {
        auto* dialog = qobject_cast<QPrintDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        auto* printers = dialog->findChild<QComboBox*>(QStringLiteral("printers"));
        auto* file = dialog->findChild<QLineEdit*>(QStringLiteral("filename"));
        ASSERT_TRUE(printers != nullptr && file != nullptr);
        printers->setCurrentIndex(printers->findText(QStringLiteral("PDF"), Qt::MatchContains));
        file->setText(path);
        dialog->accept();
    });
    QStringList told;
    const bool printed = PrintScheduleWithDialog(
        nullptr, Longest(), [&](QWidget*, const QString& why, const QString& to) { told << why << to; });
    EXPECT_FALSE(printed);
    EXPECT_EQ(told, (QStringList{QStringLiteral("The disk is full."), path}));
}

}  // namespace
}  // namespace quillmere
