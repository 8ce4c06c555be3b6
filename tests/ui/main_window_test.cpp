// The main window driven through its widgets: typing, clicks, keys, menus,
// the grid view and its copy for spreadsheets, the flashing prompt, the link
// bar, and what a screen reader reads of it all.
#include "ui/main/main_window.h"
#include "app/accessibility.h"
#include "autoresize/auto_resize.h"
#include "autoresize/form_container.h"
#include "autoresize/twips.h"
#include "money/locale_money_formatter.h"
#include "tests/common/file_contents.h"
#include "tests/ui/main_window_fixture.h"
#include "tests/ui/recording_hooks.h"
#include "tests/ui/window_controls.h"
#include "ui/chart/loan_chart.h"
#include "ui/chart/loan_chart_plot.h"
#include "ui/common/link_label.h"
#include "ui/common/window_look.h"
#include "ui/common/window_placement.h"
#include "ui/grid/schedule_clipboard_text.h"

#include <QAccessible>
#include <QCalendarWidget>
#include <QClipboard>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QPushButton>
#include <QScrollBar>
#include <QStyle>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <QWindow>
#include "ui/grid/schedule_grid_view.h"
#include "ui/main/month_calendar.h"

#include <memory>
#include <optional>

using quillmere::frmMain;

namespace {

// The worked example's schedule as a spreadsheet receives it, headers first.
const QStringList kWorkedExample = {
    "Date\tNumber\tPayment\tInterest\tApplied\tBalance\tNotes",
    "11/15/07\t1\t$340.02\t$10.00\t$330.02\t$669.98\t",
    "12/15/07\t2\t$340.02\t$6.70\t$333.32\t$336.66\t",
    "Year Totals\t\t$680.04\t$16.70\t$663.34\t\t",
    "01/15/08\t3\t$340.02\t$3.37\t$336.66\t$0.00\t",
    "Year Totals\t\t$340.02\t$3.37\t$336.66\t\t",
    "\tTotals\t$1,020.07\t$20.07\t\t\t",
};

QAccessibleInterface* Accessible(QObject* object) { return QAccessible::queryAccessibleInterface(object); }

// The first bytes of a saved file.
QByteArray FileStart(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.read(120) : QByteArray();
}

const QSize kDesignClient(772, 526);

// What a layout pass leaves: every control's place and font, the grid's
// rows and columns, and the window's picture.
struct Layout {
    QStringList controls;
    QImage picture;
};

}  // namespace

class TestMainWindow : public MainWindowTest {
    Q_OBJECT

    RecordingAbout about_;

    // Resizes the client area (the window less its menu bar) to `size`.
    void ResizeClient(QSize size) {
        w_->resize(size + QSize(0, w_->height() - c_->client->height()));
        QCoreApplication::processEvents();
    }

    Layout TakeLayout() {
        QCoreApplication::sendPostedEvents();
        Layout layout;
        for (const QWidget* control : c_->client->findChildren<QWidget*>()) {
            if (!control->isVisible()) continue;
            QString line;
            QDebug(&line) << control->metaObject()->className() << control->objectName() << control->geometry()
                          << control->font().pointSizeF();
            layout.controls << line;
        }
        QString grid;
        QDebug(&grid) << c_->gridOne->rowHeight(0) << c_->gridOne->horizontalHeader()->height();
        for (int column = 0; column < 7; ++column) grid += QString::number(c_->gridOne->ColumnWidth(column)) + ' ';
        layout.controls << grid;
        layout.picture = w_->grab().toImage();
        return layout;
    }

    void opensReadyForInput() {
        QCOMPARE(c_->client->size(), kDesignClient);
        QCOMPARE(QApplication::focusWidget(), c_->txtPrincipal);
        QCOMPARE(c_->calCalendar->selectedDate(), QDate::currentDate());
        QCOMPARE(c_->gridOne->ColumnWidth(1), quillmere::TwipsToPixels(1150));
        // Tab visits the controls that take the focus, in their order.
        for (QWidget* expected : QList<QWidget*>{c_->txtMonths, c_->txtRate, c_->cmdCalculate, c_->cmdPrint,
                                                 c_->txtPayment, c_->cmdClear, c_->gridOne, c_->calCalendar}) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QWidget* focus = QApplication::focusWidget();
            QVERIFY2(focus == expected || expected->isAncestorOf(focus), qPrintable(expected->objectName()));
        }
        // The calendar prompt flashes red and yellow, a tick each.
        QCOMPARE(quillmere::TextColour(*c_->lblCalendar), QColor(Qt::red));
        QTRY_COMPARE_WITH_TIMEOUT(quillmere::TextColour(*c_->lblCalendar), QColor(Qt::yellow), 2000);  // a real tick
        for (const QColor colour : {QColor(Qt::red), QColor(Qt::yellow)}) {
            w_->tmrColor_Timer();
            QCOMPARE(quillmere::TextColour(*c_->lblCalendar), colour);
        }
    }

    // Typed in, as a user would, and calculated with a click.
    void CalculateWorkedExample() {
        QTest::keyClicks(c_->txtPrincipal, "1000");
        QTest::keyClicks(c_->txtMonths, "3");
        QTest::keyClicks(c_->txtRate, "12");
        c_->calCalendar->setSelectedDate(QDate(2007, 11, 15));
        QTest::mouseClick(c_->cmdCalculate, Qt::LeftButton);
    }

private slots:
    void initTestCase() {
        quillmere::RegisterFontSubstitutions();
        quillmere::InstallAccessibility();
    }
    void init() {
        about_.shown = 0;
        QVERIFY(OpenWindow());
        w_->SetAboutWindow(&about_);
        w_->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(w_.get()));
    }
    void cleanup() { CloseWindow(); }

    // The design size where it fits the screen, otherwise the largest size
    // with the design's proportions that does; centred either way.
    void fitsItsScreen() {
        const QRect available = w_->screen()->availableGeometry();
        const QRect outer = w_->frameGeometry();
        QVERIFY2(available.contains(outer), qPrintable(QStringLiteral("%1,%2 %3x%4 on %5x%6")
                                                           .arg(outer.x())
                                                           .arg(outer.y())
                                                           .arg(outer.width())
                                                           .arg(outer.height())
                                                           .arg(available.width())
                                                           .arg(available.height())));
        const QSize client = c_->client->size();
        if (available.height() > 2 * kDesignClient.height()) {
            QCOMPARE(client, kDesignClient);
        } else {
            QVERIFY(client.width() < kDesignClient.width());
            QVERIFY(std::abs(client.width() * kDesignClient.height() - client.height() * kDesignClient.width()) <=
                    kDesignClient.width());
            // And everything in it is scaled down with it.
            const double factor = double(client.width()) / kDesignClient.width();
            QVERIFY(std::abs(c_->cmdCalculate->width() - factor * 225) <= 2);
        }
        QVERIFY(std::abs((outer.left() - available.left()) - (available.right() - outer.right())) <= 40);

        using quillmere::FittedWindowRect;
        const QMargins frame(4, 30, 4, 4);
        QCOMPARE(FittedWindowRect(QRect(0, 0, 1920, 1080), kDesignClient, 20, frame), QRect(570, 250, 780, 580));
        QCOMPARE(FittedWindowRect(QRect(0, 0, 910, 512), kDesignClient, 20, frame), QRect(115, 0, 680, 512));
        QCOMPARE(FittedWindowRect(QRect(0, 40, 400, 1000), kDesignClient, 20, frame), QRect(0, 379, 400, 321));
    }

    // A size reached by different paths gives the same window, pixel for pixel.
    void layoutDependsOnlyOnTheSize() {
        Calculate("250000", "360", "6.5");
        c_->tmrColor->stop();
        c_->gridOne->setFocus();
        const QSize small(420, 271);
        ResizeClient(small);
        const Layout direct = TakeLayout();
        for (const QSize detour : {QSize(1300, 760), kDesignClient, QSize(330, 190), QSize(900, 300)}) {
            ResizeClient(detour);
            ResizeClient(small);
            const Layout again = TakeLayout();
            QCOMPARE(again.controls, direct.controls);
            QVERIFY2(again.picture == direct.picture,
                     qPrintable(QStringLiteral("by way of %1x%2").arg(detour.width()).arg(detour.height())));
        }
    }

    // Date and Number stay in view, whichever cell the keyboard reaches, and
    // selection and copy run across them.
    void fixedColumnsStayInView() {
        c_->calCalendar->setSelectedDate(QDate(2007, 11, 15));
        Calculate("250000", "360", "6.5");
        ResizeClient(QSize(420, 271));
        auto* fixed = c_->gridOne->findChild<QTableView*>(QStringLiteral("gridOneFixedColumns"));
        QVERIFY(fixed != nullptr && fixed->isVisible());
        QScrollBar* sideways = c_->gridOne->horizontalScrollBar();
        QVERIFY(sideways->maximum() > 0);
        c_->gridOne->setFocus();
        const QAbstractItemModel* model = c_->gridOne->model();
        const auto inView = [&](QTableView* view, int row, int column) {
            const QRect cell = view->visualRect(model->index(row, column));
            return view->viewport()->rect().intersects(cell);
        };
        for (const auto& [key, modifiers] :
             {std::pair{Qt::Key_End, Qt::ControlModifier}, std::pair{Qt::Key_End, Qt::NoModifier}}) {
            QTest::keyClick(c_->gridOne, key, modifiers);
            const QModelIndex current = c_->gridOne->currentIndex();
            QCOMPARE(current.column(), 6);
            QCOMPARE(sideways->value(), sideways->maximum());
            QVERIFY(inView(fixed, current.row(), 0) && inView(fixed, current.row(), 1));
            QVERIFY(c_->gridOne->viewport()->rect().contains(c_->gridOne->visualRect(current)));
        }
        QCOMPARE(fixed->geometry().width(), c_->gridOne->ColumnWidth(0) + c_->gridOne->ColumnWidth(1));
        // Home, Ctrl+Home and a move left out of the first scrolling column
        // show the row from its start again, Payment beside the fixed columns.
        const QModelIndex payment = model->index(5, 2);
        const auto back = [&](Qt::Key key, Qt::KeyboardModifiers modifiers) {
            QTest::keyClick(c_->gridOne, key, modifiers);
            return std::pair(sideways->value(), inView(c_->gridOne, c_->gridOne->currentIndex().row(), 2));
        };
        QCOMPARE(back(Qt::Key_Home, Qt::NoModifier), std::pair(0, true));
        QCOMPARE(c_->gridOne->currentIndex().column(), 0);
        QTest::keyClick(c_->gridOne, Qt::Key_End, Qt::ControlModifier);
        QCOMPARE(back(Qt::Key_Home, Qt::ControlModifier), std::pair(0, true));
        QCOMPARE(c_->gridOne->currentIndex(), model->index(0, 0));
        c_->gridOne->setCurrentIndex(payment);
        sideways->setValue(sideways->maximum());  // scrolled away with the mouse
        QCOMPARE(back(Qt::Key_Left, Qt::NoModifier), std::pair(0, true));
        QTest::keyClick(c_->gridOne, Qt::Key_End);
        QTest::keyClick(c_->gridOne, Qt::Key_Left);  // within the scrolling columns: stays
        QVERIFY(sideways->value() > 0);
        // The first column in view is whole, never cut at its start.
        const int first = c_->gridOne->columnAt(0);
        QCOMPARE(c_->gridOne->columnViewportPosition(first), 0);
        // A plain move into the fixed columns selects just the cell it reaches.
        c_->gridOne->setCurrentIndex(model->index(3, 3));
        for (int step = 0; step < 3; ++step) QTest::keyClick(c_->gridOne, Qt::Key_Left);
        QTest::keyClick(c_->gridOne, Qt::Key_Down);
        QCOMPARE(c_->gridOne->selectionModel()->selectedIndexes(), QModelIndexList{model->index(4, 0)});
        // Back to the date: only the rows may scroll.
        QTest::keyClick(c_->gridOne, Qt::Key_Home, Qt::ControlModifier);
        QTest::keyClick(c_->gridOne, Qt::Key_Right);
        QTest::keyClick(c_->gridOne, Qt::Key_Right);
        QTest::keyClick(c_->gridOne, Qt::Key_Right, Qt::ShiftModifier);
        QTest::keyClick(c_->gridOne, Qt::Key_Left, Qt::ShiftModifier);
        QTest::keyClick(c_->gridOne, Qt::Key_Left, Qt::ShiftModifier);
        QTest::keyClick(c_->gridOne, Qt::Key_Left, Qt::ShiftModifier);
        QCOMPARE(c_->gridOne->currentIndex().column(), 0);
        QTest::keyClick(c_->gridOne, Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(QApplication::clipboard()->text().section('\n', 0, 1),
                 QStringLiteral("Date\tNumber\tPayment\n11/15/07\t1\t$1,580.17"));
    }

    // The fixed columns are drawn as the rest of the grid in every locale and
    // at every scale: its font, header font, row and header heights, and a
    // date column wide enough for "Year Totals" in that font.
    void fixedColumnsLookLikeTheGrid() {
        Calculate("1000", "3", "12");
        const QTableView& fixed = c_->gridOne->FixedColumns();
        const QTableView& grid = *c_->gridOne;
        for (const QSize size : {kDesignClient, QSize(kDesignClient.width() * 2, kDesignClient.height()),
                                 kDesignClient * 1.5, QSize(420, 271)}) {
            ResizeClient(size);
            QCoreApplication::sendPostedEvents();
            const QString at = QStringLiteral("at %1x%2").arg(size.width()).arg(size.height());
            QVERIFY2(fixed.font() == grid.font(), qPrintable(at));
            QVERIFY2(fixed.horizontalHeader()->font() == grid.horizontalHeader()->font(), qPrintable(at));
            QCOMPARE(QFontInfo(fixed.font()).family(), QFontInfo(grid.font()).family());
            QCOMPARE(fixed.rowHeight(0), grid.rowHeight(0));
            QCOMPARE(fixed.horizontalHeader()->height(), grid.horizontalHeader()->height());
            QVERIFY2(fixed.fontMetrics().horizontalAdvance(QStringLiteral("Year Totals")) < fixed.columnWidth(0),
                     qPrintable(at));
        }
    }

    // Half the design size still shows the month name, the year and all
    // seven weekdays; with the keyboard focus the selected day is framed.
    void calendarShrinksAndShowsItsFocus() {
        c_->calCalendar->setSelectedDate(QDate(2026, 9, 16));  // the longest month name
        ResizeClient(kDesignClient / 2);
        QWidget* navigation = c_->calCalendar->findChild<QWidget*>(QStringLiteral("qt_calendar_navigationbar"));
        QVERIFY(navigation->width() <= c_->calCalendar->width());
        for (const char* name : {"qt_calendar_monthbutton", "qt_calendar_yearbutton"}) {
            const auto* button = c_->calCalendar->findChild<QToolButton*>(QString::fromLatin1(name));
            QVERIFY2(button->fontMetrics().horizontalAdvance(button->text()) <= button->width(), name);
            QVERIFY(navigation->rect().contains(button->geometry()));
        }
        QTableView* days = c_->calCalendar->DayGrid();
        int width = 0;
        for (int column = 0; column < 7; ++column) width += days->columnWidth(column);
        QVERIFY(width <= days->viewport()->width());

        ResizeClient(kDesignClient);
        const QModelIndex selected = days->currentIndex();
        const QRect cell = days->visualRect(selected);
        const auto frameColour = [&] {
            const QImage picture = days->viewport()->grab().toImage();
            const QPointF edge(cell.left() + 1, cell.center().y());
            return picture.pixelColor((edge * picture.devicePixelRatio()).toPoint());
        };
        c_->txtPrincipal->setFocus();
        QVERIFY(frameColour() != c_->calCalendar->palette().color(QPalette::Text));
        days->setFocus();
        QCOMPARE(frameColour(), c_->calCalendar->palette().color(QPalette::Text));

        // The weekend in red is the locale's.
        const auto red = [&](Qt::DayOfWeek day) {
            return c_->calCalendar->weekdayTextFormat(day).foreground().color() == QColor(Qt::red);
        };
        QVERIFY(red(Qt::Sunday) && red(Qt::Saturday) && !red(Qt::Friday));
        c_->calCalendar->setLocale(QLocale(QStringLiteral("ar_EG")));
        QVERIFY(!red(Qt::Sunday) && red(Qt::Saturday) && red(Qt::Friday));
    }

    void keysReachTheirControls() {
        QTest::keyClicks(c_->txtPrincipal, "1000");
        QTest::keyClick(w_.get(), Qt::Key_C, Qt::AltModifier);
        QTRY_COMPARE(c_->txtPayment->text(), QStringLiteral("$1,000.00"));
        QTest::keyClick(w_.get(), Qt::Key_P, Qt::AltModifier);
        QTRY_COMPARE(recorder_->prints, 1);
        QTest::keyClick(w_.get(), Qt::Key_R, Qt::AltModifier);
        QTRY_VERIFY(c_->txtPayment->text().isEmpty());
        for (QMenu* menu : {c_->mnuFile, c_->mnuHelp}) {
            QTest::keyClick(w_.get(), menu->title().at(1).toLatin1(), Qt::AltModifier);
            QTRY_VERIFY(menu->isVisible());
            QTest::keyClick(menu, Qt::Key_Escape);
            QTRY_VERIFY(!menu->isVisible());
        }

        // The boxes take 15, 4 and 5 characters, and editing keys.
        for (QLineEdit* box : {c_->txtPrincipal, c_->txtMonths, c_->txtRate}) QTest::keyClicks(box, "1234567890123456");
        QCOMPARE(c_->txtPrincipal->text(), QStringLiteral("123456789012345"));
        QCOMPARE(c_->txtMonths->text(), QStringLiteral("1234"));
        QCOMPARE(c_->txtRate->text(), QStringLiteral("12345"));
        QTest::keyClick(c_->txtRate, Qt::Key_Backspace);
        QCOMPARE(c_->txtRate->text(), QStringLiteral("1234"));
        // Enter presses the focused button.
        c_->cmdClear->setFocus();
        QTest::keyClick(c_->cmdClear, Qt::Key_Return);
        QTRY_VERIFY(c_->txtPrincipal->text().isEmpty());
    }

    void calculatesTheWorkedExample() {
        CalculateWorkedExample();
        QCOMPARE(c_->txtPayment->text(), QStringLiteral("$340.02"));
        QVERIFY(c_->txtPayment->isReadOnly());
        // Boxes the calculation had nothing to clean keep their cursor and undo.
        c_->txtRate->setCursorPosition(1);
        QTest::mouseClick(c_->cmdCalculate, Qt::LeftButton);
        QCOMPARE(c_->txtRate->cursorPosition(), 1);
        QVERIFY(c_->txtRate->isUndoAvailable());
        const QAbstractItemModel* model = c_->gridOne->model();
        QCOMPARE(model->rowCount(), 6);
        for (int row = 0; row < 6; ++row) {
            for (int col = 0; col < 7; ++col) {
                QCOMPARE(model->index(row, col).data().toString(), kWorkedExample[row + 1].section('\t', col, col));
            }
        }
    }

    // Ctrl+C copies the whole schedule, or the bounding rectangle of the
    // selected cells, under their headers.
    void copiesTheScheduleForASpreadsheet() {
        CalculateWorkedExample();
        const QAbstractItemModel* model = c_->gridOne->model();
        c_->gridOne->setFocus();
        QTest::keyClick(c_->gridOne, Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(QApplication::clipboard()->text(), kWorkedExample.join('\n') + '\n');
        QItemSelectionModel* selection = c_->gridOne->selectionModel();
        selection->select(model->index(0, 3), QItemSelectionModel::Select);
        selection->select(model->index(2, 4), QItemSelectionModel::Select);
        QTest::keyClick(c_->gridOne, Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(QApplication::clipboard()->text(),
                 QStringLiteral("Interest\tApplied\n$10.00\t$330.02\n$6.70\t$333.32\n$16.70\t$663.34\n"));
        // Beside the text, the same cells as an HTML table of values.
        const QString html = QApplication::clipboard()->mimeData()->html();
        QVERIFY(html.contains(QStringLiteral("<th>Interest</th><th>Applied</th></tr>")));
        QVERIFY(html.contains(QStringLiteral("<td sdval=\"330.02\" sdnum=\"1033;0;General\" x:num=\"330.02\"")));
        QVERIFY(html.contains(QStringLiteral("x:num=\"663.34\"")));
        QVERIFY(!html.contains(QStringLiteral("Balance")));
        // Beyond the store nothing is read; a tab inside a cell can't split it.
        quillmere::ScheduleGrid grid;
        quillmere::ResetGrid(grid);
        grid.SetTextMatrix(1, 6, "a\tb");
        QCOMPARE(quillmere::ScheduleClipboardText(grid, {1, 99, 5, 99}), std::string("Balance\tNotes\n\ta b\n"));
    }

    // Ctrl+A and Ctrl+X keep their menu meaning in the boxes and the grid:
    // nothing is cut or selected.
    void menuShortcutsWinOverTheControls() {
        CalculateWorkedExample();
        c_->gridOne->selectionModel()->select(c_->gridOne->model()->index(0, 3), QItemSelectionModel::Select);
        c_->txtPrincipal->setFocus();
        c_->txtPrincipal->selectAll();
        for (QWidget* control : {static_cast<QWidget*>(c_->txtPrincipal), static_cast<QWidget*>(c_->gridOne)}) {
            control->setFocus();
            QTest::keyClick(control, Qt::Key_A, Qt::ControlModifier);
            QTest::keyClick(control, Qt::Key_X, Qt::ControlModifier);
        }
        QCOMPARE(about_.shown, 2);
        QCOMPARE(recorder_->exits, 2);
        QCOMPARE(c_->txtPrincipal->text(), QStringLiteral("1000"));
        QCOMPARE(c_->gridOne->selectionModel()->selectedIndexes().size(), 1);
    }

    // A screen reader hears every control's name and purpose, the payment,
    // and the grid as a table under its column headers.
    void tellsAScreenReaderWhatEachControlIs() {
        CalculateWorkedExample();
        QCOMPARE(Accessible(c_->txtPayment)->text(QAccessible::Value), QStringLiteral("$340.02"));
        for (QWidget* control :
             QList<QWidget*>{c_->fraLoan, c_->txtPrincipal, c_->lblPrincipal, c_->txtMonths, c_->lblMonths, c_->txtRate,
                             c_->lblRate, c_->cmdCalculate, c_->cmdPrint, c_->txtPayment, c_->lblPayment, c_->cmdClear,
                             c_->gridOne, c_->lblCalendar, c_->calCalendar, static_cast<QWidget*>(c_->Links[3])}) {
            QAccessibleInterface* read = Accessible(control);
            QVERIFY2(!read->text(QAccessible::Name).isEmpty() && !read->text(QAccessible::Description).isEmpty(),
                     qPrintable(control->objectName()));
        }
        QAccessibleInterface* cell = Accessible(c_->gridOne)->tableInterface()->cellAt(1, 5);
        QCOMPARE(cell->text(QAccessible::Name), QStringLiteral("$336.66"));
        const QList<QAccessibleInterface*> headers = cell->tableCellInterface()->columnHeaderCells();
        QCOMPARE(headers.size(), 1);
        QCOMPARE(headers[0]->text(QAccessible::Name), QStringLiteral("Balance"));
    }

    // Every cell of the schedule, the last row and the fixed columns included,
    // answers its place both ways; a place beyond the table answers "no cell"
    // and never crashes; the fixed columns' own view stays out of sight.
    void screenReaderTableAnswersEveryPlace() {
        CalculateWorkedExample();
        QAccessibleInterface* grid = Accessible(c_->gridOne);
        QAccessibleTableInterface* table = grid->tableInterface();
        QCOMPARE(table->rowCount(), 6);
        QCOMPARE(table->columnCount(), 7);
        QCOMPARE(grid->childCount(), 42);
        for (int child = 0; child < grid->childCount(); ++child) {
            QAccessibleInterface* cell = grid->child(child);
            QAccessibleTableCellInterface* place = cell->tableCellInterface();
            QCOMPARE(place->rowIndex(), child / 7);
            QCOMPARE(place->columnIndex(), child % 7);
            QCOMPARE(grid->indexOfChild(cell), child);
            QCOMPARE(table->cellAt(child / 7, child % 7), cell);
            QCOMPARE(cell->text(QAccessible::Name), kWorkedExample[child / 7 + 1].section('\t', child % 7, child % 7));
            QCOMPARE(place->columnHeaderCells().at(0)->text(QAccessible::Name),
                     kWorkedExample[0].section('\t', child % 7, child % 7));
            QVERIFY2(!cell->rect().isEmpty(), qPrintable(cell->text(QAccessible::Name)));  // fixed columns too
        }
        for (const auto& [row, column] : {std::pair{6, 0}, {0, 7}, {-1, 2}, {99, 99}}) {
            QAccessibleTableCellInterface* none = table->cellAt(row, column)->tableCellInterface();
            QCOMPARE(none->rowIndex(), -1);
            QCOMPARE(none->columnExtent(), 0);
        }
        QCOMPARE(grid->child(42), nullptr);
        QAccessibleInterface* fixed = Accessible(&c_->gridOne->FixedColumns());
        QCOMPARE(fixed->childCount(), 0);
        QVERIFY(fixed->state().invisible);
        // The cell with the focus is the cell, in the table's own numbering.
        c_->gridOne->setFocus();
        c_->gridOne->setCurrentIndex(c_->gridOne->model()->index(5, 1));
        QCOMPARE(grid->focusChild()->text(QAccessible::Name), QStringLiteral("Totals"));
        QCOMPARE(grid->focusChild()->tableCellInterface()->rowIndex(), 5);
    }

    // A filled box is read whole, and the calendar names its days, weekdays
    // and arrows. The calendar is named once (its label on screen says the
    // same); its days are a list named by the month shown, so a screen reader
    // reads one day a move, without its weekday's column before it.
    void screenReaderHearsBoxesAndCalendarWhole() {
        c_->txtPrincipal->setText(QStringLiteral("1000"));
        QAccessibleTextInterface* text = Accessible(c_->txtPrincipal)->textInterface();
        for (int offset = 0; offset < 4; ++offset) {
            int start = -1;
            int end = -1;
            text->attributes(offset, &start, &end);
            QCOMPARE(std::pair(start, end), std::pair(0, 4));
        }
        c_->calCalendar->setLocale(QLocale(QLocale::English, QLocale::UnitedKingdom));
        c_->calCalendar->setFirstDayOfWeek(Qt::Sunday);
        c_->calCalendar->setSelectedDate(QDate(2026, 12, 6));
        QAccessibleInterface* calendar = Accessible(c_->calCalendar);
        QCOMPARE(calendar->role(), QAccessible::Grouping);
        QCOMPARE(calendar->text(QAccessible::Name), QStringLiteral("First payment date"));
        QVERIFY(calendar->relations(QAccessible::Label).isEmpty());
        QAccessibleInterface* days = Accessible(c_->calCalendar->DayGrid());
        QCOMPARE(days->role(), QAccessible::List);
        QCOMPARE(days->text(QAccessible::Name), QStringLiteral("December 2026"));
        QAccessibleTableInterface* weeks = days->tableInterface();
        QCOMPARE(std::pair(weeks->rowCount(), weeks->columnCount()), std::pair(6, 7));
        QCOMPARE(days->focusChild()->text(QAccessible::Name), QStringLiteral("Sunday, 6 December 2026"));
        QCOMPARE(weeks->columnDescription(0), QStringLiteral("Sunday"));
        QCOMPARE(weeks->columnDescription(6), QStringLiteral("Saturday"));
        QCOMPARE(weeks->cellAt(0, 0)->text(QAccessible::Name), QStringLiteral("Sunday, 29 November 2026"));
        QVERIFY(weeks->cellAt(0, 0)->tableCellInterface()->columnHeaderCells().isEmpty());
        c_->calCalendar->setSelectedDate(QDate(2027, 1, 31));
        QCOMPARE(days->text(QAccessible::Name), QStringLiteral("January 2027"));
        for (const auto& [part, name] : {std::pair{"qt_calendar_prevmonth", "Previous month"},
                                         {"qt_calendar_nextmonth", "Next month"},
                                         {"qt_calendar_yearedit", "Year"}}) {
            QCOMPARE(Accessible(c_->calCalendar->findChild<QWidget*>(QLatin1String(part)))->text(QAccessible::Name),
                     QLatin1String(name));
        }
    }

    // When a calculation completes, a screen reader is given the payment as a
    // notification, and the keyboard focus stays where it was. (Whether the
    // event reaches the screen reader is checked through the real bus.)
    void screenReaderIsToldTheResult() {
        c_->cmdCalculate->setFocus();
        CalculateWorkedExample();
        QAccessibleInterface* notification = Accessible(w_->findChild<QObject*>(QStringLiteral("resultAnnouncer")));
        QCOMPARE(notification->role(), QAccessible::Notification);
        QCOMPARE(notification->text(QAccessible::Name), QStringLiteral("Monthly payment $340.02, 3 payments"));
        QCOMPARE(QApplication::focusWidget(), c_->cmdCalculate);
    }

    // The grid's own menu holds copy, save, preview and chart, its shortcuts
    // work in the grid, and the window's menus keep their one entry each.
    void gridMenuSavesPreviewsAndCharts() {
        CalculateWorkedExample();
        auto* menu = Control<QMenu>(*w_, "gridMenu");
        QCOMPARE(menu->accessibleName(), QStringLiteral("Schedule menu"));
        QStringList entries;
        for (const QAction* action : menu->actions()) entries << action->text() + ' ' + action->shortcut().toString();
        QCOMPARE(entries,
                 (QStringList{"Copy Ctrl+C", "Save Schedule As\u2026 Ctrl+S", "Print Preview\u2026 ",
                              "Show Chart\u2026 ", "Extra Payments\u2026 Ctrl+E", "Compare Loans\u2026 Ctrl+L"}));
        QStringList file;
        for (const QAction* action : c_->mnuFile->actions())
            file << action->text() + ' ' + action->shortcut().toString();
        QCOMPARE(file, (QStringList{"&Open Loan\u2026 Ctrl+O", "Open &Recent ", "&Save Loan Ctrl+Shift+S",
                                    "Save Loan &As\u2026 F12", " ", "&Exit Ctrl+X"}));
        QCOMPARE(c_->mnuHelp->actions().size(), 1);
        emit c_->gridOne->customContextMenuRequested(QPoint(10, 10));
        QTRY_VERIFY(menu->isVisible());
        menu->hide();
        c_->gridOne->setFocus();
        const QModelIndex cell = c_->gridOne->model()->index(2, 3);
        c_->gridOne->setCurrentIndex(cell);
        QTest::keyClick(c_->gridOne, Qt::Key_F10, Qt::ShiftModifier);  // the keyboard's way, at the current cell
        QTRY_VERIFY(menu->isVisible());
        QCOMPARE(menu->pos(), c_->gridOne->viewport()->mapToGlobal(c_->gridOne->visualRect(cell).center()));
        menu->hide();

        // Each of the dialog's file types, the workbook chosen at first; the
        // suffix is added.
        const QTemporaryDir dir;
        recorder_->saveAs = dir.filePath(QStringLiteral("loan"));
        c_->gridOne->setFocus();
        QTest::keyClick(c_->gridOne, Qt::Key_S, Qt::ControlModifier);
        QVERIFY(recorder_->saveAsked.at(0).endsWith(QStringLiteral("Loan Payment Schedule.xlsx")));
        QCOMPARE(recorder_->saveFirstFilter, QStringLiteral("Excel workbook (*.xlsx)"));
        QCOMPARE(recorder_->saveFilters, QStringLiteral("Excel workbook (*.xlsx);;CSV for spreadsheets (*.csv);;"
                                                        "CSV as shown (*.csv)"));
        QVERIFY(FileStart(dir.filePath(QStringLiteral("loan.xlsx"))).startsWith("PK"));
        recorder_->saveFilter = QStringLiteral("CSV for spreadsheets (*.csv)");
        Control<QAction>(*w_, "actSave")->trigger();
        QVERIFY(FileStart(dir.filePath(QStringLiteral("loan.csv")))
                    .startsWith("Date,Number,Payment,Interest,Applied,Balance,Notes\r\n2007-11-15,1,340.02,"));
        recorder_->saveFilter = QStringLiteral("CSV as shown (*.csv)");
        Control<QAction>(*w_, "actSave")->trigger();
        QVERIFY(FileStart(dir.filePath(QStringLiteral("loan.csv")))
                    .startsWith("Date,Number,Payment,Interest,Applied,Balance,Notes\r\n11/15/07,1,$340.02"));
        // A typed extension decides the type; the dialog opens where the last
        // schedule went.
        recorder_->saveFilter.clear();
        recorder_->saveAs = dir.filePath(QStringLiteral("typed.csv"));
        Control<QAction>(*w_, "actSave")->trigger();
        QVERIFY(FileStart(dir.filePath(QStringLiteral("typed.csv"))).startsWith("Date,Number,Payment"));
        QCOMPARE(recorder_->saveAsked.last(), dir.filePath(QStringLiteral("Loan Payment Schedule.xlsx")));
        recorder_->questions.clear();
        Control<QAction>(*w_, "actSave")->trigger();  // the name the dialog confirmed: no second question
        QVERIFY(recorder_->questions.isEmpty());
        // A file the added extension leads to is replaced only once the user
        // agrees; "No" asks for another name.
        QVERIFY(quillmere::WriteFile(dir.filePath(QStringLiteral("keep.xlsx")), "kept"));
        recorder_->answerYes = false;
        recorder_->saveAnswers = {dir.filePath(QStringLiteral("keep")), QString()};
        Control<QAction>(*w_, "actSave")->trigger();
        QCOMPARE(recorder_->questions, QStringList{"Save Schedule As: keep.xlsx already exists.\n"
                                                   "Do you want to replace it?"});
        QCOMPARE(recorder_->saveAsked.last(), dir.filePath(QStringLiteral("keep.xlsx")));
        QCOMPARE(FileStart(dir.filePath(QStringLiteral("keep.xlsx"))), QByteArray("kept"));
        recorder_->answerYes = true;
        recorder_->saveAs = dir.filePath(QStringLiteral("keep"));
        Control<QAction>(*w_, "actSave")->trigger();
        QVERIFY(FileStart(dir.filePath(QStringLiteral("keep.xlsx"))).startsWith("PK"));
        // A folder where the file would go: another name is asked for.
        QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("folder.xlsx")));
        recorder_->saveAnswers = {dir.filePath(QStringLiteral("folder")), QString()};
        Control<QAction>(*w_, "actSave")->trigger();
        QCOMPARE(recorder_->warnings, QStringList{"Save Schedule As: folder.xlsx is a folder. Choose another name."});
        recorder_->warnings.clear();
        // A failure is said, with the path and the reason.
        recorder_->saveAs = dir.filePath(QStringLiteral("gone/loan.csv"));
        Control<QAction>(*w_, "actSave")->trigger();
        QCOMPARE(recorder_->warnings.size(), 1);
        QVERIFY(recorder_->messages.isEmpty());
        QVERIFY(recorder_->warnings[0].startsWith(
            QStringLiteral("Save Schedule As: The schedule could not be saved to ") + recorder_->saveAs + ".\n\n"));
        Control<QAction>(*w_, "actPreview")->trigger();
        QCOMPARE(recorder_->previews, 1);
    }

    // From the keyboard the grid's menu opens on its first entry. A screen
    // reader meets it as a child of the current cell (so closing it comes
    // back there, not to the window), its entries by their texts and
    // shortcuts, and pressing one runs it.
    void gridMenuIsHeardFromTheCell() {
        CalculateWorkedExample();
        auto* menu = Control<QMenu>(*w_, "gridMenu");
        c_->gridOne->setFocus();
        const QModelIndex cell = c_->gridOne->model()->index(1, 2);
        c_->gridOne->setCurrentIndex(cell);
        QTest::keyClick(c_->gridOne, Qt::Key_F10, Qt::ShiftModifier);
        QTRY_VERIFY(menu->isVisible());
        QCOMPARE(menu->activeAction(), Control<QAction>(*w_, "actCopy"));

        QAccessibleInterface* popup = Accessible(menu);
        QCOMPARE(popup->role(), QAccessible::PopupMenu);
        QCOMPARE(popup->parent()->role(), QAccessible::Cell);
        QCOMPARE(popup->parent()->text(QAccessible::Name), cell.data().toString());
        QCOMPARE(popup->childCount(), 6);
        QVERIFY(popup->focusChild() == popup->child(0) && popup->child(0)->state().focused);
        QAccessibleInterface* save = popup->child(1);
        QCOMPARE(save->role(), QAccessible::MenuItem);
        QCOMPARE(save->text(QAccessible::Name), QStringLiteral("Save Schedule As\u2026"));
        QCOMPARE(save->text(QAccessible::Accelerator), QKeySequence(Qt::CTRL | Qt::Key_S).toString());
        QVERIFY(!save->state().focused && !save->state().invisible);
        QCOMPARE(popup->indexOfChild(save), 1);
        QCOMPARE(popup->child(6), nullptr);
        QCOMPARE(popup->indexOfChild(nullptr), -1);

        popup->child(2)->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        QVERIFY(!menu->isVisible());
        QCOMPARE(recorder_->previews, 1);
        QVERIFY(save->state().invisible);
    }

    // The chart follows the grid: recalculated, then cleared.
    void chartFollowsTheGrid() {
        CalculateWorkedExample();
        Control<QAction>(*w_, "actChart")->trigger();
        auto* chart = Control<quillmere::LoanChart>(*w_, "loanChart");
        QVERIFY(chart->isVisible());
        QCOMPARE(chart->windowTitle(), QStringLiteral("Loan Chart"));
        QCOMPARE(chart->Data().balances.size(), 3U);
        QCOMPARE(Accessible(chart)->text(QAccessible::Description),
                 QStringLiteral("Monthly payment $340.02; total interest $20.07; paid off on 1/15/2008"));
        auto& plot = chart->Plot();
        QTest::mouseMove(&plot, plot.Layout().balances.pane.center().toPoint());
        QTRY_VERIFY(chart->HoverText().startsWith(QStringLiteral("Payment ")));
        c_->txtMonths->setText(QStringLiteral("12"));
        QTest::mouseClick(c_->cmdCalculate, Qt::LeftButton);
        QCOMPARE(chart->Data().balances.size(), 12U);
        QCOMPARE(chart->YearsTable().model()->rowCount(), 2);  // 2007 and 2008
        QTest::mouseClick(c_->cmdClear, Qt::LeftButton);
        QVERIFY(chart->Data().IsEmpty());
        QCOMPARE(chart->YearsTable().model()->rowCount(), 0);
        QVERIFY(chart->grab().size().isValid());  // an empty frame with its note
    }

    // Clear empties the boxes and the grid, keeps the date, focuses the principal.
    void clearEmptiesBoxesAndGridButKeepsTheDate() {
        CalculateWorkedExample();
        QTest::mouseClick(c_->cmdClear, Qt::LeftButton);
        for (QLineEdit* box : {c_->txtPrincipal, c_->txtMonths, c_->txtRate, c_->txtPayment})
            QVERIFY(box->text().isEmpty());
        QCOMPARE(QApplication::focusWidget(), c_->txtPrincipal);
        QCOMPARE(c_->gridOne->model()->rowCount(), 1);
        QCOMPARE(w_->GridStore().TextMatrix(0, 0), std::string("Date"));
        QCOMPARE(c_->calCalendar->selectedDate(), QDate(2007, 11, 15));
    }

    void scalesWithTheWindowAndHoldsItsMinimum() {
        const QRect button = c_->cmdCalculate->geometry();
        const QSize size = w_->size();
        const int menuBar = size.height() - c_->client->height();
        w_->resize(size.width() * 2, (size.height() - menuBar) * 2 + menuBar);
        QCoreApplication::processEvents();
        QVERIFY(std::abs(c_->cmdCalculate->width() - 2 * button.width()) <= 2);
        QVERIFY(std::abs(c_->cmdCalculate->y() - 2 * button.y()) <= 2);
        // The grid's headers and rows follow its font.
        QCOMPARE(c_->gridOne->font().pointSizeF(), 16.5);
        QCOMPARE(c_->gridOne->horizontalHeader()->font().pointSizeF(), 16.5);
        QVERIFY(c_->gridOne->rowHeight(0) >= 2 * quillmere::TwipsToPixels(255) - 1);

        w_->resize(size);
        QCoreApplication::processEvents();
        QCOMPARE(c_->cmdCalculate->geometry(), button);
        QCOMPARE(c_->gridOne->font().pointSizeF(), 8.25);

        w_->resize(10, 10);
        QCoreApplication::processEvents();
        QVERIFY(w_->frameGeometry().width() >= quillmere::TwipsToPixels(4800));
        QVERIFY(w_->frameGeometry().height() >= quillmere::TwipsToPixels(3000));
        QCOMPARE(c_->txtPrincipal->font().pointSizeF(), 6.0);  // never too small to read
    }

    // Every control's Left and Width scale with the window's width, labels
    // sized to their text too: the calendar's caption stays centred over
    // the calendar, and the payment's caption over its box.
    void placesFollowTheWidth() {
        const auto& layouts = w_->findChild<quillmere::AutoResize*>()->Layouts();
        const quillmere::FormContainer& controls = quillmere::FormContainer::Of(*w_);
        const auto centre = [](const QWidget* widget) { return widget->geometry().center().x(); };
        // Where a label's text stands, from its alignment.
        const auto textCentre = [](const QLabel* label) {
            const QSize text(label->fontMetrics().horizontalAdvance(label->text()), label->height());
            const QRect drawn = QStyle::alignedRect(label->layoutDirection(), label->alignment(), text, label->rect());
            return label->mapToParent(drawn.center()).x();
        };
        const int calendarOffset = textCentre(c_->lblCalendar) - centre(c_->calCalendar);
        const int paymentOffset = textCentre(c_->lblPayment) - centre(c_->txtPayment);
        QVERIFY(std::abs(calendarOffset) <= 4 && std::abs(paymentOffset) <= 4);
        for (const auto& [horizontal, vertical] : {std::pair(2.0, 1.0), std::pair(1.5, 1.2)}) {
            ResizeClient(QSize(int(kDesignClient.width() * horizontal), int(kDesignClient.height() * vertical)));
            int placed = 0;
            for (const quillmere::ControlLayout& layout : layouts) {
                const auto* control = qobject_cast<const QWidget*>(controls.Control(layout.CtlIndex));
                if (control == nullptr || control->isWindow()) continue;
                const float h = float(horizontal);
                QCOMPARE(std::tuple(control->objectName(), control->x(), control->width()),
                         std::tuple(control->objectName(), quillmere::TwipsToPixels(h * layout.LeftX1),
                                    quillmere::TwipsToPixels(h * layout.WidthX2)));
                ++placed;
            }
            QCOMPARE(placed, 19);
            // Where the design puts a caption's text from the centre of its
            // control, scaled.
            QVERIFY(std::abs(textCentre(c_->lblCalendar) - centre(c_->calCalendar) - horizontal * calendarOffset) <= 2);
            QVERIFY(std::abs(textCentre(c_->lblPayment) - centre(c_->txtPayment) - horizontal * paymentOffset) <= 2);
        }
    }

    void linksOpenTheHomePage() {
        // A screen reader meets each link as a link and can press it.
        QAccessibleInterface* link = Accessible(c_->Links[0]);
        QCOMPARE(link->role(), QAccessible::Link);
        link->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        for (quillmere::LinkLabel* label : c_->Links) QTest::mouseClick(label, Qt::LeftButton);
        QCOMPARE(recorder_->openedUrls, QStringList(5, QStringLiteral("https://www.quillmere.example")));
        // Moved through the window, so the pointer lands on the label at any scale factor.
        QWindow* window = w_->windowHandle();
        QTest::mouseMove(window, window->mapFromGlobal(c_->Links[2]->mapToGlobal(c_->Links[2]->rect().center())));
        QTRY_COMPARE(c_->Links[2]->cursor().shape(), Qt::PointingHandCursor);
        QCOMPARE(c_->lblCalendar->cursor().shape(), Qt::ArrowCursor);

        recorder_->browserPresent = false;
        QTest::mouseClick(c_->Links[1], Qt::LeftButton);
        QCOMPARE(recorder_->messages,
                 QStringList{QStringLiteral("No Default Application: Cannot open link no default browser")});
    }
};

QTEST_MAIN(TestMainWindow)
#include "main_window_test.moc"
