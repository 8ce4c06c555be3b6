// A long fill of the grid, and clicks that arrive between its rows: each is
// injected from inside the window's event dispatch during the fill.
#include "about_window.h"
#include "locale_money_formatter.h"
#include "main_window.h"
#include "recording_hooks.h"
#include "reference_schedule.h"

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
    std::unique_ptr<frmMain> w_;
    int maxRows_ = 0;

    int StoreRows() const { return w_->GridStore().Rows(); }
    int ViewRows() const { return w_->gridOne->model()->rowCount(); }

    // Clicks Calculate for `months`; once the grid holds `atRows` rows,
    // `inject` runs from inside the fill's event dispatch. On every dispatch
    // the view must know no more rows than the store holds.
    void Fill(const char* months, int atRows, const std::function<void()>& inject) {
        w_->txtPrincipal->setText(QStringLiteral("100000"));
        w_->txtMonths->setText(QString::fromLatin1(months));
        w_->txtRate->setText(QStringLiteral("6"));
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

    void CompareWith(const ReferenceSchedule& expected) {
        QCOMPARE(w_->txtPayment->text().toStdString(), expected.payment);
        QCOMPARE(StoreRows(), expected.grid.Rows());
        QCOMPARE(ViewRows(), StoreRows() - 1);
        for (int row = 1; row < StoreRows(); ++row) {
            for (int col = 0; col < ScheduleGrid::kColumns; ++col) {
                QCOMPARE(w_->GridStore().TextMatrix(row, col), expected.grid.TextMatrix(row, col));
                QCOMPARE(w_->gridOne->model()->index(row - 1, col).data().toString().toStdString(),
                         expected.grid.TextMatrix(row, col));
            }
        }
    }

private slots:
    void init() {
        recorder_.prints = recorder_.exits = 0;
        recorder_.onPrint = nullptr;
        w_ = std::make_unique<frmMain>(recorder_.hooks, std::make_unique<quillmere::LocaleMoneyFormatter>(kEnUs));
        w_->calCalendar->setSelectedDate(QDate(2007, 11, 15));
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
        CompareWith(CalculateReference("100000", "9999", "6"));
        QVERIFY2(inserts.size() <= elapsed / frmMain::kGridRefreshMs + 2, qPrintable(QString::number(inserts.size())));
    }

    void calculateTakesOverOnceTheRunningFillHasUnwound() {
        Fill("600", 100, [this] {
            w_->txtMonths->setText(QStringLiteral("36"));
            QTest::mouseClick(w_->cmdCalculate, Qt::LeftButton);
            QCOMPARE(StoreRows(), 100);  // no nested calculation: nothing happened yet
        });
        QVERIFY(maxRows_ < 200);
        CompareWith(CalculateReference("100000", "36", "6"));
    }

    void clearClearsAtOnceAndWins() {
        Fill("600", 100, [this] {
            QTest::mouseClick(w_->cmdCalculate, Qt::LeftButton);
            QTest::mouseClick(w_->cmdClear, Qt::LeftButton);
            QCOMPARE(StoreRows(), 2);
            QCOMPARE(ViewRows(), 1);
        });
        QCOMPARE(StoreRows(), 2);
        QCOMPARE(ViewRows(), 1);
        QVERIFY(w_->txtMonths->text().isEmpty());
        QVERIFY(w_->txtPayment->text().isEmpty());
    }

    void printWaitsForTheFillToEnd() {
        const ReferenceSchedule expected = CalculateReference("100000", "600", "6");
        int rowsWhenPrinted = 0;
        recorder_.onPrint = [&] { rowsWhenPrinted = StoreRows(); };
        Fill("600", 100, [this] {
            QTest::mouseClick(w_->cmdPrint, Qt::LeftButton);
            QCOMPARE(recorder_.prints, 0);
        });
        QCOMPARE(recorder_.prints, 1);
        QCOMPARE(rowsWhenPrinted, expected.grid.Rows());
        CompareWith(expected);
    }

    void aboutOpensWhileTheFillWaits() {
        AboutRecorder about;
        int rowsWhileShown = -1;
        about.whileShown = [&] {
            const int before = StoreRows();
            QTest::qWait(20);
            rowsWhileShown = StoreRows() - before;
        };
        w_->SetAboutWindow(&about);
        Fill("600", 100, [this] { w_->mnuAbout->trigger(); });
        QCOMPARE(rowsWhileShown, 0);
        CompareWith(CalculateReference("100000", "600", "6"));
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
