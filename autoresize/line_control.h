// LineControl: a straight line drawn between two end points.
//
// The end points are the control's properties "X1", "Y1", "X2", "Y2", in
// twips relative to its container; the widget covers just the box between
// them and draws the line in the window-text colour. It reports the type
// name "Line", so the layout control moves its end points rather than its
// box.
#pragma once

#include <QWidget>

namespace quillmere {

class LineControl final : public QWidget {
    Q_OBJECT
    Q_CLASSINFO("TypeName", "Line")
    Q_PROPERTY(double X1 READ X1 WRITE SetX1)
    Q_PROPERTY(double Y1 READ Y1 WRITE SetY1)
    Q_PROPERTY(double X2 READ X2 WRITE SetX2)
    Q_PROPERTY(double Y2 READ Y2 WRITE SetY2)

public:
    explicit LineControl(QWidget* parent = nullptr);

    [[nodiscard]] double X1() const { return x1_; }
    [[nodiscard]] double Y1() const { return y1_; }
    [[nodiscard]] double X2() const { return x2_; }
    [[nodiscard]] double Y2() const { return y2_; }
    void SetX1(double twips);
    void SetY1(double twips);
    void SetX2(double twips);
    void SetY2(double twips);
    void SetPoints(double x1, double y1, double x2, double y2);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    [[nodiscard]] QPoint Start() const;
    [[nodiscard]] QPoint End() const;
    void Place();

    double x1_ = 0;
    double y1_ = 0;
    double x2_ = 0;
    double y2_ = 0;
};

}  // namespace quillmere
