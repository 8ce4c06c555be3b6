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
// can arrive between two rows; ScheduleFill says what each command does then
// (About opens as usual, and the fill waits under it). Closing the window or
// File > Exit ends the program at once, unless a loan file is open and has
// changed since: then the user is asked to save it first.
//
// Beyond that, the window opens fitted to its screen; the grid's own menu
// copies the schedule for a spreadsheet (the selected cells, or all of it),
// saves it as a CSV file, previews its printed pages and shows its chart;
// every control tells a screen reader its name and what it is for, and each
// result is announced.
//
// The controls carry the names the program gives them as object names
// ("txtPrincipal", "gridOne", ...; the four links all "Links", told apart by
// their "Index" property), by which tests find them. Everything that leaves
// the window (message boxes, the browser, the print dialog, ending the
// program) goes through the PlatformHooks it is given.
#pragma once

#include <QColor>
#include <QMainWindow>

#include <array>
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "document/loan_document.h"
#include "export/schedule_workbook.h"
#include "schedule/amortization.h"
#include "schedule/schedule_grid.h"
#include "ui/compare/loan_source.h"
#include "ui/main/schedule_fill.h"

class QAction;
class QGroupBox;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class QTimer;

namespace quillmere {

class AboutWindow;
class AutoResize;
class LinkLabel;
class CompareLoansWindow;
class DocumentTexts;
class ExtraPaymentsWindow;
class LoanChart;
class LocaleMoneyFormatter;
class MonthCalendar;
class ResultAnnouncer;
class ScheduleGridMenu;
class ScheduleGridView;
class ScheduleTableModel;
struct PlanTexts;
struct PlatformHooks;

class frmMain final : public QMainWindow, private FillTarget, private LoanSource {
    Q_OBJECT

public:
    static constexpr char kTitle[] = QT_TR_NOOP("Quillmere Loan Calculator");

    // Builds the window and runs Form_Load. Money text comes from the
    // user's locale, or from `money`. `hooks` must outlive the window.
    explicit frmMain(PlatformHooks& hooks, QWidget* parent = nullptr);
    frmMain(PlatformHooks& hooks, std::unique_ptr<const LocaleMoneyFormatter> money, QWidget* parent = nullptr);
    ~frmMain() override;

    frmMain(const frmMain&) = delete;
    frmMain& operator=(const frmMain&) = delete;

    // The window shown by Help > About; not owned. Without one, About does
    // nothing.
    void SetAboutWindow(AboutWindow* about) { about_ = about; }

    // Opens the loan file at `path` (the File menu, Open Recent, the command
    // line): everything in it goes back on screen, or a warning says why it
    // can't, and nothing changes. The file open already only comes forward.
    bool OpenLoan(const QString& path);
    // The file the loan was opened from or saved to last; empty for none.
    [[nodiscard]] const QString& LoanPath() const { return loanPath_; }
    // What a loan file of the windows holds now.
    [[nodiscard]] LoanDocument CurrentDocument() const;
    // Whether a loan file is open and what it holds has changed since.
    [[nodiscard]] bool HasUnsavedChanges() const;

    // The schedule the grid shows, as the printed report reads it.
    [[nodiscard]] const ScheduleGrid& GridStore() const { return grid_; }

    // Event handlers, one per control and event.
    void cmdCalculate_Click();
    void cmdClear_Click();
    void cmdPrint_Click();
    void mnuOpen_Click();
    void mnuSave_Click();
    void mnuSaveAs_Click();
    void mnuExit_Click();
    void mnuAbout_Click();
    void tmrColor_Timer();
    void Links_Click(qint16 Index);
    void Links_MouseMove(qint16 Index, Qt::MouseButtons Button, Qt::KeyboardModifiers Shift, int X, int Y);

    // The pointer shape over the link labels: the hand (true) or the arrow.
    void SetHandCur(bool Hand);

signals:
    // The loan file open is now `path` (opened, or saved under a new name).
    void LoanPathChanged(const QString& path);

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    // The two colours the calendar's caption flashes between, red first.
    static const QColor kCaptionRed;
    static const QColor kCaptionYellow;

    // Building the window (main_window_build.cpp).
    void BuildLoanFrame();
    void BuildLeftColumn();
    void BuildGrid();
    void BuildLinks();
    void BuildMenus();
    // Loan files (main_window_files.cpp).
    void BuildFileMenu();
    void FillRecentMenu();
    void ApplyDocument(const LoanDocument& document);
    [[nodiscard]] LoanDocument::Comparison ComparisonDocument(const DocumentTexts& texts) const;
    [[nodiscard]] static PlanTexts PlanTextsOf(const LoanDocument::ExtraPayments& plan, const DocumentTexts& texts);
    void RestoreComparison(const LoanDocument::Comparison& comparison, const DocumentTexts& texts);
    bool WriteLoan(const QString& path, const QString& title);
    // Asks about unsaved changes: false when the user cancels, or saving fails.
    bool MaybeSaveChanges();
    void SetTabOrder();
    void GiveMenuShortcutsPrecedence();
    void DescribeControls();
    void PlaceResizeControl();

    void Form_Load();
    void Form_Unload();
    void ResetGrid();
    // The grid's own menu (right click, the Menu key, Shift+F10), whose
    // entries' shortcuts work while the grid has the focus.
    void BuildGridMenu();
    // Runs a grid menu's entry now, or once the schedule being written is
    // complete.
    [[nodiscard]] std::function<void(const std::string&, std::function<void()>)> AfterFillGate();
    // Show Chart...: the chart window, which follows the grid from then on.
    void ShowChart();
    void UpdateChart();
    // Extra Payments... (Ctrl+E): the window that runs a plan of extra
    // payments against the last calculated loan, and follows it from then on.
    void ShowExtraPayments();
    // Compare Loans... (Ctrl+L): offers side by side, the first one the last
    // calculated loan.
    void ShowCompareLoans();
    void EndProgram();
    void AnnounceResult();

    // FillTarget: the fill's side of the window.
    void Calculate() override;
    void HoldRows(bool hold) override;
    void ShowHeldRows() override;
    void DispatchEvents() override;
    void Print() override;

    // LoanSource: what the Compare Loans window asks of this one.
    [[nodiscard]] std::optional<LoanTerms> CompletedLoan() const override { return lastLoan_; }
    [[nodiscard]] QDate FirstPaymentDate() const override;
    void CalculateLoan(double amount, int months, Currency annualRate) override;
    // The window as the loan calculation sees it.
    class CalculationView;

    // The window's controls, by the names the program gives them.
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
    QAction* mnuOpen = nullptr;
    QMenu* mnuRecent = nullptr;
    QAction* mnuSave = nullptr;
    QAction* mnuSaveAs = nullptr;
    QAction* mnuExit = nullptr;
    QMenu* mnuHelp = nullptr;
    QAction* mnuAbout = nullptr;
    // Keeps every control above in proportion when the window is resized.
    AutoResize* Resize = nullptr;

    PlatformHooks& hooks_;
    std::unique_ptr<const LocaleMoneyFormatter> money_;
    AboutWindow* about_ = nullptr;
    ScheduleGrid grid_;
    WorkbookLoan loanTerms_;  // of the schedule in the grid
    ScheduleTableModel* gridModel_ = nullptr;
    ResultAnnouncer* announcer_ = nullptr;  // tells a screen reader each result
    ScheduleGridMenu* gridMenu_ = nullptr;
    LoanChart* chart_ = nullptr;             // made on first showing
    ExtraPaymentsWindow* extras_ = nullptr;  // made on first showing
    CompareLoansWindow* compare_ = nullptr;  // made on first showing
    std::optional<LoanTerms> lastLoan_;      // of the last completed calculation
    ScheduleFill fill_{*this};
    QString loanPath_;                         // the loan file open, if any
    LoanDocument savedDocument_;               // as that file holds it, windows left out
    LoanDocument::ExtraPayments keptPlan_;     // for an Extra Payments window not made yet
    LoanDocument::Comparison keptComparison_;  // for a Compare Loans window not made yet
    bool placed_ = false;                      // fitted to its screen on the first show
};

}  // namespace quillmere
