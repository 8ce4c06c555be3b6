// CNumericLocale: numbers written and read the C way ("1580.17") by the
// calling thread, for as long as the object lives.
//
// Libraries that format numbers with the C library (libxlsxwriter writes
// every cell value and column width with printf) follow the thread's
// LC_NUMERIC, which the program takes from the user's environment: under
// de_DE a workbook would hold "1580,17", which spreadsheets read as 1580.
// Only this thread's locale is switched (uselocale), never the process's
// (setlocale), so no other thread and nothing of Qt sees the change; every
// other category stays as it was. The thread's own locale is back in force
// once the object is gone.
//
//   CNumericLocale numbers;
//   if (!numbers.InForce()) return "not enough memory";
//   ... write the workbook ...
#pragma once

#include <locale.h>  // NOLINT(modernize-deprecated-headers): locale_t and uselocale are POSIX, not in <clocale>

namespace quillmere {

class CNumericLocale {
public:
    CNumericLocale();
    ~CNumericLocale();

    CNumericLocale(const CNumericLocale&) = delete;
    CNumericLocale& operator=(const CNumericLocale&) = delete;

    // False where the C library couldn't make the locale (out of memory):
    // numbers are then written in the thread's own locale.
    [[nodiscard]] bool InForce() const { return own_ != nullptr; }

private:
    locale_t own_ = nullptr;
    locale_t previous_ = nullptr;
};

}  // namespace quillmere
