// A long fill of the grid, and clicks that arrive between its rows: each is
// injected from inside the window's event dispatch during the fill.
#include "app/accessibility.h"
#include "app/default_platform_hooks.h"
#include "money/locale_money_formatter.h"
#include "tests/common/file_contents.h"
#include "tests/ui/recording_hooks.h"
#include "tests/ui/window_controls.h"
#include "ui/chart/loan_chart.h"
#include "ui/common/window_look.h"
#include "ui/extra/extra_payments_window.h"
#include "ui/main/main_window.h"

#include <QAction>
#include <QCalendarWidget>
#include <QClipboard>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QSignalSpy>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include "ui/grid/schedule_grid_view.h"
#include "ui/main/month_calendar.h"

#include <functional>
#include <memory>
#include <optional>

using quillmere::frmMain;

class TestScheduleFill : public QObject {
    Q_OBJECT

    std::optional<RecordingHooks> recorder_;
    std::unique_ptr<frmMain> w_;
    std::optional<MainControls> c_;
    int maxRows_ = 0;          // the most rows the store held during the last fill
    int rowsWhenPrinted_ = 0;  // the store's rows when the deferred print ran

    std::unique_ptr<frmMain> NewWindow(const char* months) {
        auto window = std::make_unique<frmMain>(
            recorder_->hooks,
            std::make_unique<quillmere::LocaleMoneyFormatter>(QLocale(QLocale::English, QLocale::UnitedStates)));
        MainControls(*window).calCalendar->setSelectedDate(QDate(2007, 11, 15));
        MainControls(*window).txtPrincipal->setText(QStringLiteral("100000"));
        MainControls(*window).txtMonths->setText(QString::fromLatin1(months));
        MainControls(*window).txtRate->setText(QStringLiteral("6"));
        return window;
    }
    int StoreRows() const { return w_->GridStore().Rows(); }
    int ViewRows() const { return c_->gridOne->model()->rowCount(); }

    // Clicks Calculate; once the grid holds 100 rows, `inject` runs from
    // inside the fill's event dispatch. On every dispatch the view must know
    // no more rows than the store holds, and it learns of new rows in
    // batches, not row by row.
    void Fill(const std::function<void()>& inject) {
        QSignalSpy inserts(c_->gridOne->model(), &QAbstractItemModel::rowsInserted);
        QElapsedTimer clock;
        clock.start();
        bool injected = false;
        maxRows_ = 0;
        QTimer everyDispatch;
        connect(&everyDispatch, &QTimer::timeout, this, [&] {
            QCOMPARE_LT(ViewRows(), StoreRows());
            maxRows_ = std::max(maxRows_, StoreRows());
            if (!injected && StoreRows() >= 100) {
                injected = true;
                inject();
            }
        });
        everyDispatch.start(0);
        QTest::mouseClick(c_->cmdCalculate, Qt::LeftButton);
        QVERIFY(injected);
        QCOMPARE_LE(inserts.size(),
                    clock.elapsed() / std::chrono::milliseconds(quillmere::ScheduleFill::kRefreshInterval).count() + 2);
    }

    // The grid and payment must be those an uninterrupted fill leaves.
    void CompareWithUninterrupted(const char* months) {
        const std::unique_ptr<frmMain> expected = NewWindow(months);
        expected->cmdCalculate_Click();
        QCOMPARE(c_->txtPayment->text(), MainControls(*expected).txtPayment->text());
        QCOMPARE(StoreRows(), expected->GridStore().Rows());
        QCOMPARE(ViewRows(), StoreRows() - 1);
        for (int row = 1; row < StoreRows(); ++row) {
            for (int col = 0; col < quillmere::ScheduleGrid::kColumns; ++col) {
                const std::string& text = expected->GridStore().TextMatrix(row, col);
                QCOMPARE(w_->GridStore().TextMatrix(row, col), text);
                QCOMPARE(c_->gridOne->model()->index(row - 1, col).data().toString().toStdString(), text);
            }
        }
    }

private slots:
    void initTestCase() {
        quillmere::RegisterFontSubstitutions();
        quillmere::InstallAccessibility();
    }
    void init() {
        recorder_.emplace();
        w_ = NewWindow("600");
        c_.emplace(*w_);
        w_->show();
        QVERIFY(QTest::qWaitForWindowExposed(w_.get()));
    }
    void cleanup() {
        c_.reset();
        w_.reset();
    }

    void calculateTakesOverOnceTheRunningFillHasUnwound() {
        Fill([this] {
            c_->txtMonths->setText(QStringLiteral("36"));
            QTest::mouseClick(c_->cmdCalculate, Qt::LeftButton);
            QCOMPARE(StoreRows(), 100);  // no nested calculation: nothing happened yet
        });
        QCOMPARE_LT(maxRows_, 200);
        CompareWithUninterrupted("36");
    }

    void clearClearsAtOnceAndWins() {
        Fill([this] {
            QTest::mouseClick(c_->cmdCalculate, Qt::LeftButton);
            QTest::mouseClick(c_->cmdClear, Qt::LeftButton);
            QCOMPARE(StoreRows(), 2);
            QCOMPARE(ViewRows(), 1);
        });
        QCOMPARE(StoreRows(), 2);  // and no rows appended after the clear
        QVERIFY(c_->txtPayment->text().isEmpty());
    }

    // About opens at once and the fill waits under it. Print, and every
    // other way the schedule leaves a window (the main grid's copy, save and
    // chart, the Extra Payments window's save), waits for the fill to end,
    // then sees the whole schedule. A long one, so the view learns of many
    // batches.
    void aboutOpensAndEveryWayOutWaitsForTheFill() {
        c_->txtMonths->setText(QStringLiteral("9999"));
        RecordingAbout about;
        int rowsWhileShown = -1;
        about.whileShown = [&] {
            rowsWhileShown = StoreRows();
            QTest::qWait(20);
            rowsWhileShown -= StoreRows();
        };
        w_->SetAboutWindow(&about);
        recorder_->onPrint = [this] { rowsWhenPrinted_ = StoreRows(); };
        Control<QAction>(*w_, "actExtra")->trigger();
        auto* extras = w_->findChild<quillmere::ExtraPaymentsWindow*>();
        QVERIFY(extras != nullptr);
        const QTemporaryDir dir;
        recorder_->saveFilter = QStringLiteral("CSV for spreadsheets (*.csv)");
        recorder_->saveAnswers = {dir.filePath(QStringLiteral("main.csv")), dir.filePath(QStringLiteral("extras.csv"))};
        QGuiApplication::clipboard()->clear();
        Fill([&] {
            c_->mnuAbout->trigger();
            QTest::mouseClick(c_->cmdPrint, Qt::LeftButton);
            for (const char* entry : {"actSave", "actCopy", "actChart", "actSave"}) {
                Control<QAction>(*w_, entry)->trigger();  // asked twice, saved once
            }
            Control<QAction>(*extras, "actSave")->trigger();
            QCOMPARE(recorder_->prints, 0);
            QVERIFY(recorder_->saveAsked.isEmpty());
            QVERIFY(QGuiApplication::clipboard()->text().isEmpty());
            QVERIFY(w_->findChild<quillmere::LoanChart*>() == nullptr);
        });
        QCOMPARE(rowsWhileShown, 0);
        QCOMPARE(recorder_->prints, 1);
        QCOMPARE(rowsWhenPrinted_, StoreRows());
        QCOMPARE(recorder_->saveAsked.size(), 2);
        for (const char* saved : {"main.csv", "extras.csv"}) {
            const QByteArray csv = quillmere::FileContents(dir.filePath(QString::fromLatin1(saved)));
            QCOMPARE(csv.count("\r\n"), StoreRows());  // every row, the Totals row last
            QVERIFY2(csv.contains("\r\n,Totals,"), saved);
        }
        QVERIFY(QGuiApplication::clipboard()->text().contains(QStringLiteral("\tTotals\t")));
        QCOMPARE(w_->findChild<quillmere::LoanChart*>()->Data().balances.size(), std::size_t(9999));
        CompareWithUninterrupted("9999");
    }

    void closingEndsTheFill() {
        int rowsAtExit = 0;
        Fill([&] {
            w_->close();
            rowsAtExit = StoreRows();
        });
        QCOMPARE(recorder_->exits, 1);
        QCOMPARE(StoreRows(), rowsAtExit);
    }

    // The real way out, from inside a fill: the event loop ends, and no
    // handler runs after the request, not even one queued behind it in the
    // same batch of events. Last of the tests: the program is over afterwards.
    void exitLeavesTheEventLoopAndRunsNoMoreHandlers() {
        recorder_->hooks.exitProgram = [this] {
            ++recorder_->exits;
            quillmere::LeaveProgram();
        };
        int rowsAtExit = 0;
        int handlersAfterExit = 0;
        QTimer::singleShot(0, this, [&] {
            Fill([&] {
                QMetaObject::invokeMethod(c_->mnuExit, &QAction::trigger, Qt::QueuedConnection);
                QMetaObject::invokeMethod(c_->cmdClear, &QPushButton::click, Qt::QueuedConnection);
                QMetaObject::invokeMethod(
                    w_.get(), [&] { ++handlersAfterExit; }, Qt::QueuedConnection);
                connect(c_->mnuExit, &QAction::triggered, this, [&] { rowsAtExit = StoreRows(); });
            });
        });
        QCOMPARE(QCoreApplication::exec(), 0);
        QCOMPARE(recorder_->exits, 1);
        QCOMPARE(handlersAfterExit, 0);
        QCOMPARE(StoreRows(), rowsAtExit);  // the fill stopped there, and Clear never ran
        QVERIFY(!w_->isVisible());
    }
};

QTEST_MAIN(TestScheduleFill)
#include "main_window_fill_test.moc"
