// frmMain's loan files: the File menu's Open Loan…, Open Recent, Save Loan
// and Save Loan As…, what a file holds of the windows, and the question
// about unsaved changes.
#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QSpinBox>
#include <QStandardPaths>

#include "document/loan_document.h"
#include "money/locale_money_formatter.h"
#include "ui/common/platform_hooks.h"
#include "ui/common/program_settings.h"
#include "ui/compare/compare_loans_window.h"
#include "ui/compare/offer_form.h"
#include "ui/extra/extra_payments_window.h"
#include "ui/extra/extra_plan_form.h"
#include "ui/main/document_texts.h"
#include "ui/main/main_window.h"
#include "ui/main/month_calendar.h"

namespace quillmere {
namespace {

constexpr char kLoanSuffix[] = ".qloan";
constexpr char kFolderKind[] = "loans";

QString LoanFilter() { return frmMain::tr("Loan files (*.qloan)"); }

// What counts as a change: the loan, the plan, the offers; not which
// windows happen to be open.
LoanDocument WithoutWindows(LoanDocument document) {
    document.extraPayments.windowOpen = false;
    document.comparison.windowOpen = false;
    return document;
}

QString LoanFolder() {
    QString folder = LastFolder(QLatin1String(kFolderKind));
    if (folder.isEmpty() || !QDir(folder).exists()) {
        folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    }
    if (folder.isEmpty() || !QDir(folder).exists()) folder = QDir::homePath();
    return folder;
}

}  // namespace

void frmMain::BuildFileMenu() {
    const auto add = [this](const char* name, const QString& text, const QKeySequence& keys,
                            void (frmMain::*handler)()) {
        QAction* entry = mnuFile->addAction(text);
        entry->setObjectName(QString::fromLatin1(name));
        entry->setShortcut(keys);
        // None meets a schedule half written: each waits for the fill.
        connect(entry, &QAction::triggered, this,
                [this, name, handler] { fill_.AfterFill(name, [this, handler] { (this->*handler)(); }); });
        return entry;
    };
    mnuOpen = add("mnuOpen", tr("&Open Loan\u2026"), QKeySequence(Qt::CTRL | Qt::Key_O), &frmMain::mnuOpen_Click);
    mnuRecent = mnuFile->addMenu(tr("Open &Recent"));
    mnuRecent->setObjectName(QStringLiteral("mnuRecent"));
    connect(mnuRecent, &QMenu::aboutToShow, this, &frmMain::FillRecentMenu);
    mnuSave = add("mnuSave", tr("&Save Loan"), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S), &frmMain::mnuSave_Click);
    mnuSaveAs = add("mnuSaveAs", tr("Save Loan &As\u2026"), QKeySequence(Qt::Key_F12), &frmMain::mnuSaveAs_Click);
    mnuFile->addSeparator();
    FillRecentMenu();
}

void frmMain::FillRecentMenu() {
    mnuRecent->clear();
    const QStringList recent = RecentLoans::List();
    for (int i = 0; i < recent.size(); ++i) {
        const QString& path = recent.at(i);
        // "&1" gives the first nine a key; a "&" in a name is no key.
        const QString name = QFileInfo(path).fileName().replace(QLatin1Char('&'), QLatin1String("&&"));
        QAction* entry = mnuRecent->addAction(i < 9 ? QStringLiteral("&%1 %2").arg(i + 1).arg(name) : name);
        entry->setToolTip(QDir::toNativeSeparators(path));
        entry->setStatusTip(QDir::toNativeSeparators(path));
        connect(entry, &QAction::triggered, this, [this, path] {
            fill_.AfterFill("mnuRecent", [this, path] {
                if (MaybeSaveChanges()) OpenLoan(path);
            });
        });
    }
    if (recent.isEmpty()) mnuRecent->addAction(tr("No recent loans"))->setEnabled(false);
    mnuRecent->addSeparator();
    QAction* clear = mnuRecent->addAction(tr("&Clear Recent"));
    clear->setObjectName(QStringLiteral("mnuClearRecent"));
    clear->setEnabled(!recent.isEmpty());
    connect(clear, &QAction::triggered, this, [] { RecentLoans::Clear(); });
}

LoanDocument frmMain::CurrentDocument() const {
    LoanDocument document;
    document.loan = {txtPrincipal->text(), txtMonths->text(), txtRate->text(), calCalendar->selectedDate()};
    const DocumentTexts texts(*money_);
    document.extraPayments = keptPlan_;
    if (extras_ != nullptr) {
        const PlanTexts plan = extras_->Plan().Texts();
        const auto amount = [&texts](const std::string& typed) {
            return texts.PlainAmount(QString::fromStdString(typed));
        };
        const auto number = [&texts](const std::string& typed) {
            return texts.PlainNumber(QString::fromStdString(typed));
        };
        LoanDocument::ExtraPayments& kept = document.extraPayments;
        kept.windowOpen = extras_->isVisible();
        kept.monthly = amount(plan.monthly);
        kept.startPayment = number(plan.startPayment);
        kept.yearly = amount(plan.yearly);
        kept.yearlyMonth = plan.yearlyMonth;
        kept.oneTime.clear();
        for (const PlanTexts::OneTime& extra : plan.oneTime)
            kept.oneTime.push_back({number(extra.payment), amount(extra.amount)});
        kept.mode = plan.mode;
    }
    document.comparison = keptComparison_;
    if (compare_ != nullptr) document.comparison = ComparisonDocument(texts);
    return document;
}

LoanDocument::Comparison frmMain::ComparisonDocument(const DocumentTexts& texts) const {
    LoanDocument::Comparison comparison;
    comparison.windowOpen = compare_->isVisible();
    comparison.horizonYears = compare_->Horizon().value();
    const OfferForm& form = compare_->Form();
    for (int offer = 0; offer < form.Count(); ++offer) {
        const OfferTexts shown = form.ShownTexts(offer);
        const auto text = [](const std::string& typed) { return QString::fromStdString(typed); };
        comparison.offers.push_back({form.TypedName(offer), texts.PlainAmount(text(shown.amount)),
                                     texts.PlainNumber(text(shown.months)), texts.PlainNumber(text(shown.rate)),
                                     texts.PlainAmount(text(shown.payment)), texts.PlainAmount(text(shown.fees)),
                                     form.WorkedOut(offer)});
    }
    return comparison;
}

// Everything as the file has it; a loan in it is calculated, as Calculate
// would, and the windows that were open open again with their results.
void frmMain::ApplyDocument(const LoanDocument& document) {
    // A window made later takes what the file holds from these.
    keptPlan_ = document.extraPayments;
    keptComparison_ = document.comparison;
    const DocumentTexts texts(*money_);
    if (extras_ != nullptr) extras_->Plan().SetTexts(PlanTextsOf(keptPlan_, texts));
    if (compare_ != nullptr) {
        // Another file's offers are none of this one's: the window starts afresh.
        compare_->hide();
        compare_->deleteLater();  // perhaps the window whose button started all this
        compare_ = nullptr;
    }
    if (document.extraPayments.windowOpen) {
        ShowExtraPayments();
    } else if (extras_ != nullptr) {
        extras_->close();
    }
    const bool compareNow = document.comparison.windowOpen && !document.comparison.offers.empty();
    if (compareNow) ShowCompareLoans();
    txtPrincipal->setText(document.loan.principal);
    txtMonths->setText(document.loan.months);
    txtRate->setText(document.loan.rate);
    calCalendar->setSelectedDate(document.loan.firstPayment);
    activateWindow();
    // Last: a long schedule lets events through while it is written, and by
    // then everything else of the file is in place.
    if (document.HoldsLoan()) {
        cmdCalculate_Click();
    } else {
        cmdClear_Click();
    }
    // Offers taken from the loan just calculated, unless the program is ending.
    if (document.comparison.windowOpen && !compareNow && isVisible()) ShowCompareLoans();
}

PlanTexts frmMain::PlanTextsOf(const LoanDocument::ExtraPayments& plan, const DocumentTexts& texts) {
    const auto amount = [&texts](const QString& plain) { return texts.LocaleAmount(plain).toStdString(); };
    const auto number = [&texts](const QString& plain) { return texts.LocaleNumber(plain).toStdString(); };
    PlanTexts typed;
    typed.monthly = plan.monthly.isEmpty() ? std::string() : amount(plan.monthly);
    typed.startPayment = number(plan.startPayment);
    typed.yearly = plan.yearly.isEmpty() ? std::string() : amount(plan.yearly);
    typed.yearlyMonth = plan.yearlyMonth;
    for (const LoanDocument::OneTime& extra : plan.oneTime)
        typed.oneTime.push_back({number(extra.payment), amount(extra.amount)});
    typed.mode = plan.mode;
    return typed;
}

void frmMain::RestoreComparison(const LoanDocument::Comparison& comparison, const DocumentTexts& texts) {
    if (comparison.offers.empty()) return;  // a file of a loan whose offers were never compared
    OfferForm& form = compare_->Form();
    form.SetCount(static_cast<int>(comparison.offers.size()));
    for (std::size_t i = 0; i < comparison.offers.size(); ++i) {
        const LoanDocument::Offer& offer = comparison.offers[i];
        const auto amount = [&texts](const QString& plain) { return texts.LocaleAmount(plain).toStdString(); };
        const auto number = [&texts](const QString& plain) { return texts.LocaleNumber(plain).toStdString(); };
        form.Restore(
            static_cast<int>(i), offer.name,
            {amount(offer.amount), number(offer.months), number(offer.rate), amount(offer.payment), amount(offer.fees)},
            offer.workedOut);
    }
    compare_->SetHorizon(comparison.horizonYears);
    compare_->Recalculate();
}

void frmMain::mnuOpen_Click() {
    if (!MaybeSaveChanges()) return;
    const QString path = hooks_.chooseOpenFile(this, tr("Open Loan"), LoanFolder(), LoanFilter());
    if (!path.isEmpty()) OpenLoan(path);
}

bool frmMain::OpenLoan(const QString& path) {
    const QString file = QFileInfo(path).absoluteFilePath();
    if (file == loanPath_ && !HasUnsavedChanges()) {  // open already: the window comes forward
        raise();
        activateWindow();
        return true;
    }
    const auto read = ReadLoanFile(file);
    if (const auto* reason = std::get_if<QString>(&read)) {
        hooks_.showWarning(
            this, tr("The loan could not be opened from %1.\n\n%2").arg(QDir::toNativeSeparators(file), *reason),
            tr("Open Loan"));
        return false;
    }
    // The file is the one open from here on, also for a save asked while
    // its schedule is written.
    loanPath_ = file;
    emit LoanPathChanged(loanPath_);
    ApplyDocument(std::get<LoanDocument>(read));
    // Once calculated: the calculation writes the boxes as it cleaned them.
    savedDocument_ = WithoutWindows(CurrentDocument());
    RecentLoans::Add(file);
    RememberFolder(QLatin1String(kFolderKind), QFileInfo(file).absolutePath());
    return true;
}

void frmMain::mnuSave_Click() {
    if (loanPath_.isEmpty()) {
        mnuSaveAs_Click();
    } else {
        (void)WriteLoan(loanPath_, tr("Save Loan"));
    }
}

void frmMain::mnuSaveAs_Click() {
    const QString title = tr("Save Loan As");
    QString filter = LoanFilter();
    QString suggested =
        loanPath_.isEmpty() ? QDir(LoanFolder()).filePath(tr("Loan") + QLatin1String(kLoanSuffix)) : loanPath_;
    // A file the suffix leads to is the user's to give up too, or to name anew.
    for (;;) {
        const QString chosen = hooks_.chooseSaveFile(this, title, suggested, filter, &filter);
        if (chosen.isEmpty()) return;
        const QString path = QFileInfo(chosen).suffix().isEmpty() ? chosen + QLatin1String(kLoanSuffix) : chosen;
        const QFileInfo file(path);
        if (file.isDir()) {
            hooks_.showWarning(this, tr("%1 is a folder. Choose another name.").arg(file.fileName()), title);
        } else if (path == chosen || !file.exists() ||
                   hooks_.askYesNo(this, tr("%1 already exists.\nDo you want to replace it?").arg(file.fileName()),
                                   title)) {
            (void)WriteLoan(path, title);
            return;
        }
        suggested = path;
    }
}

bool frmMain::WriteLoan(const QString& path, const QString& title) {
    const LoanDocument document = CurrentDocument();
    const QString failure = WriteLoanFile(path, document);
    if (!failure.isEmpty()) {
        // Told, never passed over: the older file stands as it was.
        hooks_.showWarning(
            this, tr("The loan could not be saved to %1.\n\n%2").arg(QDir::toNativeSeparators(path), failure), title);
        return false;
    }
    if (const QString written = QFileInfo(path).absoluteFilePath(); written != loanPath_) {
        loanPath_ = written;
        emit LoanPathChanged(loanPath_);
    }
    savedDocument_ = WithoutWindows(document);
    RecentLoans::Add(loanPath_);
    RememberFolder(QLatin1String(kFolderKind), QFileInfo(path).absolutePath());
    return true;
}

bool frmMain::HasUnsavedChanges() const {
    return !loanPath_.isEmpty() && savedDocument_ != WithoutWindows(CurrentDocument());
}

// A loan never saved to a file is not asked about: without a file open,
// leaving stays immediate.
bool frmMain::MaybeSaveChanges() {
    if (!HasUnsavedChanges()) return true;
    switch (hooks_.askSaveChanges(this, tr("Save changes to %1?").arg(QFileInfo(loanPath_).fileName()), tr(kTitle))) {
        case PlatformHooks::SaveChoice::Save:
            return WriteLoan(loanPath_, tr("Save Loan"));
        case PlatformHooks::SaveChoice::Discard:
            return true;
        case PlatformHooks::SaveChoice::Cancel:
            break;
    }
    return false;
}

}  // namespace quillmere
