// What the window tests share: a main window with recording hooks, shown in
// a locale of the test's choosing, and a loan calculated in it as a user
// would (typed into the boxes, then Calculate).
#pragma once

#include <QLocale>
#include <QTest>

#include <memory>
#include <optional>

#include "money/locale_money_formatter.h"
#include "tests/ui/recording_hooks.h"
#include "tests/ui/window_controls.h"
#include "ui/main/main_window.h"

class MainWindowTest : public QObject {
protected:
    // A new main window (the program run anew), its hooks kept.
    bool OpenWindow(const QLocale& locale = QLocale(QLocale::English, QLocale::UnitedStates)) {
        if (!recorder_) recorder_.emplace();
        c_.reset();
        w_ = std::make_unique<quillmere::frmMain>(recorder_->hooks,
                                                  std::make_unique<quillmere::LocaleMoneyFormatter>(locale));
        c_.emplace(*w_);
        w_->show();
        return QTest::qWaitForWindowExposed(w_.get());
    }
    void CloseWindow() {
        c_.reset();
        w_.reset();
        recorder_.reset();
    }
    void Calculate(const char* principal, const char* months, const char* rate) {
        c_->txtPrincipal->setText(QString::fromLatin1(principal));
        c_->txtMonths->setText(QString::fromLatin1(months));
        c_->txtRate->setText(QString::fromLatin1(rate));
        w_->cmdCalculate_Click();
    }

    std::optional<RecordingHooks> recorder_;
    std::unique_ptr<quillmere::frmMain> w_;
    std::optional<MainControls> c_;
};
