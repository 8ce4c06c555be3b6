#include "ui/main/main_window.h"

#include "ui/common/schedule_language.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QDate>
#include <QGuiApplication>
#include <QLineEdit>
#include <QMenuBar>
#include <QScreen>
#include <QTimer>

#include "autoresize/twips.h"
#include "money/locale_money_formatter.h"
#include "schedule/leading_number.h"
#include "schedule/loan_calculation.h"
#include "ui/chart/loan_chart.h"
#include "ui/common/about_window.h"
#include "ui/common/link_label.h"
#include "ui/common/platform_hooks.h"
#include "ui/common/result_announcer.h"
#include "ui/common/web_address.h"
#include "ui/common/window_look.h"
#include "ui/common/window_placement.h"
#include "ui/compare/compare_loans_window.h"
#include "ui/extra/extra_payments_window.h"
#include "ui/extra/extra_plan_form.h"
#include "ui/grid/schedule_grid_menu.h"
#include "ui/grid/schedule_grid_view.h"
#include "ui/grid/schedule_table_model.h"
#include "ui/main/document_texts.h"
#include "ui/main/month_calendar.h"

namespace quillmere {
namespace {

constexpr int kClientWidthTwips = 11580;
constexpr int kClientHeightTwips = 7890;

const std::array<QString, 4> kLinkAddresses = {QString(kHomePageAddress), QString(kHomePageAddress),
                                               QString(kHomePageAddress), QString(kHomePageAddress)};

}  // namespace

const QColor frmMain::kCaptionRed(255, 0, 0);
const QColor frmMain::kCaptionYellow(255, 255, 0);

// The boxes, calendar, message box and grid store of the window, behind the
// interface the loan calculation is written against.
class frmMain::CalculationView final : public LoanWindow {
public:
    explicit CalculationView(frmMain& window) : window_(window) {}

    [[nodiscard]] std::string Text(LoanBox box) const override {
        std::string text = Box(box).text().toStdString();
        lastTexts_[static_cast<std::size_t>(box)] = text;
        return text;
    }
    // A box whose text stays the same is left alone: setting it again would
    // move its cursor, drop its undo history and make a screen reader echo it.
    void SetText(LoanBox box, std::string text) override {
        const QString newText = QString::fromStdString(text);
        if (Box(box).text() != newText) Box(box).setText(newText);
        lastTexts_[static_cast<std::size_t>(box)] = std::move(text);
    }

    [[nodiscard]] CalendarDate SelectedDate() const override {
        const QDate date = window_.calCalendar->selectedDate();
        firstPaymentYear_ = date.year();
        return {date.day(), date.month(), date.year()};
    }

    // The loan as the calculation used it: each box's text as it last read or
    // wrote it (the user may type on while a long schedule fills), the
    // calendar's year as it read it.
    [[nodiscard]] WorkbookLoan Terms() const {
        return {LeadingNumberValue(lastTexts_[static_cast<std::size_t>(LoanBox::Principal)]),
                LeadingNumberValue(lastTexts_[static_cast<std::size_t>(LoanBox::Rate)]), firstPaymentYear_};
    }

    void ShowInformation(std::string_view text, std::string_view title) override {
        window_.hooks_.showInformation(&window_, TranslatedCalculationText(text), TranslatedCalculationText(title));
    }

    // Before the first row the loan's terms are known: from then on a save or
    // a copy (the fill lets the user act between rows) reads this loan's.
    bool DispatchPendingEvents() override {
        if (!termsPublished_) window_.loanTerms_ = Terms();
        termsPublished_ = true;
        return window_.fill_.BetweenRows();
    }
    ScheduleGrid& Grid() override { return window_.grid_; }
    void LoanCalculated(const LoanTerms& loan) override { window_.lastLoan_ = loan; }

private:
    [[nodiscard]] QLineEdit& Box(LoanBox box) const {
        switch (box) {
            case LoanBox::Principal:
                return *window_.txtPrincipal;
            case LoanBox::Months:
                return *window_.txtMonths;
            case LoanBox::Rate:
                return *window_.txtRate;
            case LoanBox::Payment:
                break;
        }
        return *window_.txtPayment;
    }

    frmMain& window_;
    mutable std::array<std::string, 4> lastTexts_;
    mutable int firstPaymentYear_ = 0;
    bool termsPublished_ = false;
};

frmMain::frmMain(PlatformHooks& hooks, QWidget* parent)
    : frmMain(hooks, std::make_unique<LocaleMoneyFormatter>(), parent) {}

frmMain::frmMain(PlatformHooks& hooks, std::unique_ptr<const LocaleMoneyFormatter> money, QWidget* parent)
    : QMainWindow(parent), hooks_(hooks), money_(std::move(money)) {
    if (!money_) money_ = std::make_unique<LocaleMoneyFormatter>();
    setObjectName(QStringLiteral("frmMain"));
    setWindowTitle(tr(kTitle));
    setWindowIcon(ProgramIcon());

    client = new QWidget(this);
    client->setObjectName(QStringLiteral("client"));
    client->setFont(WindowFont(QStringLiteral("Verdana"), 8.25));
    setCentralWidget(client);

    BuildLoanFrame();
    BuildLeftColumn();
    BuildGrid();
    BuildLinks();
    BuildMenus();
    SetTabOrder();
    GiveMenuShortcutsPrecedence();
    DescribeControls();

    tmrColor = new QTimer(this);
    tmrColor->setObjectName(QStringLiteral("tmrColor"));
    tmrColor->setInterval(1000);
    connect(tmrColor, &QTimer::timeout, this, &frmMain::tmrColor_Timer);
    tmrColor->start();

    PlaceResizeControl();
    // The design size; the first show fits it to the screen.
    resize(TwipsSize(kClientWidthTwips, kClientHeightTwips) + QSize(0, menuBar()->sizeHint().height()));

    announcer_ = new ResultAnnouncer(this);
    Form_Load();
    txtPrincipal->setFocus();
}

frmMain::~frmMain() {
    // The tool windows go while the money formatter they show with is here.
    delete compare_;
    delete extras_;
    delete chart_;
    // The model stops observing the grid before the grid goes.
    delete gridOne;
    delete gridModel_;
}

void frmMain::Form_Load() {
    ResetGrid();
    // One reading of the date: three separate readings could straddle
    // midnight and select a day a month or a year away from today.
    calCalendar->setSelectedDate(QDate::currentDate());
}

void frmMain::Form_Unload() { EndProgram(); }

// The layout control records the design layout as the window is shown; only
// then may the window take the size that fits its screen, which the control
// scales everything to. The window isn't on screen yet, so it appears there
// at that size.
void frmMain::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (placed_) return;
    placed_ = true;
    const QScreen* screen = this->screen();
    if (screen == nullptr) return;
    const QMargins frame = WindowFrameMargins(*this);
    const QRect outer =
        FittedWindowRect(screen->availableGeometry(), client->size(), height() - client->height(), frame);
    // The geometry of the inside: the frame is drawn around it.
    setGeometry(outer.marginsRemoved(frame));
}

void frmMain::closeEvent(QCloseEvent* event) {
    if (!MaybeSaveChanges()) return event->ignore();
    Form_Unload();
    event->accept();
}

void frmMain::ResetGrid() { quillmere::ResetGrid(grid_); }

void frmMain::cmdCalculate_Click() { fill_.Calculate(); }

// The extra payments wait while the schedule is written, then follow the
// loan it was written for (or none, when the calculation didn't complete).
void frmMain::Calculate() {
    lastLoan_.reset();
    if (extras_ != nullptr) extras_->WaitForSchedule();
    CalculationView view(*this);
    if (CalculateSchedule(view, *money_) == CalculationOutcome::Completed) AnnounceResult();
    if (extras_ != nullptr) extras_->SetLoan(lastLoan_);
}

// "Monthly payment $340.02, 3 payments": heard at once, wherever the focus is.
void frmMain::AnnounceResult() {
    int payments = 0;
    for (int row = grid_.Rows() - 1; row > 0 && payments == 0; --row) {
        payments = QString::fromStdString(grid_.TextMatrix(row, kColNumber)).toInt();
    }
    announcer_->Announce(tr("Monthly payment %1, %n payment(s)", nullptr, payments).arg(txtPayment->text()));
}

void frmMain::HoldRows(bool hold) {
    gridModel_->HoldBack(hold);
    if (hold) return;
    gridOne->FitColumns();
    UpdateChart();
}

void frmMain::ShowHeldRows() { gridModel_->Flush(); }

void frmMain::DispatchEvents() { QCoreApplication::processEvents(); }

void frmMain::cmdClear_Click() {
    txtPrincipal->setText(QString());
    txtMonths->setText(QString());
    txtRate->setText(QString());
    txtPayment->setText(QString());
    txtPrincipal->setFocus();
    ResetGrid();
    fill_.Clear();
    UpdateChart();
    lastLoan_.reset();
    if (extras_ != nullptr) extras_->SetLoan(std::nullopt);
}

void frmMain::cmdPrint_Click() { fill_.Print(); }

void frmMain::ShowChart() {
    if (chart_ == nullptr) chart_ = new LoanChart(*money_, this);
    chart_->show();
    UpdateChart();
    chart_->raise();
    chart_->activateWindow();
}

ScheduleGridMenu::Gate frmMain::AfterFillGate() {
    return [this](const std::string& name, std::function<void()> action) { fill_.AfterFill(name, std::move(action)); };
}

void frmMain::ShowExtraPayments() {
    if (extras_ == nullptr) {
        extras_ = new ExtraPaymentsWindow(*money_, hooks_, this);
        // Its schedule follows this one: while this one is written, it
        // waits, and a window closed meanwhile (its schedule no longer
        // brought up to date) is left alone.
        extras_->GridMenu().SetGate([this](const std::string& name, std::function<void()> action) {
            fill_.AfterFill(name, [this, action = std::move(action)] {
                if (extras_ != nullptr && extras_->isVisible()) action();
            });
        });
        extras_->Plan().SetTexts(PlanTextsOf(keptPlan_, DocumentTexts(*money_)));
        // Opened from this grid's menu, which waits for a running fill.
        extras_->SetLoan(lastLoan_);
    }
    extras_->show();
    extras_->raise();
    extras_->activateWindow();
}

void frmMain::ShowCompareLoans() {
    if (compare_ == nullptr) {
        compare_ = new CompareLoansWindow(*money_, hooks_, *this, this);
        const DocumentTexts texts(*money_);
        RestoreComparison(keptComparison_, texts);
        // Offers made up from the loan, for a file that had none, are no
        // change the user made.
        if (keptComparison_.offers.empty() && !loanPath_.isEmpty() && savedDocument_.comparison.offers.empty()) {
            savedDocument_.comparison = ComparisonDocument(texts);
            savedDocument_.comparison.windowOpen = false;
        }
    }
    compare_->show();
    compare_->raise();
    compare_->activateWindow();
}

QDate frmMain::FirstPaymentDate() const { return calCalendar->selectedDate(); }

// The boxes read a period as the decimal point in every locale, and no
// grouping: the terms go in as plain numbers, rounded to the characters the
// box holds (a rate of 12.5041 % goes in as 12.50, never cut to 12.50 by
// accident of its length).
void frmMain::CalculateLoan(double amount, int months, Currency annualRate) {
    const auto fitted = [](double value, const QLineEdit& box, int decimals) {
        QString text;
        for (int places = decimals; places >= 0; --places) {
            text = QString::number(value, 'f', places);
            if (text.size() <= box.maxLength()) break;
        }
        if (text.contains(QLatin1Char('.'))) {
            while (text.endsWith(QLatin1Char('0'))) text.chop(1);
            if (text.endsWith(QLatin1Char('.'))) text.chop(1);
        }
        return text;
    };
    txtPrincipal->setText(fitted(amount, *txtPrincipal, money_->Decimals()));
    txtMonths->setText(QString::number(months));
    txtRate->setText(fitted(annualRate.ToDouble(), *txtRate, 4));
    cmdCalculate_Click();
}

// A closed chart is brought up to date when it is shown again.
void frmMain::UpdateChart() {
    if (chart_ == nullptr || chart_->isHidden()) return;
    chart_->Show(ReadChartData(grid_, *money_, txtPayment->text(), calCalendar->selectedDate().year()));
}

void frmMain::Print() { hooks_.printSchedule(this, grid_); }

void frmMain::mnuExit_Click() {
    if (MaybeSaveChanges()) EndProgram();
}

void frmMain::EndProgram() {
    fill_.End();
    hooks_.exitProgram();
}

void frmMain::mnuAbout_Click() {
    if (about_ == nullptr) return;
    about_->ShowModal(this);
    about_->SwitchTimerOff();
}

void frmMain::tmrColor_Timer() {
    SetTextColour(*lblCalendar, TextColour(*lblCalendar) == kCaptionYellow ? kCaptionRed : kCaptionYellow);
}

void frmMain::Links_Click(qint16 Index) {
    OpenWebAddress(this, kLinkAddresses.at(static_cast<std::size_t>(Index)), hooks_);
}

void frmMain::Links_MouseMove(qint16 /*Index*/, Qt::MouseButtons /*Button*/, Qt::KeyboardModifiers /*Shift*/, int /*X*/,
                              int /*Y*/) {
    SetHandCur(true);
}

void frmMain::SetHandCur(bool Hand) {
    for (LinkLabel* link : Links) link->setCursor(Hand ? Qt::PointingHandCursor : Qt::ArrowCursor);
}

}  // namespace quillmere
