#pragma once

#include <QImage>

// TransBlt as a pure function: composes `picture` (already at
// the size of `targetArea`) onto a copy of `targetArea` and returns it.
struct chameleonButtonBlit
{
    bool hasTransparent = true; // false when UseMaskColor is off
    quint32 transparent = 0xC0C0C0; // 0x00BBGGRR
    qint64 brush = -1;          // 0x00BBGGRR silhouette colour, -1 for none
    bool mono = false;          // silhouette of the picture's dark parts only
    bool greyscale = false;
    bool blend = false;         // picture 2 : target 1
};

QImage chameleonButtonTransBlt(const QImage& targetArea, const QImage& picture,
                               const chameleonButtonBlit& blit);

// The grey value of TransBlt: nearest(nearest(0.3 R) + 0.59 G + 0.11 B).
int chameleonButtonGrey(int red, int green, int blue);
