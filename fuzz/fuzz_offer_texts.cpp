// Feeds arbitrary texts for the five boxes of a loan offer to the offer
// reader in several locales, works out every offer it reads, and checks
// what must hold for any text: no crash, hang or undefined behaviour; an
// offer or a message for every box that can't be read; a worked-out offer
// whose schedule ends at zero within 9,999 payments, with finite figures,
// or the reason it has none.
#include <QLocale>

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string_view>
#include <variant>

#include "fuzz/box_texts.h"
#include "money/offer_text_reader.h"
#include "schedule/loan_calculation.h"

namespace {

using namespace quillmere;

const OfferTextReader& Reader(std::uint8_t choice) {
    static const std::array<OfferTextReader, fuzz::kLocales.size()> readers = {
        OfferTextReader(QLocale(QString::fromLatin1(fuzz::kLocales[0]))),
        OfferTextReader(QLocale(QString::fromLatin1(fuzz::kLocales[1]))),
        OfferTextReader(QLocale(QString::fromLatin1(fuzz::kLocales[2]))),
        OfferTextReader(QLocale(QString::fromLatin1(fuzz::kLocales[3]))),
        OfferTextReader(QLocale(QString::fromLatin1(fuzz::kLocales[4])))};
    return readers[choice % readers.size()];
}

bool Finite(const OfferFigures& f) {
    return std::isfinite(f.payment) && std::isfinite(f.lastPayment) && std::isfinite(f.totalInterest) &&
           std::isfinite(f.totalPaid) && std::isfinite(f.horizonInterest) &&
           (!f.aprPercent || std::isfinite(*f.aprPercent)) &&
           (!f.effectivePercent || std::isfinite(*f.effectivePercent));
}

void CheckOffer(const OfferInputs& inputs, int horizon, int minorPerUnit) {
    const OfferOutcome outcome = WorkOutOffer(inputs, {31, 1, 2027}, horizon, minorPerUnit);
    const auto* offer = std::get_if<Offer>(&outcome);
    if (offer == nullptr) return;
    const OfferFigures& f = offer->figures;
    if (f.payments < 1 || f.payments > kMonthsCeiling) std::abort();
    if (offer->schedule.size() != static_cast<std::size_t>(f.payments)) std::abort();
    if (offer->schedule.back().balance != Currency()) std::abort();
    if (f.horizonPayments < 1 || f.horizonPayments > f.payments) std::abort();
    if (!Finite(f)) std::abort();
}

}  // namespace

// The input is a locale choice and the horizon in years, then the texts of
// the amount, months, rate, payment and fees boxes, separated by '\x1f'.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    constexpr std::size_t kHeader = 2;
    if (size < kHeader) return 0;
    const OfferTextReader& reader = Reader(data[0]);
    const int horizon = 1 + data[1] % 40;
    std::string_view rest(reinterpret_cast<const char*>(data + kHeader), size - kHeader);
    OfferTexts texts;
    texts.amount = fuzz::Take(rest);
    texts.months = fuzz::Take(rest);
    texts.rate = fuzz::Take(rest);
    texts.payment = fuzz::Take(rest);
    texts.fees = fuzz::Take(rest);

    const OfferReading reading = reader.Read(texts);
    if (reading.inputs.has_value() == !reading.messages.empty()) std::abort();
    for (const OfferMessage& message : reading.messages) {
        if (message.text.empty()) std::abort();
    }
    if (reading.inputs) CheckOffer(*reading.inputs, horizon, static_cast<int>(reader.Money().MinorPerUnit()));
    return 0;
}
