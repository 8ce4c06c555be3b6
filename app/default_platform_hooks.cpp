#include "app/default_platform_hooks.h"

#include <QApplication>
#include <QDesktopServices>
#include <QDialog>
#include <QFileDialog>
#include <QMessageBox>
#include <QPointer>
#include <QUrl>
#include <QWidget>

#include <cstdlib>

#include "printing/print_schedule.h"

namespace quillmere {
namespace {

void ShowInformationBox(QWidget* owner, const QString& text, const QString& title) {
    QMessageBox box(QMessageBox::Information, title, text, QMessageBox::Ok, owner);
    box.exec();
}

void ShowWarningBox(QWidget* owner, const QString& text, const QString& title) {
    QMessageBox box(QMessageBox::Warning, title, text, QMessageBox::Ok, owner);
    box.exec();
}

bool AskYesNo(QWidget* owner, const QString& text, const QString& title) {
    QMessageBox box(QMessageBox::Warning, title, text, QMessageBox::Yes | QMessageBox::No, owner);
    box.setDefaultButton(QMessageBox::No);
    return box.exec() == QMessageBox::Yes;
}

PlatformHooks::SaveChoice AskSaveChanges(QWidget* owner, const QString& text, const QString& title) {
    QMessageBox box(QMessageBox::Warning, title, text, QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel,
                    owner);
    box.setDefaultButton(QMessageBox::Cancel);
    switch (box.exec()) {
        case QMessageBox::Save:
            return PlatformHooks::SaveChoice::Save;
        case QMessageBox::Discard:
            return PlatformHooks::SaveChoice::Discard;
        default:
            return PlatformHooks::SaveChoice::Cancel;
    }
}

void PrintSchedule(QWidget* owner, const ScheduleGrid& grid) {
    // A cancel ends silently; a failure is told in a warning box.
    static_cast<void>(PrintScheduleWithDialog(owner, grid));
}

// Once the program is ending, no event that could run one of its handlers
// reaches any object: no input, no timer tick, no queued call, no close.
class ExitGate final : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* /*watched*/, QEvent* event) override {
        switch (event->type()) {
            case QEvent::Timer:
            case QEvent::MetaCall:
            case QEvent::Close:
            case QEvent::Shortcut:
            case QEvent::ShortcutOverride:
            case QEvent::KeyPress:
            case QEvent::KeyRelease:
            case QEvent::MouseButtonPress:
            case QEvent::MouseButtonRelease:
            case QEvent::MouseButtonDblClick:
            case QEvent::MouseMove:
            case QEvent::Wheel:
            case QEvent::Enter:
            case QEvent::Leave:
            case QEvent::HoverEnter:
            case QEvent::HoverLeave:
            case QEvent::HoverMove:
            case QEvent::TouchBegin:
            case QEvent::TouchUpdate:
            case QEvent::TouchEnd:
            case QEvent::ContextMenu:
                return true;
            default:
                return false;
        }
    }
};

}  // namespace

void LeaveProgram() {
    auto* app = QCoreApplication::instance();
    if (app == nullptr) return;
    static QPointer<ExitGate> gate;
    if (gate == nullptr) {
        gate = new ExitGate(app);  // goes with the application
        app->installEventFilter(gate);
    }
    for (QWidget* window : QApplication::topLevelWidgets()) window->hide();
    QCoreApplication::exit(EXIT_SUCCESS);
}

PlatformHooks DefaultPlatformHooks() {
    PlatformHooks hooks;
    hooks.openUrl = [](const QUrl& url) { return QDesktopServices::openUrl(url); };
    hooks.showInformation = ShowInformationBox;
    hooks.showWarning = ShowWarningBox;
    hooks.askYesNo = AskYesNo;
    hooks.runModal = [](QDialog& dialog) { dialog.exec(); };
    hooks.printSchedule = PrintSchedule;
    hooks.previewSchedule = PreviewScheduleWithDialog;
    hooks.chooseSaveFile = [](QWidget* owner, const QString& title, const QString& suggested, const QString& filters,
                              QString* selectedFilter) {
        return QFileDialog::getSaveFileName(owner, title, suggested, filters, selectedFilter);
    };
    hooks.chooseOpenFile = [](QWidget* owner, const QString& title, const QString& folder, const QString& filters) {
        return QFileDialog::getOpenFileName(owner, title, folder, filters);
    };
    hooks.askSaveChanges = AskSaveChanges;
    hooks.exitProgram = LeaveProgram;
    return hooks;
}

}  // namespace quillmere
