#pragma once

#include "chameleonButtonPaintState.h"

#include <QImage>

// Paints one chameleonButton snapshot (DrawButton after the redraw gate)
// onto `surface`, whose size is the button's size times the surface's
// device pixel ratio. Geometry is in the button's pixels; at a ratio of 2
// every pixel of the geometry becomes a 2 x 2 block and text is drawn sharp.
void chameleonButtonPaint(QImage& surface, const chameleonButtonPaintState& state);

// A surface of the right size and format for the snapshot.
QImage chameleonButtonSurface(const chameleonButtonPaintState& state, qreal devicePixelRatio);
