// PseudoTranslator: a made-up language for testing the translations.
//
// Every text the program translates comes back accented, 40 % longer and in
// brackets: "Clea&r" becomes "[Çļéá&ŕ~~~]". A window shown in it tells at a
// glance which texts are never translated (no brackets) and which are cut
// (a bracket missing), long before a real language finds them. Placeholders
// (%1, %n, %L1), mnemonics' letters, markup and line breaks are kept, so
// every text still fills in and works as it does in English.
#pragma once

#include <QString>
#include <QTranslator>

namespace quillmere {

class PseudoTranslator final : public QTranslator {
public:
    using QTranslator::QTranslator;

    [[nodiscard]] bool isEmpty() const override { return false; }
    [[nodiscard]] QString translate(const char* context, const char* sourceText, const char* disambiguation = nullptr,
                                    int n = -1) const override;

    // The pseudo-language form of an English text.
    [[nodiscard]] static QString Pseudo(const QString& english);
};

}  // namespace quillmere
