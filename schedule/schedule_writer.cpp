#include "schedule/schedule_writer.h"

#include <cmath>

#include "schedule/schedule_words.h"

namespace quillmere {

void ScheduleWriter::PaymentRow(const quillmere::PaymentRow& payment) {
    const int row = grid_.Rows() - 1;
    const CalendarDate& date = payment.date;
    grid_.SetTextMatrix(row, kColDate, PaymentDateText(date.month, date.day, date.year));
    grid_.SetTextMatrix(row, kColNumber, std::to_string(payment.number));
    grid_.SetTextMatrix(row, kColPayment, Money(payment.payment));
    grid_.SetTextMatrix(row, kColInterest, Money(payment.interest));
    grid_.SetTextMatrix(row, kColApplied, money_.Format(payment.applied));
    grid_.SetTextMatrix(row, kColBalance, money_.Format(payment.balance));
    if (payment.extra > Currency()) grid_.SetTextMatrix(row, kColNotes, money_.Format(payment.extra));
    grid_.SetRows(grid_.Rows() + 1);
}

void ScheduleWriter::YearTotalsRow(const YearTotals& totals) {
    const int row = grid_.Rows() - 1;
    grid_.SetRowKind(row, GridRowKind::YearTotals);
    grid_.SetTextMatrix(row, kColDate, CurrentScheduleWords().yearTotals);
    grid_.SetTextMatrix(row, kColPayment, Money(totals.interest + totals.applied));
    grid_.SetTextMatrix(row, kColInterest, Money(totals.interest));
    grid_.SetTextMatrix(row, kColApplied, Money(totals.applied));
    grid_.SetRows(grid_.Rows() + 1);
}

void ScheduleWriter::Step(const PaymentStep& step) {
    PaymentRow(step.row);
    if (step.yearTotals) YearTotalsRow(*step.yearTotals);
}

void ScheduleWriter::ClosingRow(double totalPaid, double totalInterest) {
    const int row = grid_.Rows() - 1;
    grid_.SetRowKind(row, GridRowKind::Totals);
    grid_.SetTextMatrix(row, kColNumber, CurrentScheduleWords().totals);
    grid_.SetTextMatrix(row, kColPayment, Money(totalPaid));
    grid_.SetTextMatrix(row, kColInterest, Money(totalInterest));
}

std::string ScheduleWriter::Money(double amount) const {
    if (!std::isfinite(amount)) throw AmountOutOfRange();
    return money_.Format(amount);
}

std::string PaymentDateText(int month, int day, int year) {
    std::string text = month <= 9 ? "0" : "";
    text += std::to_string(month);
    text += '/';
    text += std::to_string(day);
    text += '/';
    const std::string yearDigits = std::to_string(year);
    text += yearDigits.substr(yearDigits.size() >= 2 ? yearDigits.size() - 2 : 0);
    return text;
}

}  // namespace quillmere
