#include "Gallery.h"
#include "OleColor.h"
#include "Pie.h"

namespace {

Pie* pieOf(const QVariantList& values, int width = 1, int height = 1, int length = 1)
{
    auto* pie = new Pie;
    pie->setBackcolor(OleColor::rgb(255, 255, 255));
    pie->CreatePie(values, width, height, length);
    return pie;
}

Pie* customColoursPie()
{
    auto* pie = new Pie;
    pie->setBackcolor(OleColor::rgb(255, 255, 255));
    pie->ClearColors();
    pie->NewColor(OleColor::rgb(240, 240, 240), OleColor::rgb(160, 160, 160));
    pie->NewColor(OleColor::rgb(70, 90, 200), OleColor::rgb(40, 50, 130));
    pie->CreatePie({35, 65}, 1, 1, 1);
    return pie;
}

QList<GallerySample> pieSamples()
{
    return {
        {QStringLiteral("pie-100"), [] { return pieOf({100}); }},
        {QStringLiteral("pie-50-50"), [] { return pieOf({50, 50}); }},
        {QStringLiteral("pie-25x4"), [] { return pieOf({25, 25, 25, 25}); }},
        {QStringLiteral("pie-30-0-70"), [] { return pieOf({30, 0, 70}); }},
        {QStringLiteral("pie-seven-values"), [] { return pieOf({10, 15, 20, 5, 25, 10, 15}); }},
        {QStringLiteral("pie-total-60"), [] { return pieOf({25, 35}); }},
        {QStringLiteral("pie-total-30"), [] { return pieOf({30}); }},
        {QStringLiteral("pie-total-80"), [] { return pieOf({50, 30}); }},
        {QStringLiteral("pie-total-10"), [] { return pieOf({10}); }},
        {QStringLiteral("pie-thin-slices"), [] { return pieOf({1, 1, 2, 96}); }},
        // Refused through the gallery's dialogs: a real message on screen,
        // none when rendering.
        {QStringLiteral("pie-rejected-60-50"), [] { return pieOf({60, 50}); }},
        {QStringLiteral("pie-custom-colours"), customColoursPie},
        {QStringLiteral("pie-large"), [] { return pieOf({12.5, 20, 30, 7.5, 30}, 400, 200, 30); }},
        {QStringLiteral("pie-800x400"), [] { return pieOf({10, 15, 20, 5, 25, 10, 15}, 800, 400, 40); }},
    };
}

} // namespace

TALLYVANE_GALLERY_SECTION("Pie chart", pieSamples);
