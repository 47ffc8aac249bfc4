#include "TestMain.h"
#include "cpvButton.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <memory>

class tst_cpvButton : public QObject {
    Q_OBJECT

    std::unique_ptr<QWidget> window;
    cpvButton* button = nullptr;
    QLineEdit* elsewhere = nullptr;
    QStringList sent;

    QImage face() { return button->grab().toImage().convertToFormat(QImage::Format_RGB32); }
    int pixelsOf(const QImage& image, QColor colour)
    {
        int count = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                count += image.pixelColor(x, y) == colour;
        return count;
    }
    void key(QEvent::Type type, Qt::Key code, bool repeat = false, Qt::KeyboardModifiers mods = {})
    {
        QKeyEvent event(type, code, mods, code == Qt::Key_Space ? " " : "", repeat);
        QApplication::sendEvent(button, &event);
    }
    void tick() { QVERIFY(QMetaObject::invokeMethod(button->hoverTimer(), "timeout")); }

private slots:
    void init()
    {
        window = std::make_unique<QWidget>();
        window->resize(300, 100);
        button = new cpvButton(QStringLiteral("&Apply"), window.get());
        button->setGeometry(10, 10, 100, 30);
        elsewhere = new QLineEdit(window.get());
        elsewhere->setGeometry(150, 10, 100, 30);
        window->show();
        window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
        button->setFocus();
        sent.clear();
        connect(button, &cpvButton::Click, this, [this] { sent << "click"; });
        connect(button, &cpvButton::MouseDown, this,
                [this](Qt::MouseButton b) { sent << (b == Qt::RightButton ? "rdown" : "down"); });
        connect(button, &cpvButton::MouseUp, this,
                [this](Qt::MouseButton b) { sent << (b == Qt::RightButton ? "rup" : "up"); });
    }

    // Each step of the input in turn: press or release inside (p, r) or outside (R), the right
    // button (rp, rr), Qt's double click (d), Space down, repeated and up (s, s*, s^), Enter (e),
    // the access key Alt+A (a), the focus going elsewhere (f). Then the notifications and Checked.
    void inputClicksOnlyWhenItShould_data()
    {
        QTest::addColumn<int>("appearance");
        QTest::addColumn<QString>("input");
        QTest::addColumn<QString>("result");
        QTest::newRow("click") << 1 << "p r"
                               << "down click up | 0";
        QTest::newRow("released outside") << 1 << "p R"
                                          << "down up | 0";
        QTest::newRow("right button") << 1 << "rp rr"
                                      << "rdown rup | 0";
        QTest::newRow("double click") << 1 << "p r d r"
                                      << "down click up down click up | 0";
        QTest::newRow("Space held") << 1 << "s s^* s* s^* s* s^"
                                    << "click | 0";
        QTest::newRow("Enter, access key") << 0 << "e a"
                                           << "click click | 0";
        QTest::newRow("focus lost with Space down") << 1 << "s f s"
                                                    << "click click | 0";
        QTest::newRow("toggle") << 2 << "p r p r p r"
                                << "down click up down click up down click up | 1";
        QTest::newRow("toggle by keys") << 3 << "s s^ a e"
                                        << "click click click | 1";
    }
    void inputClicksOnlyWhenItShould()
    {
        QFETCH(int, appearance);
        QFETCH(QString, input);
        button->setAppearance(appearance);
        const QPoint in(50, 15), out(150, 15);
        for (const QString& step : input.split(u' ')) {
            if (step == "p") QTest::mousePress(button, Qt::LeftButton, {}, in);
            if (step == "r" || step == "R")
                QTest::mouseRelease(button, Qt::LeftButton, {}, step == "r" ? in : out);
            if (step == "rp") QTest::mousePress(button, Qt::RightButton, {}, in);
            if (step == "rr") QTest::mouseRelease(button, Qt::RightButton, {}, in);
            if (step == "d") QTest::mouseDClick(button, Qt::LeftButton, {}, in);
            if (step.startsWith(u's'))
                key(step.contains(u'^') ? QEvent::KeyRelease : QEvent::KeyPress, Qt::Key_Space,
                    step.endsWith(u'*'));
            if (step == "e") QTest::keyClick(button, Qt::Key_Return);
            if (step == "a") QTest::keyClick(window.get(), Qt::Key_A, Qt::AltModifier);
            if (step == "f") elsewhere->setFocus(), button->setFocus();
        }
        QTEST(sent.join(u' ') + " | " + QString::number(button->Checked()), "result");
    }

    // The caption takes FontColorOver while the pointer is over the button, except the default
    // (the face colour, which would hide it); the timer's first tick with the pointer elsewhere
    // sends MouseOut and gives the caption back its colour.
    void hoverColoursTheCaptionUntilThePointerLeaves_data()
    {
        QTest::addColumn<int>("over");
        QTest::addColumn<QColor>("shown");
        QTest::newRow("red") << 0x0000FF << QColor(Qt::red);
        QTest::newRow("default") << cpvButton::SystemButtonFace
                                 << QApplication::palette().color(QPalette::ButtonText);
    }
    void hoverColoursTheCaptionUntilThePointerLeaves()
    {
        QFETCH(int, over);
        QFETCH(QColor, shown);
        elsewhere->setFocus(); // no focus rectangle in the caption's colour
        QTest::mouseMove(window.get(), {200, 80});
        QFont bold; // solid strokes, not only smoothed edges, in the caption's colour
        bold.setPixelSize(20);
        bold.setBold(true);
        button->setFont(bold);
        button->setFontColorOver(over);
        const QImage before = face();
        QCOMPARE(pixelsOf(before, Qt::red), 0);
        connect(button, &cpvButton::MouseIn, this, [this] { sent << "in"; });
        connect(button, &cpvButton::MouseOut, this, [this] { sent << "out"; });
        QTest::mouseMove(button, {50, 15});
        QVERIFY(button->hoverTimer()->isActive());
        tick();
        QVERIFY(pixelsOf(face(), shown) > 20);
        QTest::mouseMove(window.get(), {200, 80});
        QCOMPARE(sent.join(u' '), "in");
        tick();
        QCOMPARE(sent.join(u' '), "in out");
        QVERIFY(!button->hoverTimer()->isActive());
        QCOMPARE(face(), before);
    }

    // Highlight at the top left and shadow at the bottom right, in shades of the face colour;
    // pressed they swap; a toggle that is down is dithered with light grey.
    void faceIsDrawnInShadesOfButtonColor_data()
    {
        QTest::addColumn<int>("appearance");
        QTest::addColumn<bool>("pressed");
        QTest::addColumn<bool>("checked");
        QTest::newRow("raised") << 1 << false << false;
        QTest::newRow("pressed") << 1 << true << false;
        QTest::newRow("toggle down") << 2 << false << true;
    }
    void faceIsDrawnInShadesOfButtonColor()
    {
        QFETCH(int, appearance);
        QFETCH(bool, pressed);
        QFETCH(bool, checked);
        elsewhere->setFocus();
        button->setCaption(QString());
        button->setAppearance(appearance);
        button->setChecked(checked);
        button->setButtonColor(0x336699); // RGB(153, 102, 51)
        if (pressed) QTest::mousePress(button, Qt::LeftButton, {}, {50, 15});
        const QImage image = face();
        const QColor inner = image.pixelColor(50, 15), next = image.pixelColor(51, 15);
        const QColor topLeft = image.pixelColor(0, 0), bottomRight = image.pixelColor(99, 29);
        const QList<QColor> centre{inner, next};
        QCOMPARE(inner == next, !checked);
        QCOMPARE(centre.contains(QColor(207, 208, 207)), checked);
        QVERIFY(centre.contains(QColor(153, 102, 51)));
        for (const QColor& shade : {topLeft, bottomRight})
            QVERIFY(qAbs(shade.hslHue() - 30) <= 2); // dark shades round their hue a little
        QCOMPARE(topLeft.lightness() > bottomRight.lightness(), !pressed && !checked);
    }
};

TINTWELL_TEST_MAIN(tst_cpvButton)
#include "tst_cpvButton.moc"
