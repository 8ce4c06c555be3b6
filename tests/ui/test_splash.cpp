// The splash window: its hand-over to the main window by ticks, keys and a
// frame click, its link, and the ticks carried over into the About box.
#include "link_label.h"
#include "loan_calculator_program.h"
#include "recording_hooks.h"
#include "splash_form.h"

#include <QFrame>
#include <QLabel>
#include <QTest>
#include <QTimer>

#include <memory>

using quillmere::frmSplash;
using quillmere::LoanCalculatorProgram;

class TestSplash : public QObject {
    Q_OBJECT

    RecordingHooks recorder_;
    std::unique_ptr<LoanCalculatorProgram> program_;

    frmSplash& Splash() { return program_->Splash(); }
    quillmere::SplashForm* Form() { return static_cast<quillmere::SplashForm*>(Splash().Form()); }
    bool HandedOver() { return Form() == nullptr && program_->MainWindow() && program_->MainWindow()->isVisible(); }
    void Ticks(int count) {
        for (int i = 0; i < count; ++i) Splash().Timer1_Timer();
    }
    void ShowAbout(const std::function<void(QDialog&)>& whileShown) {
        recorder_.duringModal = whileShown;
        program_->MainWindow()->mnuAbout_Click();
        QVERIFY(Form() == nullptr);
    }

private slots:
    void init() {
        program_ = std::make_unique<LoanCalculatorProgram>(recorder_.hooks);
        program_->Start();
        QVERIFY(QTest::qWaitForWindowExposed(Form()));
    }
    void cleanup() {
        program_.reset();
        recorder_.openedUrls.clear();
    }

    void handsOverOnTheFifthTick() {
        QCOMPARE(Form()->size(), QSize(489, 276));
        QCOMPARE(Form()->Image1->pixmap().deviceIndependentSize().toSize(), QSize(222, 188));
        QCOMPARE(Form()->Timer1->interval(), 1000);
        Ticks(4);
        QVERIFY(Form() != nullptr && program_->MainWindow() == nullptr);
        Ticks(1);
        QVERIFY(HandedOver());
    }

    void handsOverOnACharacterKey_data() {
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("modifiers");
        QTest::addColumn<bool>("handsOver");
        QTest::newRow("letter") << int(Qt::Key_X) << 0 << true;
        QTest::newRow("Enter") << int(Qt::Key_Return) << 0 << true;
        QTest::newRow("Escape") << int(Qt::Key_Escape) << 0 << true;
        QTest::newRow("Backspace") << int(Qt::Key_Backspace) << 0 << true;
        QTest::newRow("Ctrl+A") << int(Qt::Key_A) << int(Qt::ControlModifier) << true;
        QTest::newRow("arrow") << int(Qt::Key_Left) << 0 << false;
        QTest::newRow("Shift") << int(Qt::Key_Shift) << int(Qt::ShiftModifier) << false;
        QTest::newRow("Ctrl") << int(Qt::Key_Control) << int(Qt::ControlModifier) << false;
    }
    void handsOverOnACharacterKey() {
        QFETCH(int, key);
        QFETCH(int, modifiers);
        QFETCH(bool, handsOver);
        QTest::keyClick(Form(), Qt::Key(key), Qt::KeyboardModifiers(modifiers));
        QCOMPARE(HandedOver(), handsOver);
    }

    void handsOverOnAFrameClickOnly() {
        QTest::mouseClick(Form()->Image1, Qt::LeftButton);
        QTest::mouseClick(Form()->lblVersion, Qt::LeftButton);
        QVERIFY(Form() != nullptr);

        QTest::mouseClick(Form()->lblWarning, Qt::LeftButton);
        QCOMPARE(recorder_.openedUrls, QStringList{QStringLiteral("https://www.quillmere.example")});
        QVERIFY(Form() != nullptr);

        QTest::mouseClick(Form()->Frame1, Qt::LeftButton, {}, Form()->Frame1->rect().bottomRight() - QPoint(5, 5));
        QVERIFY(HandedOver());
    }

    void aboutGoesOnCountingTheStartUpTicks() {
        Ticks(2);
        QTest::keyClick(Form(), Qt::Key_Space);
        QVERIFY(HandedOver());

        ShowAbout([this](QDialog& about) {
            QCOMPARE(about.parentWidget(), program_->MainWindow());
            QVERIFY(Form()->Timer1->isActive());
            Ticks(2);
            QVERIFY(Form() != nullptr);
            Ticks(1);  // the fifth tick of the run
            QVERIFY(HandedOver());
        });
        // The timer was switched off after that display: the next waits for a key.
        ShowAbout([this](QDialog&) {
            QVERIFY(!Form()->Timer1->isActive());
            Ticks(10);
            QVERIFY(Form() != nullptr);
            QTest::keyClick(Form(), Qt::Key_Return);
        });
        QCOMPARE(Splash().SplashTicks, 15);
    }
};

QTEST_MAIN(TestSplash)
#include "test_splash.moc"
