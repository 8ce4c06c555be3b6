// The numeric value of the longest leading part of a text that reads as a
// number, the way the calculator reads what a user typed into its boxes.
//
// Rules, in reading order:
//  - blanks, tabs and line feeds are skipped wherever they stand ("1 2" is 12);
//  - an optional sign, then digits with at most one period as the decimal
//    point, whatever the locale;
//  - an optional exponent: E or D (either case), an optional sign, digits;
//  - "&H" or "&O" (either case) at the start introduces a hexadecimal or an
//    octal integer, read as a non-negative value;
//  - reading stops at the first other character; a text without such a
//    leading part reads as 0.
// So "12abc" reads 12, "$500" reads 0, "15e-1" reads 1.5, "1,5" reads 1.
// A value beyond the double range reads as an infinity of its sign; one too
// small to represent reads as 0. The result is never NaN.
#pragma once

#include <string_view>

namespace quillmere {

double LeadingNumberValue(std::string_view text);

}  // namespace quillmere
