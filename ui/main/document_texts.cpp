#include "ui/main/document_texts.h"

#include <QRegularExpression>

#include "money/locale_money_formatter.h"

namespace quillmere {
namespace {

// The amount of plain decimal text, exactly: "1234.5" is 12,345,000 ten-thousandths.
std::optional<Currency> PlainDecimal(const QString& plain) {
    static const QRegularExpression decimal(QStringLiteral("^(\\d{1,15})(?:\\.(\\d{1,4}))?$"));
    const QRegularExpressionMatch match = decimal.match(plain);
    if (!match.hasMatch()) return std::nullopt;
    const qlonglong whole = match.captured(1).toLongLong();
    // Beyond any amount the calculator holds, and beyond the 64 bits that
    // hold ten-thousandths: not an amount the program wrote.
    if (whole > 900'000'000'000'000LL) return std::nullopt;
    const QString fraction = match.captured(2).leftJustified(4, QLatin1Char('0'));
    return Currency::FromRaw(whole * Currency::kScale + fraction.toLongLong());
}

// Exactly: "1234.50" for 12,345,000 ten-thousandths in a currency of cents.
QString PlainText(Currency amount, int decimals) {
    const std::int64_t raw = amount.Raw();
    QString text = QString::number(raw / Currency::kScale);
    if (decimals > 0) {
        const QString fraction = QStringLiteral("%1").arg(raw % Currency::kScale, 4, 10, QLatin1Char('0'));
        text += QLatin1Char('.') + fraction.left(decimals);
    }
    return text;
}

}  // namespace

DocumentTexts::DocumentTexts(const LocaleMoneyFormatter& money) : money_(money), reader_(money.Locale(), {}) {}

QString DocumentTexts::PlainAmount(const QString& typed) const {
    if (typed.trimmed().isEmpty()) return {};
    const BoxReading<Currency> amount = reader_.Amount(typed.toStdString());
    return amount.value ? PlainText(*amount.value, money_.Decimals()) : typed;
}

QString DocumentTexts::LocaleAmount(const QString& plain) const {
    const std::optional<Currency> amount = PlainDecimal(plain);
    return amount ? QString::fromStdString(money_.Format(*amount)) : plain;
}

QString DocumentTexts::PlainNumber(const QString& typed) const {
    if (typed.trimmed().isEmpty()) return {};
    // "6,5 %" is a rate as much as "6,5" is.
    QString numberText = typed;
    numberText.remove(money_.Locale().percent()).remove(QLatin1Char('%'));
    const std::optional<double> number = reader_.Number(numberText.toStdString());
    return number ? QString::number(*number, 'f', QLocale::FloatingPointShortest) : typed;
}

QString DocumentTexts::LocaleNumber(const QString& plain) const {
    bool ok = false;
    const double number = QLocale::c().toDouble(plain, &ok);
    if (!ok) return plain;
    QLocale locale = money_.Locale();
    locale.setNumberOptions(QLocale::OmitGroupSeparator);
    return locale.toString(number, 'f', QLocale::FloatingPointShortest);
}

}  // namespace quillmere
