#include "ui/common/mnemonic_label.h"

#include <QTextLayout>
#include <QtMath>

#include <algorithm>

namespace quillmere {

// The text laid out as it is drawn: the mnemonic's letter a run of its own.
int MnemonicLabel::DrawnWidth() const {
    QString shown = text();
    QList<QTextLayout::FormatRange> underlined;
    if (const qsizetype mark = shown.indexOf(QLatin1Char('&')); mark >= 0 && mark + 1 < shown.size()) {
        shown.remove(mark, 1);
        QTextLayout::FormatRange letter;
        letter.start = static_cast<int>(mark);
        letter.length = 1;
        letter.format.setFontUnderline(true);
        underlined << letter;
    }
    QTextLayout layout(shown, font());
    layout.setFormats(underlined);
    layout.beginLayout();
    QTextLine line = layout.createLine();
    line.setLineWidth(1e6);  // one line, however long
    layout.endLayout();
    const QMargins margins = contentsMargins();
    return qCeil(line.naturalTextWidth()) + margins.left() + margins.right() + 2 * margin();
}

QSize MnemonicLabel::sizeHint() const {
    QSize hint = QLabel::sizeHint();
    if (buddy() != nullptr && !wordWrap()) hint.setWidth(std::max(hint.width(), DrawnWidth()));
    return hint;
}

QSize MnemonicLabel::minimumSizeHint() const {
    QSize hint = QLabel::minimumSizeHint();
    if (buddy() != nullptr && !wordWrap()) hint.setWidth(std::max(hint.width(), DrawnWidth()));
    return hint;
}

}  // namespace quillmere
