#include "ui/common/program_settings.h"

#include <QDir>
#include <QEvent>
#include <QFileInfo>
#include <QGuiApplication>
#include <QRect>
#include <QScreen>
#include <QWidget>

namespace quillmere {
namespace {

constexpr char kRecentKey[] = "recentLoans";

QString PlaceKey(const QWidget& window) { return QStringLiteral("windows/%1/geometry").arg(window.objectName()); }

// Keeps a window's place as it closes or hides.
class PlaceKeeper final : public QObject {
public:
    using QObject::QObject;

    bool eventFilter(QObject* watched, QEvent* event) override {
        auto* window = qobject_cast<QWidget*>(watched);
        if (window != nullptr && event->type() == QEvent::Hide && window->isWindow()) {
            ProgramSettings().setValue(PlaceKey(*window), window->geometry());
        }
        return false;
    }
};

bool OnSomeScreen(const QRect& place) {
    for (const QScreen* screen : QGuiApplication::screens()) {
        if (screen->availableGeometry().contains(place)) return true;
    }
    return false;
}

}  // namespace

QSettings ProgramSettings() {
    return QSettings(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("Quillmere"),
                     QStringLiteral("Loan Calculator"));
}

QString LastFolder(const QString& kind) {
    return ProgramSettings().value(QStringLiteral("folders/%1").arg(kind)).toString();
}

void RememberFolder(const QString& kind, const QString& folder) {
    QSettings settings = ProgramSettings();
    const QString key = QStringLiteral("folders/%1").arg(kind);
    if (folder.isEmpty()) {
        settings.remove(key);
    } else {
        settings.setValue(key, folder);
    }
}

QStringList RecentLoans::List() {
    QStringList list = ProgramSettings().value(QLatin1String(kRecentKey)).toStringList();
    list.removeAll(QString());
    return list.mid(0, kMostRecent);
}

void RecentLoans::Add(const QString& path) {
    const QString file = QFileInfo(path).absoluteFilePath();
    QStringList list = List();
    list.removeAll(file);
    list.prepend(file);
    ProgramSettings().setValue(QLatin1String(kRecentKey), list.mid(0, kMostRecent));
}

void RecentLoans::Remove(const QString& path) {
    QStringList list = List();
    list.removeAll(QFileInfo(path).absoluteFilePath());
    ProgramSettings().setValue(QLatin1String(kRecentKey), list);
}

void RecentLoans::Clear() { ProgramSettings().remove(QLatin1String(kRecentKey)); }

void KeepWindowPlace(QWidget& window) {
    const QRect place = ProgramSettings().value(PlaceKey(window)).toRect();
    if (place.isValid() && OnSomeScreen(place)) window.setGeometry(place);
    window.installEventFilter(new PlaceKeeper(&window));
}

}  // namespace quillmere
