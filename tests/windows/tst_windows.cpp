#include "PickerFixture.h"
#include "ScrollingViewPort.h"
#include "TestMain.h"
#include "Twips.h"
#include "WindowPictures.h"
#include "frmAbout.h"
#include "frmRGBchart.h"

#include <QLabel>
#include <QRadioButton>
#include <QRegularExpression>
#include <QScrollBar>
#include <QTimer>

using namespace WindowPictures;

class tst_windows : public QObject {
    Q_OBJECT

    PickerFixture f;

private slots:
    void init() { f.reset(); }
    void cleanup() { f.close(); }

    // The block holds every channel mix of 255, 204, 153, 102, 51 and 0: green by column, red
    // and blue by row. Greys over reds on the left, greens over blues on the right, in steps of
    // 17. Both charts have the same swatches; only the codes differ: R,G,B in decimal or hex.
    void chartsShowEveryColourInItsPlace()
    {
        const auto codes = [](QRgb c) { return Label(c, false) + u' ' + Label(c, true); };
        QCOMPARE(codes(qRgb(204, 153, 51)), "204,153,51 CC9933");
        QCOMPARE(codes(qRgb(0, 17, 255)), "0,17,255 0011FF"); // zero, small
        const QImage rgb = Chart(false), hex = Chart(true);
        QCOMPARE(rgb.size(), QSize(491, 791));
        QVERIFY(rgb != hex);
        const int steps[] = {255, 204, 153, 102, 51, 0};
        for (int column = 0; column < 8; ++column) {
            for (int row = 0; row < (column % 7 == 0 ? 30 : 36); ++row) {
                const int side = row < 15 ? 238 - 17 * row : 255 - 17 * (row - 15);
                const QRgb expected =
                    column == 0   ? (row < 15 ? qRgb(side, side, side) : qRgb(side, 0, 0))
                    : column == 7 ? (row < 15 ? qRgb(0, side + 17, 0) : qRgb(0, 0, side))
                                  : qRgb(steps[row / 6], steps[column - 1], steps[row % 6]);
                const QRect swatch = Swatch(column, row);
                QCOMPARE(QColor(rgb.pixel(swatch.center())), QColor(expected));
                QCOMPARE(rgb.copy(swatch), hex.copy(swatch));
            }
        }
    }

    // The first chart opens at 7920 x 6720 twips in the top-left corner. Each switch shows the
    // other chart at the same place; a bar too short for the chart ends in mode 3, one for a
    // chart that fits keeps its mode.
    void chartSwitchesPicturesKeepingTheBarsInLine()
    {
        f.start().mnutoolsrgbchart->trigger();
        QPointer<frmRGBchart> chart;
        for (QWidget* window : QApplication::topLevelWidgets())
            if (auto* found = qobject_cast<frmRGBchart*>(window)) chart = found;
        QVERIFY(chart && chart->isVisible());
        QCOMPARE(chart->frameGeometry(), Twips::toPixels(0, 0, 7920, 6720));
        ScrollingViewPort* view = chart->ScrollingViewPort1;
        const auto shows = [&](bool hex) {
            const QRect area(view->contentsRect().topLeft(), QSize(200, 150));
            const QPoint from(view->HScroll->value(), view->VScroll->value());
            QCOMPARE(view->grab(area).toImage().convertToFormat(QImage::Format_RGB32),
                     Chart(hex).copy(QRect(from, area.size())));
        };
        view->VScroll->setValue(200);
        view->setScrollBarVerticle(1);
        view->setScrollBarHorizontal(1);
        QTest::mouseClick(chart->Option2, Qt::LeftButton);
        shows(true);
        QVERIFY(view->VScroll->value() == 200 && view->ScrollBarVerticle() == 3);
        QCOMPARE(view->ScrollBarHorizontal(), 1);
        chart->resize(600, 1000);
        view->setScrollBarVerticle(1);
        QTest::mouseClick(chart->Option1, Qt::LeftButton);
        shows(false);
        QCOMPARE(view->ScrollBarVerticle(), 1);
        const int height = chart->frameGeometry().height();
        QTest::keyClick(chart->Option1, Qt::Key_Escape);
        QTRY_VERIFY(!chart); // closed and gone
        QCOMPARE(TestSupport::stored("tintwell/FormSettings/frmRGBchart height"),
                 QString::number(height * Twips::perPixelY()));
    }

    // Opening joins the top band when "ontop" is on; closing leaves it and, when "ontop" is on,
    // puts the main window back. The chart counts any number but 0 as on, and a setting never
    // stored too; About joins only on 1, leaves on anything but 0, and reads a missing one as 0.
    void windowsKeepTheTopBand_data()
    {
        QTest::addColumn<QString>("onTop");
        QTest::addColumn<QString>("calls"); // frmRGBchart as R, frmAbout as A, the main window C
        QTest::newRow("chart, never set") << QString() << "top:R untop:R top:C";
        QTest::newRow("chart, 2") << QStringLiteral("2") << "top:R untop:R top:C";
        QTest::newRow("chart, off") << QStringLiteral("0") << "untop:R";
        QTest::newRow("About, never set") << QString() << "untop:A";
        QTest::newRow("About, on") << QStringLiteral("1") << "top:A untop:A top:C";
        QTest::newRow("About, 2") << QStringLiteral("2") << "untop:A top:C";
    }
    void windowsKeepTheTopBand()
    {
        QFETCH(QString, onTop);
        if (!onTop.isEmpty()) TestSupport::store("tintwell/settings/ontop", onTop);
        QWidget main;
        main.setObjectName("frmColourPicker");
        QWidget* window = QTest::currentDataTag()[0] == 'c'
                              ? static_cast<QWidget*>(new frmRGBchart(&main))
                              : new frmAbout(&main);
        window->show();
        // About closes on a click anywhere, its version included.
        if (auto* about = qobject_cast<frmAbout*>(window); about && onTop.isEmpty())
            QTest::mouseClick(about->lblVersion, Qt::LeftButton);
        else
            QTest::keyClick(window, Qt::Key_Escape);
        QVERIFY(!window->isVisible());
        if (qobject_cast<frmAbout*>(window)) delete window;
        QTEST(f.windows.calls.join(u' ').replace(QRegularExpression("frm(.)\\w*"), "\\1"), "calls");
    }

    // Help > About shows the version the program was built as, modal over the main window.
    void aboutShowsTheBuildsVersion()
    {
        QString shown;
        QTimer::singleShot(0, [&] {
            if (auto* about = qobject_cast<frmAbout*>(QApplication::activeModalWidget()))
                shown = about->lblVersion->text(), QTest::keyClick(about, Qt::Key_Escape);
        });
        f.start().mnuhelpabout->trigger();
        QCOMPARE(shown, "Version " TINTWELL_VERSION);
    }
};

TINTWELL_TEST_MAIN(tst_windows)
#include "tst_windows.moc"
