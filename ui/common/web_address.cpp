#include "ui/common/web_address.h"

#include "ui/common/platform_hooks.h"

#include <QUrl>

namespace quillmere {

void OpenWebAddress(QWidget* Owner, const QString& Address, const PlatformHooks& hooks) {
    if (!hooks.openUrl(QUrl(Address))) {
        hooks.showInformation(Owner, QCoreApplication::translate("WebAddress", kNoBrowserText),
                              QCoreApplication::translate("WebAddress", kNoBrowserTitle));
    }
}

}  // namespace quillmere
