// The splash window: its hand-over to the main window by ticks, keys and a
// frame click, its link, the ticks carried over into the About box, and the
// pictures at single and double density.
#include "app/accessibility.h"
#include "app/loan_calculator_program.h"
#include "tests/ui/recording_hooks.h"
#include "tests/ui/window_controls.h"
#include "ui/common/link_label.h"
#include "ui/common/window_look.h"
#include "ui/splash/splash_form.h"

#include <QAccessible>
#include <QFrame>
#include <QIcon>
#include <QKeySequence>
#include <QLabel>
#include <QTest>
#include <QTimer>

#include <optional>

class TestSplash : public QObject {
    Q_OBJECT

    RecordingHooks recorder_;
    std::optional<quillmere::LoanCalculatorProgram> program_;

    quillmere::frmSplash& Splash() { return program_->Splash(); }
    quillmere::SplashForm* Form() { return static_cast<quillmere::SplashForm*>(Splash().Form()); }
    bool HandedOver() { return Form() == nullptr && program_->MainWindow() && program_->MainWindow()->isVisible(); }
    void Ticks(int count) {
        for (int i = 0; i < count; ++i) Splash().Timer1_Timer();
    }

private slots:
    void initTestCase() {
        quillmere::RegisterFontSubstitutions();
        quillmere::InstallAccessibility();
    }
    void init() {
        program_.emplace(recorder_.hooks);  // after ending the one before
        program_->Start();
        QVERIFY(QTest::qWaitForWindowExposed(Form()));
    }
    void cleanup() { program_.reset(); }

    // Wholly on screen, centred, and without a title bar on any platform.
    void opensOnScreen() {
        const QRect available = Form()->screen()->availableGeometry();
        QVERIFY(available.contains(Form()->frameGeometry()));
        QVERIFY(std::abs(available.center().x() - Form()->frameGeometry().center().x()) <= 1);
        QVERIFY(Form()->windowFlags().testFlag(Qt::FramelessWindowHint));
    }

    // Orca passes over the short labels, so the window's description says
    // the product's name and the version shown.
    void describesItselfWithItsVersion() {
        const QString description = QAccessible::queryAccessibleInterface(Form())->text(QAccessible::Description);
        QVERIFY2(description.contains(QStringLiteral("Quillmere Loan Calculator, ") +
                                      Control<QLabel>(*Form(), "lblVersion")->text()),
                 qPrintable(description));
    }

    void handsOverOnTheFifthTick() {
        QCOMPARE(Form()->size(), QSize(489, 276));
        // The logo keeps its size and is drawn from the picture for the screen;
        // whatever density the program runs at, a denser screen gets a sharp one.
        const QPixmap logo = Control<QLabel>(*Form(), "Image1")->pixmap();
        QCOMPARE(logo.deviceIndependentSize().toSize(), QSize(222, 188));
        QCOMPARE(logo.devicePixelRatio(), Form()->devicePixelRatioF());
        for (qreal ratio : {1.0, 2.0}) {
            QCOMPARE(quillmere::ProgramLogo(ratio).size(), QSize(222, 188) * ratio);
            QCOMPARE(quillmere::ProgramIcon().pixmap(QSize(32, 32), ratio).size(), QSize(32, 32) * ratio);
        }
        QCOMPARE(Form()->Timer().interval(), 1000);
        Ticks(4);
        QVERIFY(Form() != nullptr && program_->MainWindow() == nullptr);
        Ticks(1);
        QVERIFY(HandedOver());
    }

    // Keys that produce a character hand over, each on a splash of its own;
    // arrows, function keys and modifiers alone don't.
    void handsOverOnACharacterKeyOnly() {
        const QKeyCombination others[] = {Qt::Key_Left, Qt::Key_F2, Qt::ShiftModifier | Qt::Key_Shift,
                                          Qt::ControlModifier | Qt::Key_Control};
        const QKeyCombination characters[] = {Qt::Key_X, Qt::Key_Return, Qt::Key_Escape, Qt::Key_Backspace,
                                              Qt::ControlModifier | Qt::Key_A};
        for (const QKeyCombination key : others) {
            QTest::keyClick(Form(), key.key(), key.keyboardModifiers());
            QVERIFY2(Form() != nullptr, qPrintable(QKeySequence(key).toString()));
        }
        for (const QKeyCombination key : characters) {
            init();
            QTest::keyClick(Form(), key.key(), key.keyboardModifiers());
            QVERIFY2(HandedOver(), qPrintable(QKeySequence(key).toString()));
        }
    }

    void handsOverOnAFrameClickOnly() {
        QTest::mouseClick(Control<QLabel>(*Form(), "Image1"), Qt::LeftButton);
        QTest::mouseClick(Control<QLabel>(*Form(), "lblVersion"), Qt::LeftButton);
        QVERIFY(Form() != nullptr);

        QTest::mouseClick(Control<quillmere::LinkLabel>(*Form(), "lblWarning"), Qt::LeftButton);
        QCOMPARE(recorder_.openedUrls, QStringList{QStringLiteral("https://www.quillmere.example")});
        QVERIFY(Form() != nullptr);
        // A screen reader meets the untitled window by name.
        QCOMPARE(QAccessible::queryAccessibleInterface(Form())->text(QAccessible::Name),
                 QStringLiteral("Quillmere Loan Calculator"));

        QTest::mouseClick(Control<QFrame>(*Form(), "Frame1"), Qt::LeftButton, {},
                          Control<QFrame>(*Form(), "Frame1")->rect().bottomRight() - QPoint(5, 5));
        QVERIFY(HandedOver());
    }

    void aboutGoesOnCountingTheStartUpTicks() {
        Ticks(2);
        QTest::keyClick(Form(), Qt::Key_Space);
        QVERIFY(HandedOver());

        recorder_.duringModal = [this](QDialog& about) {
            QCOMPARE(about.parentWidget(), program_->MainWindow());
            QVERIFY(Form()->Timer().isActive());
            Ticks(2);
            QVERIFY(Form() != nullptr);
            Ticks(1);  // the fifth tick of the run
            QVERIFY(HandedOver());
        };
        program_->MainWindow()->mnuAbout_Click();
        // The timer was switched off after that display: the next waits for a key.
        recorder_.duringModal = [this](QDialog&) {
            QVERIFY(!Form()->Timer().isActive());
            Ticks(10);
            QVERIFY(Form() != nullptr);
            QTest::keyClick(Form(), Qt::Key_Return);
        };
        program_->MainWindow()->mnuAbout_Click();
        QVERIFY(Form() == nullptr);
        QCOMPARE(Splash().SplashTicks, 15);
    }
};

QTEST_MAIN(TestSplash)
#include "splash_test.moc"
