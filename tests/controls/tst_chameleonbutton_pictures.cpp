// chameleonButton pictures: the transparent blit with its
// greyscale, blend and silhouettes, and the pictures of each state.
#include "OleColor.h"
#include "chameleonButton.h"
#include "chameleonButtonPainter.h"
#include "chameleonButtonPictures.h"

#include <QCoreApplication>
#include <QEnterEvent>
#include <QResizeEvent>
#include <QTest>

#include <memory>

using OleColor::rgb;

namespace {

constexpr int W = 120;
constexpr int H = 32;

std::unique_ptr<chameleonButton> makeButton(int type, int scheme = 3, const QString& caption = QString())
{
    auto button = std::make_unique<chameleonButton>();
    button->resize(W, H);
    button->setColorScheme(scheme);
    button->setButtonType(type);
    button->setCaption(caption);
    // Qt keeps the resize of a hidden widget pending until it is painted;
    // deliver it now so that it does not redraw the button normal later.
    QResizeEvent resize(button->size(), QSize());
    QCoreApplication::sendEvent(button.get(), &resize);
    button->setAttribute(Qt::WA_PendingResizeEvent, false);
    return button;
}

QImage paint(const chameleonButton& button, qreal ratio = 1)
{
    QImage image = chameleonButtonSurface(button.paintState(), ratio);
    chameleonButtonPaint(image, button.paintState());
    return image;
}

QString px(const QImage& image, int x, int y)
{
    const QColor c = image.pixelColor(x, y);
    return QStringLiteral("%1,%2,%3").arg(c.red()).arg(c.green()).arg(c.blue());
}

void hover(chameleonButton& button)
{
    QEnterEvent enter(QPointF(5, 5), QPointF(5, 5), QPointF(5, 5));
    QCoreApplication::sendEvent(&button, &enter);
}

// A 4 x 4 picture on the mask colour with a 2 x 2 block in its middle.
QPixmap block(const QColor& color = QColor(255, 0, 0))
{
    QImage image(4, 4, QImage::Format_RGB32);
    image.fill(QColor(192, 192, 192));
    for (int y = 1; y <= 2; ++y)
        for (int x = 1; x <= 2; ++x)
            image.setPixelColor(x, y, color);
    return QPixmap::fromImage(image);
}

QPixmap redBlock()
{
    return block();
}

} // namespace

class TestChameleonButtonPictures : public QObject
{
    Q_OBJECT

private slots:
    void transBlt();
    void picturesTransparentGreyAndSilhouettes();
    void pictureEffectsAndSelectionShadow();
    void pictureOverAndTwiceThePixels();
};

void TestChameleonButtonPictures::transBlt()
{
    QImage target(3, 1, QImage::Format_RGB32);
    target.fill(QColor(30, 60, 90));
    QImage picture(3, 1, QImage::Format_RGB32);
    picture.setPixelColor(0, 0, QColor(192, 192, 192)); // transparent colour
    picture.setPixelColor(1, 0, QColor(255, 0, 0));
    picture.setPixelColor(2, 0, QColor(250, 250, 250)); // near white
    chameleonButtonBlit blit;
    QImage out = chameleonButtonTransBlt(target, picture, blit);
    QCOMPARE(out.pixelColor(0, 0), QColor(30, 60, 90));
    QCOMPARE(out.pixelColor(1, 0), QColor(255, 0, 0));
    blit.hasTransparent = false;
    QCOMPARE(chameleonButtonTransBlt(target, picture, blit).pixelColor(0, 0), QColor(192, 192, 192));
    blit.hasTransparent = true;
    blit.greyscale = true; // nearest(nearest(0.3 R) + 0.59 G + 0.11 B)
    QCOMPARE(chameleonButtonTransBlt(target, picture, blit).pixelColor(1, 0), QColor(76, 76, 76));
    QCOMPARE(chameleonButtonGrey(100, 150, 200), 140); // 140.5: ties go to even
    blit.greyscale = false;
    blit.blend = true; // picture 2 : target 1
    QCOMPARE(chameleonButtonTransBlt(target, picture, blit).pixelColor(1, 0), QColor(180, 20, 30));
    blit.blend = false;
    blit.brush = rgb(0, 255, 0);
    out = chameleonButtonTransBlt(target, picture, blit);
    QCOMPARE(out.pixelColor(1, 0), QColor(0, 255, 0));
    QCOMPARE(out.pixelColor(2, 0), QColor(0, 255, 0));
    blit.mono = true; // the near-white parts drop out of a mono silhouette
    out = chameleonButtonTransBlt(target, picture, blit);
    QCOMPARE(out.pixelColor(1, 0), QColor(0, 255, 0));
    QCOMPARE(out.pixelColor(2, 0), QColor(30, 60, 90));
}


void TestChameleonButtonPictures::picturesTransparentGreyAndSilhouettes()
{
    auto button = makeButton(10, 2);
    button->setBackcolor(rgb(0, 128, 0));
    button->setPictureNormal(redBlock());
    // A blank caption centres the picture: (58, 14).
    QCOMPARE(button->layout().PicRect, QRect(58, 14, 4, 4));
    QImage image = paint(*button);
    QCOMPARE(px(image, 59, 15), QStringLiteral("255,0,0"));
    QCOMPARE(px(image, 58, 14), QStringLiteral("0,128,0"));
    button->setUseMaskColor(false);
    QCOMPARE(px(paint(*button), 58, 14), QStringLiteral("192,192,192"));
    button->setUseMaskColor(true);
    button->setUseGreyscale(true);
    QCOMPARE(px(paint(*button), 59, 15), QStringLiteral("76,76,76"));
    hover(*button); // greyscale is for the normal state only
    QCOMPARE(px(paint(*button), 59, 15), QStringLiteral("255,0,0"));

    auto classic = makeButton(1);
    classic->setPictureNormal(redBlock());
    classic->setEnabled(false);
    image = paint(*classic);
    QCOMPARE(px(image, 59, 15), QStringLiteral("128,128,128")); // shadow silhouette at (x, y)
    QCOMPARE(px(image, 61, 17), QStringLiteral("255,255,255")); // highlight at (x+1, y+1)
    QCOMPARE(px(image, 58, 14), QStringLiteral("192,192,192"));

    auto gradient = makeButton(3);
    gradient->setPictureNormal(redBlock());
    gradient->setEnabled(false);
    QCOMPARE(px(paint(*gradient), 60, 16), QStringLiteral("76,76,76")); // grey at (x+1, y+1)

    auto pressed = makeButton(2);
    pressed->setPictureNormal(redBlock());
    pressed->DrawButton(2, true);
    image = paint(*pressed);
    QCOMPARE(px(image, 61, 17), QStringLiteral("255,0,0")); // moved by (1, 1)
    QCOMPARE(px(image, 59, 15), QStringLiteral("192,192,192"));
}


void TestChameleonButtonPictures::pictureEffectsAndSelectionShadow()
{
    auto selection = makeButton(9);
    selection->setPictureNormal(redBlock());
    QCOMPARE(px(paint(*selection), 59, 15), QStringLiteral("234,64,64")); // blended 2 : 1
    hover(*selection);
    QImage image = paint(*selection);
    QCOMPARE(px(image, 58, 14), QStringLiteral("255,0,0"));     // picture at (x-1, y-1)
    QCOMPARE(px(image, 61, 17), QStringLiteral("128,128,128")); // shadow at (x+1, y+1)

    auto shadowed = makeButton(2);
    shadowed->setPictureNormal(redBlock());
    shadowed->setSpecialEffect(3);
    image = paint(*shadowed);
    QCOMPARE(px(image, 59, 15), QStringLiteral("255,0,0"));
    QCOMPARE(px(image, 61, 17), QStringLiteral("152,152,152"));
    QCOMPARE(px(image, 58, 14), QStringLiteral("192,192,192"));
    shadowed->setSpecialEffect(2); // engraved: +40 below right, -40 above left
    image = paint(*shadowed);
    QCOMPARE(px(image, 61, 17), QStringLiteral("232,232,232"));
    QCOMPARE(px(image, 58, 14), QStringLiteral("152,152,152"));
}


void TestChameleonButtonPictures::pictureOverAndTwiceThePixels()
{
    auto button = makeButton(2);
    button->setPictureNormal(redBlock());
    button->setPictureOver(block(QColor(0, 0, 255)));
    QCOMPARE(px(paint(*button), 59, 15), QStringLiteral("255,0,0"));
    hover(*button);
    QCOMPARE(px(paint(*button), 59, 15), QStringLiteral("0,0,255"));
    button->DrawButton(2, true);
    QImage image = paint(*button);
    QCOMPARE(px(image, 61, 17), QStringLiteral("0,0,255")); // PictureOver moved by (1, 1)
    QCOMPARE(px(image, 59, 15), QStringLiteral("192,192,192"));

    auto sharp = makeButton(2);
    sharp->setPictureNormal(redBlock());
    image = paint(*sharp, 2);
    QCOMPARE(px(image, 118, 30), QStringLiteral("255,0,0"));
    QCOMPARE(px(image, 121, 33), QStringLiteral("255,0,0"));
    QCOMPARE(px(image, 117, 29), QStringLiteral("192,192,192"));
}

QTEST_MAIN(TestChameleonButtonPictures)
#include "tst_chameleonbutton_pictures.moc"
