#include "Artwork.h"

// The pictures are compiled into a static library, whose resources only
// register when asked to.
static void registerArtwork()
{
    Q_INIT_RESOURCE(artwork);
}

namespace Artwork {

QIcon icon(const QString& file)
{
    static const bool registered = (registerArtwork(), true);
    Q_UNUSED(registered);
    return QIcon(QStringLiteral(":/artwork/") + file);
}

} // namespace Artwork
