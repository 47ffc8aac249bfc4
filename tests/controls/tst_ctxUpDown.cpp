#include "TestMain.h"
#include "ctxUpDown.h"

#include <QSignalSpy>
#include <memory>

namespace {

// An odd height: half is 10, the up button covers rows 0-9 and the down button rows 10-19.
constexpr QSize ControlSize(15, 21);
const QPoint OnUp(7, 4);
const QPoint OnDown(7, 15);
const QPoint Outside(7, 40);

QList<int> steps(const QSignalSpy& spy)
{
    QList<int> deltas;
    for (const auto& call : spy)
        deltas << call.at(0).toInt();
    return deltas;
}

// Only what the control itself paints lands on the transparent image.
QImage paintedBy(ctxUpDown& control)
{
    QImage image(control.size(), QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    control.render(&image, QPoint(), QRegion(), QWidget::RenderFlags());
    return image;
}

bool rowIsBlank(const QImage& image, int y)
{
    for (int x = 0; x < image.width(); ++x)
        if (image.pixel(x, y) != 0) return false;
    return true;
}

} // namespace

class tst_ctxUpDown : public QObject {
    Q_OBJECT

    std::unique_ptr<ctxUpDown> control;
    std::unique_ptr<QSignalSpy> spy;

    void tick() { QVERIFY(QMetaObject::invokeMethod(control->repeatTimer(), "timeout")); }

private slots:
    void init()
    {
        control = std::make_unique<ctxUpDown>();
        control->resize(ControlSize);
        control->show();
        QVERIFY(QTest::qWaitForWindowExposed(control.get()));
        spy = std::make_unique<QSignalSpy>(control.get(), &ctxUpDown::Change);
    }

    void cleanup()
    {
        spy.reset();
        control.reset();
    }

    void clickStepsOnceByTheHalfUnderThePointer_data()
    {
        QTest::addColumn<QPoint>("at");
        QTest::addColumn<Qt::MouseButton>("button");
        QTest::addColumn<int>("delta");
        QTest::newRow("up") << OnUp << Qt::LeftButton << 1;
        QTest::newRow("down") << OnDown << Qt::LeftButton << -1;
        QTest::newRow("up top-right corner") << QPoint(14, 0) << Qt::LeftButton << 1;
        QTest::newRow("last row of up") << QPoint(14, 9) << Qt::LeftButton << 1;
        QTest::newRow("down left edge") << QPoint(0, 10) << Qt::LeftButton << -1;
        QTest::newRow("odd last row") << QPoint(7, 20) << Qt::LeftButton << -1;
        QTest::newRow("right button") << OnDown << Qt::RightButton << -1;
    }
    void clickStepsOnceByTheHalfUnderThePointer()
    {
        QFETCH(QPoint, at);
        QFETCH(Qt::MouseButton, button);
        QFETCH(int, delta);
        QTest::mousePress(control.get(), button, {}, at);
        QVERIFY(spy->isEmpty());
        QTest::mouseRelease(control.get(), button, {}, at);
        QCOMPARE(steps(*spy), QList<int>{delta});
    }

    void holdingRepeatsAfterAPauseStepsOnReleaseAndThenTheTimerStops()
    {
        QTest::mousePress(control.get(), Qt::LeftButton, {}, OnUp);
        QVERIFY(control->repeatTimer()->isActive());
        QCOMPARE(control->repeatTimer()->interval(), 500);
        tick();
        QCOMPARE(steps(*spy), QList<int>{1});
        QCOMPARE(control->repeatTimer()->interval(), 50);
        tick();
        tick();
        QCOMPARE(spy->count(), 3);
        QTest::mouseRelease(control.get(), Qt::LeftButton, {}, OnUp);
        QCOMPARE(steps(*spy), QList<int>({1, 1, 1, 1}));
        QVERIFY(control->repeatTimer()->isActive());
        tick();
        QVERIFY(!control->repeatTimer()->isActive());
        QCOMPARE(spy->count(), 4);
    }

    void repeatsPauseOffThePressedHalfAndReleaseThereSendsNothing()
    {
        QTest::mousePress(control.get(), Qt::LeftButton, {}, OnDown);
        tick();
        QTest::mouseMove(control.get(), OnUp);
        tick();
        tick();
        QCOMPARE(steps(*spy), QList<int>{-1});
        QVERIFY(control->repeatTimer()->isActive());
        QTest::mouseMove(control.get(), OnDown);
        tick();
        QCOMPARE(steps(*spy), QList<int>({-1, -1}));
        QTest::mouseRelease(control.get(), Qt::LeftButton, {}, Outside);
        QCOMPARE(spy->count(), 2);
    }

    void doubleClickCountsAsTwoClicks()
    {
        QTest::mouseClick(control.get(), Qt::LeftButton, {}, OnDown);
        QTest::mouseDClick(control.get(), Qt::LeftButton, {}, OnDown);
        QTest::mouseRelease(control.get(), Qt::LeftButton, {}, OnDown);
        QCOMPARE(steps(*spy), QList<int>({-1, -1}));
    }

    void oddHeightLeavesTheLastRowToTheBackground()
    {
        const QImage image = paintedBy(*control);
        QVERIFY(!rowIsBlank(image, 19));
        QVERIFY(rowIsBlank(image, 20));
    }

    void pressedHalfLooksPushedOnlyWhileThePointerIsOnIt()
    {
        const QImage raised = paintedBy(*control);
        const QRect upHalf(0, 0, 15, 10), downHalf(0, 10, 15, 11);
        QTest::mousePress(control.get(), Qt::LeftButton, {}, OnUp);
        const QImage pushed = paintedBy(*control);
        QVERIFY(pushed.copy(upHalf) != raised.copy(upHalf));
        QCOMPARE(pushed.copy(downHalf), raised.copy(downHalf));
        QTest::mouseMove(control.get(), OnDown);
        QCOMPARE(paintedBy(*control), raised);
        QTest::mouseRelease(control.get(), Qt::LeftButton, {}, OnDown);
    }
};

TINTWELL_TEST_MAIN(tst_ctxUpDown)
#include "tst_ctxUpDown.moc"
