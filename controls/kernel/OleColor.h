#pragma once

#include <QColor>
#include <QPalette>

// Colours as the controls' properties hold them: 0x00BBGGRR, or a system
// colour 0x80000000 plus the colour's index, which follows the
// application's palette so the controls take on the desktop's theme.
namespace OleColor {

constexpr quint32 SystemFlag = 0x80000000u;

// Common system colours by index.
constexpr quint32 ButtonFace = SystemFlag | 15;
constexpr quint32 ButtonShadow = SystemFlag | 16;
constexpr quint32 GrayText = SystemFlag | 17;
constexpr quint32 ButtonText = SystemFlag | 18;
constexpr quint32 ButtonHighlight = SystemFlag | 20;
constexpr quint32 DarkShadow = SystemFlag | 21;
constexpr quint32 Light = SystemFlag | 22; // 3D light: between ButtonFace and ButtonHighlight
constexpr quint32 Highlight = SystemFlag | 13;
constexpr quint32 HighlightText = SystemFlag | 14;
constexpr quint32 WindowBackground = SystemFlag | 5;
constexpr quint32 WindowText = SystemFlag | 8;

inline bool isSystem(quint32 value) { return (value & SystemFlag) != 0; }

QColor toColor(quint32 value, const QPalette& palette);
QColor toColor(quint32 value); // with the application's palette

// A plain colour as 0x00BBGGRR.
quint32 fromColor(const QColor& color);

inline constexpr quint32 rgb(int red, int green, int blue)
{
    return quint32(red) | (quint32(green) << 8) | (quint32(blue) << 16);
}

// Moves each channel towards white, in integer arithmetic:
// c * (255 - amount) / 255 + amount, at most 255. 0 keeps the colour,
// 255 gives white.
QColor BlendToWhite(const QColor& color, int amount);
quint32 BlendToWhite(quint32 color, int amount); // a plain 0x00BBGGRR colour

} // namespace OleColor
