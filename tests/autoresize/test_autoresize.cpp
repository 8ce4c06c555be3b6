// The layout control on a small test window: what it records when the window
// is first shown, how it rescales, the minimum size and the aspect ratio, and
// its stored properties.
#include "auto_resize.h"
#include "extender.h"
#include "form_container.h"
#include "host_window.h"
#include "line_control.h"
#include "twips.h"

#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenuBar>
#include <QSignalSpy>
#include <QStatusBar>
#include <QTest>
#include <QTimer>

using namespace quillmere;

// Stands in for a tab control: it parks the controls of inactive pages.
class TabStandIn final : public QWidget {
    Q_OBJECT
    Q_CLASSINFO("TypeName", "SSTab")

public:
    using QWidget::QWidget;
};

namespace {

constexpr int kClientWidth = 400;  // pixels: 6000 x 3750 twips
constexpr int kClientHeight = 250;

QLabel* Label(QWidget* parent, const QString& tag, double top) {
    auto* label = new QLabel(tag, parent);
    label->setGeometry(TwipsRect(3000, top, 1500, 300));
    Extender(*label).SetTag(tag);
    return label;
}

// One control of each kind, registered in this order:
//  0 frame  1 box in the frame  2 line  3 docked status bar  4 free status bar
//  5 "NO"  6 "no"  7 "NO "  8 timer  9 menu entry  10 the layout control
//  11 tab  12 control parked on the tab  13 control on the tab's open page
struct Host {
    QMainWindow window;
    QWidget* client = new QWidget;
    QGroupBox* frame = new QGroupBox("Frame", client);
    QLineEdit* inFrame = new QLineEdit(frame);
    LineControl* line = new LineControl(client);
    QStatusBar* docked = new QStatusBar;
    QStatusBar* free = new QStatusBar(client);
    QLabel* tagNO = Label(client, "NO", 150);
    QLabel* tagLower = Label(client, "no", 600);
    QLabel* tagSpace = Label(client, "NO ", 1050);
    QTimer* timer = new QTimer(&window);
    QAction* entry = nullptr;
    AutoResize* resize = new AutoResize(&window);
    TabStandIn* tab = new TabStandIn(client);
    QLabel* parked = new QLabel("parked", tab);
    QLabel* onPage = new QLabel("open", tab);
    int menuHeight = 0;

    explicit Host(bool userMode = true) {
        window.setFont(QFont(window.font().family(), 10));
        window.setCentralWidget(client);
        window.setStatusBar(docked);
        entry = window.menuBar()->addMenu("&File")->addAction("E&xit");
        frame->setGeometry(TwipsRect(150, 150, 2250, 1500));
        inFrame->setGeometry(TwipsRect(300, 450, 1500, 300));
        line->SetPoints(50, 100, 450, 100);
        free->setGeometry(TwipsRect(3000, 3000, 1500, 300));
        tab->setGeometry(TwipsRect(3000, 1500, 2250, 1200));
        parked->setGeometry(TwipsRect(300 - 75000, 300, 600, 300));
        onPage->setGeometry(TwipsRect(300, 600, 600, 300));
        FormContainer& container = FormContainer::Of(window);
        container.SetUserMode(userMode);
        container.AddControls(
            {frame, inFrame, line, docked, free, tagNO, tagLower, tagSpace, timer, entry, resize, tab, parked, onPage});
        Extender(*resize).SetName("Resize");
        Extender(*resize).SetTag("NO");
        PropertyBag stored;
        stored.WriteProperty("aspectratiovalue", 0.0);
        resize->UserControl_ReadProperties(stored);
        menuHeight = window.menuBar()->sizeHint().height();
        window.resize(kClientWidth, kClientHeight + menuHeight);
        window.show();
    }

    void SetClient(double horizontal, double vertical) {
        window.resize(int(kClientWidth * horizontal), int(kClientHeight * vertical) + menuHeight);
    }
    [[nodiscard]] QSize Outer() const { return window.frameGeometry().size(); }
};

QRectF Twips(const QWidget* widget) {
    const QRect r = widget->geometry();
    return {double(PixelsToTwips(r.x())), double(PixelsToTwips(r.y())), double(PixelsToTwips(r.width())),
            double(PixelsToTwips(r.height()))};
}

// Everything the layout may change, for comparing whole layouts. The docked
// status bar is the window's own layout's to move.
QList<QVariant> Snapshot(Host& host) {
    QList<QVariant> state{host.line->X1(), host.line->Y1(), host.line->X2(), host.line->Y2()};
    const FormContainer& controls = FormContainer::Of(host.window);
    for (qsizetype i = 0; i < controls.Count(); ++i) {
        const auto* w = qobject_cast<const QWidget*>(controls.Control(i));
        if (w != nullptr && w != host.docked) {
            state << w->geometry() << w->font().pointSizeF();
        }
    }
    return state;
}

}  // namespace

class AutoResizeTest final : public QObject {
    Q_OBJECT

private slots:
    void RecordsEveryEligibleControlAtFirstShow() {
        Host host;
        const AutoResize& resize = *host.resize;
        QCOMPARE(resize.ParentForm(), &host.window);
        QVERIFY(resize.isHidden());
        QCOMPARE(resize.BaseScaleWidth(), 6000.0f);
        QCOMPARE(resize.BaseScaleHeight(), 3750.0f);
        QList<int> indices;
        for (const ControlLayout& layout : resize.Layouts()) {
            indices << layout.CtlIndex;
        }
        // Skipped: the docked status bar, Tag "NO" and the layout control itself.
        QCOMPARE(indices, (QList<int>{0, 1, 2, 4, 6, 7, 8, 9, 11, 12, 13}));
        QCOMPARE(resize.LayoutCount(), 11);
        const auto& records = resize.Layouts();
        QCOMPARE(records[0], (ControlLayout{0, 150, 150, 2250, 1500, 10}));
        QCOMPARE(records[2], (ControlLayout{2, 50, 100, 450, 100, 0}));
        QCOMPARE(records[6], (ControlLayout{8, 0, 0, 0, 0, 0}));  // timer
        QCOMPARE(records[7], (ControlLayout{9, 0, 0, 0, 0, 0}));  // menu entry
        QCOMPARE(records[9].LeftX1, 300.0f);                      // parked: its place on the page
    }

    void ScalesByTheClientAreaRatios() {
        Host host;
        const QList<QVariant> recorded = Snapshot(host);
        const QRectF tagNO = Twips(host.tagNO);

        host.SetClient(2, 1);
        QCOMPARE(Twips(host.frame), QRectF(300, 150, 4500, 1500));
        QCOMPARE(Twips(host.inFrame), QRectF(600, 450, 3000, 300));
        QCOMPARE(host.tagLower->font().pointSizeF(), 10.0);
        QCOMPARE(Twips(host.tagNO), tagNO);
        QCOMPARE(Twips(host.parked).left(), 600.0 - 75000);
        QCOMPARE(Twips(host.onPage).left(), 600.0);

        host.SetClient(1.5, 1.2);
        QCOMPARE(host.tagLower->font().pointSizeF(), 12.0);
        QCOMPARE(host.frame->font().pointSizeF(), 12.0);
        QCOMPARE(host.tagNO->font().pointSizeF(), 10.0);

        host.SetClient(2, 1.5);
        QCOMPARE(host.line->X1(), 100.0);
        QCOMPARE(host.line->Y1(), 150.0);
        QCOMPARE(host.line->X2(), 900.0);
        QCOMPARE(host.line->Y2(), 150.0);

        host.SetClient(1, 1);
        QCOMPARE(Snapshot(host), recorded);
    }

    void FontsStayWhenNotResizable() {
        Host host;
        host.resize->SetFontResizable(false);
        host.SetClient(1.5, 1.2);
        QCOMPARE(host.tagLower->font().pointSizeF(), 10.0);
        QCOMPARE(Twips(host.tagLower).width(), 2250.0);
    }

    void HoldsTheMinimumOuterSize() {
        Host host;
        HostWindow window(host.window);
        window.SetHeight(2000);
        QCOMPARE(host.Outer().height(), TwipsToPixels(3000));
        window.SetWidth(4000);
        QCOMPARE(host.Outer().width(), TwipsToPixels(4800));
        // Laid out for the snapped size, not the one asked for.
        QCOMPARE(host.frame->x(), TwipsToPixels(150 * (window.ScaleWidth() / 6000)));

        host.resize->SetEnabled(false);
        const QList<QVariant> before = Snapshot(host);
        window.SetHeight(2000);
        QCOMPARE(host.Outer().height(), TwipsToPixels(2000));
        QCOMPARE(Snapshot(host), before);
    }

    void MinimizedWindowIsLeftAlone() {
        Host host;
        host.window.showMinimized();
        const QList<QVariant> before = Snapshot(host);
        HostWindow(host.window).SetHeight(2000);
        QCOMPARE(host.Outer().height(), TwipsToPixels(2000));
        QCOMPARE(Snapshot(host), before);
    }

    void KeepsTheAspectRatioUnlessMaximized() {
        Host host;
        HostWindow window(host.window);
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

    void StoresOnlyWhatDiffersFromTheDefaults() {
        QWidget window;
        AutoResize placed(&window);
        placed.UserControl_InitProperties();
        QCOMPARE(Extender(placed).Tag(), QString("NO"));
        QCOMPARE(placed.objectName(), QString("Resize"));
        PropertyBag defaults;
        placed.UserControl_WriteProperties(defaults);
        QCOMPARE(defaults.Keys(), QStringList{"AspectRatioValue"});

        placed.SetFontResizable(false);
        placed.SetEnabled(false);
        placed.SetKeepAspectRatio(true);
        placed.SetAspectRatioValue(0.5);
        placed.SetHMin(-1);
        placed.SetWMin(100);
        PropertyBag changed;
        placed.UserControl_WriteProperties(changed);
        FormContainer::Of(window).SetUserMode(false);
        AutoResize loaded(&window);
        loaded.UserControl_ReadProperties(changed);
        QCOMPARE(loaded.FontResizable(), false);
        QCOMPARE(loaded.Enabled(), false);
        QCOMPARE(loaded.KeepAspectRatio(), true);
        QCOMPARE(loaded.AspectRatioValue(), 0.5);
        QCOMPARE(loaded.HMin(), -1);
        QCOMPARE(loaded.WMin(), 100);
        QCOMPARE(loaded.ParentForm(), nullptr);  // designer: never attached

        // Keys in any case, other kinds of value; a ratio without its entry is 0.
        PropertyBag lower;
        lower.WriteProperty("keepaspectratio", 1);
        lower.WriteProperty("hmin", "1234");
        loaded.UserControl_ReadProperties(lower);
        QCOMPARE(loaded.KeepAspectRatio(), true);
        QCOMPARE(loaded.AspectRatioValue(), 0.0);
        QCOMPARE(loaded.HMin(), 1234);
        lower.WriteProperty("WMIN", "many");
        QVERIFY_THROWS_EXCEPTION(std::invalid_argument, loaded.UserControl_ReadProperties(lower));
    }

    void KeepAspectRatioTakesTheWindowsRatio() {
        QWidget window;
        window.resize(TwipsSize(6000, 4500));
        AutoResize resize(&window);
        QSignalSpy changes(&resize, &AutoResize::PropertyChanged);
        resize.SetKeepAspectRatio(true);
        QCOMPARE(resize.AspectRatioValue(), 0.75);
        resize.SetKeepAspectRatio(false);
        QCOMPARE(resize.AspectRatioValue(), 0.0);

        AutoResize alone(nullptr);  // no window to measure: the ratio stays
        QSignalSpy aloneChanges(&alone, &AutoResize::PropertyChanged);
        alone.SetAspectRatioValue(0.3);
        alone.SetKeepAspectRatio(true);
        QCOMPARE(alone.AspectRatioValue(), 0.3);
        QCOMPARE(changes.count(), 2);
        QCOMPARE(aloneChanges.count(), 1);
        QCOMPARE(changes.first().first().toString(), QString("KeepAspectRatio"));
        QVERIFY_THROWS_EXCEPTION(std::logic_error, alone.UserControl_ReadProperties(PropertyBag()));
    }

    void DesignerRecordsNothingAndKeepsItsSize() {
        Host host(false);
        QCOMPARE(host.resize->LayoutCount(), 0);
        QVERIFY(host.resize->isVisible());
        host.resize->resize(100, 60);
        QCOMPARE(host.resize->size(), TwipsSize(400, 400));
        host.SetClient(2, 2);
        QCOMPARE(Twips(host.frame), QRectF(150, 150, 2250, 1500));
    }
};

QTEST_MAIN(AutoResizeTest)
#include "test_autoresize.moc"
