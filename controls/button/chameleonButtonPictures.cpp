#include "chameleonButtonPictures.h"

#include "chameleonButtonCanvas.h"
#include "NumberText.h"

#include <algorithm>

int chameleonButtonGrey(int red, int green, int blue)
{
    const double redShare = roundHalfToEven(0.3 * red);
    return int(roundHalfToEven(redShare + 0.59 * green + 0.11 * blue));
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

namespace {

using chameleonButtonKinds::ButtonTypes;
using chameleonButtonKinds::ColorSchemes;
using chameleonButtonKinds::PicturePositions;
using chameleonButtonKinds::SpecialEffects;

// No silhouette: the picture's own pixels.
constexpr qint64 kNoBrush = -1;

// DrawPictures and DrawPictureEffect for one canvas.
struct PictureDrawer
{
    chameleonButtonCanvas& canvas;

    void blt(int x, int y, const QPixmap& picture, qint64 brush = kNoBrush, bool mono = false,
             bool greyscale = false, bool blend = false)
    {
        const QRect& area = canvas.state.layout.PicRect;
        if (picture.isNull() || area.width() <= 0 || area.height() <= 0)
            return;
        const qreal dpr = canvas.dpr();
        QRect device(qRound(x * dpr), qRound(y * dpr), qRound(area.width() * dpr),
                     qRound(area.height() * dpr));
        device &= QRect(QPoint(0, 0), canvas.surface().size());
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
        blit.hasTransparent = canvas.state.UseMaskColor;
        blit.transparent = canvas.colors.MaskRgb;
        blit.brush = brush;
        blit.mono = mono;
        blit.greyscale = greyscale;
        blit.blend = blend;
        QImage composed = chameleonButtonTransBlt(canvas.surface().copy(device), image, blit);
        composed.setDevicePixelRatio(dpr);
        canvas.painter().drawImage(QPointF(device.left() / dpr, device.top() / dpr), composed);
    }

    // DrawPictureEffect: the picture's silhouette below right (and above
    // left unless shadowed), `offset` pixels from its place; -1 is the
    // hovered selection button's.
    void effect(int offset, const QPixmap& picture)
    {
        const chameleonButtonPaintState& state = canvas.state;
        if (state.SpecialEffect <= SpecialEffects::FxNone)
            return;
        const bool engraved = state.SpecialEffect == SpecialEffects::FxEngraved;
        quint32 base = canvas.colors.SelectFillColor;
        if (canvas.isType(ButtonTypes::TypeGradient))
            base = canvas.gradientBase;
        else if (offset != -1 || state.ColorScheme == ColorSchemes::SchemeCustom)
            base = canvas.colors.ButtonFaceColor;
        const int x = state.layout.PicRect.x();
        const int y = state.layout.PicRect.y();
        blt(x + 1 + offset, y + 1 + offset, picture, canvas.shift(base, engraved ? 40 : -40));
        if (state.SpecialEffect < SpecialEffects::FxShadowed)
            blt(x - 1 + offset, y - 1 + offset, picture, canvas.shift(base, engraved ? -40 : 40));
    }

    void normal()
    {
        const chameleonButtonPaintState& state = canvas.state;
        const QPixmap& picture = state.PictureNormal;
        const int x = state.layout.PicRect.x();
        const int y = state.layout.PicRect.y();
        const bool selection = canvas.isType(ButtonTypes::TypeSelection);
        if (!state.hovered) {
            effect(0, picture);
            blt(x, y, picture, kNoBrush, false, state.UseGreyscale, selection);
        } else if (selection) {
            // Lifted off its shadow.
            effect(-1, picture);
            blt(x + 1, y + 1, picture, canvas.colors.ButtonShadowColor);
            blt(x - 1, y - 1, picture);
        } else {
            const QPixmap& shown = state.PictureOver.isNull() ? picture : state.PictureOver;
            effect(0, shown);
            blt(x, y, shown);
        }
    }

    void pressed()
    {
        const chameleonButtonPaintState& state = canvas.state;
        const QPixmap& picture = state.PictureNormal;
        const int x = state.layout.PicRect.x();
        const int y = state.layout.PicRect.y();
        const bool selection = canvas.isType(ButtonTypes::TypeSelection);
        const bool beveled = canvas.isType(ButtonTypes::TypeBeveled);
        if (!state.PictureOver.isNull() && !selection) {
            const int sink = beveled ? 0 : 1;
            blt(x + sink, y + sink, state.PictureOver);
        } else if (beveled || selection) {
            effect(0, picture);
            blt(x, y, picture);
        } else {
            effect(1, picture);
            blt(x + 1, y + 1, picture);
        }
    }

    void disabled()
    {
        const chameleonButtonPaintState& state = canvas.state;
        const QPixmap& picture = state.PictureNormal;
        const int x = state.layout.PicRect.x();
        const int y = state.layout.PicRect.y();
        const quint32 shadow = canvas.colors.ButtonShadowColor;
        if (canvas.isType(ButtonTypes::TypeGradient)) {
            blt(x + 1, y + 1, picture, kNoBrush, false, true);
        } else if (canvas.isType(ButtonTypes::TypeSelection)) {
            blt(x, y, picture, canvas.shift(shadow, 13), true);
        } else if (canvas.isType(ButtonTypes::TypeBeveled) || canvas.isType(ButtonTypes::TypeSoft)) {
            blt(x, y, picture, shadow, true);
        } else {
            blt(x + 1, y + 1, picture, canvas.colors.HighlightColor, true);
            blt(x, y, picture, shadow, true);
        }
    }
};

} // namespace

void chameleonButtonCanvas::drawPictures(chameleonButtonPictureState pictureState)
{
    if (state.PictureNormal.isNull())
        return;
    PictureDrawer drawer{*this};
    switch (pictureState) {
    case chameleonButtonPictureState::Normal: drawer.normal(); break;
    case chameleonButtonPictureState::Pressed: drawer.pressed(); break;
    case chameleonButtonPictureState::Disabled: drawer.disabled(); break;
    }
    // PicBehind: the caption again, on top of the picture.
    if (state.PicturePosition == PicturePositions::PicBehind && m_captionDrawn)
        DrawCaption(m_lastCaptionStyle);
}
