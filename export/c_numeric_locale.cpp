#include "export/c_numeric_locale.h"

namespace quillmere {

CNumericLocale::CNumericLocale() {
    // A copy of the thread's current locale with only LC_NUMERIC replaced, so
    // text (LC_CTYPE) and messages keep the user's.
    const locale_t current = uselocale(nullptr);
    const locale_t base = duplocale(current);
    if (base == nullptr) return;
    own_ = newlocale(LC_NUMERIC_MASK, "C", base);
    if (own_ == nullptr) {
        freelocale(base);  // newlocale leaves its base alone when it fails
        return;
    }
    previous_ = uselocale(own_);
}

CNumericLocale::~CNumericLocale() {
    if (own_ == nullptr) return;
    uselocale(previous_);
    freelocale(own_);
}

}  // namespace quillmere
