// The credits: the measures and the fade ramp for a given letter height,
// the endless scroll, a missing or empty file, and the faded edges as
// painted.
#include "CreditsPicture.h"
#include "CreditsScroll.h"
#include "FakeDialogs.h"
#include "PixelProbe.h"
#include "frmDemo2.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>

namespace {

constexpr QSize kArea(5535, 4095);
constexpr QRgb kWhite = qRgb(255, 255, 255);
constexpr QRgb kGrey = qRgb(128, 128, 128);
const QString kBlocks = QStringLiteral("\u2588\u2588\u2588\u2588\u2588\u2588");

// Ten twips to a character, so that widths are easy to follow.
int tenPerCharacter(const QString& text)
{
    return int(text.size()) * 10;
}

QString rgb(QRgb colour)
{
    return QStringLiteral("%1,%2,%3").arg(qRed(colour)).arg(qGreen(colour)).arg(qBlue(colour));
}

// The tops of the lines showing `text`, in drawing order.
QList<int> topsOf(const CreditsScroll& scroll, const QString& text)
{
    QList<int> tops;
    for (const CreditsLine& line : scroll.visibleLines())
        if (line.text == text)
            tops.append(line.y);
    return tops;
}

bool writeCredits(const QString& folder, const QByteArray& contents)
{
    QFile file(folder + QStringLiteral("/Credits.txt"));
    return file.open(QIODevice::WriteOnly) && file.write(contents) == contents.size();
}

QImage renderPicture(CreditsPicture* picture, qreal ratio)
{
    QImage image((QSizeF(picture->size()) * ratio).toSize(), QImage::Format_RGB32);
    image.setDevicePixelRatio(ratio);
    image.fill(Qt::black);
    picture->render(&image);
    return image;
}

} // namespace

class CreditsTest : public QObject
{
    Q_OBJECT

private slots:
    void init() { PixelProbe::failOnPaintWarnings(); }

    void measuresForALetterHeight_data()
    {
        QTest::addColumn<double>("letterHeight");
        QTest::addColumn<QList<int>>("expected"); // line height, lines, F, S, D
        QTest::newRow("13 px letters") << 195.0 << QList<int>{195, 22, 624, 3081, 829};
        QTest::newRow("15 px letters") << 225.0 << QList<int>{225, 19, 594, 3051, 829};
        QTest::newRow("lines visible: a half rounds to even") << 182.0 << QList<int>{182, 24, 637, 3094, 829};
        QTest::newRow("line height: a half rounds to even") << 182.5 << QList<int>{182, 23, 637, 3094, 829};
        QTest::newRow("letters taller than the top fade") << 900.0 << QList<int>{900, 6, -81, 2376, 829};
    }

    void measuresForALetterHeight()
    {
        QFETCH(double, letterHeight);
        QFETCH(QList<int>, expected);
        const CreditsScroll scroll(kArea, letterHeight, kWhite, kGrey);
        const CreditsMeasures& m = scroll.measures();
        QCOMPARE((QList<int>{m.lineHeight, m.linesVisible, m.topFadeSpan, m.bottomFadeStart,
                             m.bottomFadeSpan}),
                 expected);
        QCOMPARE(scroll.count(), m.linesVisible);
    }

    void rampFromBackgroundToText_data()
    {
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("colour");
        QTest::newRow("background") << 0 << "255,255,255";
        QTest::newRow("first step") << 1 << "254,254,254";
        QTest::newRow("half way, half to even") << 50 << "192,192,192";
        QTest::newRow("last step") << 99 << "129,129,129";
        QTest::newRow("text colour") << 100 << "128,128,128";
    }

    void rampFromBackgroundToText()
    {
        QFETCH(int, index);
        QFETCH(QString, colour);
        const QList<QRgb> ramp = CreditsScroll::colourRamp(kWhite, kGrey);
        QCOMPARE(ramp.size(), 101);
        QCOMPARE(rgb(ramp.at(index)), colour);
    }

    void fadeByHeight_data()
    {
        QTest::addColumn<double>("letterHeight");
        QTest::addColumn<int>("y");
        QTest::addColumn<int>("rampIndex");
        // 13 px letters: F 624, S 3081, D 829.
        QTest::newRow("at the bottom fade's start") << 195.0 << 3081 << 100;
        QTest::newRow("a step into the bottom fade") << 195.0 << 3096 << 98;
        QTest::newRow("middle of the bottom fade") << 195.0 << 3500 << 49;
        QTest::newRow("near the bottom") << 195.0 << 3900 << 1;
        QTest::newRow("the last line inside") << 195.0 << 3910 << 0;
        QTest::newRow("below the area") << 195.0 << 4095 << 100;
        QTest::newRow("middle of the area") << 195.0 << 2000 << 100;
        QTest::newRow("end of the top fade") << 195.0 << 624 << 100;
        QTest::newRow("middle of the top fade") << 195.0 << 312 << 50;
        QTest::newRow("top edge") << 195.0 << 0 << 0;
        QTest::newRow("above the top") << 195.0 << -195 << 0;
        // Letters of 819 twips leave the top fade no span at all.
        QTest::newRow("no top fade: top edge") << 819.0 << 0 << 100;
        QTest::newRow("no top fade: above the top") << 819.0 << -15 << 0;
    }

    void fadeByHeight()
    {
        QFETCH(double, letterHeight);
        QFETCH(int, y);
        QFETCH(int, rampIndex);
        const CreditsScroll scroll(kArea, letterHeight, kWhite, kGrey);
        QCOMPARE(rgb(scroll.colourAt(y)), rgb(scroll.ramp().at(rampIndex)));
    }

    void centresEveryLine()
    {
        CreditsScroll scroll(kArea, 195.0, kWhite, kGrey);
        scroll.appendLines({QStringLiteral("Qt 6"), QStringLiteral("SQLite")}, tenPerCharacter);
        QList<int> offsets;
        for (const CreditsLine& line : scroll.visibleLines())
            if (!line.text.isEmpty())
                offsets.append(line.x);
        // (5535 - 40) / 2 = 2747.5 rounds to the even 2748.
        QCOMPARE(offsets, (QList<int>{2748}));
        for (int i = 0; i < 14; ++i)
            scroll.tick();
        offsets.clear();
        for (const CreditsLine& line : scroll.visibleLines())
            if (!line.text.isEmpty())
                offsets.append(line.x);
        QCOMPARE(offsets, (QList<int>{2748, 2738}));
    }

    // One file line passes upwards, the area stays empty for one line's
    // time, and it comes back at the bottom: the same frames again.
    void oneLineFileCycles()
    {
        CreditsScroll scroll(kArea, 195.0, kWhite, kGrey);
        const QString line = QStringLiteral("Tallyvane");
        scroll.appendLines({line}, tenPerCharacter);
        QCOMPARE(scroll.count(), 23);
        QCOMPARE(topsOf(scroll, line), (QList<int>{4095}));
        const int ticksPerLine = 195 / CreditsScroll::Step + 1;
        const int cycle = scroll.count() * ticksPerLine;
        QList<QList<int>> frames;
        for (int tick = 0; tick < 2 * cycle; ++tick) {
            scroll.tick();
            frames.append(topsOf(scroll, line));
        }
        int emptyFrames = 0;
        int lastTop = 4095;
        for (int tick = 0; tick < cycle - 1; ++tick) {
            const QList<int>& tops = frames.at(tick);
            QVERIFY2(tops.size() <= 1, qPrintable(QStringLiteral("tick %1").arg(tick + 1)));
            if (tops.isEmpty()) {
                ++emptyFrames;
                continue;
            }
            QVERIFY2(emptyFrames == 0, "the line showed again before the cycle ended");
            QVERIFY2(tops.first() <= lastTop, qPrintable(QStringLiteral("tick %1").arg(tick + 1)));
            lastTop = tops.first();
        }
        QCOMPARE(frames.first(), (QList<int>{4080}));
        QCOMPARE(lastTop, -195);
        QCOMPARE(emptyFrames, ticksPerLine);
        QCOMPARE(frames.at(cycle - 1), (QList<int>{4095}));
        QCOMPARE(scroll.offset(), 0);
        QCOMPARE(scroll.topLine(), 0);
        QCOMPARE(frames.mid(cycle), frames.mid(0, cycle));
    }

    void missingFileIsToldOnce()
    {
        QTemporaryDir folder;
        FakeDialogs dialogs;
        frmDemo2 credits(dialogs, folder.path());
        credits.show();
        credits.hide();
        credits.show();
        credits.tick();
        QCOMPARE(dialogs.messages().size(), 1);
        const FakeDialogs::Message& message = dialogs.messages().first();
        QCOMPARE(message.text, QStringLiteral("Could not load Credits"));
        QCOMPARE(message.title, QStringLiteral(" Credits Demo"));
        QCOMPARE(message.icon, MessageIcon::Critical);
        QCOMPARE(message.buttons, MessageButtons::Ok);
        QVERIFY(credits.isVisible());
        QVERIFY(!credits.scrolling());
        const QImage image = renderPicture(credits.picture(), 1.0);
        QCOMPARE(PixelProbe::countColour(image, image.rect(), Qt::white), image.width() * image.height());
    }

    void emptyFileScrollsNothing()
    {
        QTemporaryDir folder;
        QVERIFY(writeCredits(folder.path(), QByteArray()));
        FakeDialogs dialogs;
        frmDemo2 credits(dialogs, folder.path());
        credits.show();
        QVERIFY(dialogs.messages().isEmpty());
        QVERIFY(credits.scrolling());
        const CreditsScroll* scroll = credits.scroll();
        QCOMPARE(scroll->count(), scroll->measures().linesVisible);
        for (int tick = 0; tick < 2 * scroll->count() * 20; ++tick)
            credits.tick();
        const QImage image = renderPicture(credits.picture(), 1.0);
        QCOMPARE(PixelProbe::countColour(image, image.rect(), Qt::white), image.width() * image.height());
    }

    void readsEveryLineWithoutItsEnd()
    {
        QTemporaryDir folder;
        QVERIFY(writeCredits(folder.path(), "Qt 6\r\n\r\nSQLite\n"));
        FakeDialogs dialogs;
        frmDemo2 credits(dialogs, folder.path());
        credits.load();
        const CreditsScroll* scroll = credits.scroll();
        QCOMPARE(scroll->count(), scroll->measures().linesVisible + 3);
        QCOMPARE(credits.picture()->accessibleDescription(), QStringLiteral("Qt 6\n\nSQLite"));
    }

    void windowClosesOnEscapeAndStops()
    {
        QTemporaryDir folder;
        QVERIFY(writeCredits(folder.path(), "Tallyvane\n"));
        FakeDialogs dialogs;
        frmDemo2 credits(dialogs, folder.path());
        credits.show();
        QCOMPARE(credits.windowTitle(), QStringLiteral("Credits"));
        QCOMPARE(credits.picture()->size(), QSize(369, 273));
        QCOMPARE(credits.picture()->accessibleName(), QStringLiteral("Credits"));
        QVERIFY(credits.scrolling());
        QTest::keyClick(&credits, Qt::Key_Escape);
        QVERIFY(!credits.isVisible());
        QVERIFY(!credits.scrolling());
        credits.tick();
        credits.show();
        // A new opening starts from the beginning.
        QVERIFY(credits.scrolling());
        QCOMPARE(credits.scroll()->offset(), 0);
    }

    // Lines of solid blocks, far enough in that the text spans the whole
    // area: each line's body shows its fade colour, and the faded edges
    // are paler the closer they are to the top or bottom.
    void fadedEdgesAsPainted_data()
    {
        QTest::addColumn<qreal>("ratio");
        QTest::newRow("100 %") << 1.0;
        QTest::newRow("200 %") << 2.0;
    }

    void fadedEdgesAsPainted()
    {
        QFETCH(qreal, ratio);
        QTemporaryDir folder;
        QVERIFY(writeCredits(folder.path(), QString(kBlocks + '\n').repeated(40).toUtf8()));
        FakeDialogs dialogs;
        frmDemo2 credits(dialogs, folder.path());
        credits.load();
        const CreditsScroll* scroll = credits.scroll();
        const int lineHeight = scroll->measures().lineHeight;
        const int ticksPerLine = lineHeight / CreditsScroll::Step + 1;
        for (int tick = 0; tick < scroll->measures().linesVisible * ticksPerLine + 5; ++tick)
            credits.tick();
        const QImage image = renderPicture(credits.picture(), ratio);
        const int blockWidth = credits.picture()->textWidth(kBlocks);
        const int ascent = credits.picture()->fontMetrics().ascent();
        QList<int> bottomFade; // red of each faded line, top to bottom
        QList<int> topFade;
        for (const CreditsLine& line : scroll->visibleLines()) {
            // The middle of the second block, away from the seams between blocks.
            const qreal x = (line.x + blockWidth / 4.0) / 15.0;
            // Just above the baseline, where no neighbouring line reaches.
            const qreal y = line.y / 15.0 + ascent - 0.5;
            if (y < 0 || y >= credits.picture()->height())
                continue;
            QCOMPARE(PixelProbe::colourAt(image, int(x * ratio), int(y * ratio)), rgb(line.colour));
            if (line.colour == kGrey || line.colour == kWhite)
                continue;
            (line.y < scroll->measures().topFadeSpan ? topFade : bottomFade).append(qRed(line.colour));
        }
        QVERIFY2(bottomFade.size() >= 2 && std::is_sorted(bottomFade.begin(), bottomFade.end()),
                 "paler towards the bottom");
        QVERIFY2(topFade.size() >= 2 && std::is_sorted(topFade.rbegin(), topFade.rend()),
                 "paler towards the top");
        const QImage middle = image.copy(QRect(0, int(120 * ratio), image.width(), int(20 * ratio)));
        QVERIFY(PixelProbe::containsColour(middle, middle.rect(), QColor(kGrey)));
    }
};

QTEST_MAIN(CreditsTest)
#include "tst_credits.moc"

