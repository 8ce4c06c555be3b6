#include "export/spreadsheet_formats.h"

#include <QLocale>

#include <algorithm>

#include "money/locale_money_formatter.h"

namespace quillmere {
namespace {

// `text` as a literal of a format code: quoted, the format's own quote left
// out (no locale writes one around its amounts).
std::string Literal(const QString& text) {
    if (text.isEmpty()) return {};
    QString plain = text;
    plain.remove(QLatin1Char('"'));
    return "\"" + plain.toStdString() + "\"";
}

// The format of one sign: what the locale writes before and after the digits
// of `amount`, whose digits are `digits` in the locale's own script.
std::string SignFormat(const QString& written, const QString& digits, const std::string& number) {
    const qsizetype at = written.indexOf(digits);
    if (at < 0) return number;
    return Literal(written.left(at)) + number + Literal(written.mid(at + digits.size()));
}

// The money format, from the texts `money` writes for one unit and minus one
// unit.
std::string MoneyFormatCode(const LocaleMoneyFormatter& money) {
    const int decimals = money.Decimals();
    std::string number = "#,##0";
    if (decimals > 0) number += "." + std::string(static_cast<std::size_t>(decimals), '0');
    // The locale's digits of one unit ("1.00", "١٫٠٠"), as the formatter writes them.
    const QString digits = money.Locale().toString(1.0, 'f', decimals);
    const MoneyAmount one{money.MinorPerUnit(), money.MinorPerUnit()};
    const MoneyAmount minusOne{-money.MinorPerUnit(), money.MinorPerUnit()};
    return SignFormat(QString::fromStdString(money.Format(one)), digits, number) + ";" +
           SignFormat(QString::fromStdString(money.Format(minusOne)), digits, number);
}

// The locale's short date format as a format code, with a four-digit year.
std::string DateFormatCode(const QLocale& locale) {
    const QString qt = locale.dateFormat(QLocale::ShortFormat);
    std::string code;
    QString literal;
    const auto flushLiteral = [&] {
        code += Literal(literal);
        literal.clear();
    };
    for (qsizetype i = 0; i < qt.size();) {
        const QChar c = qt[i];
        qsizetype run = 1;
        while (i + run < qt.size() && qt[i + run] == c) ++run;
        if (c == QLatin1Char('d') || c == QLatin1Char('M') || c == QLatin1Char('y')) {
            flushLiteral();
            if (c == QLatin1Char('y')) {
                code += "yyyy";
            } else {
                code += std::string(static_cast<std::size_t>(std::min<qsizetype>(run, 4)), c == 'd' ? 'd' : 'm');
            }
        } else if (c == QLatin1Char('\'')) {
            // Qt's quoted text: up to the closing quote; two quotes are one.
            const qsizetype end = qt.indexOf(QLatin1Char('\''), i + 1);
            literal += run == 2 ? QStringLiteral("'") : qt.mid(i + 1, (end < 0 ? qt.size() : end) - i - 1);
            i = run == 2 ? i + 2 : (end < 0 ? qt.size() : end + 1);
            continue;
        } else {
            literal += qt.mid(i, run);
        }
        i += run;
    }
    flushLiteral();
    return code;
}

}  // namespace

std::string PercentNumberFormat(int decimals, const QString& shown) {
    std::string number = "0";
    if (decimals > 0) number += "." + std::string(static_cast<std::size_t>(decimals), '0');
    const auto digit = [](QChar c) { return c.isDigit(); };
    const auto first = std::find_if(shown.begin(), shown.end(), digit);
    if (first == shown.end()) return number;
    const auto last = std::find_if(shown.rbegin(), shown.rend(), digit).base();
    // Before the digits, only what isn't the sign: the format writes its own.
    QString before(shown.begin(), first - shown.begin());
    before.removeIf([](QChar c) {
        return c == QLatin1Char('-') || c == QLatin1Char('+') || c == QChar(0x2212) ||
               c.category() == QChar::Other_Format;  // the direction marks around a sign
    });
    return Literal(before) + number + Literal(QString(last, shown.end() - last));
}

SpreadsheetFormats FormatsFor(const LocaleMoneyFormatter& money) {
    return {MoneyFormatCode(money), DateFormatCode(money.Locale()), "0", "0.0###%"};
}

}  // namespace quillmere
