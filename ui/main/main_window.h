// frmMain: the loan calculator's working window.
//
// The three loan inputs, the calendar for the first payment date, the
// payment box, the Calculate / Print / Clear buttons, the schedule grid, the
// four links to the maker's home page and the File and Help menus, placed
// absolutely from twips. The window runs the loan calculation against its
// own boxes, calendar and grid store, and shows the store through a
// ScheduleTableModel.
//
// A long schedule is written while window events keep flowing, so a click
// can arrive between two rows. Then:
//  - Calculate stops the running fill and, once it has unwound, calculates
//    afresh from the boxes as they are (calculations never nest);
//  - Clear clears at once and the running fill stops;
//  - Print waits until the fill has ended, then prints;
//  - About opens as usual; the fill waits under it;
//  - closing the window or File > Exit ends the program at once.
// So the grid always holds one schedule, or the empty grid, never a mix.
//
// Beyond that, Ctrl+C in the grid copies the schedule for a spreadsheet
// (the selected cells, or all of it), and every control tells a screen
// reader its name and what it is for.
//
// Everything that leaves the window (message boxes, the browser, the print
// dialog, ending the program) goes through the PlatformHooks it is given.
#pragma once

#include "schedule/schedule_grid.h"

#include <QElapsedTimer>
#include <QMainWindow>

#include <array>
#include <memory>

class QAction;
class QCalendarWidget;
class QGroupBox;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class QTableView;
class QTimer;

namespace quillmere {

class AboutWindow;
class AutoResize;
class LinkLabel;
class MoneyFormatter;
class MonthCalendar;
class ScheduleGridView;
class ScheduleTableModel;
struct PlatformHooks;

class frmMain final : public QMainWindow {
    Q_OBJECT

public:
    static constexpr char kTitle[] = "Quillmere Loan Calculator";
    // How long new rows may wait before the grid shows them during a fill.
    static constexpr int kGridRefreshMs = 16;

    // Builds the window and runs Form_Load. Money text comes from the
    // user's locale, or from `money`. `hooks` must outlive the window.
    explicit frmMain(PlatformHooks& hooks, QWidget* parent = nullptr);
    frmMain(PlatformHooks& hooks, std::unique_ptr<const MoneyFormatter> money, QWidget* parent = nullptr);
    ~frmMain() override;

    frmMain(const frmMain&) = delete;
    frmMain& operator=(const frmMain&) = delete;

    // The window shown by Help > About; not owned. Without one, About does
    // nothing.
    void SetAboutWindow(AboutWindow* about) { about_ = about; }

    // The schedule the grid shows, as the printed report reads it.
    [[nodiscard]] const ScheduleGrid& GridStore() const { return grid_; }

    // Event handlers, one per control and event.
    void cmdCalculate_Click();
    void cmdClear_Click();
    void cmdPrint_Click();
    void mnuExit_Click();
    void mnuAbout_Click();
    void tmrColor_Timer();
    void Links_Click(qint16 Index);
    void Links_MouseMove(qint16 Index, Qt::MouseButtons Button, Qt::KeyboardModifiers Shift, int X, int Y);

    // The pointer shape over the link labels: the hand (true) or the arrow.
    void SetHandCur(bool Hand);

    // The window's controls, by the names the rest of the program uses.
    QWidget* client = nullptr;  // the client area below the menu bar
    QGroupBox* fraLoan = nullptr;
    QLineEdit* txtPrincipal = nullptr;
    QLabel* lblPrincipal = nullptr;
    QLineEdit* txtMonths = nullptr;
    QLabel* lblMonths = nullptr;
    QLineEdit* txtRate = nullptr;
    QLabel* lblRate = nullptr;
    QPushButton* cmdCalculate = nullptr;
    QPushButton* cmdPrint = nullptr;
    QLineEdit* txtPayment = nullptr;
    QLabel* lblPayment = nullptr;
    QPushButton* cmdClear = nullptr;
    ScheduleGridView* gridOne = nullptr;
    QLabel* lblCalendar = nullptr;
    MonthCalendar* calCalendar = nullptr;
    std::array<LinkLabel*, 4> Links{};
    QTimer* tmrColor = nullptr;
    QMenu* mnuFile = nullptr;
    QAction* mnuExit = nullptr;
    QMenu* mnuHelp = nullptr;
    QAction* mnuAbout = nullptr;
    // Keeps every control above in proportion when the window is resized.
    AutoResize* Resize = nullptr;

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    // What a running fill has been asked to do by clicks that arrived
    // between its rows.
    struct Fill {
        bool running = false;
        bool stop = false;            // the window took the grid over
        bool calculateAgain = false;  // a Calculate is waiting for the fill to unwind
        bool printAfter = false;      // a Print is waiting for the fill to end
    };

    void BuildLoanFrame();
    void BuildLeftColumn();
    void BuildGrid();
    void BuildLinks();
    void BuildMenus();
    void SetTabOrder();
    void GiveMenuShortcutsPrecedence();
    void DescribeControls();
    void PlaceResizeControl();

    void Form_Load();
    void Form_Unload();
    void ResetGrid();
    // Ctrl+C in the grid: the selected cells, or the whole schedule when
    // none is selected, as tab-separated text with the column headers.
    void CopySchedule();
    void RunCalculations();
    void EndProgram();

    // Between two rows of a fill: shows the rows written since the last
    // refresh (at most every kGridRefreshMs), lets pending events through
    // once, and tells whether the fill may go on.
    bool DispatchPendingEvents();

    // The window as the loan calculation sees it.
    class CalculationView;

    PlatformHooks& hooks_;
    std::unique_ptr<const MoneyFormatter> money_;
    AboutWindow* about_ = nullptr;
    ScheduleGrid grid_;
    ScheduleTableModel* gridModel_ = nullptr;
    Fill fill_;
    bool ending_ = false;
    bool placed_ = false;  // fitted to its screen on the first show
    QElapsedTimer sinceGridRefresh_;
};

}  // namespace quillmere
