// The splash window: its hand-over to the main window by ticks, keys and a
// frame click, its link, the ticks carried over into the About box, and the
// pictures at single and double density.
#include "link_label.h"
#include "loan_calculator_program.h"
#include "recording_hooks.h"
#include "splash_form.h"
#include "window_look.h"

#include <QAccessible>
#include <QFrame>
#include <QIcon>
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
        // The logo keeps its size and is drawn from the picture for the screen.
        const QPixmap logo = Form()->Image1->pixmap();
        QCOMPARE(logo.deviceIndependentSize().toSize(), QSize(222, 188));
        QCOMPARE(logo.devicePixelRatio(), Form()->devicePixelRatioF());
        QCOMPARE(Form()->Timer1->interval(), 1000);
        Ticks(4);
        QVERIFY(Form() != nullptr && program_->MainWindow() == nullptr);
        Ticks(1);
        QVERIFY(HandedOver());
    }

    void picturesComeInBothDensities() {
        // Whatever density the program runs at, a denser screen gets a sharp picture.
        for (qreal ratio : {1.0, 2.0}) {
            QCOMPARE(quillmere::ProgramLogo(ratio).size(), QSize(222, 188) * ratio);
            QCOMPARE(quillmere::ProgramIcon().pixmap(QSize(32, 32), ratio).size(), QSize(32, 32) * ratio);
        }
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
        // A screen reader meets the untitled window by name, and the link as a link.
        QCOMPARE(QAccessible::queryAccessibleInterface(Form())->text(QAccessible::Name),
                 QStringLiteral("Quillmere Loan Calculator"));
        QCOMPARE(QAccessible::queryAccessibleInterface(Form()->lblWarning)->role(), QAccessible::Link);

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
