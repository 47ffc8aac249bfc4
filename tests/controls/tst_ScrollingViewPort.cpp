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
        QTest::newRow("the tall one's bar makes it wide")
            << 3 << 3 << QSize(190, 400) << "right bottom corner";
        QTest::newRow("left and top") << 2 << 2 << QSize(400, 300) << "left top corner";
        QTest::newRow("never") << 4 << 4 << QSize(400, 300) << "- -";
        QTest::newRow("unknown mode keeps its bar")
            << 7 << 0 << QSize(400, 50) << "right top corner";
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
        label->resize(10, 10);
        window.show();
        QCOMPARE(view->ControledPictureBox(), label);
        view->setScrollBarVerticle(vertical);
        view->setScrollBarHorizontal(horizontal);
        label->resize(picture); // a new picture lays the bars out again

        const QRect area = view->contentsRect();
        QRect visible = area;
        const QScrollBar* v = view->VScroll;
        const QScrollBar* h = view->HScroll;
        QStringList shown;
        shown << (v->isHidden() ? "-" : v->x() < area.center().x() ? "left" : "right");
        shown << (h->isHidden() ? "-" : h->y() < area.center().y() ? "top" : "bottom");
        if (!view->Corner->isHidden()) shown << "corner";
        QTEST(shown.join(u' '), "shown");
        const QList<const QWidget*> parts{v, h, view->Corner};
        for (const QWidget* part : parts) {
            if (part->isHidden()) continue;
            QVERIFY(area.contains(part->geometry()));
            for (const QWidget* other : parts)
                QVERIFY(part == other || other->isHidden() ||
                        !part->geometry().intersects(other->geometry()));
        }
        // What is left of the view once the bars are taken off.
        if (!v->isHidden())
            shown[0] == "left" ? visible.setLeft(v->x() + v->width())
                               : visible.setRight(v->x() - 1);
        if (!h->isHidden())
            shown[1] == "top" ? visible.setTop(h->y() + h->height())
                              : visible.setBottom(h->y() - 1);
        view->VScroll->setValue(view->VScroll->maximum());
        view->HScroll->setValue(view->HScroll->maximum());
        const QRect at = label->geometry();
        QCOMPARE(v->isHidden() || v->maximum() == 0 ? at.top() : at.bottom(),
                 v->isHidden() || v->maximum() == 0 ? visible.top() : visible.bottom());
        QCOMPARE(h->isHidden() || h->maximum() == 0 ? at.left() : at.right(),
                 h->isHidden() || h->maximum() == 0 ? visible.left() : visible.right());

        view->resize(5, 5);
        QCOMPARE(view->size(), QSize(Twips::toPixelsX(300), Twips::toPixelsY(300)));
    }
};

TINTWELL_TEST_MAIN(tst_ScrollingViewPort)
#include "tst_ScrollingViewPort.moc"
