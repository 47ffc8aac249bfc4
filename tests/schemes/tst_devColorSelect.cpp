#include "TestMain.h"
#include "devColorSelect.h"

#include <QScrollBar>
#include <QSignalSpy>
#include <memory>

using Reports = QList<QVariantList>;

// The control is 200 x 150: exactly ten 15-pixel lines fit.
class tst_devColorSelect : public QObject {
    Q_OBJECT

    std::unique_ptr<devColorSelect> list;
    QWidget* surface = nullptr;
    QScrollBar* bar = nullptr;
    std::unique_ptr<QSignalSpy> downs, ups;

    static int colourOf(int line) { return (0x102030 * (line + 1)) & 0xFFFFFF; }
    static QString captionOf(int line) { return QStringLiteral("Colour %1").arg(line); }
    static Reports report(int button, int line)
    {
        return {{button, line, captionOf(line), colourOf(line)}};
    }
    void press(int line) { QTest::mouseClick(surface, Qt::LeftButton, {}, {40, 15 * line + 7}); }
    void load(int count, int shade = 0)
    {
        for (int line = 0; line < count; ++line)
            list->AddItem(captionOf(line), colourOf(line + shade));
        list->PaintListItems();
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
        downs =
            std::make_unique<QSignalSpy>(list.get(), &devColorSelect::DevColorSelectorMouseDown);
        ups = std::make_unique<QSignalSpy>(list.get(), &devColorSelect::DevColorSelectorMouseUp);
    }

    void scrollBarShowsExactlyWhileTheLinesOverflowTheView_data()
    {
        QTest::addColumn<int>("count");
        QTest::addColumn<int>("maximum");
        QTest::newRow("empty") << 0 << 0;
        QTest::newRow("ten lines fill the view") << 10 << 0;
        QTest::newRow("eleven overflow it") << 11 << 15;
    }
    void scrollBarShowsExactlyWhileTheLinesOverflowTheView()
    {
        QFETCH(int, count);
        QFETCH(int, maximum);
        load(count);
        QCOMPARE(bar->isVisible(), maximum > 0);
        QCOMPARE(bar->maximum(), maximum);
        QCOMPARE(surface->size(), QSize(maximum > 0 ? 198 - bar->width() : 200, 15 * count));
        list->Clear();
        QVERIFY(!bar->isVisible());
    }

    void linesShowAnOutlinedSwatchAndTheCaptionInTheSelectionColours()
    {
        load(3);
        list->SelectLineNumber(0);
        press(2);
        const QImage image = list->grab().toImage();
        // Judged by the darkest or lightest grey, so the font's anti-aliasing does not matter.
        const auto hasText = [&](int top, bool white) {
            for (int y = top; y < top + 15; ++y)
                for (int x = 15; x < 120; ++x) {
                    const int grey = qGray(image.pixel(x, y));
                    if (white ? grey > 230 : grey < 30) return true;
                }
            return false;
        };
        const QRgb black = qRgb(0, 0, 0),
                   highlight = list->palette().color(QPalette::Highlight).rgb();
        for (int line = 0; line < 3; ++line) {
            const int top = 15 * line, colour = colourOf(line);
            const QRgb swatch = qRgb(colour & 0xFF, (colour >> 8) & 0xFF, colour >> 16);
            const QRgb back = line == 2 ? highlight : qRgb(255, 255, 255);
            QCOMPARE(image.pixel(1, top + 1), black);
            QCOMPARE(image.pixel(10, top + 11), black);
            QCOMPARE(image.pixel(5, top + 5), swatch);
            QCOMPARE(image.pixel(11, top + 12), back);
            QVERIFY(hasText(top, line == 2));
        }
    }

    void pressSelectsTheLineUnderThePointerAndReportsIt_data()
    {
        QTest::addColumn<int>("y");
        QTest::addColumn<Qt::MouseButton>("button");
        QTest::addColumn<int>("line");
        QTest::newRow("top row of line 3") << 45 << Qt::LeftButton << 3;
        QTest::newRow("bottom row of line 3") << 59 << Qt::RightButton << 3;
        QTest::newRow("first line") << 1 << Qt::MiddleButton << 0;
    }
    void pressSelectsTheLineUnderThePointerAndReportsIt()
    {
        QFETCH(int, y);
        QFETCH(Qt::MouseButton, button);
        QFETCH(int, line);
        load(5);
        QSignalSpy doubles(list.get(), &devColorSelect::DevColorSelectorDblClick);
        QTest::mousePress(surface, button, {}, {40, y});
        QCOMPARE(*downs, report(button, line));
        QVERIFY(ups->isEmpty() && list->HasFocus());
        QTest::mouseRelease(surface, button, {}, {40, y});
        QCOMPARE(*ups, report(button, line));
        QTest::mouseDClick(surface, button, {}, {40, y});
        QCOMPARE(doubles, Reports{{colourOf(line)}});
    }

    void arrowKeysMoveFromTheLastPressAndScrollByTheRules_data()
    {
        QTest::addColumn<int>("pressed");
        QTest::addColumn<int>("chosen");
        QTest::addColumn<int>("scroll");
        QTest::addColumn<int>("top");
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("line");
        QTest::addColumn<int>("scrolled");
        const int down = Qt::Key_Down, up = Qt::Key_Up;
        // 20 lines: the bar ends at 150. A chosen line of -1 is ignored; a line of -1: nothing
        // moves.
        QTest::newRow("down onto 12") << 11 << -1 << 0 << 0 << down << 12 << 0;
        QTest::newRow("down past 12") << 12 << -1 << 0 << 0 << down << 13 << 15;
        QTest::newRow("down on last") << 19 << -1 << 0 << 0 << down << -1 << 0;
        QTest::newRow("down from press") << 2 << 8 << 0 << 0 << down << 3 << 0;
        QTest::newRow("up on first") << 0 << -1 << 0 << 0 << up << -1 << 0;
        QTest::newRow("up from press on 0") << 0 << 5 << 30 << 0 << up << 0 << 30;
        QTest::newRow("up, part line scrolled") << 5 << -1 << 7 << 0 << up << 4 << 0;
        QTest::newRow("up above top") << 5 << -1 << 60 << 5 << up << 4 << 45;
        QTest::newRow("up onto top") << 5 << -1 << 60 << 4 << up << 4 << 60;
        QTest::newRow("up onto top past 12") << 14 << -1 << 60 << 13 << up << 13 << 45;
        QTest::newRow("up above top past 12") << 14 << -1 << 60 << 14 << up << 13 << 60;
    }
    void arrowKeysMoveFromTheLastPressAndScrollByTheRules()
    {
        QFETCH(int, pressed);
        QFETCH(int, chosen);
        QFETCH(int, scroll);
        QFETCH(int, top);
        QFETCH(int, key);
        QFETCH(int, line);
        QFETCH(int, scrolled);
        load(20);
        press(pressed);
        list->SelectLineNumber(chosen);
        bar->setValue(scroll);
        list->SetIndex(top);
        downs->clear();
        ups->clear();
        QTest::keyClick(surface, Qt::Key(key));
        QCOMPARE(list->ListIndex(), line < 0 ? pressed : line);
        QCOMPARE(surface->y(), -scrolled);
        QCOMPARE(*downs, line < 0 ? Reports{} : report(0, line));
        QCOMPARE(*ups, *downs);
    }

    void withoutALineNothingHappens()
    {
        QSignalSpy doubles(list.get(), &devColorSelect::DevColorSelectorDblClick);
        QTest::mouseClick(surface, Qt::LeftButton, {}, {5, 5});
        QTest::mouseDClick(surface, Qt::LeftButton, {}, {5, 5});
        QTest::keyClick(surface, Qt::Key_Down);
        QTest::keyClick(surface, Qt::Key_Up);
        list->SelectLineNumber(0);
        load(3);
        list->SelectLineNumber(3);
        QVERIFY(downs->isEmpty() && ups->isEmpty() && doubles.isEmpty() && !list->HasFocus());
        QCOMPARE(list->ColorKeyValue(-1), 0);
        QCOMPARE(list->ItemCaption(3), QString());
    }

    void clearKeepsTheSelectedIndexForTheReloadedLines()
    {
        load(10);
        press(4);
        list->Clear();
        load(6, 10);
        QVERIFY(list->ListIndex() == 4 && list->HasFocus());
        QCOMPARE(list->GetColour(), colourOf(14));
        list->Clear();
        load(3);
        QCOMPARE(list->GetColour(), 0);
        // Down goes on from the old press, but never past the new end.
        QTest::keyClick(surface, Qt::Key_Down);
        QCOMPARE(list->ListIndex(), 2);
    }

    void typedCharactersAreReportedAndGoOnUnlessTheHostKeepsThem_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("kept");
        QTest::addColumn<QList<int>>("reported");
        QTest::newRow("enter") << int(Qt::Key_Return) << "\r" << false << QList<int>{13};
        QTest::newRow("kept by the host") << int(Qt::Key_Z) << "Z" << true << QList<int>{90};
        QTest::newRow("left arrow") << int(Qt::Key_Left) << "" << false << QList<int>{};
    }
    void typedCharactersAreReportedAndGoOnUnlessTheHostKeepsThem()
    {
        QFETCH(int, key);
        QFETCH(QString, text);
        QFETCH(bool, kept);
        QFETCH(QList<int>, reported);
        QList<int> seen;
        connect(list.get(), &devColorSelect::DevColorSelectorKeyPress, this, [&](int& code) {
            seen << code;
            if (kept) code = 0;
        });
        QKeyEvent typed(QEvent::KeyPress, key, Qt::NoModifier, text);
        QApplication::sendEvent(surface, &typed);
        QCOMPARE(seen, reported);
        QCOMPARE(typed.isAccepted(), kept);
    }
};

TINTWELL_TEST_MAIN(tst_devColorSelect)
#include "tst_devColorSelect.moc"
