// Platform hooks, and an About box, that record what the windows ask of
// them instead of doing it.
#pragma once

#include "tests/common/private_settings.h"
#include "ui/common/about_window.h"
#include "ui/common/platform_hooks.h"

#include <QDialog>
#include <QStringList>
#include <QUrl>

#include <functional>

struct RecordingHooks {
    quillmere::PlatformHooks hooks;
    bool browserPresent = true;
    QStringList openedUrls;
    QStringList messages;   // each information box as "title: text"
    QStringList warnings;   // each warning box, likewise
    QStringList questions;  // each yes/no question, likewise
    bool answerYes = true;  // the answer to every question
    int prints = 0;
    int previews = 0;
    QString saveAs;           // what the save dialog answers
    QStringList saveAnswers;  // or, while there are any, these in turn
    QString saveFilter;       // the filter it answers; the one chosen at first when empty
    QString saveFilters;      // the filters the last save dialog offered
    QString saveFirstFilter;  // and the one chosen at first
    QStringList saveAsked;    // each save dialog's suggested path
    QString openPath;         // what the open dialog answers
    QStringList openAsked;    // each open dialog's folder
    quillmere::PlatformHooks::SaveChoice saveChanges = quillmere::PlatformHooks::SaveChoice::Cancel;
    QStringList saveChangesAsked;  // each unsaved-changes question, as "title: text"
    int exits = 0;
    std::function<void()> onPrint;
    // Runs while a dialog is "modal"; closes it before returning.
    std::function<void(QDialog&)> duringModal;

    RecordingHooks() {
        hooks.openUrl = [this](const QUrl& url) {
            openedUrls << url.toString();
            return browserPresent;
        };
        hooks.showInformation = [this](QWidget*, const QString& text, const QString& title) {
            messages << title + QStringLiteral(": ") + text;
        };
        hooks.showWarning = [this](QWidget*, const QString& text, const QString& title) {
            warnings << title + QStringLiteral(": ") + text;
        };
        hooks.askYesNo = [this](QWidget*, const QString& text, const QString& title) {
            questions << title + QStringLiteral(": ") + text;
            return answerYes;
        };
        hooks.runModal = [this](QDialog& dialog) {
            dialog.show();
            if (duringModal) duringModal(dialog);
        };
        hooks.printSchedule = [this](QWidget*, const quillmere::ScheduleGrid&) {
            ++prints;
            if (onPrint) onPrint();
        };
        hooks.previewSchedule = [this](QWidget*, const quillmere::ScheduleGrid&) { ++previews; };
        hooks.chooseSaveFile = [this](QWidget*, const QString&, const QString& suggested, const QString& filters,
                                      QString* selectedFilter) {
            saveAsked << suggested;
            saveFilters = filters;
            saveFirstFilter = *selectedFilter;
            if (!saveFilter.isEmpty()) *selectedFilter = saveFilter;
            return saveAnswers.isEmpty() ? saveAs : saveAnswers.takeFirst();
        };
        hooks.chooseOpenFile = [this](QWidget*, const QString&, const QString& folder, const QString&) {
            openAsked << folder;
            return openPath;
        };
        hooks.askSaveChanges = [this](QWidget*, const QString& text, const QString& title) {
            saveChangesAsked << title + QStringLiteral(": ") + text;
            return saveChanges;
        };
        hooks.exitProgram = [this] { ++exits; };
    }
    RecordingHooks(const RecordingHooks&) = delete;
    RecordingHooks& operator=(const RecordingHooks&) = delete;
};

struct RecordingAbout : quillmere::AboutWindow {
    int shown = 0;
    std::function<void()> whileShown;
    void ShowModal(QWidget*) override {
        ++shown;
        if (whileShown) whileShown();
    }
    void SwitchTimerOff() override {}
};
