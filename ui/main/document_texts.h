// Between what the boxes show, in the user's locale ("1.234,56 €", "6,5"),
// and what a loan file keeps, plain decimal text ("1234.56", "6.5"), so a
// file saved in one locale opens as the same loan in any other.
//
// A text that doesn't read as its kind stays as it was typed, both ways:
// nothing the user typed is lost, and the box is marked again on opening.
#pragma once

#include <QString>

#include "money/amount_text_reader.h"

namespace quillmere {

class LocaleMoneyFormatter;

class DocumentTexts {
public:
    // `money` must outlive this object.
    explicit DocumentTexts(const LocaleMoneyFormatter& money);

    [[nodiscard]] QString PlainAmount(const QString& typed) const;
    [[nodiscard]] QString LocaleAmount(const QString& plain) const;
    // Rates, months and payment numbers.
    [[nodiscard]] QString PlainNumber(const QString& typed) const;
    [[nodiscard]] QString LocaleNumber(const QString& plain) const;

private:
    const LocaleMoneyFormatter& money_;
    AmountTextReader reader_;
};

}  // namespace quillmere
