#include "ScrollingViewPort.h"
#include "TestMain.h"
#include "Twips.h"

#include <QScrollBar>

class tst_ScrollingViewPort : public QObject {
    Q_OBJECT

private slots:
    // Each bar shows by its mode and the picture's size, at its edge, clear of the other and of
    // the corner box; at the end of both bars the picture's far corner is the view's far corner.
    void barsFollowTheirModesAndReachThePicturesEnd_data()
    {
        QTest::addColumn<int>("vertical");
        QTest::addColumn<int>("horizontal");
        QTest::addColumn<QSize>("picture");
        QTest::addColumn<QString>("shown");
        QTest::newRow("always") << 1 << 1 << QSize(50, 50) << "right bottom corner";
        QTest::newRow("when needed, fits") << 3 << 3 << QSize(196, 146) << "- -";
        QTest::newRow("when needed, tall") << 3 << 3 << QSize(50, 400) << "right -";
        QTest::newRow("one bar forces both") << 3 << 3 << QSize(190, 400) << "right bottom corner";
        QTest::newRow("left and top") << 2 << 2 << QSize(400, 300) << "left top corner";
        QTest::newRow("never") << 4 << 4 << QSize(400, 300) << "- -";
        QTest::newRow("unknown mode: bar stays") << 7 << 0 << QSize(400, 50) << "right top corner";
    }
    void barsFollowTheirModesAndReachThePicturesEnd()
    {
        QFETCH(int, vertical);
        QFETCH(int, horizontal);
        QFETCH(QSize, picture);
        QWidget window;
        auto* view = new ScrollingViewPort(&window);
        view->setGeometry(0, 0, 200, 150);
        auto* label = new QLabel(view);
        window.show();
        view->setScrollBarVerticle(vertical);
        view->setScrollBarHorizontal(horizontal);
        label->resize(picture); // a new picture lays the bars out again

        const QRect area = view->contentsRect();
        QScrollBar *v = view->VScroll, *h = view->HScroll;
        QStringList shown;
        shown << (v->isHidden() ? "-" : v->x() < area.center().x() ? "left" : "right");
        shown << (h->isHidden() ? "-" : h->y() < area.center().y() ? "top" : "bottom");
        if (!view->Corner->isHidden()) shown << "corner";
        QTEST(shown.join(u' '), "shown");
        QRegion rest(area);
        for (const QWidget* part : QWidgetList{v, h, view->Corner}) {
            if (part->isHidden()) continue;
            QVERIFY(QRegion(part->geometry()).subtracted(rest).isEmpty());
            rest -= part->geometry();
        }
        const QRect visible = rest.boundingRect();
        v->setValue(v->maximum());
        h->setValue(h->maximum());
        const QRect at = label->geometry();
        QCOMPARE(v->maximum() ? at.bottom() : at.top(),
                 v->maximum() ? visible.bottom() : visible.top());
        QCOMPARE(h->maximum() ? at.right() : at.left(),
                 h->maximum() ? visible.right() : visible.left());

        view->resize(5, 5);
        QCOMPARE(view->size(), QSize(Twips::toPixelsX(300), Twips::toPixelsY(300)));
    }
};

TINTWELL_TEST_MAIN(tst_ScrollingViewPort)
#include "tst_ScrollingViewPort.moc"
