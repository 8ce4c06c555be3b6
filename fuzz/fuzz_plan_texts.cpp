// Feeds arbitrary texts for the boxes of a plan of extra payments to the plan
// reader in several locales, runs every plan it reads against a loan, and
// checks what must hold for any text: no crash, hang or undefined behaviour;
// a plan or a message for every box that can't be read; amounts within
// bounds and read back exactly from the money text they are shown as; a
// schedule that ends at zero, or an empty grid when its amounts leave range.
#include <QLocale>

#include <array>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "fuzz/box_texts.h"
#include "money/plan_text_reader.h"
#include "schedule/loan_calculation.h"

namespace {

using namespace quillmere;

struct Reader {
    LocaleMoneyFormatter money;
    PlanTextReader reader;
    explicit Reader(const char* name)
        : money(QLocale(QString::fromLatin1(name))), reader(QLocale(QString::fromLatin1(name))) {}
};

const std::array<Reader, fuzz::kLocales.size()>& Readers() {
    static const std::array<Reader, fuzz::kLocales.size()> readers = {
        Reader(fuzz::kLocales[0]), Reader(fuzz::kLocales[1]), Reader(fuzz::kLocales[2]), Reader(fuzz::kLocales[3]),
        Reader(fuzz::kLocales[4])};
    return readers;
}

// Loans of up to this many months keep a run short; longer ones only repeat
// the same steps.
constexpr int kLongestLoan = 120;

// The input is a locale choice, the loan's months, the yearly month and the
// mode, then the texts separated by the unit separator '\x1f': the monthly
// extra, the starting payment, the yearly extra, and one-time payment numbers
// and amounts in pairs.
using fuzz::Take;

// Each amount read is one the money text of the locale gives back exactly.
void CheckAmount(const Reader& r, const std::string& text) {
    const auto reading = r.reader.Amount(text);
    if (reading.value.has_value() == !reading.message.empty()) std::abort();
    if (!reading.value) return;
    if (*reading.value < Currency() || *reading.value > Currency::FromDouble(kPrincipalCeiling)) std::abort();
    const auto again = r.reader.Amount(r.money.Format(*reading.value));
    if (again.value != reading.value) std::abort();
}

void CheckSchedule(const Reader& r, const ExtraPaymentPlan& plan, int months) {
    const LoanTerms loan{
        1000, static_cast<double>(months), Currency::FromDouble(12), LevelPayment(1000, months, 0.01), {15, 11, 2007}};
    ScheduleGrid grid;
    const auto summary = FillExtraPaymentSchedule(loan, plan, grid, r.money);
    if (!summary) {
        if (grid.Rows() != 2) std::abort();
        return;
    }
    if (summary->withExtras.payments < 1 || summary->withExtras.payments > months) std::abort();
    if (grid.RowKind(grid.Rows() - 1) != GridRowKind::Totals) std::abort();
    if (grid.TextMatrix(grid.Rows() - 3, kColBalance) != r.money.Format(0.0)) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    constexpr std::size_t kHeader = 3;
    if (size < kHeader) return 0;
    const Reader& r = Readers()[data[0] % Readers().size()];
    const int months = 1 + data[1] % kLongestLoan;
    PlanTexts texts;
    texts.yearlyMonth = 1 + (data[2] & 0x7F) % 12;
    texts.mode = (data[2] & 0x80) != 0 ? ExtraMode::LowerMyPayment : ExtraMode::PayOffSooner;
    std::string_view rest(reinterpret_cast<const char*>(data + kHeader), size - kHeader);
    texts.monthly = Take(rest);
    texts.startPayment = Take(rest);
    texts.yearly = Take(rest);
    while (!rest.empty()) {
        PlanTexts::OneTime row;
        row.payment = Take(rest);
        row.amount = Take(rest);
        texts.oneTime.push_back(row);
    }

    const PlanReading reading = r.reader.Plan(texts, months);
    if (reading.plan.has_value() == !reading.messages.empty()) std::abort();
    for (const PlanMessage& message : reading.messages) {
        if (message.text.empty()) std::abort();
    }
    CheckAmount(r, texts.monthly);
    CheckAmount(r, texts.yearly);
    for (const PlanTexts::OneTime& row : texts.oneTime) CheckAmount(r, row.amount);
    if (reading.plan) CheckSchedule(r, *reading.plan, months);
    return 0;
}
