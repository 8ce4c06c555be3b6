#include "ui/compare/offer_form.h"

#include <QApplication>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScopedValueRollback>

#include <algorithm>

#include "ui/common/box_message.h"

namespace quillmere {
namespace {

const QColor kWorkedOutBase(226, 236, 252);

// Where each part of a column stands in the grid: the name, then each box
// above its message, then what keeps the offer from figures, then buttons.
constexpr int kNameRow = 0;
constexpr int BoxRow(int box) { return 1 + 2 * box; }
constexpr int kProblemRow = BoxRow(OfferForm::kBoxes);
constexpr int kUseRow = kProblemRow + 1;
constexpr int kScheduleRow = kUseRow + 1;

const char* BoxLabel(int box) {
    static constexpr std::array<const char*, OfferForm::kBoxes> labels = {
        QT_TRANSLATE_NOOP("OfferForm", "Amount"), QT_TRANSLATE_NOOP("OfferForm", "Months"),
        QT_TRANSLATE_NOOP("OfferForm", "Annual rate (%)"), QT_TRANSLATE_NOOP("OfferForm", "Monthly payment"),
        QT_TRANSLATE_NOOP("OfferForm", "Fees")};
    return labels.at(static_cast<std::size_t>(box));
}

QString LabelText(int box) { return QApplication::translate("OfferForm", BoxLabel(box)); }

std::string BoxText(const QLineEdit& box) { return box.text().toStdString(); }

}  // namespace

QString DefaultOfferName(int offer) {
    return QApplication::translate("OfferForm", "Offer %1").arg(QChar(QLatin1Char('A').unicode() + offer));
}

OfferForm::OfferForm(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("offerForm"));
    grid_ = new QGridLayout(this);
    grid_->setContentsMargins(0, 0, 0, 0);
    // The offers keep their boxes' width; the room left stays on the right.
    grid_->setColumnStretch(kMostOffers + 1, 1);
    grid_->addWidget(new QLabel(QApplication::translate("OfferForm", "Name"), this), kNameRow, 0);
    for (int box = 0; box < kBoxes; ++box) grid_->addWidget(new QLabel(LabelText(box), this), BoxRow(box), 0);
    AddColumn(DefaultOfferName(0));
    AddColumn(DefaultOfferName(1));
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget* /*old*/, QWidget* now) {
        if (const int offer = OfferOf(now); offer >= 0) current_ = offer;
    });
}

void OfferForm::AddColumn(const QString& name) {
    const int offer = Count();
    Column& column = columns_.emplace_back();
    column.name = new QLineEdit(name, this);
    connect(column.name, &QLineEdit::textChanged, this, [this, field = column.name] {
        if (writing_) return;
        const int at = OfferOf(field);
        NameColumn(at);
        emit Edited(at);
    });
    for (int box = 0; box < kBoxes; ++box) {
        QLineEdit* edit = column.boxes.at(box) = new QLineEdit(this);
        column.messages.at(box) = BoxMessageLabel(this);
        // Typed, pasted, or set through the accessibility bus: any change
        // but the form's own.
        connect(edit, &QLineEdit::textChanged, this, [this, edit, box] {
            if (writing_) return;
            const int at = OfferOf(edit);
            TakeAsGiven(at, box);
            emit Edited(at);
        });
    }
    column.problem = BoxMessageLabel(this);
    column.use = new QPushButton(QApplication::translate("OfferForm", "Use in Main Window"), this);
    column.schedule = new QPushButton(QApplication::translate("OfferForm", "Show Schedule"), this);
    connect(column.use, &QPushButton::clicked, this,
            [this, button = column.use] { emit UseInMainWindow(OfferOf(button)); });
    connect(column.schedule, &QPushButton::clicked, this,
            [this, button = column.schedule] { emit ShowSchedule(OfferOf(button)); });
    PlaceColumn(offer);
    NameColumn(offer);
}

void OfferForm::PlaceColumn(int offer) {
    const Column& column = columns_.at(offer);
    const int at = offer + 1;
    const auto place = [this, at](QWidget* widget, int row) {
        grid_->removeWidget(widget);
        grid_->addWidget(widget, row, at);
        // At once, not once the event loop gets to it: a new offer's box
        // takes the focus now.
        if (isVisible()) widget->show();
    };
    place(column.name, kNameRow);
    // Named by place, as tests and the accessibility bus find them.
    column.name->setObjectName(QStringLiteral("txtOfferName%1").arg(offer));
    column.problem->setObjectName(QStringLiteral("lblOfferProblem%1").arg(offer));
    column.use->setObjectName(QStringLiteral("cmdUseOffer%1").arg(offer));
    column.schedule->setObjectName(QStringLiteral("cmdShowSchedule%1").arg(offer));
    for (int box = 0; box < kBoxes; ++box) {
        column.boxes.at(box)->setObjectName(QStringLiteral("txtOffer%1_%2").arg(offer).arg(box));
        place(column.boxes.at(box), BoxRow(box));
        place(column.messages.at(box), BoxRow(box) + 1);
    }
    place(column.problem, kProblemRow);
    place(column.use, kUseRow);
    place(column.schedule, kScheduleRow);
    ShowMessageLines(offer);
}

// A message takes a line only while there is one: six offers' boxes fit a
// small screen, and a message shows below the box being typed into, so it
// moves none the user is at.
void OfferForm::ShowMessageLines(int offer) {
    const Column& column = columns_.at(offer);
    for (QLabel* message : column.messages) message->setVisible(!message->text().isEmpty());
    column.problem->setVisible(!column.problem->text().isEmpty());
}

// A screen reader hears each box by its offer's name and its label.
void OfferForm::NameColumn(int offer) {
    const Column& column = columns_.at(offer);
    const QString name = Name(offer);
    column.name->setAccessibleName(QApplication::translate("OfferForm", "Name of offer %1").arg(offer + 1));
    for (int box = 0; box < kBoxes; ++box) {
        column.boxes.at(box)->setAccessibleName(
            QApplication::translate("OfferForm", "%1 %2", "an offer's name, then a box's label")
                .arg(name, LabelText(box)));
    }
    column.use->setAccessibleName(QApplication::translate("OfferForm", "Use %1 in Main Window").arg(name));
    column.schedule->setAccessibleName(QApplication::translate("OfferForm", "Show Schedule of %1").arg(name));
}

QString OfferForm::Name(int offer) const {
    const QString typed = columns_.at(offer).name->text().trimmed();
    return typed.isEmpty() ? DefaultOfferName(offer) : typed;
}

OfferTexts OfferForm::Texts(int offer) const {
    const Column& column = columns_.at(offer);
    std::array<std::string, kBoxes> texts;
    for (int box = 0; box < kBoxes; ++box) {
        const bool workedOut = column.workedOut && static_cast<int>(*column.workedOut) == box;
        if (!workedOut) texts.at(box) = BoxText(*column.boxes.at(box));
    }
    return {texts[0], texts[1], texts[2], texts[3], texts[4]};
}

OfferTexts OfferForm::ShownTexts(int offer) const {
    const Column& column = columns_.at(offer);
    return {BoxText(*column.boxes[0]), BoxText(*column.boxes[1]), BoxText(*column.boxes[2]), BoxText(*column.boxes[3]),
            BoxText(*column.boxes[4])};
}

QString OfferForm::TypedName(int offer) const { return columns_.at(offer).name->text(); }

void OfferForm::Restore(int offer, const QString& name, const OfferTexts& texts, std::optional<OfferTerm> workedOut) {
    SetTexts(offer, texts);
    {
        const QScopedValueRollback quiet(writing_, true);
        columns_.at(offer).name->setText(name);
    }
    NameColumn(offer);
    if (workedOut) {
        ShowWorkedOut(offer, workedOut, columns_.at(offer).boxes.at(static_cast<int>(*workedOut))->text());
    }
    emit Edited(offer);
}

void OfferForm::SetCount(int count) {
    count = std::clamp(count, 1, kMostOffers);
    while (Count() < count) {
        const QScopedValueRollback quiet(writing_, true);
        AddColumn(DefaultOfferName(Count()));
    }
    while (Count() > count) {
        current_ = Count() - 1;
        RemoveOffer();
    }
    emit OffersChanged();
}

QLineEdit& OfferForm::Box(int offer, OfferBox box) const { return *columns_.at(offer).boxes.at(static_cast<int>(box)); }

void OfferForm::SetTexts(int offer, const OfferTexts& texts) {
    ShowWorkedOut(offer, std::nullopt);
    const std::array<const std::string*, kBoxes> each = {&texts.amount, &texts.months, &texts.rate, &texts.payment,
                                                         &texts.fees};
    const QScopedValueRollback quiet(writing_, true);
    for (int box = 0; box < kBoxes; ++box)
        columns_.at(offer).boxes.at(box)->setText(QString::fromStdString(*each.at(box)));
}

void OfferForm::AddOffer() {
    if (Count() >= kMostOffers) return;
    const QScopedValueRollback quiet(writing_, true);
    const int last = Count() - 1;
    AddColumn(DefaultOfferName(Count()));
    const Column& from = columns_.at(last);
    Column& to = columns_.back();
    for (int box = 0; box < kBoxes; ++box) to.boxes.at(box)->setText(from.boxes.at(box)->text());
    to.workedOut = from.workedOut;
    if (to.workedOut) LookWorkedOut(*to.boxes.at(static_cast<int>(*to.workedOut)), true);
    current_ = Count() - 1;
    to.boxes.front()->setFocus();
    emit OffersChanged();
}

void OfferForm::RemoveOffer() {
    if (Count() <= 1) return;
    const int gone = current_;
    Column& column = columns_.at(gone);
    // Later: a column may go while its own button's click is being handled.
    const auto remove = [this](QWidget* widget) {
        grid_->removeWidget(widget);
        widget->hide();
        widget->deleteLater();
    };
    for (QWidget* widget : std::initializer_list<QWidget*>{column.name, column.problem, column.use, column.schedule}) {
        remove(widget);
    }
    for (int box = 0; box < kBoxes; ++box) {
        remove(column.boxes.at(box));
        remove(column.messages.at(box));
    }
    columns_.erase(columns_.begin() + gone);
    for (int offer = gone; offer < Count(); ++offer) PlaceColumn(offer);
    for (int offer = 0; offer < Count(); ++offer) NameColumn(offer);
    current_ = std::min(gone, Count() - 1);
    columns_.at(current_).boxes.front()->setFocus();
    emit OffersChanged();
}

void OfferForm::ShowMessages(int offer, const std::vector<OfferMessage>& messages) {
    Column& column = columns_.at(offer);
    for (int box = 0; box < kBoxes; ++box) {
        if (column.workedOut && static_cast<int>(*column.workedOut) == box) continue;
        QString text;
        for (const OfferMessage& message : messages) {
            if (static_cast<int>(message.box) == box) text = QString::fromStdString(message.text);
        }
        MarkBox(*column.boxes.at(box), *column.messages.at(box), text);
    }
    ShowMessageLines(offer);
}

void OfferForm::ShowWorkedOut(int offer, std::optional<OfferTerm> term, const QString& text) {
    Column& column = columns_.at(offer);
    if (column.workedOut && column.workedOut != term) {
        QLineEdit& was = *column.boxes.at(static_cast<int>(*column.workedOut));
        LookWorkedOut(was, false);
        const QScopedValueRollback quiet(writing_, true);
        was.clear();  // a value worked out for other terms means nothing now
    }
    column.workedOut = term;
    if (!term) return;
    QLineEdit& box = *column.boxes.at(static_cast<int>(*term));
    MarkBox(box, *column.messages.at(static_cast<int>(*term)), {});
    if (box.text() != text) {
        const QScopedValueRollback quiet(writing_, true);
        box.setText(text);
    }
    LookWorkedOut(box, true);
}

void OfferForm::ShowProblem(int offer, const QString& text) {
    QLabel& problem = *columns_.at(offer).problem;
    problem.setText(text);
    problem.setAccessibleName(text);
    ShowMessageLines(offer);
}

// Typing into a worked-out box makes its value a given one.
void OfferForm::TakeAsGiven(int offer, int box) {
    Column& column = columns_.at(offer);
    if (!column.workedOut || static_cast<int>(*column.workedOut) != box) return;
    column.workedOut.reset();
    LookWorkedOut(*column.boxes.at(box), false);
}

void OfferForm::LookWorkedOut(QLineEdit& box, bool workedOut) {
    // Bold, not italic: many fonts have no italic of Arabic or Devanagari
    // digits, and their fallback draws empty squares.
    QFont font = box.font();
    font.setBold(workedOut);
    box.setFont(font);
    QPalette palette = box.palette();
    palette.setColor(QPalette::Base, workedOut ? kWorkedOutBase : QApplication::palette(&box).color(QPalette::Base));
    box.setPalette(palette);
    const QString said = workedOut ? QApplication::translate("OfferForm", "worked out") : QString();
    if (box.accessibleDescription() != said) box.setAccessibleDescription(said);
}

int OfferForm::OfferOf(const QObject* widget) const {
    for (int offer = 0; offer < Count(); ++offer) {
        const Column& column = columns_.at(offer);
        if (widget == column.name || widget == column.use || widget == column.schedule) return offer;
        for (const QLineEdit* box : column.boxes) {
            if (widget == box) return offer;
        }
    }
    return -1;
}

}  // namespace quillmere
