#include "ui/splash/splash_form.h"

#include "autoresize/twips.h"
#include "ui/common/link_label.h"
#include "ui/common/web_address.h"
#include "ui/common/window_look.h"
#include "ui/common/window_placement.h"
#include "ui/splash/splash_window.h"

#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QScreen>
#include <QTimer>

#include <functional>
#include <optional>

namespace quillmere {
namespace {

const QColor kLinkBlue(0, 0, 192);

// The banner's texts stay inside its frame (7080 twips wide) in every
// language: a longer translation is set smaller.
constexpr int kFrameRight = 7080 - 120;

// A frame that reports a click on its free area: a left press and release
// that land on no child. Clicks on the labels and the logo inside it bubble
// up here and are passed over.
class ClickFrame final : public QFrame {
public:
    using QFrame::QFrame;
    std::function<void()> clicked;

protected:
    void mousePressEvent(QMouseEvent* event) override {
        pressedFree_ = event->button() == Qt::LeftButton && OnFreeArea(*event);
        event->accept();
    }
    void mouseReleaseEvent(QMouseEvent* event) override {
        const bool click = pressedFree_ && event->button() == Qt::LeftButton && OnFreeArea(*event);
        pressedFree_ = false;
        event->accept();
        if (click && clicked) clicked();
    }

private:
    bool OnFreeArea(const QMouseEvent& event) const {
        const QPoint at = event.position().toPoint();
        return rect().contains(at) && childAt(at) == nullptr;
    }
    bool pressedFree_ = false;
};

// The character a key press produces, as its character code, or nothing for
// keys that produce none (arrows, function keys, modifiers alone, Delete,
// Alt combinations). Enter, Escape, Backspace, Tab and Ctrl+letter produce
// their control characters.
std::optional<int> ProducedCharacter(const QKeyEvent& event) {
    if (event.modifiers() & (Qt::AltModifier | Qt::MetaModifier)) return std::nullopt;
    const int key = event.key();
    if ((event.modifiers() & Qt::ControlModifier) && key >= Qt::Key_A && key <= Qt::Key_Z) {
        return key - Qt::Key_A + 1;
    }
    switch (key) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
            return '\r';
        case Qt::Key_Escape:
            return 0x1b;
        case Qt::Key_Backspace:
            return '\b';
        case Qt::Key_Tab:
            return '\t';
        case Qt::Key_Delete:
            return std::nullopt;
        default:
            break;
    }
    const QString text = event.text();
    if (text.isEmpty() || text.at(0).isNull()) return std::nullopt;
    return text.at(0).unicode();
}

QLabel* MakeLabel(const char* name, const QString& text, const QFont& font, QWidget* parent) {
    QLabel* label = quillmere::MakeLabel(name, text, parent);
    label->setFont(font);
    return label;
}

}  // namespace

SplashForm::SplashForm(frmSplash& splash, QWidget* owner, bool timerEnabled)
    : QDialog(owner, Qt::Dialog | Qt::FramelessWindowHint), splash_(splash) {
    setObjectName(QStringLiteral("frmSplash"));
    setWindowTitle(QString());
    setFixedSize(TwipsSize(7335, 4140));
    setFocusPolicy(Qt::NoFocus);
    setAutoFillBackground(true);
    QPalette white = palette();
    white.setColor(QPalette::Window, Qt::white);
    setPalette(white);

    const QFont verdana = WindowFont(QStringLiteral("Verdana"), 8.25);
    auto* frame = new ClickFrame(this);
    frame->setObjectName(QStringLiteral("Frame1"));
    frame->setFrameStyle(QFrame::Box | QFrame::Sunken);
    frame->setAutoFillBackground(true);
    frame->clicked = [this] { splash_.Frame1_Click(); };
    PlaceInTwips(*frame, 120, 0, 7080, 4050);
    Frame1 = frame;

    Image1 = new QLabel(Frame1);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setPixmap(ProgramLogo(devicePixelRatioF()));
    PlaceInTwips(*Image1, 120, 240, 3330, 2820);

    lblAuther = MakeLabel("lblAuther", tr("Made by Quillmere"), verdana, Frame1);
    PlaceSizedToText(*lblAuther, 4560, 120, kFrameRight - 4560);
    //: The maker's name: kept as it is in every language
    lblCompanyProduct =
        MakeLabel("lblCompanyProduct", tr("Quillmere"), WindowFont(QStringLiteral("Arial"), 15.75, true), Frame1);
    PlaceSizedToText(*lblCompanyProduct, 4200, 1200, kFrameRight - 4200);
    lblProductName =
        MakeLabel("lblProductName", tr("Loan Calculator"), WindowFont(QStringLiteral("Arial"), 14.25, true), Frame1);
    PlaceSizedToText(*lblProductName, 4200, 1680, kFrameRight - 4200);
    lblVersion = MakeLabel("lblVersion", tr("Version %1").arg(QStringLiteral(QUILLMERE_VERSION_TEXT)),
                           WindowFont(QStringLiteral("Arial"), 12, true), Frame1);
    lblVersion->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    PlaceSizedToText(*lblVersion, 5520, 2700, kFrameRight - 5520);

    lblWarning = new LinkLabel(0, tr("Visit Homepage"), Frame1);
    lblWarning->setObjectName(QStringLiteral("lblWarning"));
    lblWarning->setFont(WindowFont(QStringLiteral("Verdana"), 9.75, true));
    SetTextColour(*lblWarning, kLinkBlue);
    PlaceSizedToText(*lblWarning, 5160, 3000, kFrameRight - 5160);
    connect(lblWarning, &LinkLabel::Clicked, this, [this] { splash_.lblWarning_Click(); });

    lblCopyright = MakeLabel("lblCopyright", tr("Copyright \u00A9 2026 Quillmere. MIT License."), verdana, Frame1);
    PlaceSizedToText(*lblCopyright, 120, 3720, kFrameRight - 120);

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(1000);
    connect(Timer1, &QTimer::timeout, this, [this] { splash_.Timer1_Timer(); });
    if (timerEnabled) Timer1->start();

    MirrorPlacesRightToLeft(*Frame1);
    MirrorPlacesRightToLeft(*this);
    DescribeControls();
    CentreOnScreen(*this);
}

void SplashForm::DescribeControls() {
    // The window has no title; a screen reader still says which it is. Orca
    // reads a window's description but passes over its short labels, so the
    // description carries the name and version.
    SetAccessibleText(*this, tr("Quillmere Loan Calculator"),
                      tr("Quillmere Loan Calculator, Version %1. Any key or a click on the banner goes on")
                          .arg(QStringLiteral(QUILLMERE_VERSION_TEXT)));
    SetAccessibleText(*Frame1, tr("Banner"), tr("A click here goes on to the loan calculator"));
    SetAccessibleText(*Image1, tr("Quillmere logo"), tr("The maker's logo"));
    SetAccessibleText(*lblAuther, QString(), tr("Attribution"));
    SetAccessibleText(*lblCompanyProduct, QString(), tr("Product family"));
    SetAccessibleText(*lblProductName, QString(), tr("Product name"));
    //: What the label shows: the program's version
    SetAccessibleText(*lblVersion, QString(), tr("Version"));
    SetAccessibleText(*lblWarning, QString(), tr("Opens the maker's home page in the web browser"));
    SetAccessibleText(*lblCopyright, QString(), tr("Copyright notice"));
}

void SplashForm::keyPressEvent(QKeyEvent* event) {
    // Every key is the window's own: none reaches the dialog's default
    // handling (Escape would otherwise just close it).
    event->accept();
    if (const std::optional<int> character = ProducedCharacter(*event)) splash_.Form_KeyPress(*character);
}

}  // namespace quillmere
