// OfferForm: the boxes of the offers being compared, an offer a column.
//
//                      Offer A         Offer B         ...
//   Name               [Offer A    ]   [Offer B    ]
//   Amount             [250000     ]   [250000     ]
//   Months             [360        ]   [360        ]
//   Annual rate (%)    [6.5        ]   [6.25       ]
//   Monthly payment    [$1,580.17  ]   [           ]
//   Fees               [           ]   [5000       ]
//                      (what is wrong with the offer, if anything)
//                      [Use in Main Window] [Show Schedule]
//
// Each box is named for a screen reader "<offer name> <box>" ("Offer B
// Fees"), and a box that can't be read gets its message on the line below
// it (see box_message.h), a line that is there only while it has a message.
// One of the four terms may be shown as worked out: the program wrote it,
// it looks apart (bold on a tint of blue) and its description says
// "worked out"; Texts() reads it as empty, and typing into it makes it a
// given value again. Any change to a box but the form's own counts as
// typed: a paste, or a screen reader setting the text. The form only holds
// texts: the window reads them and shows what it finds.
#pragma once

#include <QString>
#include <QWidget>

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "money/offer_text_reader.h"

class QGridLayout;
class QLabel;
class QLineEdit;
class QPushButton;

namespace quillmere {

class OfferForm final : public QWidget {
    Q_OBJECT

public:
    static constexpr int kMostOffers = 6;
    static constexpr int kBoxes = 5;  // amount, months, rate, payment, fees

    // Two empty offers, "Offer A" and "Offer B".
    explicit OfferForm(QWidget* parent);

    [[nodiscard]] int Count() const { return static_cast<int>(columns_.size()); }
    // The offer whose box last had the focus.
    [[nodiscard]] int Current() const { return current_; }
    [[nodiscard]] QString Name(int offer) const;
    // The texts as typed, a worked-out box's as empty.
    [[nodiscard]] OfferTexts Texts(int offer) const;
    [[nodiscard]] std::optional<OfferTerm> WorkedOut(int offer) const { return columns_.at(offer).workedOut; }
    [[nodiscard]] QLineEdit& Box(int offer, OfferBox box) const;

    // Every box's text as shown, a worked-out one's too.
    [[nodiscard]] OfferTexts ShownTexts(int offer) const;
    // The name as typed, which may be empty.
    [[nodiscard]] QString TypedName(int offer) const;

    // Puts `texts` in the offer's boxes, every one given.
    void SetTexts(int offer, const OfferTexts& texts);
    // Puts back an offer as it was (a loan file opened): its name, its boxes
    // and which one was worked out; told as an edit of the offer.
    void Restore(int offer, const QString& name, const OfferTexts& texts, std::optional<OfferTerm> workedOut);
    // As many offers as `count` (1 to six), new ones empty.
    void SetCount(int count);
    // A copy of the last offer, named after its place; none beyond six.
    void AddOffer();
    // Takes the current offer away; the last one always stays.
    void RemoveOffer();

    // Marks the boxes `messages` name, unmarking the others.
    void ShowMessages(int offer, const std::vector<OfferMessage>& messages);
    // Shows `text` in the box of `term`, marked as worked out; none: no box is.
    void ShowWorkedOut(int offer, std::optional<OfferTerm> term, const QString& text = {});
    // What keeps the offer from having figures, under its boxes; empty: nothing.
    void ShowProblem(int offer, const QString& text);

signals:
    // A box or the name of `offer` was typed into.
    void Edited(int offer);
    void OffersChanged();  // added or removed
    void UseInMainWindow(int offer);
    void ShowSchedule(int offer);

private:
    struct Column {
        QLineEdit* name = nullptr;
        std::array<QLineEdit*, kBoxes> boxes{};
        std::array<QLabel*, kBoxes> messages{};
        QLabel* problem = nullptr;
        QPushButton* use = nullptr;
        QPushButton* schedule = nullptr;
        std::optional<OfferTerm> workedOut;
    };

    void AddColumn(const QString& name);
    void PlaceColumn(int offer);
    void NameColumn(int offer);
    void ShowMessageLines(int offer);
    void TakeAsGiven(int offer, int box);
    void LookWorkedOut(QLineEdit& box, bool workedOut);
    [[nodiscard]] int OfferOf(const QObject* widget) const;

    QGridLayout* grid_ = nullptr;
    std::vector<Column> columns_;
    int current_ = 0;
    bool writing_ = false;  // the form writes a box: no one typed
};

// "Offer A", "Offer B", ... for the offer in place `offer` (0 up).
[[nodiscard]] QString DefaultOfferName(int offer);

}  // namespace quillmere
