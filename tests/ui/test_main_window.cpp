// The main window driven through its widgets: typing, clicks, keys, menus,
// the grid view and its copy for spreadsheets, the flashing prompt, the link
// bar, and what a screen reader reads of it all.
#include "about_window.h"
#include "link_label.h"
#include "locale_money_formatter.h"
#include "main_window.h"
#include "recording_hooks.h"
#include "schedule_clipboard_text.h"
#include "twips.h"
#include "window_look.h"

#include <QAccessible>
#include <QCalendarWidget>
#include <QClipboard>
#include <QGroupBox>
#include <QGuiApplication>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTableView>
#include <QTest>
#include <QWindow>

#include <memory>

using quillmere::frmMain;

namespace {

struct FakeAbout : quillmere::AboutWindow {
    int shown = 0;
    int timerOffs = 0;
    void ShowModal(QWidget*) override { ++shown; }
    void SwitchTimerOff() override { ++timerOffs; }
};

}  // namespace

class TestMainWindow : public QObject {
    Q_OBJECT

    RecordingHooks recorder_;
    FakeAbout about_;
    std::unique_ptr<frmMain> w_;

    QString Cell(int row, int col) const { return w_->gridOne->model()->index(row - 1, col).data().toString(); }
    void Type(QLineEdit* box, const QString& text) {
        box->setFocus();
        QTest::keyClicks(box, text);
    }
    void CalculateWorkedExample() {
        Type(w_->txtPrincipal, QStringLiteral("1000"));
        Type(w_->txtMonths, QStringLiteral("3"));
        Type(w_->txtRate, QStringLiteral("12"));
        w_->calCalendar->setSelectedDate(QDate(2007, 11, 15));
        QTest::mouseClick(w_->cmdCalculate, Qt::LeftButton);
    }
    static QAccessibleInterface* Accessible(QObject* object) { return QAccessible::queryAccessibleInterface(object); }

private slots:
    void init() {
        w_ = std::make_unique<frmMain>(recorder_.hooks, std::make_unique<quillmere::LocaleMoneyFormatter>(
                                                            QLocale(QLocale::English, QLocale::UnitedStates)));
        w_->SetAboutWindow(&about_);
        w_->show();
        QVERIFY(QTest::qWaitForWindowExposed(w_.get()));
        w_->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(w_.get()));
    }
    void cleanup() {
        w_.reset();
        recorder_.messages.clear();
        recorder_.openedUrls.clear();
        recorder_.prints = recorder_.exits = 0;
        about_ = FakeAbout();
    }

    void opensReadyForInput() {
        QCOMPARE(w_->client->size(), QSize(772, 526));
        QCOMPARE(QApplication::focusWidget(), w_->txtPrincipal);
        QCOMPARE(w_->calCalendar->selectedDate(), QDate::currentDate());
        QCOMPARE(w_->gridOne->model()->rowCount(), 1);
        QCOMPARE(w_->gridOne->columnWidth(1), quillmere::TwipsToPixels(1150));

        // Tab visits the controls that take the focus, in their order.
        const QList<QWidget*> order = {w_->txtMonths,  w_->txtRate,  w_->cmdCalculate, w_->cmdPrint,
                                       w_->txtPayment, w_->cmdClear, w_->gridOne,      w_->calCalendar};
        for (QWidget* expected : order) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QWidget* focus = QApplication::focusWidget();
            QVERIFY2(focus == expected || expected->isAncestorOf(focus), qPrintable(expected->objectName()));
        }
    }

    void calculatesTheWorkedExample() {
        CalculateWorkedExample();

        QCOMPARE(w_->txtPayment->text(), QStringLiteral("$340.02"));
        const QStringList expected[] = {
            {"11/15/07", "1", "$340.02", "$10.00", "$330.02", "$669.98", ""},
            {"12/15/07", "2", "$340.02", "$6.70", "$333.32", "$336.66", ""},
            {"Year Totals", "", "$680.04", "$16.70", "$663.34", "", ""},
            {"01/15/08", "3", "$340.02", "$3.37", "$336.66", "$0.00", ""},
            {"Year Totals", "", "$340.02", "$3.37", "$336.66", "", ""},
            {"", "Totals", "$1,020.07", "$20.07", "", "", ""},
        };
        QCOMPARE(w_->gridOne->model()->rowCount(), 6);
        for (int row = 1; row <= 6; ++row) {
            for (int col = 0; col < 7; ++col) QCOMPARE(Cell(row, col), expected[row - 1][col]);
        }
        QCOMPARE(w_->calCalendar->selectedDate(), QDate(2007, 11, 15));

        // The payment can be copied out of its read-only box.
        QVERIFY(w_->txtPayment->isReadOnly());
        w_->txtPayment->selectAll();
        w_->txtPayment->copy();
        QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("$340.02"));

        // Clear empties the boxes and the grid, keeps the date, focuses the principal.
        w_->gridOne->setFocus();
        QTest::mouseClick(w_->cmdClear, Qt::LeftButton);
        for (QLineEdit* box : {w_->txtPrincipal, w_->txtMonths, w_->txtRate, w_->txtPayment})
            QVERIFY(box->text().isEmpty());
        QCOMPARE(QApplication::focusWidget(), w_->txtPrincipal);
        QCOMPARE(w_->gridOne->model()->rowCount(), 1);
        QCOMPARE(w_->GridStore().TextMatrix(0, 0), std::string("Date"));
        QCOMPARE(w_->calCalendar->selectedDate(), QDate(2007, 11, 15));
    }

    void boxesRefuseTooLongTexts() {
        Type(w_->txtPrincipal, QStringLiteral("1234567890123456"));
        Type(w_->txtMonths, QStringLiteral("12345"));
        Type(w_->txtRate, QStringLiteral("123456"));
        QCOMPARE(w_->txtPrincipal->text(), QStringLiteral("123456789012345"));
        QCOMPARE(w_->txtMonths->text(), QStringLiteral("1234"));
        QCOMPARE(w_->txtRate->text(), QStringLiteral("12345"));
    }

    void menuShortcutsWinOverTheBoxes() {
        Type(w_->txtPrincipal, QStringLiteral("1234"));
        QTest::keyClick(w_->txtPrincipal, Qt::Key_A, Qt::ControlModifier);
        QCOMPARE(about_.shown, 1);
        QCOMPARE(about_.timerOffs, 1);
        w_->txtPrincipal->selectAll();
        QTest::keyClick(w_->txtPrincipal, Qt::Key_X, Qt::ControlModifier);
        QCOMPARE(recorder_.exits, 1);
        QCOMPARE(w_->txtPrincipal->text(), QStringLiteral("1234"));

        // Other keys still reach the box.
        QTest::keyClick(w_->txtPrincipal, Qt::Key_Backspace);
        QVERIFY(w_->txtPrincipal->text().isEmpty());
    }

    void accessKeysWork() {
        Type(w_->txtPrincipal, QStringLiteral("1000"));
        QTest::keyClick(w_.get(), Qt::Key_C, Qt::AltModifier);
        QTRY_COMPARE(w_->txtPayment->text(), QStringLiteral("$1,000.00"));
        QTest::keyClick(w_.get(), Qt::Key_P, Qt::AltModifier);
        QTRY_COMPARE(recorder_.prints, 1);
        w_->cmdClear->setFocus();
        QTest::keyClick(w_->cmdClear, Qt::Key_Return);
        QTRY_VERIFY(w_->txtPayment->text().isEmpty());
        QTest::keyClick(w_.get(), Qt::Key_C, Qt::AltModifier);
        QTRY_VERIFY(!w_->txtPayment->text().isEmpty());
        QTest::keyClick(w_.get(), Qt::Key_R, Qt::AltModifier);
        QTRY_VERIFY(w_->txtPayment->text().isEmpty());
        for (QMenu* menu : {w_->mnuFile, w_->mnuHelp}) {
            QTest::keyClick(w_.get(), menu->title().at(1).toLatin1(), Qt::AltModifier);
            QTRY_VERIFY(menu->isVisible());
            QTest::keyClick(menu, Qt::Key_Escape);
            QTRY_VERIFY(!menu->isVisible());
        }
    }

    void calendarPromptFlashes() {
        const QColor red(255, 0, 0), yellow(255, 255, 0);
        QCOMPARE(quillmere::TextColour(*w_->lblCalendar), red);
        QTRY_COMPARE_WITH_TIMEOUT(quillmere::TextColour(*w_->lblCalendar), yellow, 2000);  // a real tick
        w_->tmrColor_Timer();
        QCOMPARE(quillmere::TextColour(*w_->lblCalendar), red);
        w_->tmrColor_Timer();
        QCOMPARE(quillmere::TextColour(*w_->lblCalendar), yellow);
    }

    void scalesWithTheWindowAndHoldsItsMinimum() {
        const QRect button = w_->cmdCalculate->geometry();
        const QSize size = w_->size();
        const int menuBar = size.height() - w_->client->height();
        w_->resize(size.width() * 2, (size.height() - menuBar) * 2 + menuBar);
        QCoreApplication::processEvents();
        QVERIFY(std::abs(w_->cmdCalculate->width() - 2 * button.width()) <= 2);
        QVERIFY(std::abs(w_->cmdCalculate->y() - 2 * button.y()) <= 2);
        // The grid's headers and rows follow its font.
        QCOMPARE(w_->gridOne->font().pointSizeF(), 16.5);
        QCOMPARE(w_->gridOne->horizontalHeader()->font().pointSizeF(), 16.5);
        QVERIFY(w_->gridOne->rowHeight(0) >= 2 * quillmere::TwipsToPixels(255) - 1);

        w_->resize(size);
        QCoreApplication::processEvents();
        QCOMPARE(w_->cmdCalculate->geometry(), button);
        QCOMPARE(w_->gridOne->font().pointSizeF(), 8.25);

        w_->resize(10, 10);
        QCoreApplication::processEvents();
        QVERIFY(w_->frameGeometry().width() >= quillmere::TwipsToPixels(4800));
        QVERIFY(w_->frameGeometry().height() >= quillmere::TwipsToPixels(3000));
        QCOMPARE(w_->txtPrincipal->font().pointSizeF(), 6.0);  // never too small to read
    }

    void copiesTheScheduleForASpreadsheet() {
        CalculateWorkedExample();
        QClipboard* clipboard = QGuiApplication::clipboard();
        w_->gridOne->setFocus();
        w_->gridOne->clearSelection();
        QTest::keyClick(w_->gridOne, Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(clipboard->text(), QStringLiteral("Date\tNumber\tPayment\tInterest\tApplied\tBalance\tNotes\n"
                                                   "11/15/07\t1\t$340.02\t$10.00\t$330.02\t$669.98\t\n"
                                                   "12/15/07\t2\t$340.02\t$6.70\t$333.32\t$336.66\t\n"
                                                   "Year Totals\t\t$680.04\t$16.70\t$663.34\t\t\n"
                                                   "01/15/08\t3\t$340.02\t$3.37\t$336.66\t$0.00\t\n"
                                                   "Year Totals\t\t$340.02\t$3.37\t$336.66\t\t\n"
                                                   "\tTotals\t$1,020.07\t$20.07\t\t\t\n"));

        // Two cells apart: their bounding rectangle, under its headers.
        QItemSelectionModel* selection = w_->gridOne->selectionModel();
        const QAbstractItemModel* model = w_->gridOne->model();
        selection->select(model->index(0, 3), QItemSelectionModel::Select);
        selection->select(model->index(2, 4), QItemSelectionModel::Select);
        QTest::keyClick(w_->gridOne, Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(clipboard->text(), QStringLiteral("Interest\tApplied\n$10.00\t$330.02\n$6.70\t$333.32\n"
                                                   "$16.70\t$663.34\n"));

        // Ctrl+A and Ctrl+X keep their menu meaning in the grid.
        QTest::keyClick(w_->gridOne, Qt::Key_A, Qt::ControlModifier);
        QCOMPARE(about_.shown, 1);
        QCOMPARE(selection->selectedIndexes().size(), 2);
        QTest::keyClick(w_->gridOne, Qt::Key_X, Qt::ControlModifier);
        QCOMPARE(recorder_.exits, 1);

        // Beyond the store nothing is read; a tab inside a cell can't split it.
        quillmere::ScheduleGrid grid;
        quillmere::ResetGrid(grid);
        grid.SetTextMatrix(1, 6, "a\tb");
        QCOMPARE(quillmere::ScheduleClipboardText(grid, {1, 99, 5, 99}), std::string("Balance\tNotes\n\ta b\n"));
    }

    void tellsAScreenReaderWhatItShows() {
        QAccessible::setActive(true);
        CalculateWorkedExample();
        QAccessibleInterface* payment = Accessible(w_->txtPayment);
        QCOMPARE(payment->text(QAccessible::Name), QStringLiteral("Monthly payment"));
        QCOMPARE(payment->text(QAccessible::Value), QStringLiteral("$340.02"));
        for (QWidget* control :
             QList<QWidget*>{w_->fraLoan, w_->txtPrincipal, w_->lblPrincipal, w_->txtMonths, w_->lblMonths, w_->txtRate,
                             w_->lblRate, w_->cmdCalculate, w_->cmdPrint, w_->lblPayment, w_->cmdClear, w_->gridOne,
                             w_->lblCalendar, w_->calCalendar, static_cast<QWidget*>(w_->Links[3])}) {
            QVERIFY2(!Accessible(control)->text(QAccessible::Name).isEmpty(), qPrintable(control->objectName()));
            QVERIFY2(!Accessible(control)->text(QAccessible::Description).isEmpty(), qPrintable(control->objectName()));
        }

        // The grid's cells and column headers, as a table.
        QAccessibleTableInterface* table = Accessible(w_->gridOne)->tableInterface();
        QVERIFY(table != nullptr);
        QAccessibleInterface* cell = table->cellAt(1, 5);
        QCOMPARE(cell->text(QAccessible::Name), QStringLiteral("$336.66"));
        const QList<QAccessibleInterface*> headers = cell->tableCellInterface()->columnHeaderCells();
        QCOMPARE(headers.size(), 1);
        QCOMPARE(headers[0]->text(QAccessible::Name), QStringLiteral("Balance"));
        QCOMPARE(table->columnDescription(2), QStringLiteral("Payment"));

        // The links are links, and pressing one opens the home page.
        QAccessibleInterface* link = Accessible(w_->Links[0]);
        QCOMPARE(link->role(), QAccessible::Link);
        QCOMPARE(link->text(QAccessible::Name), QStringLiteral("Tell A Friend"));
        QVERIFY(link->state().linked);
        link->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        QCOMPARE(recorder_.openedUrls, QStringList{QStringLiteral("https://www.quillmere.example")});
    }

    void linksOpenTheHomePage() {
        for (quillmere::LinkLabel* link : w_->Links) QTest::mouseClick(link, Qt::LeftButton);
        QCOMPARE(recorder_.openedUrls, QStringList(4, QStringLiteral("https://www.quillmere.example")));
        // Moved through the window, so the pointer lands on the label at any scale factor.
        QWindow* window = w_->windowHandle();
        QTest::mouseMove(window, window->mapFromGlobal(w_->Links[2]->mapToGlobal(w_->Links[2]->rect().center())));
        QTRY_COMPARE(w_->Links[2]->cursor().shape(), Qt::PointingHandCursor);
        QCOMPARE(w_->lblCalendar->cursor().shape(), Qt::ArrowCursor);

        recorder_.browserPresent = false;
        QTest::mouseClick(w_->Links[1], Qt::LeftButton);
        QCOMPARE(recorder_.messages.size(), 1);
        QCOMPARE(recorder_.messages[0].text, QStringLiteral("Cannot open link no default browser"));
        QCOMPARE(recorder_.messages[0].title, QStringLiteral("No Default Application"));
    }
};

QTEST_MAIN(TestMainWindow)
#include "test_main_window.moc"
