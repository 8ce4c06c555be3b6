// Schedules to export, calculated as the window calculates them, and a way
// to read a saved workbook's parts without a spreadsheet.
#pragma once

#include <QProcess>
#include <QString>

#include <clocale>

#include "money/locale_money_formatter.h"
#include "schedule/extra_payments.h"
#include "tests/schedule/fake_loan_window.h"

namespace quillmere {

// The C library's locale as the program takes it from the environment (see
// QCoreApplication), `name` ("de_DE.UTF-8"), for the life of the object.
class ProgramNumericLocale {
public:
    explicit ProgramNumericLocale(const char* name) : inForce_(std::setlocale(LC_ALL, name) != nullptr) {}
    ~ProgramNumericLocale() { std::setlocale(LC_ALL, "C"); }
    ProgramNumericLocale(const ProgramNumericLocale&) = delete;
    ProgramNumericLocale& operator=(const ProgramNumericLocale&) = delete;
    [[nodiscard]] bool InForce() const { return inForce_; }

private:
    bool inForce_;
};

// The loan calculated on `first` with amounts in `locale`'s money.
inline ScheduleGrid CalculatedGrid(const LocaleMoneyFormatter& money, const char* principal, const char* months,
                                   const char* rate, CalendarDate first = {15, 11, 2007}) {
    testing::FakeLoanWindow window(principal, months, rate);
    window.date = first;
    CalculateSchedule(window, money);
    return window.grid;
}

// The same loan's schedule with the extra payments of `plan`.
inline ScheduleGrid ExtrasGrid(const LocaleMoneyFormatter& money, const char* principal, const char* months,
                               const char* rate, CalendarDate first, const ExtraPaymentPlan& plan) {
    struct Window : testing::FakeLoanWindow {
        Window(const char* principal, const char* months, const char* rate) : FakeLoanWindow(principal, months, rate) {}
        LoanTerms loan;
        void LoanCalculated(const LoanTerms& calculated) override { loan = calculated; }
    } window(principal, months, rate);
    window.date = first;
    CalculateSchedule(window, money);
    ScheduleGrid grid;
    FillExtraPaymentSchedule(window.loan, plan, grid, money);
    return grid;
}

// One part of a zip file ("xl/worksheets/sheet1.xml"), as unzip reads it;
// empty where it can't.
inline QByteArray ZipPart(const QString& zip, const QString& part) {
    QProcess unzip;
    unzip.start(QStringLiteral("unzip"), {QStringLiteral("-p"), zip, part});
    if (!unzip.waitForFinished(60000) || unzip.exitCode() != 0) return {};
    return unzip.readAllStandardOutput();
}

}  // namespace quillmere
