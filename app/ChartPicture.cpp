#include "ChartPicture.h"

#include <QDir>
#include <QImage>
#include <QPainter>
#include <QSaveFile>
#include <QSvgGenerator>
#include <QWidget>

namespace {

void paintSvg(QWidget* widget, const QRect& area, QSaveFile* file)
{
    QSvgGenerator drawing;
    drawing.setOutputDevice(file);
    drawing.setSize(area.size());
    drawing.setViewBox(QRect(QPoint(), area.size()));
    drawing.setTitle(widget->accessibleName());
    QPainter painter(&drawing);
    widget->render(&painter, QPoint(), QRegion(area));
}

bool writePng(QWidget* widget, const QRect& area, QSaveFile* file)
{
    QImage picture(area.size() * 2, QImage::Format_ARGB32_Premultiplied);
    picture.setDevicePixelRatio(2);
    picture.fill(Qt::white);
    QPainter painter(&picture);
    widget->render(&painter, QPoint(), QRegion(area));
    painter.end();
    return picture.save(file, "PNG");
}

} // namespace

Result saveChartPicture(QWidget* widget, const QRect& area, const QString& path)
{
    QSaveFile file(path);
    bool written = file.open(QIODevice::WriteOnly);
    if (written && path.endsWith(QLatin1String(".svg"), Qt::CaseInsensitive))
        paintSvg(widget, area, &file);
    else if (written)
        written = writePng(widget, area, &file);
    if (written && file.commit())
        return Result::success();
    return Result::failure(QStringLiteral("The picture \"%1\" could not be saved: %2.")
                               .arg(QDir::toNativeSeparators(path), file.errorString()));
}
