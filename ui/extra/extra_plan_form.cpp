#include "ui/extra/extra_plan_form.h"

#include <QApplication>
#include <QButtonGroup>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>

#include <algorithm>
#include <functional>

#include "ui/common/box_message.h"
#include "ui/common/mnemonic_label.h"

namespace quillmere {
namespace {

constexpr int kPaymentColumn = 0;
constexpr int kAmountColumn = 1;
QString FromUtf8(const std::string& text) { return QString::fromStdString(text); }

std::string CellText(const QTableWidget& table, int row, int column) {
    const QTableWidgetItem* item = table.item(row, column);
    return item == nullptr ? std::string() : item->text().toStdString();
}

// The one-time table. Tab, while a cell is edited, goes on to edit the next
// cell (Shift+Tab the one before), as a spreadsheet's does; past the last
// cell it leaves the table, as Tab does from any box, where the view would
// wrap around to the first cell and never let the keyboard out.
class OneTimeTable final : public QTableWidget {
public:
    using QTableWidget::QTableWidget;

protected:
    void closeEditor(QWidget* editor, QAbstractItemDelegate::EndEditHint hint) override {
        const bool forward = hint == QAbstractItemDelegate::EditNextItem;
        const bool leaving =
            (forward && currentRow() == rowCount() - 1 && currentColumn() == columnCount() - 1) ||
            (hint == QAbstractItemDelegate::EditPreviousItem && currentRow() == 0 && currentColumn() == 0);
        QTableWidget::closeEditor(editor, leaving ? QAbstractItemDelegate::NoHint : hint);
        if (leaving) focusNextPrevChild(forward);
    }
};

}  // namespace

ExtraPlanForm::ExtraPlanForm(const QLocale& locale, QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("extraPlan"));
    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(0, 0, 0, 0);
    monthly_ = AddBoxRow(0, "txtExtraMonthly", tr("&Extra each month"), monthlyMessage_);
    startPayment_ = AddBoxRow(2, "txtStartPayment", tr("&Starting with payment"), startMessage_);
    startPayment_->setText(QStringLiteral("1"));
    yearly_ = AddBoxRow(4, "txtExtraYearly", tr("Extra each &year"), yearlyMessage_);
    BuildYearlyMonth(locale);
    BuildOneTimeTable();
    BuildMode();
    grid->setRowStretch(8, 1);  // the one-time table takes the height there is
}

// A labelled box at `row` of the grid, its message on the row below.
QLineEdit* ExtraPlanForm::AddBoxRow(int row, const char* name, const QString& label, QLabel*& message) {
    auto* grid = static_cast<QGridLayout*>(layout());
    auto* box = new QLineEdit(this);
    box->setObjectName(QString::fromLatin1(name));
    box->setAccessibleName(QString(label).remove(QLatin1Char('&')));  // without its mnemonic
    auto* caption = new MnemonicLabel(label, this);
    caption->setBuddy(box);
    message = BoxMessageLabel(this);
    grid->addWidget(caption, row, 0);
    grid->addWidget(box, row, 1);
    grid->addWidget(message, row + 1, 0, 1, 2);
    // Typed, pasted or set by an assistive tool: every change counts.
    connect(box, &QLineEdit::textChanged, this, &ExtraPlanForm::Edited);
    return box;
}

void ExtraPlanForm::BuildYearlyMonth(const QLocale& locale) {
    auto* grid = static_cast<QGridLayout*>(layout());
    yearlyMonth_ = new QComboBox(this);
    yearlyMonth_->setObjectName(QStringLiteral("cboYearlyMonth"));
    yearlyMonth_->setAccessibleName(tr("In month"));
    for (int month = 1; month <= 12; ++month) yearlyMonth_->addItem(locale.standaloneMonthName(month), month);
    yearlyMonth_->setCurrentIndex(11);
    auto* caption = new MnemonicLabel(tr("In &month"), this);
    caption->setBuddy(yearlyMonth_);
    grid->addWidget(caption, 6, 0);
    grid->addWidget(yearlyMonth_, 6, 1);
    connect(yearlyMonth_, &QComboBox::currentIndexChanged, this, &ExtraPlanForm::Edited);
}

void ExtraPlanForm::BuildOneTimeTable() {
    auto* grid = static_cast<QGridLayout*>(layout());
    auto* caption = new MnemonicLabel(tr("&One-time extra payments"), this);
    oneTime_ = new OneTimeTable(0, 2, this);
    oneTime_->setObjectName(QStringLiteral("tblOneTime"));
    oneTime_->setAccessibleName(tr("One-time extra payments"));
    oneTime_->setHorizontalHeaderLabels({tr("Payment", "the number of the payment an extra goes with"), tr("Amount")});
    oneTime_->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    oneTime_->verticalHeader()->hide();
    oneTime_->setTabKeyNavigation(false);
    caption->setBuddy(oneTime_);
    connect(oneTime_, &QTableWidget::itemChanged, this, &ExtraPlanForm::Edited);

    add_ = new QPushButton(tr("&Add"), this);
    add_->setObjectName(QStringLiteral("cmdAddOneTime"));
    add_->setAccessibleDescription(tr("Adds a one-time extra payment"));
    remove_ = new QPushButton(tr("&Remove"), this);
    remove_->setObjectName(QStringLiteral("cmdRemoveOneTime"));
    remove_->setAccessibleDescription(tr("Removes the selected one-time extra payments"));
    connect(add_, &QPushButton::clicked, this, &ExtraPlanForm::AddOneTime);
    connect(remove_, &QPushButton::clicked, this, &ExtraPlanForm::RemoveOneTime);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(add_);
    buttons->addWidget(remove_);
    buttons->addStretch(1);

    oneTimeMessage_ = BoxMessageLabel(this);
    grid->addWidget(caption, 7, 0, 1, 2);
    grid->addWidget(oneTime_, 8, 0, 1, 2);
    grid->addLayout(buttons, 9, 0, 1, 2);
    grid->addWidget(oneTimeMessage_, 10, 0, 1, 2);
}

void ExtraPlanForm::BuildMode() {
    auto* box = new QGroupBox(tr("What the extra does"), this);
    auto* sooner = new QRadioButton(tr("&Pay off sooner"), box);
    sooner->setObjectName(QStringLiteral("optPayOffSooner"));
    sooner->setChecked(true);
    auto* lower = new QRadioButton(tr("&Lower my payment"), box);
    lower->setObjectName(QStringLiteral("optLowerPayment"));
    mode_ = new QButtonGroup(this);
    mode_->addButton(sooner, static_cast<int>(ExtraMode::PayOffSooner));
    mode_->addButton(lower, static_cast<int>(ExtraMode::LowerMyPayment));
    auto* column = new QVBoxLayout(box);
    column->addWidget(sooner);
    column->addWidget(lower);
    static_cast<QGridLayout*>(layout())->addWidget(box, 11, 0, 1, 2);
    connect(mode_, &QButtonGroup::idToggled, this, [this](int /*id*/, bool checked) {
        if (checked) emit Edited();
    });
}

PlanTexts ExtraPlanForm::Texts() const {
    PlanTexts texts;
    texts.monthly = monthly_->text().toStdString();
    texts.startPayment = startPayment_->text().toStdString();
    texts.yearly = yearly_->text().toStdString();
    texts.yearlyMonth = yearlyMonth_->currentData().toInt();
    for (int row = 0; row < oneTime_->rowCount(); ++row) {
        texts.oneTime.push_back({CellText(*oneTime_, row, kPaymentColumn), CellText(*oneTime_, row, kAmountColumn)});
    }
    texts.mode = static_cast<ExtraMode>(mode_->checkedId());
    return texts;
}

void ExtraPlanForm::SetTexts(const PlanTexts& texts) {
    {
        // One change, told once at the end.
        const QSignalBlocker quietMonthly(monthly_), quietStart(startPayment_), quietYearly(yearly_);
        const QSignalBlocker quietMonth(yearlyMonth_), quietTable(oneTime_), quietMode(mode_);
        monthly_->setText(FromUtf8(texts.monthly));
        startPayment_->setText(FromUtf8(texts.startPayment));
        yearly_->setText(FromUtf8(texts.yearly));
        yearlyMonth_->setCurrentIndex(yearlyMonth_->findData(texts.yearlyMonth));
        oneTime_->setRowCount(0);
        for (const PlanTexts::OneTime& extra : texts.oneTime) {
            const int row = oneTime_->rowCount();
            oneTime_->insertRow(row);
            oneTime_->setItem(row, kPaymentColumn, new QTableWidgetItem(FromUtf8(extra.payment)));
            oneTime_->setItem(row, kAmountColumn, new QTableWidgetItem(FromUtf8(extra.amount)));
        }
        if (QAbstractButton* mode = mode_->button(static_cast<int>(texts.mode))) mode->setChecked(true);
    }
    emit Edited();
}

void ExtraPlanForm::ShowMessages(const std::vector<PlanMessage>& messages) {
    QString monthly, start, yearly;
    std::vector<PlanMessage> oneTime;
    for (const PlanMessage& message : messages) {
        const QString text = FromUtf8(message.text);
        switch (message.box) {
            case PlanBox::Monthly:
                monthly = text;
                break;
            case PlanBox::StartPayment:
                start = text;
                break;
            case PlanBox::Yearly:
                yearly = text;
                break;
            case PlanBox::OneTimePayment:
            case PlanBox::OneTimeAmount:
                oneTime.push_back(message);
                break;
        }
    }
    MarkBox(*monthly_, *monthlyMessage_, monthly);
    MarkBox(*startPayment_, *startMessage_, start);
    MarkBox(*yearly_, *yearlyMessage_, yearly);
    MarkOneTime(oneTime);
}

// The table's cells are tinted one by one; beside it stand the first row's
// message and how many more there are, all of them in its description.
void ExtraPlanForm::MarkOneTime(const std::vector<PlanMessage>& messages) {
    {
        // Marking a cell is no edit, and no one is told of it: not as
        // itemChanged, nor the view, which would put a cell's stored text
        // back into the editor the user is typing in. The table is
        // repainted instead.
        const QSignalBlocker quiet(oneTime_->model());
        for (int row = 0; row < oneTime_->rowCount(); ++row) {
            for (int column : {kPaymentColumn, kAmountColumn}) {
                if (QTableWidgetItem* item = oneTime_->item(row, column)) item->setData(Qt::BackgroundRole, QVariant());
            }
        }
        for (const PlanMessage& message : messages) {
            const int column = message.box == PlanBox::OneTimePayment ? kPaymentColumn : kAmountColumn;
            if (QTableWidgetItem* item = oneTime_->item(message.row, column)) item->setBackground(kMarkedBoxBase);
        }
    }
    oneTime_->viewport()->update();
    QStringList texts;
    for (const PlanMessage& message : messages) {
        texts << tr("Row %1: %2").arg(message.row + 1).arg(FromUtf8(message.text));
    }
    QString shown = texts.value(0);
    if (texts.size() > 1) shown = tr("%1 (and %n more)", nullptr, int(texts.size() - 1)).arg(shown);
    oneTimeMessage_->setText(shown);
    const QString all = texts.join(QLatin1Char(' '));
    if (oneTime_->accessibleDescription() != all) oneTime_->setAccessibleDescription(all);
}

// A marked box has a tinted background and says its message as its
// description, so a screen reader tells it along with the box.
void ExtraPlanForm::AddOneTime() {
    const int row = oneTime_->rowCount();
    {
        const QSignalBlocker quiet(oneTime_);  // an empty row changes no plan
        oneTime_->insertRow(row);
        oneTime_->setItem(row, kPaymentColumn, new QTableWidgetItem);
        oneTime_->setItem(row, kAmountColumn, new QTableWidgetItem);
    }
    oneTime_->setCurrentCell(row, kPaymentColumn);
    oneTime_->setFocus();
    oneTime_->editItem(oneTime_->item(row, kPaymentColumn));
}

void ExtraPlanForm::RemoveOneTime() {
    QList<int> rows;
    for (const QModelIndex& index : oneTime_->selectionModel()->selectedIndexes()) rows << index.row();
    if (rows.isEmpty() && oneTime_->currentRow() >= 0) rows << oneTime_->currentRow();
    if (rows.isEmpty()) return;
    std::sort(rows.begin(), rows.end(), std::greater<>());
    rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
    for (const int row : rows) oneTime_->removeRow(row);
    emit Edited();
}

}  // namespace quillmere
