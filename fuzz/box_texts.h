// What the fuzz targets over the boxes' texts share: the locales they read
// in, and the cutting of an input into the texts of several boxes.
#pragma once

#include <array>
#include <string>
#include <string_view>

namespace quillmere::fuzz {

// Grouping by threes, by the Indian two, with Arabic-Indic digits and marks,
// with a decimal comma, and a currency without decimals.
inline constexpr std::array<const char*, 5> kLocales = {"en_US", "hi_IN", "ar_EG", "de_DE", "ja_JP"};

// The next box's text: up to the unit separator '\x1f', or all that is left.
inline std::string Take(std::string_view& rest) {
    const std::size_t cut = rest.find('\x1f');
    std::string piece(rest.substr(0, cut));
    rest = cut == std::string_view::npos ? std::string_view() : rest.substr(cut + 1);
    return piece;
}

}  // namespace quillmere::fuzz
