// Opening the maker's home page in the user's web browser.
#pragma once

#include <QCoreApplication>
#include <QString>

class QWidget;

namespace quillmere {

struct PlatformHooks;

// The maker's home page: a plain address, no path.
inline constexpr char kHomePageAddress[] = "https://www.quillmere.example";

inline constexpr char kNoBrowserText[] = QT_TRANSLATE_NOOP("WebAddress", "Cannot open link no default browser");
inline constexpr char kNoBrowserTitle[] = QT_TRANSLATE_NOOP("WebAddress", "No Default Application");

// Asks the desktop, through hooks.openUrl, to open `Address` on behalf of
// `Owner`. When no application can open it, shows the "no default browser"
// information box over `Owner` and waits until it is closed. Returns at once
// otherwise: the browser loads the page on its own.
void OpenWebAddress(QWidget* Owner, const QString& Address, const PlatformHooks& hooks);

}  // namespace quillmere
