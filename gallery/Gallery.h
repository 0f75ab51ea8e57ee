#pragma once

#include <QList>
#include <QString>

#include <functional>

class QWidget;

// One control in one state, as the gallery shows it and renders it to
// <name>.png.
struct GallerySample
{
    QString name;
    std::function<QWidget*()> create;
};

struct GallerySection
{
    QString title;
    std::function<QList<GallerySample>()> samples;
};

// Each control's gallery file registers its section at start-up with
// TALLYVANE_GALLERY_SECTION; the gallery shows them sorted by title.
namespace Gallery {
bool addSection(const GallerySection& section);
QList<GallerySection> sections();
} // namespace Gallery

#define TALLYVANE_GALLERY_SECTION(title, samplesFunction) \
    static const bool galleryRegistered_##samplesFunction = \
        Gallery::addSection({QStringLiteral(title), samplesFunction})
