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
    void press(QPoint at) { QTest::mousePress(control.get(), Qt::LeftButton, {}, at); }
    void release(QPoint at) { QTest::mouseRelease(control.get(), Qt::LeftButton, {}, at); }

private slots:
    void init()
    {
        control = std::make_unique<ctxUpDown>();
        control->resize(15, 21);
        control->show();
        QVERIFY(QTest::qWaitForWindowExposed(control.get()));
        steps.clear();
        connect(control.get(), &ctxUpDown::Change, this, [this](int delta) { steps << delta; });
    }

    void clickStepsOnceByTheHalfUnderThePointerOnRelease_data()
    {
        QTest::addColumn<QPoint>("at");
        QTest::addColumn<QPoint>("releaseAt");
        QTest::addColumn<QList<int>>("sent");
        QTest::newRow("up") << OnUp << OnUp << QList<int>{1};
        QTest::newRow("down") << OnDown << OnDown << QList<int>{-1};
        QTest::newRow("down's left edge") << QPoint(0, 10) << QPoint(0, 10) << QList<int>{-1};
        QTest::newRow("released outside") << OnDown << QPoint(7, 40) << QList<int>();
    }
    void clickStepsOnceByTheHalfUnderThePointerOnRelease()
    {
        QFETCH(QPoint, at);
        QFETCH(QPoint, releaseAt);
        press(at);
        QVERIFY(steps.isEmpty());
        release(releaseAt);
        QTEST(steps, "sent");
    }

    // One step after 500 ms, then one every 50 ms while the pointer stays on the pressed half,
    // and one on release; the first tick after it stops the timer.
    void holdingRepeats()
    {
        press(OnUp);
        QVERIFY(control->repeatTimer()->isActive());
        QCOMPARE(control->repeatTimer()->interval(), 500);
        tick();
        QCOMPARE(steps, QList<int>{1});
        QCOMPARE(control->repeatTimer()->interval(), 50);
        QTest::mouseMove(control.get(), OnDown);
        tick();
        QVERIFY(control->repeatTimer()->isActive());
        QTest::mouseMove(control.get(), OnUp);
        tick();
        QCOMPARE(steps, QList<int>({1, 1}));
        release(OnUp);
        QCOMPARE(steps, QList<int>({1, 1, 1}));
        QVERIFY(control->repeatTimer()->isActive());
        tick();
        QVERIFY(!control->repeatTimer()->isActive());
        QCOMPARE(steps.size(), 3);
    }

    void doubleClickCountsAsTwoClicks()
    {
        QTest::mouseClick(control.get(), Qt::LeftButton, {}, OnDown);
        QTest::mouseDClick(control.get(), Qt::LeftButton, {}, OnDown);
        release(OnDown);
        QCOMPARE(steps, QList<int>({-1, -1}));
    }

    // The odd last row is left to the background; the pressed half looks pushed while the
    // pointer is on it.
    void painting()
    {
        const QImage raised = painted();
        QImage blankRow(15, 1, raised.format());
        blankRow.fill(Qt::transparent);
        QVERIFY(raised.copy(0, 19, 15, 1) != blankRow);
        QCOMPARE(raised.copy(0, 20, 15, 1), blankRow);
        press(OnUp);
        const QImage pushed = painted();
        QVERIFY(pushed.copy(0, 0, 15, 10) != raised.copy(0, 0, 15, 10));
        QCOMPARE(pushed.copy(0, 10, 15, 11), raised.copy(0, 10, 15, 11));
        QTest::mouseMove(control.get(), OnDown);
        QCOMPARE(painted(), raised);
        release(OnDown);
    }
};

TINTWELL_TEST_MAIN(tst_ctxUpDown)
#include "tst_ctxUpDown.moc"
