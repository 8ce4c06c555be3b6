// MnemonicLabel: a label with a mnemonic ("&First payment date") that is as
// wide as its text is drawn.
//
// A label measures its text as one run, but draws the mnemonic's letter
// underlined, as a run of its own. In a script whose letters join (Arabic)
// the letters beside the underlined one then take other shapes, and the
// text comes out wider than measured: the layout gave the label too little
// room, and the neighbouring box covered its last letter. This label asks
// for the width as drawn.
#pragma once

#include <QLabel>

namespace quillmere {

class MnemonicLabel final : public QLabel {
public:
    explicit MnemonicLabel(const QString& text, QWidget* parent = nullptr) : QLabel(text, parent) {}

    [[nodiscard]] QSize sizeHint() const override;
    [[nodiscard]] QSize minimumSizeHint() const override;

private:
    [[nodiscard]] int DrawnWidth() const;
};

}  // namespace quillmere
