// Loan files written and read back, and every kind of file that is not one.
#include "document/loan_document.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>
#include <unistd.h>

#include "tests/common/file_contents.h"

namespace quillmere {
namespace {

LoanDocument AllKinds() {
    LoanDocument document;
    document.loan = {QStringLiteral("250.000"), QStringLiteral("360"), QStringLiteral("6,5"), QDate(2027, 1, 31)};
    document.extraPayments = {true,
                              QStringLiteral("100.00"),
                              QStringLiteral("3"),
                              QString(),
                              6,
                              {{QStringLiteral("12"), QStringLiteral("5000.00")}, {QStringLiteral("x"), QString()}},
                              ExtraMode::LowerMyPayment};
    document.comparison.windowOpen = true;
    document.comparison.horizonYears = 7;
    document.comparison.offers = {
        {QStringLiteral("Bank \"A\" \u00e9\u0645"), QStringLiteral("250000.00"), QStringLiteral("360"),
         QStringLiteral("6.5"), QString(), QString(), OfferTerm::Payment},
        {QStringLiteral("Credit union"), QString(), QStringLiteral("180"), QStringLiteral("5.9"),
         QStringLiteral("1500.00"), QStringLiteral("0"), OfferTerm::Amount},
        {QStringLiteral("Points"), QStringLiteral("250000.00"), QStringLiteral("360"), QStringLiteral("6.25"),
         QStringLiteral("abc"), QStringLiteral("5000.00"), std::nullopt},
    };
    return document;
}

std::string Reason(const std::variant<LoanDocument, QString>& read) {
    const auto* reason = std::get_if<QString>(&read);
    return reason == nullptr ? std::string("(read)") : reason->toStdString();
}

// The document's bytes with one piece of text put in place of another.
QByteArray Replaced(const char* from, const char* to) {
    QByteArray bytes = LoanFileBytes(AllKinds());
    EXPECT_TRUE(bytes.contains(from)) << from;
    return bytes.replace(from, to);
}

TEST(LoanDocumentTest, EverythingComesBackAsItWasSavedAndTheFileReadsAsItsKeysSay) {
    const QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("loan.qloan"));
    ASSERT_EQ(WriteLoanFile(path, AllKinds()), QString());
    const auto read = ReadLoanFile(path);
    ASSERT_TRUE(std::holds_alternative<LoanDocument>(read)) << Reason(read);
    EXPECT_EQ(std::get<LoanDocument>(read), AllKinds());

    const std::string text = FileContents(path).toStdString();
    for (const char* piece : {"\"format\": \"Quillmere Loan\"", "\"version\": 1",
                              "\"firstPaymentDate\": \"2027-01-31\"", "\"whatTheExtraDoes\": \"lowerMyPayment\"",
                              "\"workedOut\": null", "\"keepTheLoanForYears\": 7", "\"extraEachMonth\": \"100.00\""}) {
        EXPECT_NE(text.find(piece), std::string::npos) << piece;
    }
    EXPECT_FALSE(LoanDocument().HoldsLoan());
    EXPECT_TRUE(AllKinds().HoldsLoan());
}

TEST(LoanDocumentTest, AFileThatIsNoLoanFileSaysWhatIsWrong) {
    const std::vector<std::pair<QByteArray, std::string>> cases = {
        {"not json", "The file is not a loan file: it is not JSON ("},
        {LoanFileBytes(AllKinds()).left(300), "The file is cut short: it ends at character"},
        {"[]", "The file is not a loan file of this program."},
        {"{\"format\": \"Spreadsheet\"}", "The file is not a loan file of this program."},
        {Replaced("\"version\": 1", "\"version\": 2"),
         "The file was written by a later version of the program (format version 2); this version reads version 1."},
        {Replaced("\"version\": 1", "\"version\": \"1\""), "\"version\" must be a whole number from 1 to 1."},
        {Replaced("\"months\": \"360\",\n        \"principal\"", "\"months\": 360,\n        \"principal\""),
         "The file can't be read: \"loan.months\" must be text."},
        {Replaced("\"inMonth\": 6", "\"inMonth\": 13"),
         "\"extraPayments.inMonth\" must be a whole number from 1 to 12."},
        {Replaced("\"keepTheLoanForYears\": 7", "\"keepTheLoanForYears\": 1e300"),
         "\"compareLoans.keepTheLoanForYears\" must be a whole number from 1 to 834."},
        {Replaced("\"inMonth\": 6", "\"inMonth\": 6.5"), "\"extraPayments.inMonth\" must be a whole number"},
        {Replaced("\"2027-01-31\"", "\"2027-02-30\""), "\"loan.firstPaymentDate\" must be a date"},
        {Replaced("\"workedOut\": null", "\"workedOut\": \"fees\""),
         "\"compareLoans.offers[2].workedOut\" must be one of \"amount\", \"months\", \"annualRatePercent\", "
         "\"monthlyPayment\", null."},
        {Replaced("\"lowerMyPayment\",\n        \"windowOpen\": true", "\"lowerMyPayment\""),
         "\"extraPayments.windowOpen\" is missing."},
        {Replaced("\"oneTimeExtraPayments\": [", "\"oneTimeExtraPayments\": [7, "),
         "\"extraPayments.oneTimeExtraPayments[0]\" must be an object."},
        {Replaced("\"name\": \"Points\"", ("\"name\": \"" + std::string(32768, 'x') + "\"").c_str()),
         "\"compareLoans.offers[2].name\" is longer than any box holds."},
    };
    for (const auto& [bytes, reason] : cases) {
        const auto read = ParseLoanFile(bytes);
        EXPECT_NE(Reason(read).find(reason), std::string::npos) << Reason(read) << "\n"
                                                                << bytes.left(200).toStdString();
    }
    QByteArray sevenOffers = LoanFileBytes(AllKinds());
    const qsizetype offers = sevenOffers.indexOf("\"offers\": [") + 11;
    const QByteArray one =
        "{\"name\": \"\", \"amount\": \"\", \"months\": \"\", \"annualRatePercent\": \"\", "
        "\"monthlyPayment\": \"\", \"fees\": \"\", \"workedOut\": null},";
    for (int i = 0; i < 4; ++i) sevenOffers.insert(offers, one);
    EXPECT_EQ(Reason(ParseLoanFile(sevenOffers)),
              "The file can't be read: \"compareLoans.offers\" holds more than 6 entries.");
}

TEST(LoanDocumentTest, AFileThatCantBeOpenedSaysWhy) {
    const QTemporaryDir folder;
    EXPECT_EQ(Reason(ReadLoanFile(folder.filePath(QStringLiteral("gone.qloan")))), "No such file or directory.");
    EXPECT_EQ(Reason(ReadLoanFile(folder.path())),
              QFileInfo(folder.path()).fileName().toStdString() + " is a folder, not a loan file.");
    // A hundred megabytes, never read in.
    const QString huge = folder.filePath(QStringLiteral("huge.qloan"));
    QFile file(huge);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly) && file.resize(100LL * 1024 * 1024));
    file.close();
    EXPECT_EQ(Reason(ReadLoanFile(huge)), "The file is too large to be a loan file.");
    // Root reads any file but a sysctl that is only written.
    QString locked = QStringLiteral("/proc/sys/vm/drop_caches");
    if (geteuid() != 0) {
        locked = folder.filePath(QStringLiteral("locked.qloan"));
        WriteFile(locked, "{}");
        QFile::setPermissions(locked, QFileDevice::Permissions());
    }
    EXPECT_EQ(Reason(ReadLoanFile(locked)), "Permission denied.");
}

}  // namespace
}  // namespace quillmere
