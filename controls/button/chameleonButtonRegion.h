#pragma once

#include <QRegion>

// MakeRegion: the window shape of a W x H button of the given
// ButtonType. An empty region stands for the full rectangle (no mask).
QRegion chameleonButtonRegion(int buttonType, int width, int height);
