// Building the main window: its controls placed from twips, the menus, the
// tab order, what a screen reader hears, and the layout control.
#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTimer>

#include <initializer_list>
#include <tuple>
#include <utility>

#include "autoresize/auto_resize.h"
#include "autoresize/control_properties.h"
#include "autoresize/extender.h"
#include "autoresize/form_container.h"
#include "autoresize/property_bag.h"
#include "ui/common/context_menu.h"
#include "ui/common/link_label.h"
#include "ui/common/window_look.h"
#include "ui/grid/schedule_grid_menu.h"
#include "ui/grid/schedule_grid_view.h"
#include "ui/grid/schedule_table_model.h"
#include "ui/main/main_window.h"
#include "ui/main/menu_shortcut_precedence.h"
#include "ui/main/month_calendar.h"

namespace quillmere {
namespace {

const QColor kLinkBlue(0, 0, 192);

// The room of a box's label: up to the box, at 1800.
constexpr int kLabelRoom = 1800 - 120;

// Where the links stand and what they open. Every link opens the home page.
struct LinkPlace {
    const char* text;
    int left;
    int top;
    int room;  // up to the next link, or the grid
};
constexpr std::array<LinkPlace, 4> kLinkPlaces = {{
    {QT_TRANSLATE_NOOP("quillmere::frmMain", "Tell A Friend"), 240, 7320, 1740},
    {QT_TRANSLATE_NOOP("quillmere::frmMain", "Visit Homepage"), 240, 7560, 1740},
    {QT_TRANSLATE_NOOP("quillmere::frmMain", "Feedback"), 2040, 7320, 1860},
    {QT_TRANSLATE_NOOP("quillmere::frmMain", "Help Documentation"), 2040, 7560, 1860},
}};

QLineEdit* MakeBox(const char* name, int maxLength, QWidget* parent) {
    auto* box = new QLineEdit(parent);
    box->setObjectName(QString::fromLatin1(name));
    if (maxLength > 0) box->setMaxLength(maxLength);
    return box;
}

QPushButton* MakeButton(const char* name, const QString& caption, QWidget* parent) {
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setAutoDefault(true);  // Enter presses the button that has the focus
    return button;
}

}  // namespace

void frmMain::BuildLoanFrame() {
    fraLoan = new QGroupBox(tr("Loan/Debt Details"), client);
    fraLoan->setObjectName(QStringLiteral("fraLoan"));
    PlaceInTwips(*fraLoan, 120, 120, 3735, 1575);

    txtPrincipal = MakeBox("txtPrincipal", 15, fraLoan);
    PlaceInTwips(*txtPrincipal, 1800, 360, 1815, 285);
    lblPrincipal = MakeLabel("lblPrincipal", tr("Principal Amount:"), fraLoan);
    PlaceSizedToText(*lblPrincipal, 120, 360, kLabelRoom);
    txtMonths = MakeBox("txtMonths", 4, fraLoan);
    PlaceInTwips(*txtMonths, 1800, 720, 1815, 285);
    lblMonths = MakeLabel("lblMonths", tr("Duration in Months:"), fraLoan);
    PlaceSizedToText(*lblMonths, 120, 720, kLabelRoom);
    txtRate = MakeBox("txtRate", 5, fraLoan);
    PlaceInTwips(*txtRate, 1800, 1080, 1815, 285);
    lblRate = MakeLabel("lblRate", tr("Interest Rate:"), fraLoan);
    PlaceSizedToText(*lblRate, 120, 1080, kLabelRoom);
}

void frmMain::BuildLeftColumn() {
    cmdCalculate = MakeButton("cmdCalculate", tr("&Calculate My Payment"), client);
    PlaceInTwips(*cmdCalculate, 240, 5760, 3375, 375);
    connect(cmdCalculate, &QPushButton::clicked, this, &frmMain::cmdCalculate_Click);

    cmdPrint = MakeButton("cmdPrint", tr("&Print Payment Schedule"), client);
    PlaceInTwips(*cmdPrint, 240, 6240, 3360, 420);
    connect(cmdPrint, &QPushButton::clicked, this, &frmMain::cmdPrint_Click);

    // The program writes the payment here; the user may select and copy it.
    txtPayment = MakeBox("txtPayment", 0, client);
    txtPayment->setReadOnly(true);
    txtPayment->setFont(WindowFont(QStringLiteral("Arial"), 12));
    PlaceInTwips(*txtPayment, 240, 5160, 3375, 375);

    lblPayment = MakeLabel("lblPayment", tr("Your total monthly payment"), client);
    lblPayment->setFont(WindowFont(QStringLiteral("Verdana"), 9.75));
    // Its text stands centred over the box at every width of the window.
    lblPayment->setAlignment(Qt::AlignCenter);
    PlaceSizedToText(*lblPayment, 600, 4800, 3615 - 600);

    cmdClear = MakeButton("cmdClear", tr("Clea&r"), client);
    PlaceInTwips(*cmdClear, 240, 6720, 3375, 375);
    connect(cmdClear, &QPushButton::clicked, this, &frmMain::cmdClear_Click);

    lblCalendar = MakeLabel("lblCalendar", tr("Select First Payment Date"), client);
    lblCalendar->setFont(WindowFont(QStringLiteral("Verdana"), 11.25));
    lblCalendar->setAlignment(Qt::AlignCenter);
    SetTextColour(*lblCalendar, kCaptionRed);
    PlaceSizedToText(*lblCalendar, 420, 1800, 3900 - 420);

    calCalendar = new MonthCalendar(client);
    calCalendar->setObjectName(QStringLiteral("calCalendar"));
    PlaceInTwips(*calCalendar, 480, 2160, 2910, 2370);
}

void frmMain::BuildGrid() {
    gridModel_ = new ScheduleTableModel(grid_);
    gridOne = new ScheduleGridView(grid_, *gridModel_, client);
    gridOne->setObjectName(QStringLiteral("gridOne"));
    PlaceInTwips(*gridOne, 3960, 0, 7620, 7905);

    BuildGridMenu();

    ScheduleGridView::SetDesignWidths(grid_);
}

// The grid's own menu: copy, save and preview as every schedule grid has
// them, then the chart, the plan of extra payments and the comparison of offers. None of them sees
// half a schedule: while one is being written, each waits for its end.
void frmMain::BuildGridMenu() {
    gridMenu_ = new ScheduleGridMenu(*gridOne, grid_, *money_, hooks_, [this] { return loanTerms_; });
    gridMenu_->SetGate(AfterFillGate());
    gridMenu_->AddEntry("actChart", tr("Show Chart\u2026"), QKeySequence(), [this] { ShowChart(); });
    gridMenu_->AddEntry("actExtra", tr("Extra Payments\u2026"), QKeySequence(Qt::CTRL | Qt::Key_E),
                        [this] { ShowExtraPayments(); });
    gridMenu_->AddEntry("actCompare", tr("Compare Loans\u2026"), QKeySequence(Qt::CTRL | Qt::Key_L),
                        [this] { ShowCompareLoans(); });
}

void frmMain::BuildLinks() {
    for (std::size_t i = 0; i < Links.size(); ++i) {
        const LinkPlace& place = kLinkPlaces[i];
        auto* link = new LinkLabel(static_cast<qint16>(i), tr(place.text), client);
        // One name for the array, as a control array has; its index tells them apart.
        link->setObjectName(QStringLiteral("Links"));
        link->setProperty("Index", link->Index());
        SetTextColour(*link, kLinkBlue);
        PlaceSizedToText(*link, place.left, place.top, place.room);
        connect(link, &LinkLabel::Clicked, this, &frmMain::Links_Click);
        connect(link, &LinkLabel::MouseMoved, this, &frmMain::Links_MouseMove);
        Links[i] = link;
    }
}

void frmMain::BuildMenus() {
    const auto addMenu = [this](const char* menuName, const QString& menuText, const char* entryName,
                                const QString& entryText, Qt::Key key, void (frmMain::*handler)()) {
        QMenu* menu = menuBar()->addMenu(menuText);
        menu->setObjectName(QString::fromLatin1(menuName));
        QAction* entry = menu->addAction(entryText);
        entry->setObjectName(QString::fromLatin1(entryName));
        entry->setShortcut(QKeySequence(Qt::CTRL | key));
        connect(entry, &QAction::triggered, this, handler);
        return std::pair(menu, entry);
    };
    // The loan file's entries stand above Exit.
    mnuFile = menuBar()->addMenu(tr("&File"));
    mnuFile->setObjectName(QStringLiteral("mnuFile"));
    BuildFileMenu();
    mnuExit = mnuFile->addAction(tr("&Exit"));
    mnuExit->setObjectName(QStringLiteral("mnuExit"));
    mnuExit->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_X));
    connect(mnuExit, &QAction::triggered, this, &frmMain::mnuExit_Click);
    std::tie(mnuHelp, mnuAbout) =
        addMenu("mnuHelp", tr("&Help"), "mnuAbout", tr("&About"), Qt::Key_A, &frmMain::mnuAbout_Click);
}

void frmMain::SetTabOrder() {
    const std::array<QWidget*, 9> order = {txtPrincipal, txtMonths, txtRate, cmdCalculate, cmdPrint,
                                           txtPayment,   cmdClear,  gridOne, calCalendar};
    for (std::size_t i = 1; i < order.size(); ++i) QWidget::setTabOrder(order[i - 1], order[i]);
}

// The filter is the window's child, an ownership the analyzer cannot see.
// NOLINTBEGIN(clang-analyzer-cplusplus.NewDeleteLeaks)
void frmMain::GiveMenuShortcutsPrecedence() {
    auto* precedence = new MenuShortcutPrecedence({mnuExit->shortcut(), mnuAbout->shortcut()}, this);
    for (QWidget* widget : client->findChildren<QWidget*>()) {
        if (widget->focusPolicy() != Qt::NoFocus) widget->installEventFilter(precedence);
    }
}
// NOLINTEND(clang-analyzer-cplusplus.NewDeleteLeaks)

void frmMain::DescribeControls() {
    struct Description {
        QWidget* control;
        const char* name;  // null: the control's own text
        const char* description;
    };
    const Description descriptions[] = {
        {fraLoan, QT_TR_NOOP("Loan details"), QT_TR_NOOP("The amount, duration and interest rate of the loan or debt")},
        {txtPrincipal, QT_TR_NOOP("Principal amount"), QT_TR_NOOP("The amount borrowed or owed")},
        {lblPrincipal, nullptr, QT_TR_NOOP("Label of the principal amount")},
        {txtMonths, QT_TR_NOOP("Duration in months"), QT_TR_NOOP("The number of monthly payments")},
        {lblMonths, nullptr, QT_TR_NOOP("Label of the duration in months")},
        {txtRate, QT_TR_NOOP("Interest rate in percent"),
         QT_TR_NOOP("The annual interest rate in percent, at most 70")},
        {lblRate, nullptr, QT_TR_NOOP("Label of the interest rate")},
        {cmdCalculate, QT_TR_NOOP("Calculate my payment"),
         QT_TR_NOOP("Works out the monthly payment and fills the payment schedule")},
        {cmdPrint, QT_TR_NOOP("Print payment schedule"), QT_TR_NOOP("Prints the payment schedule")},
        {txtPayment, QT_TR_NOOP("Monthly payment"), QT_TR_NOOP("The level monthly payment, read only")},
        {lblPayment, nullptr, QT_TR_NOOP("Label of the monthly payment")},
        {cmdClear, QT_TR_NOOP("Clear"), QT_TR_NOOP("Empties the inputs, the payment and the payment schedule")},
        {gridOne, QT_TR_NOOP("Payment schedule"),
         QT_TR_NOOP("One row for each monthly payment, with the year totals and the totals; "
                    "Ctrl+C copies the selected cells, or the whole schedule, for a spreadsheet")},
        {lblCalendar, nullptr, QT_TR_NOOP("Label of the first payment date")},
        {calCalendar, QT_TR_NOOP("First payment date"), QT_TR_NOOP("The date of the first monthly payment")},
    };
    SetAccessibleText(*this, QString(), tr("Works out the monthly payment and the payment schedule of a loan or debt"));
    for (const Description& d : descriptions) {
        SetAccessibleText(*d.control, d.name != nullptr ? tr(d.name) : QString(), tr(d.description));
    }
    for (LinkLabel* link : Links)
        SetAccessibleText(*link, QString(), tr("Opens the maker's home page in the web browser"));
    // Each box is announced with the label beside it.
    lblPrincipal->setBuddy(txtPrincipal);
    lblMonths->setBuddy(txtMonths);
    lblRate->setBuddy(txtRate);
    lblPayment->setBuddy(txtPayment);
    lblCalendar->setBuddy(calCalendar);
}

void frmMain::PlaceResizeControl() {
    Resize = new AutoResize(this);
    Extender extender(*Resize);
    extender.SetName(QStringLiteral("Resize"));
    extender.SetTag(QStringLiteral("NO"));
    FormContainer::Of(*this).AddControls(
        {fraLoan,    txtPrincipal, lblPrincipal, txtMonths, lblMonths,   txtRate,     lblRate,  cmdCalculate, cmdPrint,
         txtPayment, lblPayment,   cmdClear,     gridOne,   lblCalendar, calCalendar, Links[1], Links[0],     Links[3],
         Links[2],   tmrColor,     Resize,       mnuFile,   mnuExit,     mnuHelp,     mnuAbout});
    // Each text stays whole in its place in every language and at every
    // size: a longer translation is set a little smaller.
    for (QWidget* text :
         std::initializer_list<QWidget*>{fraLoan, lblPrincipal, lblMonths, lblRate, cmdCalculate, cmdPrint, lblPayment,
                                         cmdClear, lblCalendar, Links[0], Links[1], Links[2], Links[3]}) {
        text->setProperty(kFitTextProperty, true);
    }
    // The window's stored settings for its layout control: only the ratio.
    PropertyBag stored;
    stored.WriteProperty(QStringLiteral("aspectratiovalue"), 0.0);
    Resize->UserControl_ReadProperties(stored);
}

}  // namespace quillmere
