// The controls of the program's windows, found by the names the program
// gives them, as a screen reader or another tool would find them.
#pragma once

#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTimer>

#include <algorithm>
#include <array>

#include "ui/common/link_label.h"
#include "ui/grid/schedule_grid_view.h"
#include "ui/main/month_calendar.h"

// `window`'s control named `name`; the test stops when there is none.
template <typename T = QWidget>
T* Control(const QObject& window, const char* name) {
    T* control = window.findChild<T*>(QString::fromLatin1(name));
    if (control == nullptr) qFatal("no control named %s", name);
    return control;
}

// The main window's controls.
struct MainControls {
    explicit MainControls(const QObject& window)
        : client(Control(window, "client")),
          fraLoan(Control<QGroupBox>(window, "fraLoan")),
          txtPrincipal(Control<QLineEdit>(window, "txtPrincipal")),
          lblPrincipal(Control<QLabel>(window, "lblPrincipal")),
          txtMonths(Control<QLineEdit>(window, "txtMonths")),
          lblMonths(Control<QLabel>(window, "lblMonths")),
          txtRate(Control<QLineEdit>(window, "txtRate")),
          lblRate(Control<QLabel>(window, "lblRate")),
          cmdCalculate(Control<QPushButton>(window, "cmdCalculate")),
          cmdPrint(Control<QPushButton>(window, "cmdPrint")),
          txtPayment(Control<QLineEdit>(window, "txtPayment")),
          lblPayment(Control<QLabel>(window, "lblPayment")),
          cmdClear(Control<QPushButton>(window, "cmdClear")),
          gridOne(Control<quillmere::ScheduleGridView>(window, "gridOne")),
          lblCalendar(Control<QLabel>(window, "lblCalendar")),
          calCalendar(Control<quillmere::MonthCalendar>(window, "calCalendar")),
          tmrColor(Control<QTimer>(window, "tmrColor")),
          mnuFile(Control<QMenu>(window, "mnuFile")),
          mnuExit(Control<QAction>(window, "mnuExit")),
          mnuHelp(Control<QMenu>(window, "mnuHelp")),
          mnuAbout(Control<QAction>(window, "mnuAbout")) {
        // The array shares one name; each knows its index.
        for (auto* link : window.findChildren<quillmere::LinkLabel*>(QStringLiteral("Links"))) {
            Links.at(static_cast<std::size_t>(link->Index())) = link;
        }
        if (std::ranges::count(Links, nullptr) > 0) qFatal("a link is missing");
    }

    QWidget* client;
    QGroupBox* fraLoan;
    QLineEdit* txtPrincipal;
    QLabel* lblPrincipal;
    QLineEdit* txtMonths;
    QLabel* lblMonths;
    QLineEdit* txtRate;
    QLabel* lblRate;
    QPushButton* cmdCalculate;
    QPushButton* cmdPrint;
    QLineEdit* txtPayment;
    QLabel* lblPayment;
    QPushButton* cmdClear;
    quillmere::ScheduleGridView* gridOne;
    QLabel* lblCalendar;
    quillmere::MonthCalendar* calCalendar;
    std::array<quillmere::LinkLabel*, 4> Links{};
    QTimer* tmrColor;
    QMenu* mnuFile;
    QAction* mnuExit;
    QMenu* mnuHelp;
    QAction* mnuAbout;
};
