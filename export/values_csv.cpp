#include "export/values_csv.h"

#include <algorithm>
#include <array>
#include <cstdio>

#include "schedule/schedule_csv.h"

namespace quillmere {

std::string PlainAmount(MoneyAmount amount) {
    const bool negative = amount.minorUnits < 0;
    // Through unsigned arithmetic, so the most negative count has a magnitude too.
    const auto magnitude = negative ? 0 - static_cast<unsigned long long>(amount.minorUnits)
                                    : static_cast<unsigned long long>(amount.minorUnits);
    const auto perUnit = static_cast<unsigned long long>(amount.minorPerUnit > 0 ? amount.minorPerUnit : 1);
    std::string text = negative ? "-" : "";
    text += std::to_string(magnitude / perUnit);
    if (perUnit > 1) {
        std::string fraction = std::to_string(magnitude % perUnit);
        const std::size_t decimals = std::to_string(perUnit).size() - 1;
        text += '.' + std::string(decimals - fraction.size(), '0') + fraction;
    }
    return text;
}

namespace {

// "2026-12-07".
std::string IsoDate(QDate date) {
    // Written by hand: QDate::toString goes through printf, ten thousand times per long schedule.
    std::array<char, 16> text{};
    const int length = std::snprintf(text.data(), text.size(), "%04d-%02d-%02d", date.year(), date.month(), date.day());
    return {text.data(), static_cast<std::size_t>(std::max(length, 0))};
}

}  // namespace

std::string PlainValue(const CellValue& cell) {
    switch (cell.kind) {
        case CellValue::Kind::Money:
            return PlainAmount(cell.money);
        case CellValue::Kind::Date:
            return IsoDate(cell.date);
        case CellValue::Kind::Integer:
            return std::to_string(cell.integer);
        case CellValue::Kind::Text:
        case CellValue::Kind::Empty:
            break;
    }
    return cell.text;
}

std::string ValuesCsvText(const ScheduleValues& values) {
    std::string text;
    text.reserve((values.rows.size() + 1) * 64);
    const auto endRow = [&text] { text += "\r\n"; };
    for (std::size_t col = 0; col < values.headers.size(); ++col) {
        if (col > 0) text += ',';
        text += CsvField(values.headers[col]);
    }
    endRow();
    for (const ScheduleRowValues& row : values.rows) {
        for (std::size_t col = 0; col < row.cells.size(); ++col) {
            if (col > 0) text += ',';
            text += CsvField(PlainValue(row.cells[col]));
        }
        endRow();
    }
    return text;
}

}  // namespace quillmere
