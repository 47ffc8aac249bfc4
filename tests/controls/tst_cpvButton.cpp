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
    static qsizetype pixelsOf(const QImage& image, QColor colour)
    {
        const auto* pixels = reinterpret_cast<const QRgb*>(image.constBits());
        return QList<QRgb>(pixels, pixels + image.width() * image.height()).count(colour.rgb());
    }

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

    // Steps: press or release inside (p, r) or outside (R), the right button (rp, rr), Qt's double
    // click (d), Space down, repeated and up (s, s*, s^), Enter (e), Alt+A (a), focus away (f).
    void inputClicksOnlyWhenItShould_data()
    {
        QTest::addColumn<int>("appearance");
        QTest::addColumn<QString>("input"); // steps -> notifications | Checked
        QTest::newRow("released outside, right") << 1 << "p R rp rr -> down up rdown rup | 0";
        QTest::newRow("double click") << 1 << "p r d r -> down click up down click up | 0";
        QTest::newRow("Space held, focus lost")
            << 1 << "s s^* s* s^* s* s^ s f s -> click click click | 0";
        QTest::newRow("Enter, access key") << 0 << "e a -> click click | 0";
        QTest::newRow("toggle") << 2
                                << "p r p r p r -> down click up down click up down click up | 1";
        QTest::newRow("toggle by keys") << 3 << "s s^ a e -> click click click | 1";
    }
    void inputClicksOnlyWhenItShould()
    {
        QFETCH(int, appearance);
        QFETCH(QString, input);
        button->setAppearance(appearance);
        const QPoint in(50, 15), out(150, 15);
        for (const QString& step : input.section(" -> ", 0, 0).split(u' ')) {
            const Qt::MouseButton which = step.size() == 2 ? Qt::RightButton : Qt::LeftButton;
            if (step.endsWith(u'p')) QTest::mousePress(button, which, {}, in);
            if (step.endsWith(u'r') || step == "R")
                QTest::mouseRelease(button, which, {}, step == "R" ? out : in);
            if (step == "d") QTest::mouseDClick(button, Qt::LeftButton, {}, in);
            QKeyEvent space(step.contains(u'^') ? QEvent::KeyRelease : QEvent::KeyPress,
                            Qt::Key_Space, {}, " ", step.endsWith(u'*'));
            if (step.startsWith(u's')) QApplication::sendEvent(button, &space);
            if (step == "e") QTest::keyClick(button, Qt::Key_Return);
            if (step == "a") QTest::keyClick(window.get(), Qt::Key_A, Qt::AltModifier);
            if (step == "f") elsewhere->setFocus(), button->setFocus();
        }
        QCOMPARE(sent.join(u' ') + " | " + QString::number(button->Checked()),
                 input.section(" -> ", 1));
    }

    // Over the button the caption takes FontColorOver, unless that is the face colour (the default,
    // which would hide it); the first tick with the pointer elsewhere sends MouseOut, restoring it.
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
        button->setFont(QFont(QString(), 15, QFont::Bold)); // solid strokes, not only edges
        button->setFontColorOver(over);
        const QImage before = face();
        QCOMPARE(pixelsOf(before, Qt::red), 0);
        connect(button, &cpvButton::MouseIn, this, [this] { sent << "in"; });
        connect(button, &cpvButton::MouseOut, this, [this] { sent << "out"; });
        QTest::mouseMove(button, {50, 15});
        QVERIFY(button->hoverTimer()->isActive());
        QVERIFY(QMetaObject::invokeMethod(button->hoverTimer(), "timeout"));
        QVERIFY(pixelsOf(face(), shown) > 20);
        QTest::mouseMove(window.get(), {200, 80});
        QCOMPARE(sent.join(u' '), "in");
        QVERIFY(QMetaObject::invokeMethod(button->hoverTimer(), "timeout"));
        QCOMPARE(sent.join(u' '), "in out");
        QVERIFY(!button->hoverTimer()->isActive());
        QCOMPARE(face(), before);
        // Too wide for its face, the caption is set smaller rather than cut off at the edges.
        button->setFontColor(0x0000FF);
        button->resize(button->fontMetrics().horizontalAdvance("Apply") - 8, 30);
        const QImage narrow = face();
        const qsizetype inside = pixelsOf(narrow.copy(3, 0, narrow.width() - 6, 30), Qt::red);
        QVERIFY(inside > 20 && inside == pixelsOf(narrow, Qt::red));
    }

    // Highlight at the top left and shadow at the bottom right, in shades of the face colour;
    // pressed they swap; a toggle that is down is dithered with light grey.
    void faceIsDrawnInShadesOfButtonColor()
    {
        elsewhere->setFocus();
        button->setCaption(QString());
        button->setButtonColor(0x336699); // RGB(153, 102, 51)
        for (const auto& [pressed, checked] :
             {std::pair(false, false), {false, true}, {true, false}}) {
            button->setAppearance(checked ? 2 : 1);
            button->setChecked(checked);
            if (pressed) QTest::mousePress(button, Qt::LeftButton, {}, {50, 15});
            const QImage image = face();
            const QColor inner = image.pixelColor(50, 15), next = image.pixelColor(51, 15);
            const QColor topLeft = image.pixelColor(0, 0), bottomRight = image.pixelColor(99, 29);
            QCOMPARE(inner == next, !checked);
            QCOMPARE(inner == QColor(207, 208, 207) || next == QColor(207, 208, 207), checked);
            QVERIFY(inner == QColor(153, 102, 51) || next == QColor(153, 102, 51));
            for (const QColor& shade : {topLeft, bottomRight})
                QVERIFY(qAbs(shade.hslHue() - 30) <= 2); // dark shades round their hue a little
            QCOMPARE(topLeft.lightness() > bottomRight.lightness(), !pressed && !checked);
        }
    }
};

TINTWELL_TEST_MAIN(tst_cpvButton)
#include "tst_cpvButton.moc"
