#include "TestMain.h"
#include "ctxUpDown.h"

#include <memory>

class tst_ctxUpDown : public QObject {
    Q_OBJECT

    // An odd height: half is 10, the up button covers rows 0-9 and the down button rows 10-19.
    static constexpr QPoint OnUp{7, 4}, OnDown{7, 15};

    std::unique_ptr<ctxUpDown> control;
    QList<int> steps;

    // Only what the control itself paints lands on the transparent image.
    QImage painted()
    {
        QImage image(control->size(), QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        control->render(&image, QPoint(), QRegion(), QWidget::RenderFlags());
        return image;
    }
    void tick() { QVERIFY(QMetaObject::invokeMethod(control->repeatTimer(), "timeout")); }

private slots:
    void init()
    {
        control = std::make_unique<ctxUpDown>();
        control->resize(15, 21);
        control->show();
        steps.clear();
        connect(control.get(), &ctxUpDown::Change, this, [this](int delta) { steps << delta; });
    }

    // A click is one step of the half under the pointer, sent on release (a click on up is held
    // below), none when released outside; Qt's double click is a second press.
    void clickStepsOnRelease()
    {
        QTest::mouseClick(control.get(), Qt::LeftButton, {}, {0, 10}); // down's edge
        QCOMPARE(steps, QList<int>{-1});
        QTest::mousePress(control.get(), Qt::LeftButton, {}, OnDown);
        QTest::mouseRelease(control.get(), Qt::LeftButton, {}, {7, 40});
        QCOMPARE(steps, QList<int>{-1});
        QTest::mouseClick(control.get(), Qt::LeftButton, {}, OnDown);
        QTest::mouseDClick(control.get(), Qt::LeftButton, {}, OnDown);
        QTest::mouseRelease(control.get(), Qt::LeftButton, {}, OnDown);
        QCOMPARE(steps, QList<int>({-1, -1, -1}));
    }

    // One step after 500 ms, then one every 50 ms while the pointer stays on the pressed half,
    // which looks pushed meanwhile; one on release; the first tick after it stops the timer.
    void holdingRepeatsAndLooksPushed()
    {
        // The odd last row is the background's, as clear as the rows past the end.
        const QImage raised = painted(), clear = raised.copy(0, 21, 15, 1);
        QVERIFY(raised.copy(0, 19, 15, 1) != clear && raised.copy(0, 20, 15, 1) == clear);
        QTest::mousePress(control.get(), Qt::LeftButton, {}, OnUp);
        QVERIFY(steps.isEmpty() && control->repeatTimer()->interval() == 500);
        const QImage pushed = painted();
        QVERIFY(pushed != raised && pushed.copy(0, 10, 15, 11) == raised.copy(0, 10, 15, 11));
        tick();
        QTest::mouseMove(control.get(), OnDown);
        QVERIFY(control->repeatTimer()->interval() == 50 && painted() == raised);
        tick();
        QTest::mouseMove(control.get(), OnUp);
        tick();
        QTest::mouseRelease(control.get(), Qt::LeftButton, {}, OnUp);
        tick();
        QVERIFY(!control->repeatTimer()->isActive());
        QCOMPARE(steps, QList<int>({1, 1, 1}));
    }
};

TINTWELL_TEST_MAIN(tst_ctxUpDown)
#include "tst_ctxUpDown.moc"
