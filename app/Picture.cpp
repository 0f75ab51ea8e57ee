#include "Picture.h"

#include "Artwork.h"

#include <QAccessibleWidget>
#include <QPainter>

namespace {

QAccessibleInterface* pictureAccessible(const QString& className, QObject* object)
{
    if (className == QLatin1String("Picture") && object && object->isWidgetType())
        return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::Graphic);
    return nullptr;
}

} // namespace

Picture::Picture(const QString& file, const QString& name, QWidget* parent)
    : QWidget(parent), m_icon(Artwork::icon(file))
{
    static const bool installed = (QAccessible::installFactory(pictureAccessible), true);
    Q_UNUSED(installed);
    setAccessibleName(name);
}

void Picture::setShown(bool shown)
{
    if (isHidden() == shown)
        setVisible(shown);
}

void Picture::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    m_icon.paint(&painter, rect());
}
