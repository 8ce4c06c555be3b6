// Feeds arbitrary bytes to the loan file reader and checks what must hold
// for any file: no crash, hang or undefined behaviour; a document or a
// reason; and a document read is one that is written back to the same
// bytes' meaning: read again, it is the same document.
#include <QByteArray>

#include <cstdint>
#include <cstdlib>
#include <variant>

#include "document/loan_document.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace quillmere;
    const auto read =
        ParseLoanFile(QByteArray::fromRawData(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size)));
    if (const auto* reason = std::get_if<QString>(&read)) {
        if (reason->isEmpty()) std::abort();
        return 0;
    }
    const LoanDocument& document = std::get<LoanDocument>(read);
    const auto again = ParseLoanFile(LoanFileBytes(document));
    if (!std::holds_alternative<LoanDocument>(again) || std::get<LoanDocument>(again) != document) std::abort();
    return 0;
}
