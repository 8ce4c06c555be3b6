// SplashForm: what the splash window shows on screen during one display.
//
// A white, fixed-size dialog without a title bar: the logo, the attribution,
// the product-family and product names, the version, the "Visit Homepage"
// link and the copyright notice, all inside Frame1. It takes no keyboard
// focus; its key presses, Timer1's ticks and the clicks on Frame1 and on the
// link go to its frmSplash. Controls carry their names as object names, by
// which tests find them.
#pragma once

#include <QDialog>

class QFrame;
class QLabel;
class QTimer;

namespace quillmere {

class LinkLabel;
class frmSplash;

class SplashForm final : public QDialog {
    Q_OBJECT

public:
    // Timer1 runs from the start when `timerEnabled`.
    SplashForm(frmSplash& splash, QWidget* owner, bool timerEnabled);

    // The display's tick timer, which frmSplash stops.
    [[nodiscard]] QTimer& Timer() const { return *Timer1; }

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void DescribeControls();

    frmSplash& splash_;
    QFrame* Frame1 = nullptr;
    QLabel* Image1 = nullptr;
    QLabel* lblAuther = nullptr;
    QLabel* lblCompanyProduct = nullptr;
    QLabel* lblProductName = nullptr;
    QLabel* lblVersion = nullptr;
    LinkLabel* lblWarning = nullptr;
    QLabel* lblCopyright = nullptr;
    QTimer* Timer1 = nullptr;
};

}  // namespace quillmere
