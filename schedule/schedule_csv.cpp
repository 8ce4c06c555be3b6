#include "schedule/schedule_csv.h"

namespace quillmere {

std::string CsvField(std::string_view text) {
    if (text.find_first_of(",\"\r\n") == std::string_view::npos) return std::string(text);
    std::string field = "\"";
    for (const char character : text) {
        if (character == '"') field += '"';
        field += character;
    }
    field += '"';
    return field;
}

std::string ScheduleCsvText(const ScheduleGrid& grid) {
    std::string text;
    text.reserve(static_cast<std::size_t>(grid.Rows()) * 80);
    for (int row = 0; row < grid.Rows(); ++row) {
        for (int column = 0; column < ScheduleGrid::kColumns; ++column) {
            if (column > 0) text += ',';
            text += CsvField(grid.TextMatrix(row, column));
        }
        text += "\r\n";
    }
    return text;
}

}  // namespace quillmere
