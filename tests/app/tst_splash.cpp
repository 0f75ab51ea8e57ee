// The splash: where and how it shows, its single tick, and that the
// operator cannot cut the wait short.
#include "FrmSplash.h"
#include "PixelProbe.h"

#include <QApplication>
#include <QScreen>
#include <QSignalSpy>
#include <QTest>

class SplashTest : public QObject
{
    Q_OBJECT

private slots:
    void init() { PixelProbe::failOnPaintWarnings(); }

    void showsFramelessAndCentred()
    {
        FrmSplash splash;
        splash.show();
        QVERIFY(QTest::qWaitForWindowExposed(&splash));
        QCOMPARE(splash.size(), QSize(401, 185));
        QVERIFY(splash.windowFlags().testFlag(Qt::FramelessWindowHint));
        const QPoint screenCentre = splash.screen()->availableGeometry().center();
        QVERIFY2((splash.geometry().center() - screenCentre).manhattanLength() <= 1,
                 qPrintable(QStringLiteral("centre %1,%2").arg(splash.geometry().center().x())
                                .arg(splash.geometry().center().y())));
        QVERIFY(splash.waiting());
    }

    void timeUpHandsOverToTheLogonOnce()
    {
        FrmSplash splash;
        QSignalSpy logon(&splash, &FrmSplash::logonRequested);
        QVERIFY(!splash.waiting()); // the wait starts when the splash appears
        splash.show();
        splash.timeUp();
        QVERIFY(splash.isHidden());
        QVERIFY(!splash.waiting());
        QCOMPARE(logon.size(), 1);
        splash.timeUp();
        splash.show();
        QVERIFY(!splash.waiting());
        QCOMPARE(logon.size(), 1);
    }

    void clicksAndKeysDoNothing_data()
    {
        QTest::addColumn<QString>("input");
        QTest::newRow("click") << "click";
        QTest::newRow("double click") << "double click";
        QTest::newRow("Escape") << "Escape";
        QTest::newRow("Enter") << "Enter";
        QTest::newRow("Space") << "Space";
    }

    void clicksAndKeysDoNothing()
    {
        QFETCH(QString, input);
        FrmSplash splash;
        QSignalSpy logon(&splash, &FrmSplash::logonRequested);
        splash.show();
        QApplication::setActiveWindow(&splash);
        if (input == "click")
            QTest::mouseClick(&splash, Qt::LeftButton);
        else if (input == "double click")
            QTest::mouseDClick(&splash, Qt::LeftButton);
        else if (input == "Escape")
            QTest::keyClick(&splash, Qt::Key_Escape);
        else if (input == "Enter")
            QTest::keyClick(&splash, Qt::Key_Return);
        else
            QTest::keyClick(&splash, Qt::Key_Space);
        QVERIFY(splash.isVisible());
        QVERIFY(splash.waiting());
        QCOMPARE(logon.size(), 0);
    }

    void paintsTheArtworkInsideItsOutline_data()
    {
        QTest::addColumn<qreal>("ratio");
        QTest::newRow("100 %") << 1.0;
        QTest::newRow("200 %") << 2.0;
    }

    void paintsTheArtworkInsideItsOutline()
    {
        QFETCH(qreal, ratio);
        FrmSplash splash;
        QImage image((QSizeF(splash.size()) * ratio).toSize(), QImage::Format_ARGB32);
        image.setDevicePixelRatio(ratio);
        image.fill(Qt::black);
        splash.render(&image);
        const auto at = [&](qreal x, qreal y) {
            return PixelProbe::colourAt(image, int(x * ratio), int(y * ratio));
        };
        const QString outline = QStringLiteral("11,90,100");
        QCOMPARE(at(0, 0), outline);
        QCOMPARE(at(200, 0), outline);
        QCOMPARE(at(400, 100), outline);
        QCOMPARE(at(200, 184), outline);
        QCOMPARE(at(0, 100), outline);
        QCOMPARE(at(10, 10), QStringLiteral("15,110,122"));   // teal ground
        QCOMPARE(at(10, 147), QStringLiteral("242,165,65"));  // amber rule
        QCOMPARE(at(30, 60), QStringLiteral("27,154,170"));   // the mark
    }
};

QTEST_MAIN(SplashTest)
#include "tst_splash.moc"
