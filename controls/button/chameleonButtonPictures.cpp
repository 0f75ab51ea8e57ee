#include "chameleonButtonPictures.h"

#include "chameleonButtonCanvas.h"
#include "NumberText.h"

#include <algorithm>

int chameleonButtonGrey(int red, int green, int blue)
{
    const double r = roundHalfToEven(0.3 * red);
    return int(roundHalfToEven(r + 0.59 * green + 0.11 * blue));
}

namespace {

// Pixels lighter than this drop out of a mono silhouette, as white does
// when the platform turns a picture into a monochrome mask.
constexpr int kMonoWhite = 240;

QRgb fromBgr(quint32 bgr)
{
    return qRgb(int(bgr & 0xff), int((bgr >> 8) & 0xff), int((bgr >> 16) & 0xff));
}

QRgb mix(QRgb top, QRgb bottom, int topWeight, int bottomWeight)
{
    const int sum = topWeight + bottomWeight;
    return qRgb((qRed(top) * topWeight + qRed(bottom) * bottomWeight) / sum,
                (qGreen(top) * topWeight + qGreen(bottom) * bottomWeight) / sum,
                (qBlue(top) * topWeight + qBlue(bottom) * bottomWeight) / sum);
}

} // namespace

QImage chameleonButtonTransBlt(const QImage& targetArea, const QImage& picture,
                               const chameleonButtonBlit& blit)
{
    QImage result = targetArea.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    const QImage source = picture.convertToFormat(QImage::Format_ARGB32);
    const QRgb transparent = fromBgr(blit.transparent) & 0xffffff;
    const QRgb brush = blit.brush >= 0 ? fromBgr(quint32(blit.brush)) : 0;
    const int width = std::min(result.width(), source.width());
    const int height = std::min(result.height(), source.height());
    for (int y = 0; y < height; ++y) {
        const QRgb* in = reinterpret_cast<const QRgb*>(source.constScanLine(y));
        QRgb* out = reinterpret_cast<QRgb*>(result.scanLine(y));
        for (int x = 0; x < width; ++x) {
            const QRgb pixel = in[x];
            const int alpha = qAlpha(pixel);
            if (alpha == 0 || (blit.hasTransparent && (pixel & 0xffffff) == transparent))
                continue;
            const int grey = chameleonButtonGrey(qRed(pixel), qGreen(pixel), qBlue(pixel));
            if (blit.mono && grey >= kMonoWhite)
                continue;
            const QRgb target = qUnpremultiply(out[x]) | 0xff000000;
            QRgb colour = qRgb(qRed(pixel), qGreen(pixel), qBlue(pixel));
            if (blit.brush >= 0)
                colour = brush;
            else if (blit.greyscale)
                colour = qRgb(grey, grey, grey);
            else if (blit.blend)
                colour = mix(colour, target, 2, 1);
            if (alpha < 255) // a picture with its own transparency (icons, PNGs)
                colour = mix(colour, target, alpha, 255 - alpha);
            out[x] = colour | 0xff000000;
        }
    }
    return result;
}

// DrawPictures and DrawPictureEffect for one canvas.
struct chameleonButtonPictureDrawer
{
    chameleonButtonCanvas& k;

    void blt(int x, int y, const QPixmap& picture, qint64 brush = -1, bool mono = false,
             bool greyscale = false, bool blend = false)
    {
        const QRect& area = k.s.layout.PicRect;
        if (picture.isNull() || area.width() <= 0 || area.height() <= 0)
            return;
        const qreal dpr = k.dpr();
        QRect device(qRound(x * dpr), qRound(y * dpr), qRound(area.width() * dpr),
                     qRound(area.height() * dpr));
        device &= QRect(QPoint(0, 0), k.surface().size());
        if (device.isEmpty())
            return;
        QImage image = picture.toImage();
        const QSize full(qRound(area.width() * dpr), qRound(area.height() * dpr));
        if (image.size() != full)
            image = image.scaled(full, Qt::IgnoreAspectRatio, Qt::FastTransformation);
        // Only the part of the picture that lies on the surface.
        image = image.copy(device.left() - qRound(x * dpr), device.top() - qRound(y * dpr),
                           device.width(), device.height());
        chameleonButtonBlit blit;
        blit.hasTransparent = k.s.UseMaskColor;
        blit.transparent = k.c.MaskRgb;
        blit.brush = brush;
        blit.mono = mono;
        blit.greyscale = greyscale;
        blit.blend = blend;
        QImage composed = chameleonButtonTransBlt(k.surface().copy(device), image, blit);
        composed.setDevicePixelRatio(dpr);
        k.painter().drawImage(QPointF(device.left() / dpr, device.top() / dpr), composed);
    }

    void effect(int offset, const QPixmap& picture)
    {
        const chameleonButtonPaintState& s = k.s;
        if (s.SpecialEffect <= 0)
            return;
        const int fx = std::min(s.SpecialEffect, 3);
        quint32 base = k.c.SelectFillColor;
        if (s.ButtonType == 3)
            base = k.gradientBase;
        else if (offset != -1 || s.ColorScheme == 2)
            base = k.c.ButtonFaceColor;
        const int x = s.layout.PicRect.x();
        const int y = s.layout.PicRect.y();
        blt(x + 1 + offset, y + 1 + offset, picture, k.shift(base, fx == 2 ? 40 : -40));
        if (fx < 3)
            blt(x - 1 + offset, y - 1 + offset, picture, k.shift(base, fx == 2 ? -40 : 40));
    }

    void draw(int pictureState)
    {
        const chameleonButtonPaintState& s = k.s;
        const QPixmap& normal = s.PictureNormal;
        const QPixmap& over = s.PictureOver;
        const int type = s.ButtonType;
        const int x = s.layout.PicRect.x();
        const int y = s.layout.PicRect.y();
        switch (pictureState) {
        case 0:
            if (!s.hovered) {
                effect(0, normal);
                blt(x, y, normal, -1, false, s.UseGreyscale, type == 9);
            } else if (type == 9) {
                effect(-1, normal);
                blt(x + 1, y + 1, normal, k.c.ButtonShadowColor);
                blt(x - 1, y - 1, normal);
            } else {
                const QPixmap& shown = over.isNull() ? normal : over;
                effect(0, shown);
                blt(x, y, shown);
            }
            break;
        case 1:
            if (!over.isNull() && type != 9) {
                const int d = type == 5 ? 0 : 1;
                blt(x + d, y + d, over);
            } else if (type == 5 || type == 9) {
                effect(0, normal);
                blt(x, y, normal);
            } else {
                effect(1, normal);
                blt(x + 1, y + 1, normal);
            }
            break;
        case 2:
            if (type == 3) {
                blt(x + 1, y + 1, normal, -1, false, true);
            } else if (type == 5 || type == 6 || type == 9) {
                const quint32 shadow = k.c.ButtonShadowColor;
                blt(x, y, normal, type == 9 ? k.shift(shadow, 13) : shadow, true);
            } else {
                blt(x + 1, y + 1, normal, k.c.HighlightColor, true);
                blt(x, y, normal, k.c.ButtonShadowColor, true);
            }
            break;
        default:
            break;
        }
    }
};

void chameleonButtonCanvas::drawPictures(int pictureState)
{
    if (s.PictureNormal.isNull())
        return;
    chameleonButtonPictureDrawer{*this}.draw(pictureState);
    // PicBehind: the caption again, on top of the picture.
    if (s.PicturePosition == 4 && m_lastCaptionStyle >= 0)
        DrawCaption(m_lastCaptionStyle);
}
