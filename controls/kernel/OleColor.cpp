#include "OleColor.h"

#include <QGuiApplication>

#include <algorithm>

namespace OleColor {

namespace {

struct SystemColor
{
    int index;
    QPalette::ColorGroup group;
    QPalette::ColorRole role;
};

// The system colours with a palette counterpart; others take the classic
// desktop's fixed colour.
constexpr SystemColor kPaletteColors[] = {
    {5, QPalette::Active, QPalette::Base},
    {8, QPalette::Active, QPalette::WindowText},
    {13, QPalette::Active, QPalette::Highlight},
    {14, QPalette::Active, QPalette::HighlightedText},
    {15, QPalette::Active, QPalette::Button},
    {16, QPalette::Active, QPalette::Dark},
    {17, QPalette::Disabled, QPalette::Text},
    {18, QPalette::Active, QPalette::ButtonText},
    {20, QPalette::Active, QPalette::Light},
    {21, QPalette::Active, QPalette::Shadow},
    {23, QPalette::Active, QPalette::ToolTipText},
    {24, QPalette::Active, QPalette::ToolTipBase},
    {26, QPalette::Active, QPalette::Link},
};

constexpr QRgb kClassicColors[31] = {
    0xc8c8c8, 0x000000, 0x000080, 0x808080, 0xc0c0c0, 0xffffff, 0x000000, 0x000000,
    0x000000, 0xffffff, 0xc0c0c0, 0xc0c0c0, 0x808080, 0x000080, 0xffffff, 0xc0c0c0,
    0x808080, 0x808080, 0x000000, 0xc0c0c0, 0xffffff, 0x000000, 0xdfdfdf, 0x000000,
    0xffffe1, 0xb5b5b5, 0x0000ff, 0x1084d0, 0xb5b5b5, 0x000080, 0xc0c0c0,
};

constexpr int kThreeDLightIndex = 22;

// "3D light" lies between the face and the highlight, as on the classic
// desktop (192, 223, 255). Palettes whose Midlight is darker than the face,
// Qt's own default among them, would draw a grey groove where a bevel
// should catch the light, so the colour is then taken halfway from the
// face to Light.
QColor threeDLight(const QPalette& palette)
{
    const QColor face = palette.color(QPalette::Active, QPalette::Button);
    const QColor light = palette.color(QPalette::Active, QPalette::Light);
    const QColor midlight = palette.color(QPalette::Active, QPalette::Midlight);
    if (midlight.lightness() > face.lightness() && midlight.lightness() < light.lightness())
        return midlight;
    return QColor((face.red() + light.red()) / 2, (face.green() + light.green()) / 2,
                  (face.blue() + light.blue()) / 2);
}

} // namespace

QColor toColor(quint32 value, const QPalette& palette)
{
    if (!isSystem(value))
        return QColor(int(value & 0xff), int((value >> 8) & 0xff), int((value >> 16) & 0xff));

    const int index = int(value & 0xff);
    if (index == kThreeDLightIndex)
        return threeDLight(palette);
    for (const SystemColor& system : kPaletteColors) {
        if (system.index == index)
            return palette.color(system.group, system.role);
    }
    return index < int(std::size(kClassicColors)) ? QColor(kClassicColors[index]) : QColor(Qt::black);
}

QColor toColor(quint32 value)
{
    return toColor(value, QGuiApplication::palette());
}

quint32 fromColor(const QColor& color)
{
    return rgb(color.red(), color.green(), color.blue());
}

QColor BlendToWhite(const QColor& color, int amount)
{
    auto blend = [amount](int channel) { return std::min(255, channel * (255 - amount) / 255 + amount); };
    return QColor(blend(color.red()), blend(color.green()), blend(color.blue()));
}

quint32 BlendToWhite(quint32 color, int amount)
{
    return fromColor(BlendToWhite(toColor(color & 0x00ffffffu, QPalette()), amount));
}

} // namespace OleColor
