#pragma once

#include "chameleonButtonKinds.h"

#include <QRegion>

// MakeRegion: the window shape of a width x height button of the given
// ButtonType. An empty region stands for the full rectangle (no mask).
QRegion chameleonButtonRegion(chameleonButtonKinds::ButtonTypes buttonType, int width, int height);
