// Platform hooks that record what the windows ask for instead of doing it.
#pragma once

#include "platform_hooks.h"

#include <QDialog>
#include <QString>
#include <QStringList>
#include <QUrl>

#include <functional>

struct RecordingHooks {
    struct Message {
        QWidget* owner;
        QString text;
        QString title;
    };

    quillmere::PlatformHooks hooks;
    bool browserPresent = true;
    QStringList openedUrls;
    QList<Message> messages;
    int prints = 0;
    int exits = 0;
    std::function<void()> onPrint;
    // Runs while a dialog is "modal"; closes it before returning.
    std::function<void(QDialog&)> duringModal;

    RecordingHooks() {
        hooks.openUrl = [this](const QUrl& url) {
            openedUrls << url.toString();
            return browserPresent;
        };
        hooks.showInformation = [this](QWidget* owner, const QString& text, const QString& title) {
            messages.append({owner, text, title});
        };
        hooks.runModal = [this](QDialog& dialog) {
            dialog.show();
            if (duringModal) duringModal(dialog);
        };
        hooks.printSchedule = [this](QWidget*, const quillmere::ScheduleGrid&) {
            ++prints;
            if (onPrint) onPrint();
        };
        hooks.exitProgram = [this] { ++exits; };
    }
    RecordingHooks(const RecordingHooks&) = delete;
    RecordingHooks& operator=(const RecordingHooks&) = delete;
};
