#pragma once

#include "GroupBoxLook.h"

#include <QMargins>
#include <QRect>

class QPainter;
class QWidget;

// Paints a group box from its look: the surface cleared to the back
// colour, then either the style's group box or the classic frame with the
// caption cut into its top edge. `widget` only lets the style consult the
// widget it paints for.
namespace GroupBoxPainter {

void paint(QPainter& painter, const GroupBoxLook& look, const QWidget* widget = nullptr);

// The classic frame: the whole surface below half a caption line.
QRect frameRect(const GroupBoxLook& look);
// The classic caption's place, and the box cleared behind it.
QRect captionRect(const GroupBoxLook& look);
QRect captionBackgroundRect(const GroupBoxLook& look);

// The room the frame and caption leave for child widgets.
QMargins contentMargins(const GroupBoxLook& look, const QWidget* widget = nullptr);

} // namespace GroupBoxPainter
