// MoneyFormatter: turns an amount into the money text the user sees.
//
// One formatter serves every amount of a schedule, double and Currency alike,
// so the payment box, the grid and the printed report all agree. The window
// supplies one built on the user's locale; tests supply a fixed one.
#pragma once

#include "schedule/currency.h"

#include <string>

namespace quillmere {

class MoneyFormatter {
public:
    virtual ~MoneyFormatter() = default;
    // `amount` is always finite when the calculation calls this.
    [[nodiscard]] virtual std::string Format(double amount) const = 0;
    [[nodiscard]] virtual std::string Format(Currency amount) const = 0;
};

}  // namespace quillmere
