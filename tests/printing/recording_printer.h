// A printer that keeps what the report asks of it: every call in order, and
// every line (CR LF splits a text into lines, as a real printer does) with
// the font it was printed in.
#pragma once

#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "report_printer.h"

namespace quillmere::testing {

struct PrintedLine {
    std::string text;
    std::string font;
    int points;
    bool bold;
};

class RecordingPrinter : public ReportPrinter {
public:
    std::vector<std::string> calls;
    std::vector<std::vector<PrintedLine>> pages{1};  // the last one is the open page
    // Throws from the given Print() call on (counted from 1), 0 for never.
    int failAtPrint = 0;

    void SetFontName(std::string_view family) override {
        font_ = family;
        calls.push_back("font " + font_);
    }
    void SetFontSize(int points) override {
        points_ = points;
        calls.push_back("size " + std::to_string(points));
    }
    void SetFontBold(bool bold) override {
        bold_ = bold;
        calls.push_back(bold ? "bold on" : "bold off");
    }
    int Page() const override { return static_cast<int>(pages.size()); }
    void Print(std::string_view text) override {
        calls.emplace_back("print");
        if (++prints_ == failAtPrint) {
            throw std::runtime_error("printer jammed");
        }
        for (std::size_t start = 0;;) {
            const std::size_t end = text.find(kLineBreak, start);
            pages.back().push_back({std::string(text.substr(start, end - start)), font_, points_, bold_});
            if (end == std::string_view::npos) {
                break;
            }
            start = end + kLineBreak.size();
        }
    }
    void NewPage() override {
        calls.emplace_back("new page");
        pages.emplace_back();
    }
    void EndDoc() override { calls.emplace_back("end doc"); }

    // Pages that went onto a sheet: an unprinted page after the last
    // NewPage() makes none.
    [[nodiscard]] int Sheets() const {
        int sheets = 0;
        for (const auto& page : pages) {
            sheets += page.empty() ? 0 : 1;
        }
        return sheets;
    }

private:
    std::string font_;
    int points_ = 0;
    bool bold_ = false;
    int prints_ = 0;
};

}  // namespace quillmere::testing
