#pragma once

#include "chameleonButtonKinds.h"

#include <QFont>
#include <QRect>
#include <QSize>
#include <QString>

// Caption and picture placement (CalcTextRects, CalcPicPos) and the focus
// rectangle, as pure functions of what they read.
struct chameleonButtonLayoutInput
{
    QFont font;
    QString caption;
    int width = 0;
    int height = 0;
    chameleonButtonKinds::ButtonTypes buttonType = chameleonButtonKinds::ButtonTypes::TypeRaised;
    chameleonButtonKinds::PicturePositions picturePosition = chameleonButtonKinds::PicturePositions::PicLeft;
    QSize pictureSize;       // pW x pH from CalcPicSize (0 x 0 without PictureNormal)
    bool hasPicture = false; // PictureNormal or PictureOver set
};

struct chameleonButtonLayout
{
    QRect TextRect;     // left/top and the measured width/height of the caption
    QRect TextRectDown; // TextRect moved by (1, 1)
    QRect PicRect;      // x, y, width, height of the picture
    QRect FocusRect;
};

chameleonButtonLayout chameleonButtonCalcLayout(const chameleonButtonLayoutInput& input);

// The FocusRect of the Resize handling for a W x H client area.
QRect chameleonButtonFocusRect(chameleonButtonKinds::ButtonTypes buttonType, int width, int height);

// CalcPicSize: the picture's size in pixels (device-independent).
QSize chameleonButtonPictureSize(const class QPixmap& picture);

// SetAccessKeys: the lower-case access key of a caption, or a null QChar.
QChar chameleonButtonAccessKey(const QString& caption);

// The caption as assistive technology reads it: mnemonic ampersands
// removed, "&&" shown as one "&".
QString chameleonButtonPlainCaption(const QString& caption);
