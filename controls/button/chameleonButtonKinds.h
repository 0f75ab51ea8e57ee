#pragma once

#include <QObject>

// The named kinds of chameleonButton. The numbers are what the forms store
// and never change; a stored value without a name is kept as it is and
// drawn as the types table says (a ButtonType outside 1..14 as TypePlain,
// a ColorScheme outside 1..4 as SchemeSystem, a SpecialEffect above 3 as
// FxShadowed).
namespace chameleonButtonKinds {
Q_NAMESPACE

enum class ButtonTypes : int {
    TypeClassic = 1,
    TypeRaised,
    TypeGradient,
    TypeRounded,
    TypeBeveled,
    TypeSoft,
    TypeFlat,
    TypeHotFlat,
    TypeSelection,
    TypePlain,
    TypeTransparent,
    TypeHot3D,
    TypeOval,
    TypeBanded,
};
Q_ENUM_NS(ButtonTypes)

enum class ColorSchemes : int { SchemeSystem = 1, SchemeCustom, SchemeClassic, SchemeContainer };
Q_ENUM_NS(ColorSchemes)

enum class PicturePositions : int { PicLeft = 0, PicRight, PicTop, PicBottom, PicBehind };
Q_ENUM_NS(PicturePositions)

enum class SpecialEffects : int { FxNone = 0, FxEmbossed, FxEngraved, FxShadowed };
Q_ENUM_NS(SpecialEffects)

// What DrawButton is asked to show; hover is the mouse-over flag, not a state.
enum class ButtonState : int { Normal = 0, Pressed = 2 };
Q_ENUM_NS(ButtonState)

} // namespace chameleonButtonKinds
