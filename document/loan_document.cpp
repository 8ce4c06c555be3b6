#include "document/loan_document.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonParseError>

#include <array>
#include <cmath>
#include <utility>

#include "files/safe_file.h"

namespace quillmere {
namespace {

constexpr char kFormatName[] = "Quillmere Loan";
// No box holds more (a line edit's own limit): a longer text is no one's typing.
constexpr qsizetype kLongestText = 32767;

// The names the file gives the choices it holds.
constexpr std::array<std::pair<OfferTerm, const char*>, 4> kTermNames = {{
    {OfferTerm::Amount, "amount"},
    {OfferTerm::Months, "months"},
    {OfferTerm::Rate, "annualRatePercent"},
    {OfferTerm::Payment, "monthlyPayment"},
}};
constexpr std::array<std::pair<ExtraMode, const char*>, 2> kModeNames = {{
    {ExtraMode::PayOffSooner, "payOffSooner"},
    {ExtraMode::LowerMyPayment, "lowerMyPayment"},
}};

template <typename T, std::size_t N>
QString NameOf(const std::array<std::pair<T, const char*>, N>& names, T value) {
    for (const auto& [each, name] : names) {
        if (each == value) return QString::fromLatin1(name);
    }
    return {};
}

QJsonObject LoanJson(const LoanDocument::Loan& loan) {
    return {{QStringLiteral("principal"), loan.principal},
            {QStringLiteral("months"), loan.months},
            {QStringLiteral("annualRatePercent"), loan.rate},
            {QStringLiteral("firstPaymentDate"), loan.firstPayment.toString(Qt::ISODate)}};
}

QJsonObject ExtraPaymentsJson(const LoanDocument::ExtraPayments& plan) {
    QJsonArray oneTime;
    for (const LoanDocument::OneTime& extra : plan.oneTime) {
        oneTime.append(
            QJsonObject{{QStringLiteral("payment"), extra.payment}, {QStringLiteral("amount"), extra.amount}});
    }
    return {{QStringLiteral("windowOpen"), plan.windowOpen},
            {QStringLiteral("extraEachMonth"), plan.monthly},
            {QStringLiteral("startingWithPayment"), plan.startPayment},
            {QStringLiteral("extraEachYear"), plan.yearly},
            {QStringLiteral("inMonth"), plan.yearlyMonth},
            {QStringLiteral("oneTimeExtraPayments"), oneTime},
            {QStringLiteral("whatTheExtraDoes"), NameOf(kModeNames, plan.mode)}};
}

QJsonObject ComparisonJson(const LoanDocument::Comparison& comparison) {
    QJsonArray offers;
    for (const LoanDocument::Offer& offer : comparison.offers) {
        offers.append(QJsonObject{
            {QStringLiteral("name"), offer.name},
            {QStringLiteral("amount"), offer.amount},
            {QStringLiteral("months"), offer.months},
            {QStringLiteral("annualRatePercent"), offer.rate},
            {QStringLiteral("monthlyPayment"), offer.payment},
            {QStringLiteral("fees"), offer.fees},
            {QStringLiteral("workedOut"),
             offer.workedOut ? QJsonValue(NameOf(kTermNames, *offer.workedOut)) : QJsonValue(QJsonValue::Null)},
        });
    }
    return {{QStringLiteral("windowOpen"), comparison.windowOpen},
            {QStringLiteral("keepTheLoanForYears"), comparison.horizonYears},
            {QStringLiteral("offers"), offers}};
}

// What is wrong with a file, thrown from deep inside the reading.
struct Unreadable {
    QString reason;
};

// Reads one JSON object, naming each value by its path ("loan.months") in
// what it says is wrong.
class ObjectReader {
public:
    ObjectReader(const QJsonObject& object, QString path) : object_(object), path_(std::move(path)) {}

    [[nodiscard]] QString Text(const char* key) const {
        const QJsonValue value = Value(key);
        //: %1 names a value in the loan file, such as "loan.months"
        if (!value.isString()) Wrong(key, QCoreApplication::translate("LoanDocument", "\"%1\" must be text."));
        QString text = value.toString();
        if (text.size() > kLongestText) {
            throw Unreadable{
                QCoreApplication::translate("LoanDocument", "\"%1\" is longer than any box holds.").arg(Path(key))};
        }
        return text;
    }
    [[nodiscard]] bool Flag(const char* key) const {
        const QJsonValue value = Value(key);
        //: true and false are written in the file as they are: they are not to be translated
        if (!value.isBool()) Wrong(key, QCoreApplication::translate("LoanDocument", "\"%1\" must be true or false."));
        return value.toBool();
    }
    [[nodiscard]] int Whole(const char* key, int lowest, int highest) const {
        const QJsonValue value = Value(key);
        const double number = value.toDouble();
        // The range first: only a number within it may become an integer.
        if (!value.isDouble() || !(number >= lowest && number <= highest) || number != std::floor(number)) {
            throw Unreadable{QCoreApplication::translate("LoanDocument", "\"%1\" must be a whole number from %2 to %3.")
                                 .arg(Path(key))
                                 .arg(lowest)
                                 .arg(highest)};
        }
        return static_cast<int>(number);
    }
    [[nodiscard]] ObjectReader Object(const char* key) const {
        const QJsonValue value = Value(key);
        //: An object of the JSON file, a group of named values between braces
        if (!value.isObject()) Wrong(key, QCoreApplication::translate("LoanDocument", "\"%1\" must be an object."));
        return {value.toObject(), Path(key)};
    }
    [[nodiscard]] std::vector<ObjectReader> Objects(const char* key, qsizetype most) const {
        const QJsonValue value = Value(key);
        if (!value.isArray()) Wrong(key, QCoreApplication::translate("LoanDocument", "\"%1\" must be a list."));
        const QJsonArray array = value.toArray();
        if (array.size() > most) {
            throw Unreadable{QCoreApplication::translate("LoanDocument", "\"%1\" holds more than %2 entries.")
                                 .arg(Path(key))
                                 .arg(most)};
        }
        std::vector<ObjectReader> objects;
        for (qsizetype i = 0; i < array.size(); ++i) {
            const QString path = QStringLiteral("%1[%2]").arg(Path(key)).arg(i);
            if (!array.at(i).isObject()) {
                throw Unreadable{QCoreApplication::translate("LoanDocument", "\"%1\" must be an object.").arg(path)};
            }
            objects.emplace_back(array.at(i).toObject(), path);
        }
        return objects;
    }
    template <typename T, std::size_t N>
    [[nodiscard]] std::optional<T> Choice(const char* key, const std::array<std::pair<T, const char*>, N>& names,
                                          bool orNull) const {
        const QJsonValue value = Value(key);
        if (orNull && value.isNull()) return std::nullopt;
        for (const auto& [each, name] : names) {
            if (value.isString() && value.toString() == QLatin1String(name)) return each;
        }
        QStringList allowed;
        for (const auto& named : names) allowed << QStringLiteral("\"%1\"").arg(QLatin1String(named.second));
        if (orNull) allowed << QStringLiteral("null");
        //: %2 lists the values the file may hold there, as they are written in it
        throw Unreadable{QCoreApplication::translate("LoanDocument", "\"%1\" must be one of %2.")
                             .arg(Path(key), allowed.join(QStringLiteral(", ")))};
    }

private:
    [[nodiscard]] QString Path(const char* key) const {
        return path_.isEmpty() ? QString::fromLatin1(key) : path_ + QLatin1Char('.') + QLatin1String(key);
    }
    [[nodiscard]] QJsonValue Value(const char* key) const {
        QJsonValue value = object_.value(QLatin1String(key));
        if (value.isUndefined()) {
            throw Unreadable{QCoreApplication::translate("LoanDocument", "\"%1\" is missing.").arg(Path(key))};
        }
        return value;
    }
    // `sentence` says what the value must be, its %1 the value's path: a
    // whole sentence each, as languages bend "must be" to what follows.
    [[noreturn]] void Wrong(const char* key, const QString& sentence) const {
        throw Unreadable{sentence.arg(Path(key))};
    }

    QJsonObject object_;
    QString path_;
};

LoanDocument::Loan ReadLoan(const ObjectReader& loan) {
    LoanDocument::Loan read{loan.Text("principal"), loan.Text("months"), loan.Text("annualRatePercent"), {}};
    read.firstPayment = QDate::fromString(loan.Text("firstPaymentDate"), Qt::ISODate);
    if (!read.firstPayment.isValid() || read.firstPayment.year() < 1 || read.firstPayment.year() > 9999) {
        throw Unreadable{QCoreApplication::translate(
            "LoanDocument", "\"loan.firstPaymentDate\" must be a date from 0001-01-01 to 9999-12-31.")};
    }
    return read;
}

LoanDocument::ExtraPayments ReadExtraPayments(const ObjectReader& plan) {
    LoanDocument::ExtraPayments read;
    read.windowOpen = plan.Flag("windowOpen");
    read.monthly = plan.Text("extraEachMonth");
    read.startPayment = plan.Text("startingWithPayment");
    read.yearly = plan.Text("extraEachYear");
    read.yearlyMonth = plan.Whole("inMonth", 1, 12);
    for (const ObjectReader& extra : plan.Objects("oneTimeExtraPayments", LoanDocument::kMostOneTimeExtras)) {
        read.oneTime.push_back({extra.Text("payment"), extra.Text("amount")});
    }
    read.mode = *plan.Choice("whatTheExtraDoes", kModeNames, false);
    return read;
}

LoanDocument::Comparison ReadComparison(const ObjectReader& comparison) {
    LoanDocument::Comparison read;
    read.windowOpen = comparison.Flag("windowOpen");
    read.horizonYears = comparison.Whole("keepTheLoanForYears", 1, LoanDocument::kLongestHorizonYears);
    for (const ObjectReader& offer : comparison.Objects("offers", LoanDocument::kMostOffers)) {
        read.offers.push_back({offer.Text("name"), offer.Text("amount"), offer.Text("months"),
                               offer.Text("annualRatePercent"), offer.Text("monthlyPayment"), offer.Text("fees"),
                               offer.Choice("workedOut", kTermNames, true)});
    }
    return read;
}

QString NotJson(const QJsonParseError& error) {
    switch (error.error) {
        case QJsonParseError::UnterminatedObject:
        case QJsonParseError::UnterminatedArray:
        case QJsonParseError::UnterminatedString:
            return QCoreApplication::translate(
                       "LoanDocument", "The file is cut short: it ends at character %1, in the middle of its data.")
                .arg(error.offset);
        default:
            //: %1 is why the JSON can't be read, in Qt's words; %2 where, counted in characters
            return QCoreApplication::translate("LoanDocument",
                                               "The file is not a loan file: it is not JSON (%1 at character %2).")
                .arg(error.errorString())
                .arg(error.offset);
    }
}

}  // namespace

bool LoanDocument::HoldsLoan() const {
    return !loan.principal.trimmed().isEmpty() || !loan.months.trimmed().isEmpty() || !loan.rate.trimmed().isEmpty();
}

QByteArray LoanFileBytes(const LoanDocument& document) {
    const QJsonObject root{{QStringLiteral("format"), QLatin1String(kFormatName)},
                           {QStringLiteral("version"), LoanDocument::kVersion},
                           {QStringLiteral("loan"), LoanJson(document.loan)},
                           {QStringLiteral("extraPayments"), ExtraPaymentsJson(document.extraPayments)},
                           {QStringLiteral("compareLoans"), ComparisonJson(document.comparison)}};
    return QJsonDocument(root).toJson(QJsonDocument::Indented);
}

std::variant<LoanDocument, QString> ParseLoanFile(const QByteArray& bytes) {
    if (bytes.size() > kLargestLoanFile) {
        return QCoreApplication::translate("LoanDocument", "The file is too large to be a loan file.");
    }
    QJsonParseError error{};
    const QJsonDocument json = QJsonDocument::fromJson(bytes, &error);
    if (error.error != QJsonParseError::NoError) return NotJson(error);
    if (!json.isObject() || json.object().value(QLatin1String("format")).toString() != QLatin1String(kFormatName)) {
        return QCoreApplication::translate("LoanDocument", "The file is not a loan file of this program.");
    }
    try {
        const ObjectReader root(json.object(), {});
        const QJsonValue version = json.object().value(QLatin1String("version"));
        if (version.isDouble() && version.toDouble() > LoanDocument::kVersion) {
            return QCoreApplication::translate("LoanDocument",
                                               "The file was written by a later version of the program (format "
                                               "version %1); this version reads version %2.")
                .arg(version.toDouble())
                .arg(LoanDocument::kVersion);
        }
        (void)root.Whole("version", 1, LoanDocument::kVersion);
        LoanDocument document;
        document.loan = ReadLoan(root.Object("loan"));
        document.extraPayments = ReadExtraPayments(root.Object("extraPayments"));
        document.comparison = ReadComparison(root.Object("compareLoans"));
        return document;
    } catch (const Unreadable& unreadable) {
        //: %1 is a sentence saying what is wrong with the file
        return QCoreApplication::translate("LoanDocument", "The file can't be read: %1").arg(unreadable.reason);
    }
}

std::variant<LoanDocument, QString> ReadLoanFile(const QString& path) {
    const QFileInfo info(path);
    if (info.isDir()) {
        return QCoreApplication::translate("LoanDocument", "%1 is a folder, not a loan file.").arg(info.fileName());
    }
    if (info.exists() && info.size() > kLargestLoanFile) {
        return QCoreApplication::translate("LoanDocument", "The file is too large to be a loan file.");
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return OpenFailureReason(file);
    // A file that grew since it was looked at is read no further than a loan file can be.
    const QByteArray bytes = file.read(kLargestLoanFile + 1);
    if (file.error() != QFileDevice::NoError) return OpenFailureReason(file);
    return ParseLoanFile(bytes);
}

QString WriteLoanFile(const QString& path, const LoanDocument& document) {
    return SaveFileSafely(path, LoanFileBytes(document));
}

}  // namespace quillmere
