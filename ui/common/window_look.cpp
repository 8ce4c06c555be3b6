#include "ui/common/window_look.h"

#include "autoresize/control_properties.h"
#include "autoresize/twips.h"
#include "printing/report_font.h"

#include <QLabel>
#include <QPalette>
#include <QWidget>

namespace quillmere {

void RegisterFontSubstitutions() {
    QFont::insertSubstitution(QStringLiteral("Verdana"), QStringLiteral("DejaVu Sans"));
    QFont::insertSubstitution(QStringLiteral("Arial"), QStringLiteral("Liberation Sans"));
    RegisterReportFontStandIn();
}

QLabel* MakeLabel(const char* name, const QString& text, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(QString::fromLatin1(name));
    return label;
}

QFont WindowFont(const QString& family, qreal points, bool bold) {
    QFont font(family);
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

QColor TextColour(const QWidget& widget) { return widget.palette().color(widget.foregroundRole()); }

void SetTextColour(QWidget& widget, const QColor& colour) {
    QPalette palette = widget.palette();
    palette.setColor(widget.foregroundRole(), colour);
    widget.setPalette(palette);
}

void PlaceInTwips(QWidget& widget, int left, int top, int width, int height) {
    widget.setGeometry(TwipsRect(left, top, width, height));
}

void PlaceSizedToText(QWidget& widget, int left, int top, int room) {
    widget.move(TwipsToPixels(left), TwipsToPixels(top));
    widget.adjustSize();
    // A translation longer than the room is set smaller, so that it stays
    // whole without running into its neighbour.
    const int roomPixels = TwipsToPixels(room);
    if (room > 0 && widget.width() > roomPixels) {
        ShrinkFontToFit(widget, roomPixels);
        widget.adjustSize();
        // Still wider at the smallest readable size: the text breaks into
        // lines within the room.
        if (auto* label = qobject_cast<QLabel*>(&widget); label != nullptr && label->width() > roomPixels) {
            label->setWordWrap(true);
            label->resize(roomPixels, label->heightForWidth(roomPixels));
        }
    }
    // It keeps the size of its text when the layout control scales its font.
    widget.setProperty(kAutoSizeProperty, true);
}

void MirrorPlacesRightToLeft(QWidget& container) {
    if (!container.isRightToLeft()) return;
    for (QWidget* child : container.findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (!child->isWindow()) child->move(container.width() - child->x() - child->width(), child->y());
    }
}

void SetAccessibleText(QWidget& widget, const QString& name, const QString& description) {
    if (!name.isNull()) widget.setAccessibleName(name);
    widget.setAccessibleDescription(description);
}

// Qt looks for a picture's "@2x" file only when the whole program runs at
// double density; a window on a second, denser screen would then get the
// single-density picture blown up. So both densities are named outright.
QIcon ProgramIcon() {
    QIcon icon;
    icon.addFile(QStringLiteral(":/quillmere/icon16.png"), QSize(16, 16));
    icon.addFile(QStringLiteral(":/quillmere/icon16@2x.png"), QSize(32, 32));
    icon.addFile(QStringLiteral(":/quillmere/icon32.png"), QSize(32, 32));
    icon.addFile(QStringLiteral(":/quillmere/icon32@2x.png"), QSize(64, 64));
    return icon;
}

QPixmap ProgramLogo(qreal devicePixelRatio) {
    QIcon logo;
    logo.addFile(QStringLiteral(":/quillmere/logo.jpg"));
    logo.addFile(QStringLiteral(":/quillmere/logo@2x.jpg"));
    return logo.pixmap(QSize(222, 188), devicePixelRatio);
}

}  // namespace quillmere
