// ExtraPlanForm: the boxes of a plan of extra payments, with the message of
// each box that can't be read.
//
//   Extra each month [      ]   Starting with payment [ 1 ]
//   Extra each year  [      ]   In month [December v]
//   One-time extra payments      (a table of Payment and Amount)
//                                [Add] [Remove]
//   What the extra does  (o) Pay off sooner  ( ) Lower my payment
//
// Each box is labelled and named for a screen reader by its label; the month
// list holds the locale's month names. Several one-time rows may name the
// same payment. The form only holds texts: Texts() hands them to the
// plan reader, and ShowMessages() puts what it answers next to the boxes,
// which it marks (their description then says the message too). Any change
// to a box, the table or the choice is told by Edited(). While a one-time
// cell is edited, Tab edits the next cell and, past the last, leaves the table.
#pragma once

#include <QWidget>

#include <vector>

#include "money/plan_text_reader.h"

class QButtonGroup;
class QComboBox;
class QLabel;
class QLineEdit;
class QLocale;
class QPushButton;
class QTableWidget;

namespace quillmere {

class ExtraPlanForm final : public QWidget {
    Q_OBJECT

public:
    // Month names come from `locale`.
    ExtraPlanForm(const QLocale& locale, QWidget* parent);

    [[nodiscard]] PlanTexts Texts() const;
    // Puts `texts` in the boxes (a loan file opened), told as one edit.
    void SetTexts(const PlanTexts& texts);
    // Marks the boxes `messages` name and shows each message beside its box;
    // every other box is unmarked. A cell being typed into keeps what is typed.
    void ShowMessages(const std::vector<PlanMessage>& messages);

    // A new one-time row, its payment cell being edited.
    void AddOneTime();
    // Removes the one-time rows that are selected, or the current one.
    void RemoveOneTime();

signals:
    void Edited();

private:
    QLineEdit* AddBoxRow(int row, const char* name, const QString& label, QLabel*& message);
    void BuildYearlyMonth(const QLocale& locale);
    void BuildOneTimeTable();
    void BuildMode();
    void MarkOneTime(const std::vector<PlanMessage>& messages);

    QLineEdit* monthly_ = nullptr;
    QLineEdit* startPayment_ = nullptr;
    QLineEdit* yearly_ = nullptr;
    QComboBox* yearlyMonth_ = nullptr;
    QTableWidget* oneTime_ = nullptr;
    QPushButton* add_ = nullptr;
    QPushButton* remove_ = nullptr;
    QButtonGroup* mode_ = nullptr;
    QLabel* monthlyMessage_ = nullptr;
    QLabel* startMessage_ = nullptr;
    QLabel* yearlyMessage_ = nullptr;
    QLabel* oneTimeMessage_ = nullptr;
};

}  // namespace quillmere
