#include "Gallery.h"

#include <algorithm>

namespace {

QList<GallerySection>& registry()
{
    static QList<GallerySection> sections;
    return sections;
}

} // namespace

namespace Gallery {

bool addSection(const GallerySection& section)
{
    registry().append(section);
    return true;
}

QList<GallerySection> sections()
{
    QList<GallerySection> sorted = registry();
    std::stable_sort(sorted.begin(), sorted.end(),
                     [](const GallerySection& a, const GallerySection& b) { return a.title < b.title; });
    return sorted;
}

} // namespace Gallery
