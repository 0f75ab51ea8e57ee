#pragma once

#include <QIcon>
#include <QString>

// The program's own pictures, drawn as SVG and built into the program; an
// icon renders them afresh for every size and screen scale.
namespace Artwork {

QIcon icon(const QString& file);

} // namespace Artwork
