// The main() of a GoogleTest program that needs a QApplication: headless,
// wherever it runs, with the program's font substitutions.
#include <gtest/gtest.h>

#include <QApplication>

#include "ui/common/window_look.h"

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    quillmere::RegisterFontSubstitutions();
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
