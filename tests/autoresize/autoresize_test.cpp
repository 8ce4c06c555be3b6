// The layout control on a small test window: what it records at the first show,
// how it rescales, the minimum size, the aspect ratio and its stored properties.
#include "autoresize/auto_resize.h"
#include "autoresize/control_properties.h"
#include "autoresize/extender.h"
#include "autoresize/form_container.h"
#include "autoresize/host_window.h"
#include "autoresize/line_control.h"
#include "autoresize/twips.h"

#include <QLabel>
#include <QMainWindow>
#include <QMenuBar>
#include <QSignalSpy>
#include <QStatusBar>
#include <QTest>

using namespace quillmere;

// Stands in for a tab control: it parks the controls of inactive pages.
class TabStandIn final : public QWidget {
    Q_OBJECT
    Q_CLASSINFO("TypeName", "SSTab")

public:
    using QWidget::QWidget;
};

namespace {

// One control of each kind, registered in this order:
//  0 frame  1 label in the frame  2 line  3 docked status bar  4 free status bar
//  5..7 labels tagged "NO", "no", "NO "  8 menu entry  9 the layout control
//  10 tab  11 label parked on the tab  12 label on the tab's open page
struct Host {
    QMainWindow window;
    QWidget* client = new QWidget;
    QWidget* frame = new QWidget(client);
    QLabel* inFrame = new QLabel(frame);
    LineControl* line = new LineControl(client);
    QStatusBar* docked = new QStatusBar;
    QStatusBar* free = new QStatusBar(client);
    QList<QLabel*> tags{new QLabel(client), new QLabel(client), new QLabel(client)};
    AutoResize* resize = new AutoResize(&window);
    TabStandIn* tab = new TabStandIn(client);
    QLabel* parked = new QLabel(tab);
    QLabel* onPage = new QLabel(tab);

    explicit Host(bool userMode = true) {
        window.setFont(QFont(window.font().family(), 10));
        window.setCentralWidget(client);
        window.setStatusBar(docked);
        frame->setGeometry(TwipsRect(150, 150, 2250, 1500));
        inFrame->setGeometry(TwipsRect(300, 450, 1500, 300));
        line->SetPoints(50, 100, 450, 100);
        for (int i = 0; i < 3; ++i) {
            tags[i]->setGeometry(TwipsRect(3000, 150 + 450 * i, 1500, 300));
            Extender(*tags[i]).SetTag(QStringList{"NO", "no", "NO "}[i]);
        }
        parked->setGeometry(TwipsRect(300 - 75000, 300, 600, 300));
        onPage->setGeometry(TwipsRect(300, 600, 600, 300));
        FormContainer::Of(window).SetUserMode(userMode);
        FormContainer::Of(window).AddControls({frame, inFrame, line, docked, free, tags[0], tags[1], tags[2],
                                               window.menuBar()->addMenu("&File")->addAction("E&xit"), resize, tab,
                                               parked, onPage});
        resize->UserControl_InitProperties();
        resize->UserControl_ReadProperties(PropertyBag());
        SetClient(1, 1);
        window.show();
    }

    // The client area is 400 x 250 pixels (6000 x 3750 twips) times the factors.
    void SetClient(double horizontal, double vertical) {
        window.resize(int(400 * horizontal), int(250 * vertical) + window.menuBar()->sizeHint().height());
    }
    [[nodiscard]] QSize Outer() const { return window.frameGeometry().size(); }
};

// Everything the layout may change on the client area, for comparing whole layouts.
QList<QVariant> Snapshot(const Host& host) {
    QList<QVariant> state{host.line->X1(), host.line->Y1(),        host.line->X2(),
                          host.line->Y2(), host.frame->geometry(), host.frame->font().pointSizeF()};
    for (const QLabel* w : host.client->findChildren<QLabel*>()) state << w->geometry() << w->font().pointSizeF();
    return state;
}

// Labels sizing themselves to their text, as the program's windows place
// them, on a 400 x 250 pixel window: text kept to the left near the right
// edge, centred in the middle, kept to the right at the left edge.
struct LabelHost {
    QWidget window;
    QList<QLabel*> labels{Sized("Principal Amount:", Qt::AlignLeft, 4000, 300),
                          Sized("Select First Payment Date", Qt::AlignHCenter, 1500, 1200),
                          Sized("Interest", Qt::AlignRight, 0, 2400)};
    AutoResize* resize = new AutoResize(&window);

    LabelHost() {
        window.setFont(QFont(window.font().family(), 10));
        for (QLabel* label : labels) {
            label->adjustSize();
            label->setProperty(kAutoSizeProperty, true);
        }
        window.resize(400, 250);
        FormContainer::Of(window).SetUserMode(true);
        FormContainer::Of(window).AddControls({labels[0], labels[1], labels[2], resize});
        resize->UserControl_ReadProperties(PropertyBag());
        resize->SetWMin(0);
        resize->SetHMin(0);
        window.show();
    }
    QLabel* Sized(const char* text, Qt::Alignment alignment, int left, int top) {
        auto* label = new QLabel(QString::fromLatin1(text), &window);
        label->setAlignment(alignment | Qt::AlignVCenter);
        label->move(TwipsToPixels(left), TwipsToPixels(top));
        return label;
    }
};

// Where the layout places a control recorded at `design` (pixels).
QRect Scaled(const QRect& design, double horizontal, double vertical) {
    const auto scaled = [](int pixels, double factor) { return float(factor) * float(PixelsToTwips(pixels)); };
    return TwipsRect(scaled(design.x(), horizontal), scaled(design.y(), vertical), scaled(design.width(), horizontal),
                     scaled(design.height(), vertical));
}

}  // namespace

class AutoResizeTest final : public QObject {
    Q_OBJECT

private slots:
    void RecordsEveryEligibleControlAtFirstShowInRunMode() {
        Host designer(false);
        QVERIFY(designer.resize->isVisible());
        designer.resize->resize(100, 60);
        QCOMPARE(designer.resize->size(), TwipsSize(400, 400));

        Host host;
        const AutoResize& resize = *host.resize;
        QCOMPARE(resize.ParentForm(), &host.window);
        QVERIFY(resize.isHidden());
        QCOMPARE(QSizeF(resize.BaseScaleWidth(), resize.BaseScaleHeight()), QSizeF(6000, 3750));  // below the menu
        QList<int> indices;
        for (const ControlLayout& layout : resize.Layouts()) indices << layout.CtlIndex;
        // Skipped: the docked status bar, Tag "NO" and the layout control itself.
        QCOMPARE(indices, (QList<int>{0, 1, 2, 4, 6, 7, 8, 10, 11, 12}));
        const auto& records = resize.Layouts();
        QCOMPARE(records[0], (ControlLayout{0, 150, 150, 2250, 1500, 10}));
        QCOMPARE(records[2], (ControlLayout{2, 50, 100, 450, 100, 0}));
        QCOMPARE(records[6], (ControlLayout{8, 0, 0, 0, 0, 0}));  // menu entry: no place, no font
        QCOMPARE(records[8].LeftX1, 300.0f);                      // parked: its place on the page
    }

    void ScalesFromTheRecordsWithinTheMinimumSizeAndTheAspectRatio() {
        Host host;
        const QList<QVariant> recorded = Snapshot(host);
        host.SetClient(2, 1);
        QCOMPARE(host.frame->geometry(), TwipsRect(300, 150, 4500, 1500));
        QCOMPARE(host.inFrame->geometry(), TwipsRect(600, 450, 3000, 300));
        QCOMPARE(host.tags[0]->geometry(), TwipsRect(3000, 150, 1500, 300));
        QCOMPARE(host.parked->x(), TwipsToPixels(600 - 75000));
        QCOMPARE(host.onPage->x(), TwipsToPixels(600));

        host.SetClient(1.5, 1.2);
        QCOMPARE(host.tags[1]->font().pointSizeF(), 12.0);
        QCOMPARE(host.tags[0]->font().pointSizeF(), 10.0);

        host.SetClient(2, 1.5);
        QCOMPARE((QList<double>{host.line->X1(), host.line->Y1(), host.line->X2(), host.line->Y2()}),
                 (QList<double>{100, 150, 900, 150}));
        host.SetClient(1, 1);
        QCOMPARE(Snapshot(host), recorded);

        host.resize->SetFontResizable(false);
        host.SetClient(1.5, 1.2);
        QCOMPARE(host.tags[1]->font().pointSizeF(), 10.0);
        QCOMPARE(host.tags[1]->width(), TwipsToPixels(2250));

        HostWindow window(host.window);
        window.SetHeight(2000);
        QCOMPARE(host.Outer().height(), TwipsToPixels(3000));
        window.SetWidth(4000);
        QCOMPARE(host.Outer().width(), TwipsToPixels(4800));
        // Laid out for the snapped size, not the one asked for.
        QCOMPARE(host.frame->x(), TwipsToPixels(150 * (window.ScaleWidth() / 6000)));

        host.resize->SetKeepAspectRatio(true);
        host.resize->SetAspectRatioValue(0.75);
        window.SetWidth(8000);
        QCOMPARE(host.Outer().height(), TwipsToPixels(6000));
        QCOMPARE(host.frame->height(), TwipsToPixels(1500 * (window.ScaleHeight() / 3750)));
        host.resize->SetHMin(7000);
        window.SetWidth(8100);
        QCOMPARE(host.Outer().height(), TwipsToPixels(7000));

        host.window.showMaximized();
        QTRY_VERIFY(host.window.isMaximized());
        QVERIFY(host.Outer().height() != TwipsToPixels(window.Width() * 0.75));
        QCOMPARE(host.frame->width(), TwipsToPixels(2250 * (window.ScaleWidth() / 6000)));
    }

    // A label sizing itself to its text scales as every control does; it
    // grows past its place only to keep its text whole, and then so its text
    // stays where the place shows it, on the window.
    void ScalesSelfSizingLabelsWithTheWindow() {
        LabelHost host;
        QList<QRect> design;
        for (const QLabel* label : host.labels) design << label->geometry();
        for (const auto& [horizontal, vertical] : {std::pair(2.0, 1.0), std::pair(1.5, 1.2)}) {
            host.window.resize(int(400 * horizontal), int(250 * vertical));
            for (int i = 0; i < design.size(); ++i) {
                const QRect place = Scaled(design[i], horizontal, vertical);
                const QRect label = host.labels[i]->geometry();
                QCOMPARE(std::pair(label.x(), label.width()), std::pair(place.x(), place.width()));
                // A font's height does not scale exactly with its size.
                QVERIFY(label.top() <= place.top() && label.bottom() >= place.bottom());
            }
        }

        // Too small for the smallest readable font: the text stays whole,
        // on the window, and where its place shows it.
        host.window.resize(160, 100);
        for (const QLabel* label : host.labels) {
            QCOMPARE(label->font().pointSizeF(), 6.0);
            QVERIFY(label->width() >= label->fontMetrics().horizontalAdvance(label->text()));
            QVERIFY(label->x() >= 0 && label->geometry().right() < host.window.width());
        }
        QCOMPARE(host.labels[0]->geometry().right(), host.window.width() - 1);
        const QRect centred = Scaled(design[1], 0.4, 0.4);
        QVERIFY(host.labels[1]->width() > centred.width());
        QVERIFY(std::abs(host.labels[1]->geometry().center().x() - centred.center().x()) <= 1);
        QCOMPARE(host.labels[2]->x(), 0);
        // It reports its place, so that writing back what it reports moves nothing.
        QCOMPARE(GetProperty(host.labels[1], "Left").toInt(), PixelsToTwips(centred.x()));
        const QRect grown = host.labels[1]->geometry();
        for (const char* side : {"Width", "Left", "Width"})
            SetProperty(host.labels[1], side, GetProperty(host.labels[1], side));
        QCOMPARE(host.labels[1]->geometry(), grown);

        host.window.resize(400, 250);
        for (int i = 0; i < design.size(); ++i) QCOMPARE(host.labels[i]->geometry(), design[i]);
    }

    void LeavesTheLayoutAloneInTheDesignerDisabledOrMinimized() {
        for (const QString mode : {"designer", "disabled", "minimized"}) {
            Host host(mode != "designer");
            host.resize->SetEnabled(mode != "disabled");
            if (mode == "minimized") host.window.showMinimized();
            const QList<QVariant> before = Snapshot(host);
            HostWindow(host.window).SetHeight(2000);
            QCOMPARE(host.Outer().height(), TwipsToPixels(2000));
            QCOMPARE(Snapshot(host), before);
        }
    }

    void StoresWhatDiffersFromTheDefaultsAndTakesTheWindowsRatio() {
        QWidget window;
        window.resize(TwipsSize(6000, 4500));
        AutoResize placed(&window);
        QSignalSpy changes(&placed, &AutoResize::PropertyChanged);
        placed.SetKeepAspectRatio(true);
        QCOMPARE(placed.AspectRatioValue(), 0.75);
        placed.SetKeepAspectRatio(false);
        QCOMPARE(placed.AspectRatioValue(), 0.0);
        QCOMPARE(QList<QVariantList>(changes), (QList<QVariantList>{{"KeepAspectRatio"}, {"KeepAspectRatio"}}));

        placed.UserControl_InitProperties();
        QCOMPARE((QStringList{Extender(placed).Tag(), placed.objectName()}), (QStringList{"NO", "Resize"}));
        PropertyBag defaults;
        placed.UserControl_WriteProperties(defaults);
        QCOMPARE(defaults.Keys(), QStringList{"AspectRatioValue"});

        const QList<std::pair<const char*, QVariant>> stored{
            {"FontResizable", false},  {"Enabled", false}, {"KeepAspectRatio", true},
            {"AspectRatioValue", 0.5}, {"HMin", -1},       {"WMin", 100}};
        for (const auto& [name, value] : stored) placed.setProperty(name, value);
        PropertyBag changed;
        placed.UserControl_WriteProperties(changed);
        AutoResize loaded(&window);
        loaded.UserControl_ReadProperties(changed);
        for (const auto& [name, value] : stored) QCOMPARE(loaded.property(name), value);

        PropertyBag lower;  // keys in any case, other kinds of value; a ratio without its entry is 0
        lower.WriteProperty("keepaspectratio", 1);
        lower.WriteProperty("hmin", "1234");
        loaded.UserControl_ReadProperties(lower);
        QCOMPARE((QVariantList{loaded.KeepAspectRatio(), loaded.AspectRatioValue(), loaded.HMin()}),
                 (QVariantList{true, 0.0, 1234}));
        lower.WriteProperty("WMIN", "many");
        QVERIFY_THROWS_EXCEPTION(std::invalid_argument, loaded.UserControl_ReadProperties(lower));

        AutoResize alone(nullptr);  // no window to measure: the ratio stays
        alone.SetAspectRatioValue(0.3);
        alone.SetKeepAspectRatio(true);
        QCOMPARE(alone.AspectRatioValue(), 0.3);
        QVERIFY_THROWS_EXCEPTION(std::logic_error, alone.UserControl_ReadProperties(PropertyBag()));
    }
};

QTEST_MAIN(AutoResizeTest)
#include "autoresize_test.moc"
