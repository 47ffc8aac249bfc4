#include "TestMain.h"
#include "devColorSelect.h"

#include <QScrollBar>
#include <QSignalSpy>
#include <memory>

// The control is 200 x 150: exactly ten 15-pixel lines fit.
class tst_devColorSelect : public QObject {
    Q_OBJECT

    std::unique_ptr<devColorSelect> list;
    QWidget* surface = nullptr;
    QScrollBar* bar = nullptr;
    std::unique_ptr<QSignalSpy> chosen; // the lines the list reported as chosen

    static int colourOf(int line) { return (0x102030 * (line + 1)) & 0xFFFFFF; }
    // Lines up to count in all, their colours shifted by shade lines.
    void load(int count, int shade = 0)
    {
        for (int line = list->ListCount(); line < count; ++line)
            list->AddItem(QStringLiteral("Colour %1").arg(line), colourOf(line + shade));
        list->PaintListItems();
    }
    static QVariantList report(int line, int shade = 0, int button = 0)
    {
        return {button, line, QStringLiteral("Colour %1").arg(line), colourOf(line + shade)};
    }

private slots:
    void init()
    {
        list = std::make_unique<devColorSelect>();
        list->resize(200, 150);
        list->show();
        QVERIFY(QTest::qWaitForWindowExposed(list.get()));
        surface = list->findChild<QWidget*>(QStringLiteral("PicItemDC"));
        bar = list->findChild<QScrollBar*>(QStringLiteral("vBar"));
        chosen.reset(new QSignalSpy(list.get(), &devColorSelect::DevColorSelectorMouseDown));
    }

    // The bar shows on overflow; keys scroll just enough to show the chosen line, the wheel three
    // lines a notch. Characters go to the host, which may keep one; the rest go on to the window.
    void pressesKeysAndTheWheelChooseLinesScrollTheViewOrReachTheHost()
    {
        load(10);
        QVERIFY(!bar->isVisible() && surface->size() == QSize(200, 150));
        load(20);
        QVERIFY(bar->isVisible() && bar->maximum() == 150);
        QCOMPARE(surface->size(), QSize(198 - bar->width(), 300));
        QTest::mouseClick(surface, Qt::MiddleButton, {}, {40, 15 * 11 + 14}); // a line's last row
        list->SelectLineNumber(8); // no press: the keys go on from line 11
        for (const int scrolled : {45, 60}) {
            QTest::keyClick(surface, Qt::Key_Down);
            QCOMPARE(bar->value(), scrolled);
        }
        QWheelEvent notch({40, 40}, {}, {}, {0, -120}, {}, {}, Qt::NoScrollPhase, false);
        QApplication::sendEvent(surface, &notch);
        QCOMPARE(bar->value(), 105);
        QCOMPARE(*chosen, QList({report(11, 0, 4), report(8), report(12), report(13)}));
        connect(list.get(), &devColorSelect::DevColorSelectorKeyPress, this,
                [](int& code) { code = code == 'Z' ? 0 : code; });
        for (const int key : {Qt::Key_Z, Qt::Key_Y, Qt::Key_Left}) {
            QKeyEvent typed(QEvent::KeyPress, key, {}, key < 256 ? QChar(key) : QString());
            QApplication::sendEvent(surface, &typed);
            QCOMPARE(typed.isAccepted(), key == Qt::Key_Z);
        }
        list->Clear();
        QVERIFY(!bar->isVisible() && bar->maximum() == 0);
    }

    // At a device pixel ratio of 2 lines are drawn at 2x (a 1x line scaled up has nothing finer
    // than 2 x 2). Line 1 (0x204060) is outlined in black, the chosen line 2 highlighted.
    void linesAreDrawnAtTheDevicePixelRatio()
    {
        load(3);
        QImage image(list->size() * 2, QImage::Format_RGB32);
        image.setDevicePixelRatio(2);
        list->render(&image);
        QCOMPARE(image.pixel(23, 5),
                 qRgb(255, 255, 255)); // none chosen yet (line 0 once looked so)
        QTest::mouseClick(surface, Qt::LeftButton, {}, {40, 15 * 2 + 7});
        list->render(&image);
        QVERIFY(image != image.scaled(list->size()).scaled(image.size()));
        QVERIFY(image.pixel(3, 33) == qRgb(0, 0, 0) && image.pixel(21, 53) == qRgb(0, 0, 0));
        QVERIFY(image.pixel(11, 41) == qRgb(0x60, 0x40, 0x20) &&
                image.pixel(23, 85) == list->palette().color(QPalette::Highlight).rgb());
    }

    // The chosen index outlives a Clear, so it may name a line past the end of a shorter list.
    void nothingIsReadOrSentPastTheEndOfTheList()
    {
        QSignalSpy ups(list.get(), &devColorSelect::DevColorSelectorMouseUp);
        QSignalSpy doubles(list.get(), &devColorSelect::DevColorSelectorDblClick);
        QTest::mouseClick(surface, Qt::LeftButton, {}, {40, 7});
        QTest::mouseDClick(surface, Qt::LeftButton, {}, {5, 5});
        QTest::keySequence(surface, QKeySequence(Qt::Key_Down, Qt::Key_Up));
        list->SelectLineNumber(0);
        QVERIFY(chosen->isEmpty() && ups.isEmpty() && doubles.isEmpty() && !list->HasFocus());
        load(10);
        QTest::mouseClick(surface, Qt::LeftButton, {}, {40, 15 * 4 + 7});
        list->Clear();
        load(3, 10);
        list->SelectLineNumber(3);
        list->SelectLineNumber(-1);
        QVERIFY(list->ListIndex() == 4 && list->GetColour() == 0 && list->ItemCaption(4).isEmpty());
        // Down goes on from the last press, but lands on the last line.
        QTest::keyClick(surface, Qt::Key_Down);
        QCOMPARE(chosen->last(), report(2, 10));
        QTest::mouseDClick(surface, Qt::LeftButton, {}, {40, 37});
        QCOMPARE(ups.last(), report(2, 10));
        QCOMPARE(doubles.last(), QVariantList{colourOf(12)});
    }
};

TINTWELL_TEST_MAIN(tst_devColorSelect)
#include "tst_devColorSelect.moc"
