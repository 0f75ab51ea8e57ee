#pragma once

#include "chameleonButtonColors.h"
#include "chameleonButtonKinds.h"
#include "chameleonButtonLayout.h"

#include <QFont>
#include <QPixmap>
#include <QString>

// Everything one DrawButton pass of chameleonButton reads, taken when the
// redraw gate lets a draw through. The widget paints this snapshot, so the
// surface keeps what was last drawn while drawing is suspended (hidden,
// DisableRefresh) just as a persistent window surface does.
struct chameleonButtonPaintState
{
    chameleonButtonKinds::ButtonTypes ButtonType = chameleonButtonKinds::ButtonTypes::TypeRaised;
    int width = 0;
    int height = 0;
    chameleonButtonKinds::ButtonState buttonState = chameleonButtonKinds::ButtonState::Normal;
    bool enabled = true;
    bool hovered = false;     // the mouse-over flag
    bool focused = false;     // the has-focus flag
    bool isDefault = false;   // the window reports the button as its default
    bool ShowFocusRect = true;
    chameleonButtonKinds::ColorSchemes ColorScheme = chameleonButtonKinds::ColorSchemes::SchemeSystem;
    bool SoftBevel = false;
    chameleonButtonKinds::SpecialEffects SpecialEffect = chameleonButtonKinds::SpecialEffects::FxNone;
    chameleonButtonKinds::PicturePositions PicturePosition = chameleonButtonKinds::PicturePositions::PicLeft;
    bool UseMaskColor = true;
    bool UseGreyscale = false;

    chameleonButtonColorSet colors; // with the scheme-2 hover swap applied
    QString caption;
    QFont font;
    chameleonButtonLayout layout;
    QSize pictureSize;
    QPixmap PictureNormal;
    QPixmap PictureOver;
    QPixmap background; // ButtonType 11: the captured container background
};
