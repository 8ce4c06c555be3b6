// One layout pass over a window the size of the main window: ~25 controls of
// the usual kinds, fonts included. Each iteration resizes the window to the
// other of two sizes, so every pass moves, resizes and refonts every control.
#include "autoresize/auto_resize.h"
#include "autoresize/extender.h"
#include "autoresize/form_container.h"
#include "autoresize/twips.h"

#include <QApplication>
#include <QCalendarWidget>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenuBar>
#include <QPushButton>
#include <QTableView>
#include <QTimer>

#include <benchmark/benchmark.h>

namespace {

using namespace quillmere;

struct MainWindowLike {
    QMainWindow window;

    MainWindowLike() {
        auto* client = new QWidget;
        window.setCentralWidget(client);
        FormContainer& controls = FormContainer::Of(window);
        auto* frame = new QGroupBox("Loan/Debt Details", client);
        frame->setGeometry(TwipsRect(120, 120, 3735, 1575));
        controls.AddControl(*frame);
        for (int row = 0; row < 3; ++row) {
            auto* box = new QLineEdit(frame);
            box->setGeometry(TwipsRect(1800, 360 + 360 * row, 1815, 285));
            auto* label = new QLabel("Label:", frame);
            label->setGeometry(TwipsRect(120, 360 + 360 * row, 1515, 195));
            controls.AddControls({box, label});
        }
        for (int i = 0; i < 4; ++i) {
            auto* button = new QPushButton("&Button", client);
            button->setGeometry(TwipsRect(240, 5160 + 480 * i, 3375, 375));
            controls.AddControl(*button);
        }
        auto* grid = new QTableView(client);
        grid->setGeometry(TwipsRect(3960, 0, 7620, 7905));
        auto* calendar = new QCalendarWidget(client);
        calendar->setGeometry(TwipsRect(480, 2160, 2910, 2370));
        controls.AddControls({grid, calendar});
        for (int i = 0; i < 6; ++i) {
            auto* link = new QLabel("Link", client);
            const int column = i % 2;
            const int line = i / 2;
            link->setGeometry(TwipsRect(240 + 1800 * column, 7320 + 240 * line, 1335, 195));
            controls.AddControl(*link);
        }
        QMenu* file = window.menuBar()->addMenu("&File");
        QMenu* help = window.menuBar()->addMenu("&Help");
        controls.AddControls({file, file->addAction("E&xit"), help, help->addAction("&About"), new QTimer(&window)});
        auto* resize = new AutoResize(&window);
        Extender(*resize).SetTag("NO");
        controls.AddControl(*resize);
        resize->UserControl_ReadProperties(PropertyBag());
        window.resize(TwipsSize(11580, 7890) + QSize(0, window.menuBar()->sizeHint().height()));
        window.show();
    }
};

void BM_LayoutPass(benchmark::State& state) {
    MainWindowLike host;
    const QSize sizes[] = {host.window.size(), host.window.size() * 1.25};
    int next = 1;
    for (auto _ : state) {
        host.window.resize(sizes[next]);
        next = 1 - next;
    }
    QApplication::processEvents();
}
BENCHMARK(BM_LayoutPass)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
