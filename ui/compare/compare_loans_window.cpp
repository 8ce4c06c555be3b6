#include "ui/compare/compare_loans_window.h"

#include <QAction>
#include <QCloseEvent>
#include <QDateEdit>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QSpinBox>
#include <QSplitter>
#include <QTableView>
#include <QTimer>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>

#include "money/locale_money_formatter.h"
#include "money/offer_text_reader.h"
#include "ui/chart/offer_chart.h"
#include "ui/common/mnemonic_label.h"
#include "ui/common/program_settings.h"
#include "ui/common/result_announcer.h"
#include "ui/common/tool_window.h"
#include "ui/common/window_look.h"
#include "ui/common/window_placement.h"
#include "ui/compare/comparison_model.h"
#include "ui/compare/loan_source.h"
#include "ui/compare/offer_comparison.h"
#include "ui/compare/offer_form.h"
#include "ui/compare/offer_schedule_window.h"

namespace quillmere {
namespace {

constexpr QSize kPreferredSize(1180, 780);
constexpr int kMonthsPerYear = 12;

CalendarDate CalendarDateOf(const QDate& date) { return {date.day(), date.month(), date.year()}; }

// Only one term can be worked out: which of the empty ones to fill. Each
// pair and each triple of them is a sentence of its own, which every
// language can word whole.
QString MissingTermsText(const std::vector<OfferTerm>& missing) {
    unsigned terms = 0;
    for (const OfferTerm term : missing) terms |= 1U << static_cast<unsigned>(term);
    constexpr unsigned amount = 1U << static_cast<unsigned>(OfferTerm::Amount);
    constexpr unsigned months = 1U << static_cast<unsigned>(OfferTerm::Months);
    constexpr unsigned rate = 1U << static_cast<unsigned>(OfferTerm::Rate);
    constexpr unsigned payment = 1U << static_cast<unsigned>(OfferTerm::Payment);
    switch (terms) {
        case amount | months:
            return CompareLoansWindow::tr("Fill in the amount or the months: only one of them can be worked out.");
        case amount | rate:
            return CompareLoansWindow::tr("Fill in the amount or the annual rate: only one of them can be worked out.");
        case amount | payment:
            return CompareLoansWindow::tr(
                "Fill in the amount or the monthly payment: only one of them can be worked out.");
        case months | rate:
            return CompareLoansWindow::tr("Fill in the months or the annual rate: only one of them can be worked out.");
        case months | payment:
            return CompareLoansWindow::tr(
                "Fill in the months or the monthly payment: only one of them can be worked out.");
        case rate | payment:
            return CompareLoansWindow::tr(
                "Fill in the annual rate or the monthly payment: only one of them can be worked out.");
        case amount | months | rate:
            return CompareLoansWindow::tr(
                "Fill in two of the amount, the months and the annual rate: only one of them can be worked out.");
        case amount | months | payment:
            return CompareLoansWindow::tr(
                "Fill in two of the amount, the months and the monthly payment: only one of them can be worked "
                "out.");
        case amount | rate | payment:
            return CompareLoansWindow::tr(
                "Fill in two of the amount, the annual rate and the monthly payment: only one of them can be "
                "worked out.");
        case months | rate | payment:
            return CompareLoansWindow::tr(
                "Fill in two of the months, the annual rate and the monthly payment: only one of them can be "
                "worked out.");
        default:
            break;
    }
    return CompareLoansWindow::tr("Type three of the amount, the months, the annual rate and the monthly payment.");
}

}  // namespace

CompareLoansWindow::CompareLoansWindow(const LocaleMoneyFormatter& money, PlatformHooks& hooks, LoanSource& source,
                                       QWidget* parent)
    : QWidget(parent, Qt::Window), money_(money), hooks_(hooks), source_(source) {
    SayAsWindow(*this);
    setObjectName(QStringLiteral("compareLoans"));
    setWindowTitle(tr(kTitle));
    setWindowIcon(ProgramIcon());
    Build();
    CloseOnEscapeAndCtrlW(*this);
    pause_ = new QTimer(this);
    pause_->setSingleShot(true);
    pause_->setInterval(kPause);
    connect(pause_, &QTimer::timeout, this, &CompareLoansWindow::Recalculate);
    connect(form_, &OfferForm::Edited, this, [this](int offer) {
        edited_ = offer;
        pending_ = true;
        pause_->start();
    });
    connect(form_, &OfferForm::OffersChanged, this, [this] {
        // With an offer taken away, the schedule window's offer may have
        // moved to another column: it closes rather than follow another.
        if (schedule_ != nullptr && form_->Count() < static_cast<int>(offers_.size())) schedule_->close();
        edited_ = form_->Current();
        pending_ = true;
        Recalculate();
    });
    connect(form_, &OfferForm::UseInMainWindow, this, &CompareLoansWindow::UseInMainWindow);
    connect(form_, &OfferForm::ShowSchedule, this, &CompareLoansWindow::ShowSchedule);
    TakeSourceLoan();
    SizeToScreen(*this, kPreferredSize);
    KeepWindowPlace(*this);  // where it stood last, if that is on a screen now
    Recalculate();
}

CompareLoansWindow::~CompareLoansWindow() = default;

void CompareLoansWindow::Build() {
    // The boxes take the height they need, messages included: six offers
    // fit the smallest screen the window is made for.
    form_ = new OfferForm(this);

    model_ = new ComparisonModel(this);
    table_ = new QTableView(this);
    table_->setObjectName(QStringLiteral("tblComparison"));
    table_->setAccessibleName(tr("Comparison"));
    table_->setModel(model_);
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->setWordWrap(false);
    table_->verticalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    table_->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    auto* copy = new QAction(tr("Copy"), table_);
    copy->setShortcut(QKeySequence::Copy);
    copy->setShortcutContext(Qt::WidgetShortcut);
    connect(copy, &QAction::triggered, this, &CompareLoansWindow::CopyTable);
    table_->addAction(copy);
    table_->setContextMenuPolicy(Qt::ActionsContextMenu);
    chart_ = new OfferChart(money_, this);
    announcer_ = new ResultAnnouncer(this);
    announcer_->setObjectName(QStringLiteral("comparisonAnnouncer"));

    split_ = new QSplitter(Qt::Horizontal, this);
    split_->addWidget(table_);
    split_->addWidget(chart_);
    split_->setStretchFactor(0, 3);
    split_->setStretchFactor(1, 2);
    split_->setCollapsible(0, false);
    // Until the user moves the divider, the table takes the width its figures need.
    connect(split_, &QSplitter::splitterMoved, this, [this] { splitMoved_ = true; });
    // On a screen smaller than the window's content (a laptop's at a large
    // scale, a netbook's) the window still fits, and its content scrolls.
    auto* content = new QWidget;
    auto* column = new QVBoxLayout(content);
    auto* lowest = new QLabel(tr("Bold on green: the lowest of its row."), this);
    lowest->setObjectName(QStringLiteral("lblLowest"));
    auto* below = new QVBoxLayout;
    below->addWidget(split_, 1);
    below->addWidget(lowest);
    column->addWidget(form_, 0);
    column->addWidget(BuildShared());
    column->addLayout(below, 1);
    auto* scroll = new QScrollArea(this);
    scroll->setObjectName(QStringLiteral("compareScroll"));
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setWidgetResizable(true);
    scroll->setFocusPolicy(Qt::NoFocus);  // the focus goes to the first offer's name, as before
    scroll->setWidget(content);
    auto* window = new QVBoxLayout(this);
    window->setContentsMargins(0, 0, 0, 0);
    window->addWidget(scroll);
}

// The date and the years shared by every offer, and the buttons.
QWidget* CompareLoansWindow::BuildShared() {
    auto* shared = new QWidget(this);
    // Two rows, so that a language with long words still fits a small screen.
    auto* rows = new QVBoxLayout(shared);
    rows->setContentsMargins(0, 0, 0, 0);
    auto* row = new QHBoxLayout;
    auto* buttons = new QHBoxLayout;
    rows->addLayout(row);
    rows->addLayout(buttons);
    first_ = new QDateEdit(source_.FirstPaymentDate(), shared);
    first_->setObjectName(QStringLiteral("dateFirstPayment"));
    first_->setCalendarPopup(true);
    first_->setDisplayFormat(
        money_.Locale().dateFormat(QLocale::ShortFormat).contains(QLatin1String("yyyy"))
            ? money_.Locale().dateFormat(QLocale::ShortFormat)
            : money_.Locale().dateFormat(QLocale::ShortFormat).replace(QLatin1String("yy"), QLatin1String("yyyy")));
    auto* firstLabel = new MnemonicLabel(tr("&First payment date"), shared);
    firstLabel->setBuddy(first_);
    first_->setAccessibleName(tr("First payment date"));
    horizon_ = new QSpinBox(shared);
    horizon_->setObjectName(QStringLiteral("spinHorizon"));
    horizon_->setRange(1, kLongestHorizon);
    horizon_->setValue(30);
    horizon_->setAccessibleName(tr("Keep the loan for years"));
    auto* keepLabel = new MnemonicLabel(tr("&Keep the loan for"), shared);
    keepLabel->setBuddy(horizon_);
    auto* yearsLabel = new QLabel(tr("years"), shared);
    add_ = new QPushButton(tr("&Add Offer"), shared);
    remove_ = new QPushButton(tr("&Remove Offer"), shared);
    save_ = new QPushButton(tr("&Save Comparison\u2026"), shared);
    for (QWidget* widget : std::initializer_list<QWidget*>{firstLabel, first_, keepLabel, horizon_, yearsLabel}) {
        row->addWidget(widget);
    }
    row->addStretch(1);
    buttons->addStretch(1);
    for (QWidget* widget : std::initializer_list<QWidget*>{add_, remove_, save_}) buttons->addWidget(widget);
    connect(first_, &QDateEdit::dateChanged, this, [this] { pause_->start(); });
    connect(horizon_, &QSpinBox::valueChanged, this, [this] {
        if (horizon_->hasFocus()) horizonChosen_ = true;
        pause_->start();
    });
    connect(add_, &QPushButton::clicked, form_, &OfferForm::AddOffer);
    connect(remove_, &QPushButton::clicked, form_, &OfferForm::RemoveOffer);
    connect(save_, &QPushButton::clicked, this, &CompareLoansWindow::SaveComparison);
    return shared;
}

// Offer A is the loan calculated last, Offer B a copy to change.
void CompareLoansWindow::TakeSourceLoan() {
    const std::optional<LoanTerms> loan = source_.CompletedLoan();
    if (!loan) return;
    const QLocale& locale = money_.Locale();
    const OfferTexts texts{
        money_.Format(loan->principal),
        locale.toString(RoundHalfEven(loan->months)).toStdString(),
        locale.toString(loan->annualRate.ToDouble(), 'f', QLocale::FloatingPointShortest).toStdString(),
        money_.Format(loan->payment),
        {}};
    form_->SetTexts(0, texts);
    form_->SetTexts(1, texts);
}

void CompareLoansWindow::SetHorizon(int years) {
    horizonChosen_ = true;
    horizon_->setValue(std::clamp(years, 1, kLongestHorizon));
}

void CompareLoansWindow::Recalculate() {
    pause_->stop();
    const CalendarDate first = CalendarDateOf(first_->date());
    offers_.assign(static_cast<std::size_t>(form_->Count()), std::nullopt);
    for (int offer = 0; offer < form_->Count(); ++offer) WorkOut(offer, first, horizon_->value());
    if (!horizonChosen_) FollowLongestTerm(first);
    ShowResults();
}

void CompareLoansWindow::WorkOut(int offer, const CalendarDate& first, int horizon) {
    const OfferReading reading = OfferTextReader(money_.Locale()).Read(form_->Texts(offer));
    form_->ShowMessages(offer, reading.messages);
    if (!reading.inputs) {
        form_->ShowWorkedOut(offer, form_->WorkedOut(offer));
        form_->ShowProblem(offer, {});
        return;
    }
    const OfferOutcome outcome = WorkOutOffer(*reading.inputs, first, horizon, static_cast<int>(money_.MinorPerUnit()));
    if (const auto* problem = std::get_if<OfferProblem>(&outcome)) {
        form_->ShowWorkedOut(offer, form_->WorkedOut(offer));
        form_->ShowProblem(offer, ProblemText(*problem));
        return;
    }
    const Offer& worked = std::get<Offer>(outcome);
    form_->ShowWorkedOut(offer, worked.workedOut, WorkedOutText(worked));
    form_->ShowProblem(offer, {});
    offers_.at(static_cast<std::size_t>(offer)) = worked;
}

// Until the user picks a number of years, it is the longest offer's term.
void CompareLoansWindow::FollowLongestTerm(const CalendarDate& first) {
    int longest = 0;
    for (const std::optional<Offer>& offer : offers_) {
        if (offer) longest = std::max(longest, offer->figures.payments);
    }
    if (longest == 0) return;
    const int years = (longest + kMonthsPerYear - 1) / kMonthsPerYear;
    if (years == horizon_->value()) return;
    {
        const QSignalBlocker quiet(horizon_);
        horizon_->setValue(years);
    }
    for (int offer = 0; offer < form_->Count(); ++offer) {
        if (offers_.at(static_cast<std::size_t>(offer))) WorkOut(offer, first, years);
    }
}

std::vector<ComparedOffer> CompareLoansWindow::Compared() const {
    std::vector<ComparedOffer> compared;
    compared.reserve(static_cast<std::size_t>(form_->Count()));
    for (int offer = 0; offer < form_->Count(); ++offer) compared.push_back({form_->Name(offer), OfferAt(offer)});
    return compared;
}

void CompareLoansWindow::ShowResults() {
    const std::vector<ComparedOffer> compared = Compared();
    model_->Show(CompareOffers(compared, horizon_->value(), money_));
    if (!splitMoved_ && isVisible()) FitTable();
    std::vector<OfferChartLine> lines;
    for (const ComparedOffer& offer : compared) {
        if (offer.offer == nullptr) continue;
        lines.push_back({offer.name, offer.offer->loan.principal, offer.offer->figures.fees, offer.offer->schedule});
    }
    chart_->Show(std::move(lines));
    remove_->setEnabled(form_->Count() > 1);
    add_->setEnabled(form_->Count() < OfferForm::kMostOffers);
    if (schedule_ != nullptr && schedule_->isVisible() && scheduleOffer_ < form_->Count()) {
        schedule_->Show(form_->Name(scheduleOffer_), OfferAt(scheduleOffer_));
    }
    Announce(compared);
}

// The table as wide as its figures where the chart keeps its least width
// beside it (and a third of the room at least); the chart takes the rest.
void CompareLoansWindow::FitTable() {
    table_->resizeColumnsToContents();
    int wanted = table_->verticalHeader()->sizeHint().width() + 2 * table_->frameWidth() +
                 table_->verticalScrollBar()->sizeHint().width();
    for (int column = 0; column < model_->columnCount(); ++column) wanted += table_->columnWidth(column);
    const int room = split_->width() > 0 ? split_->width() : kPreferredSize.width();
    const int table = std::max(room / 3, std::min(wanted, room - chart_->minimumSizeHint().width()));
    split_->setSizes({table, room - table});
}

// Heard where the user works on the offers: once a change, and only while
// the window is the active one.
void CompareLoansWindow::Announce(const std::vector<ComparedOffer>& compared) {
    if (!pending_ || !isActiveWindow()) return;
    pending_ = false;
    const QString said = CostAnnouncement(compared, static_cast<std::size_t>(edited_), money_);
    if (!said.isEmpty()) announcer_->Announce(said);
}

QString CompareLoansWindow::Announced() const { return announcer_->Text(); }

const Offer* CompareLoansWindow::OfferAt(int offer) const {
    if (offer < 0 || offer >= static_cast<int>(offers_.size())) return nullptr;
    const std::optional<Offer>& worked = offers_.at(static_cast<std::size_t>(offer));
    return worked ? &*worked : nullptr;
}

QString CompareLoansWindow::WorkedOutText(const Offer& offer) const {
    const QLocale& locale = money_.Locale();
    switch (offer.workedOut.value_or(OfferTerm::Payment)) {
        case OfferTerm::Amount:
            return QString::fromStdString(money_.Format(offer.loan.principal));
        case OfferTerm::Months:
            return locale.toString(offer.figures.payments);
        case OfferTerm::Rate:
            return locale.toString(offer.loan.annualRate.ToDouble(), 'f', QLocale::FloatingPointShortest);
        case OfferTerm::Payment:
            break;
    }
    return QString::fromStdString(money_.Format(offer.figures.payment));
}

QString CompareLoansWindow::ProblemText(const OfferProblem& problem) const {
    const QLocale& locale = money_.Locale();
    switch (problem.kind) {
        case OfferProblem::Kind::TermsMissing:
            return MissingTermsText(problem.missing);
        case OfferProblem::Kind::PaymentBelowInterest:
            return tr("A payment of %1 does not cover the interest of %2 a month")
                .arg(QString::fromStdString(money_.Format(problem.payment)),
                     QString::fromStdString(money_.Format(problem.firstInterest)));
        case OfferProblem::Kind::TooManyMonths:
            return tr("This payment takes more than %1 months to repay the loan").arg(locale.toString(9999));
        case OfferProblem::Kind::NoRate:
            return tr("No rate from 0 % to 70 % gives this payment");
        case OfferProblem::Kind::OutOfRange:
            break;
    }
    return tr("These terms lead to amounts beyond what the calculator holds.");
}

void CompareLoansWindow::UseInMainWindow(int offer) {
    const Offer* worked = OfferAt(offer);
    if (worked == nullptr) return;
    source_.CalculateLoan(worked->loan.principal, worked->figures.payments, worked->loan.annualRate);
}

void CompareLoansWindow::ShowSchedule(int offer) {
    if (schedule_ == nullptr) schedule_ = new OfferScheduleWindow(money_, hooks_, this);
    scheduleOffer_ = offer;
    schedule_->Show(form_->Name(offer), OfferAt(offer));
    schedule_->show();
    schedule_->raise();
    schedule_->activateWindow();
}

void CompareLoansWindow::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    // Once the layout has given the splitter its width.
    QTimer::singleShot(0, this, &CompareLoansWindow::FitTable);
}

void CompareLoansWindow::closeEvent(QCloseEvent* event) {
    QWidget::closeEvent(event);
    HandFocusToParent(*this);
}

}  // namespace quillmere
