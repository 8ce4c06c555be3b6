// A long fill of the grid, and clicks that arrive between its rows: each is
// injected from inside the window's event dispatch during the fill.
#include "about_window.h"
#include "locale_money_formatter.h"
#include "main_window.h"
#include "recording_hooks.h"

#include <QCalendarWidget>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTableView>
#include <QTest>
#include <QTimer>

#include <functional>
#include <memory>

using quillmere::frmMain;
using quillmere::ScheduleGrid;

namespace {

const QLocale kEnUs(QLocale::English, QLocale::UnitedStates);

struct AboutRecorder : quillmere::AboutWindow {
    std::function<void()> whileShown;
    void ShowModal(QWidget*) override { whileShown(); }
    void SwitchTimerOff() override {}
};

}  // namespace

class TestScheduleFill : public QObject {
    Q_OBJECT

    RecordingHooks recorder_;
    int rowsWhenPrinted_ = 0;  // the store's row count when the deferred print ran
    std::unique_ptr<frmMain> w_;
    int maxRows_ = 0;

    std::unique_ptr<frmMain> NewWindow() {
        auto window =
            std::make_unique<frmMain>(recorder_.hooks, std::make_unique<quillmere::LocaleMoneyFormatter>(kEnUs));
        window->calCalendar->setSelectedDate(QDate(2007, 11, 15));
        return window;
    }
    static void SetInputs(frmMain& window, const char* months) {
        window.txtPrincipal->setText(QStringLiteral("100000"));
        window.txtMonths->setText(QString::fromLatin1(months));
        window.txtRate->setText(QStringLiteral("6"));
    }

    int StoreRows() const { return w_->GridStore().Rows(); }
    int ViewRows() const { return w_->gridOne->model()->rowCount(); }

    // Clicks Calculate for `months`; once the grid holds `atRows` rows,
    // `inject` runs from inside the fill's event dispatch. On every dispatch
    // the view must know no more rows than the store holds.
    void Fill(const char* months, int atRows, const std::function<void()>& inject) {
        SetInputs(*w_, months);
        bool injected = false;
        maxRows_ = 0;
        QTimer everyDispatch;
        everyDispatch.setInterval(0);
        connect(&everyDispatch, &QTimer::timeout, this, [&] {
            QVERIFY(ViewRows() <= StoreRows() - 1);
            maxRows_ = std::max(maxRows_, StoreRows());
            if (!injected && StoreRows() >= atRows) {
                injected = true;
                inject();
            }
        });
        everyDispatch.start();
        QTest::mouseClick(w_->cmdCalculate, Qt::LeftButton);
        QVERIFY(injected);
    }

    // The grid and payment must be those an uninterrupted fill leaves.
    void CompareWithUninterrupted(const char* months) {
        const std::unique_ptr<frmMain> expected = NewWindow();
        SetInputs(*expected, months);
        expected->cmdCalculate_Click();
        QCOMPARE(w_->txtPayment->text(), expected->txtPayment->text());
        QCOMPARE(StoreRows(), expected->GridStore().Rows());
        QCOMPARE(ViewRows(), StoreRows() - 1);
        for (int row = 1; row < StoreRows(); ++row) {
            for (int col = 0; col < ScheduleGrid::kColumns; ++col) {
                const std::string& text = expected->GridStore().TextMatrix(row, col);
                QCOMPARE(w_->GridStore().TextMatrix(row, col), text);
                QCOMPARE(w_->gridOne->model()->index(row - 1, col).data().toString().toStdString(), text);
            }
        }
    }

private slots:
    void init() {
        recorder_.prints = recorder_.exits = 0;
        recorder_.onPrint = nullptr;
        w_ = NewWindow();
        w_->show();
        QVERIFY(QTest::qWaitForWindowExposed(w_.get()));
    }
    void cleanup() { w_.reset(); }

    void viewShowsTheStoreInBatches() {
        QSignalSpy inserts(w_->gridOne->model(), &QAbstractItemModel::rowsInserted);
        QElapsedTimer clock;
        clock.start();
        Fill("9999", 2, [] {});
        const qint64 elapsed = clock.elapsed();
        CompareWithUninterrupted("9999");
        QVERIFY2(inserts.size() <= elapsed / frmMain::kGridRefreshMs + 2, qPrintable(QString::number(inserts.size())));
    }

    void calculateTakesOverOnceTheRunningFillHasUnwound() {
        Fill("600", 100, [this] {
            w_->txtMonths->setText(QStringLiteral("36"));
            QTest::mouseClick(w_->cmdCalculate, Qt::LeftButton);
            QCOMPARE(StoreRows(), 100);  // no nested calculation: nothing happened yet
        });
        QVERIFY(maxRows_ < 200);
        CompareWithUninterrupted("36");
    }

    void clearClearsAtOnceAndWins() {
        Fill("600", 100, [this] {
            QTest::mouseClick(w_->cmdCalculate, Qt::LeftButton);
            QTest::mouseClick(w_->cmdClear, Qt::LeftButton);
            QCOMPARE(StoreRows(), 2);
            QCOMPARE(ViewRows(), 1);
        });
        QCOMPARE(StoreRows(), 2);  // and no rows appended after the clear
        QVERIFY(w_->txtPayment->text().isEmpty());
    }

    void printWaitsForTheFillToEnd() {
        rowsWhenPrinted_ = 0;
        recorder_.onPrint = [this] { rowsWhenPrinted_ = StoreRows(); };
        Fill("600", 100, [this] {
            QTest::mouseClick(w_->cmdPrint, Qt::LeftButton);
            QCOMPARE(recorder_.prints, 0);
        });
        QCOMPARE(recorder_.prints, 1);
        QCOMPARE(rowsWhenPrinted_, StoreRows());
        CompareWithUninterrupted("600");
    }

    void aboutOpensWhileTheFillWaits() {
        AboutRecorder about;
        int rowsWhileShown = -1;
        about.whileShown = [&] {
            rowsWhileShown = StoreRows();
            QTest::qWait(20);
            rowsWhileShown -= StoreRows();
        };
        w_->SetAboutWindow(&about);
        Fill("600", 100, [this] { w_->mnuAbout->trigger(); });
        QCOMPARE(rowsWhileShown, 0);
        CompareWithUninterrupted("600");
    }

    void closingEndsTheFill() {
        int rowsAtExit = 0;
        Fill("600", 100, [&] {
            w_->close();
            rowsAtExit = StoreRows();
        });
        QCOMPARE(recorder_.exits, 1);
        QCOMPARE(StoreRows(), rowsAtExit);
    }
};

QTEST_MAIN(TestScheduleFill)
#include "test_schedule_fill.moc"
