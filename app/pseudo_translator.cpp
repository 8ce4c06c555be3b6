#include "app/pseudo_translator.h"

#include <QHash>

#include <cstring>

namespace quillmere {
namespace {

QChar Accented(QChar c) {
    static const QHash<QChar, QChar> accents = [] {
        const QString plain = QStringLiteral("AaCcEeIiLlNnOoRrSsUuYyZz");
        const QString marked = QStringLiteral("ÅáÇçÉéÎíĻļÑñÖóŔŕŠšÜúÝýŽž");
        QHash<QChar, QChar> map;
        for (qsizetype i = 0; i < plain.size(); ++i) map.insert(plain[i], marked[i]);
        return map;
    }();
    return accents.value(c, c);
}

// How many characters at `i` must stay as they are: a placeholder (%1,
// %n, %Ln, %L1), a markup tag, a mnemonic's letter, or a file pattern.
qsizetype KeptLength(const QString& text, qsizetype i) {
    const QChar c = text[i];
    if (c == QLatin1Char('%')) {
        qsizetype end = i + 1;
        if (end < text.size() && text[end] == QLatin1Char('L')) ++end;
        if (end < text.size() && text[end] == QLatin1Char('n')) return end + 1 - i;
        while (end < text.size() && text[end].isDigit()) ++end;
        return end - i;
    }
    if (c == QLatin1Char('<')) {
        const qsizetype close = text.indexOf(QLatin1Char('>'), i);
        return close < 0 ? 1 : close + 1 - i;
    }
    if (c == QLatin1Char('&')) return i + 1 < text.size() ? 2 : 1;
    // A file pattern of a dialog's filter ("*.qloan") must still match.
    if (c == QLatin1Char('*')) {
        qsizetype end = i + 1;
        while (end < text.size() && (text[end].isLetterOrNumber() || text[end] == QLatin1Char('.'))) ++end;
        return end - i;
    }
    return 1;
}

}  // namespace

QString PseudoTranslator::Pseudo(const QString& english) {
    QString accented;
    accented.reserve(english.size() * 2 + 2);
    for (qsizetype i = 0; i < english.size();) {
        const qsizetype kept = KeptLength(english, i);
        accented += kept == 1 ? QString(Accented(english[i])) : english.mid(i, kept);
        i += kept;
    }
    // 40 % longer, as German and Russian run; the padding stays on the
    // text's last line so a line break keeps its place.
    const auto padding = static_cast<qsizetype>((english.size() * 4 + 9) / 10);
    return QLatin1Char('[') + accented + QString(padding, QLatin1Char('~')) + QLatin1Char(']');
}

QString PseudoTranslator::translate(const char* context, const char* sourceText, const char* disambiguation,
                                    int n) const {
    Q_UNUSED(disambiguation)
    if (sourceText == nullptr || *sourceText == '\0') return {};
    // Qt asks its translators which way the language runs: this one runs left
    // to right, like the English it is made from.
    if (std::strcmp(context, "QGuiApplication") == 0 && std::strcmp(sourceText, "QT_LAYOUT_DIRECTION") == 0) {
        return QStringLiteral("LTR");
    }
    // A count picks the English plural, as the English translation does.
    QString english = QString::fromUtf8(sourceText);
    if (n >= 0) english.replace(QStringLiteral("(s)"), n == 1 ? QString() : QStringLiteral("s"));
    return Pseudo(english);
}

}  // namespace quillmere
