#include "ui/common/schedule_language.h"

#include <QCoreApplication>

#include <string>

#include "schedule/loan_calculation.h"
#include "schedule/schedule_words.h"

namespace quillmere {
namespace {

// The calculation's texts as the translators see them; each must read as
// the core's constant does.
constexpr const char* kRateMessage_ = QT_TRANSLATE_NOOP(
    "LoanCalculation", "Consider loan consolidation or call the police, the legality of this loan is in question");
//: The title of the message about a rate above 70 %; the odd spelling and bracket are the program's own
constexpr const char* kRateTitle_ = QT_TRANSLATE_NOOP("LoanCalculation", "Consilidate ASAP)");
constexpr const char* kOutOfRangeMessage_ = QT_TRANSLATE_NOOP(
    "LoanCalculation", "This loan cannot be calculated: its amounts are beyond the range the calculator can hold.");
constexpr const char* kOutOfRangeTitle_ = QT_TRANSLATE_NOOP("LoanCalculation", "Out of Range");
static_assert(std::string_view(kRateMessage_) == kRateMessage && std::string_view(kRateTitle_) == kRateTitle &&
              std::string_view(kOutOfRangeMessage_) == kOutOfRangeMessage &&
              std::string_view(kOutOfRangeTitle_) == kOutOfRangeTitle);

std::string Translated(const char* context, const char* english) {
    return QCoreApplication::translate(context, english).toStdString();
}

}  // namespace

void UseTranslatedScheduleWords() {
    ScheduleWords words;
    words.headers = {
        //: Column heading: the date of a payment
        Translated("ScheduleGrid", QT_TRANSLATE_NOOP("ScheduleGrid", "Date")),
        //: Column heading: the payment's number, 1 for the first
        Translated("ScheduleGrid", QT_TRANSLATE_NOOP("ScheduleGrid", "Number")),
        //: Column heading: the amount paid
        Translated("ScheduleGrid", QT_TRANSLATE_NOOP("ScheduleGrid", "Payment")),
        //: Column heading: the interest part of the payment
        Translated("ScheduleGrid", QT_TRANSLATE_NOOP("ScheduleGrid", "Interest")),
        //: Column heading: the part of the payment that pays down the principal
        Translated("ScheduleGrid", QT_TRANSLATE_NOOP("ScheduleGrid", "Applied")),
        //: Column heading: the principal still owed after the payment
        Translated("ScheduleGrid", QT_TRANSLATE_NOOP("ScheduleGrid", "Balance")),
        //: Column heading: the extra payment made with this payment, if any
        Translated("ScheduleGrid", QT_TRANSLATE_NOOP("ScheduleGrid", "Notes")),
    };
    //: The label of the row that sums a calendar year's payments
    words.yearTotals = Translated("ScheduleGrid", QT_TRANSLATE_NOOP("ScheduleGrid", "Year Totals"));
    //: The label of the closing row that sums the whole schedule
    words.totals = Translated("ScheduleGrid", QT_TRANSLATE_NOOP("ScheduleGrid", "Totals"));
    SetScheduleWords(std::move(words));
}

QString TranslatedCalculationText(std::string_view english) {
    return QCoreApplication::translate("LoanCalculation", std::string(english).c_str());
}

}  // namespace quillmere
