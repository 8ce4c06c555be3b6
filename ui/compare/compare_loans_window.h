// CompareLoansWindow: the "Compare Loans" window, which puts up to six loan
// offers side by side with their whole cost, fees included.
//
// Above, the offers' boxes (OfferForm), an offer a column, where any one of
// the amount, months, rate and payment may be left empty and is worked out;
// below them the first payment date and how many years the loan is kept,
// shared by all offers, with Add Offer, Remove Offer and Save Comparison….
// Below, the table of figures (ComparisonModel: a row a figure, a column an
// offer, the lowest marked) beside a chart of each offer's balance and cost
// so far. A pause of kPause after the last change recalculates; an offer
// whose boxes can't be read, or whose terms can't be worked out, shows no
// figures and says why, while the others still work.
//
// It opens with Offer A the loan the main window calculated last (through
// its LoanSource) and Offer B a copy. "Use in Main Window" hands an offer's
// terms back to be calculated there, and "Show Schedule" opens its schedule
// with the schedule menu. Ctrl+C in the table copies it for a spreadsheet;
// Save Comparison… writes a workbook of the table and each offer's
// schedule. Each new result is announced while the window is active.
// Escape and Ctrl+W close it, handing the focus back to the main window.
#pragma once

#include <QWidget>

#include <chrono>
#include <optional>
#include <vector>

#include "schedule/loan_offer.h"

class QDateEdit;
class QLabel;
class QPushButton;
class QSpinBox;
class QSplitter;
class QTableView;
class QTimer;

namespace quillmere {

class ComparisonModel;
class LoanSource;
class LocaleMoneyFormatter;
class OfferChart;
class OfferForm;
class OfferScheduleWindow;
class ResultAnnouncer;
struct ComparedOffer;
struct PlatformHooks;

class CompareLoansWindow final : public QWidget {
    Q_OBJECT

public:
    static constexpr char kTitle[] = QT_TR_NOOP("Compare Loans");
    // How long the boxes must rest before the offers are recalculated.
    static constexpr std::chrono::milliseconds kPause{150};
    // Years a loan can be kept: the longest loan's 9,999 months, rounded up.
    static constexpr int kLongestHorizon = 834;

    // A window of its own, owned by `parent`, its offers taken from
    // `source`; `money`, `hooks` and `source` must outlive it.
    CompareLoansWindow(const LocaleMoneyFormatter& money, PlatformHooks& hooks, LoanSource& source, QWidget* parent);
    ~CompareLoansWindow() override;

    CompareLoansWindow(const CompareLoansWindow&) = delete;
    CompareLoansWindow& operator=(const CompareLoansWindow&) = delete;

    // Recalculates now, as the pause after a change does.
    void Recalculate();
    // Keeps the loan `years` years from now on, as if the user had chosen it.
    void SetHorizon(int years);
    void UseInMainWindow(int offer);
    void ShowSchedule(int offer);
    void CopyTable() const;
    void SaveComparison();

    [[nodiscard]] OfferForm& Form() const { return *form_; }
    [[nodiscard]] QTableView& Table() const { return *table_; }
    [[nodiscard]] const ComparisonModel& Comparison() const { return *model_; }
    [[nodiscard]] OfferChart& Chart() const { return *chart_; }
    [[nodiscard]] QSpinBox& Horizon() const { return *horizon_; }
    [[nodiscard]] QDateEdit& FirstPayment() const { return *first_; }
    [[nodiscard]] OfferScheduleWindow* ScheduleWindow() const { return schedule_; }
    // The offer as last worked out, if it has figures.
    [[nodiscard]] const Offer* OfferAt(int offer) const;
    // What was announced last.
    [[nodiscard]] QString Announced() const;

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void Build();
    QWidget* BuildShared();
    void TakeSourceLoan();
    void WorkOut(int offer, const CalendarDate& first, int horizon);
    void FollowLongestTerm(const CalendarDate& first);
    void ShowResults();
    void FitTable();
    void Announce(const std::vector<ComparedOffer>& compared);
    [[nodiscard]] std::vector<ComparedOffer> Compared() const;
    [[nodiscard]] QString WorkedOutText(const Offer& offer) const;
    [[nodiscard]] QString ProblemText(const OfferProblem& problem) const;

    const LocaleMoneyFormatter& money_;
    PlatformHooks& hooks_;
    LoanSource& source_;
    std::vector<std::optional<Offer>> offers_;
    int edited_ = 0;              // the offer typed into last: the one announced
    bool horizonChosen_ = false;  // typed by the user, no longer following the offers
    bool pending_ = false;        // an offer edit waits for announcing
    bool splitMoved_ = false;     // the user chose the table's width

    OfferForm* form_ = nullptr;
    QDateEdit* first_ = nullptr;
    QSpinBox* horizon_ = nullptr;
    QPushButton* add_ = nullptr;
    QPushButton* remove_ = nullptr;
    QPushButton* save_ = nullptr;
    ComparisonModel* model_ = nullptr;
    QTableView* table_ = nullptr;
    QSplitter* split_ = nullptr;  // the table beside the chart
    OfferChart* chart_ = nullptr;
    ResultAnnouncer* announcer_ = nullptr;
    QTimer* pause_ = nullptr;
    OfferScheduleWindow* schedule_ = nullptr;  // made on first showing
    int scheduleOffer_ = -1;                   // the offer it shows
};

}  // namespace quillmere
