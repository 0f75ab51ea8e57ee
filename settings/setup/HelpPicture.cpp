#include "HelpPicture.h"

#include <QKeyEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionFocusRect>

// The artwork is built into the library, whose resources only register
// when asked to (outside any namespace, where the resource lives).
static void registerSetupArtwork()
{
    Q_INIT_RESOURCE(setup_artwork);
}

namespace {

constexpr QColor kHoverFace(0xE6, 0xF3, 0xF5);
constexpr QColor kHoverEdge(0x9C, 0xCF, 0xD6);
constexpr int kInset = 2;

QString helpArtwork()
{
    static const bool registered = (registerSetupArtwork(), true);
    Q_UNUSED(registered);
    return QStringLiteral(":/setup/help.svg");
}

} // namespace

HelpPicture::HelpPicture(QWidget* parent) : QAbstractButton(parent), m_picture(helpArtwork())
{
    setFocusPolicy(Qt::StrongFocus);
    setCursor(Qt::PointingHandCursor);
    setAttribute(Qt::WA_Hover);
    setAccessibleName(QStringLiteral("Help"));
    setToolTip(QStringLiteral("Help"));
}

QSize HelpPicture::sizeHint() const
{
    return QSize(26, 26);
}

void HelpPicture::keyPressEvent(QKeyEvent* event)
{
    // Space is the button's own; Enter clicks it too, as operators expect.
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        click();
        return;
    }
    QAbstractButton::keyPressEvent(event);
}

void HelpPicture::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    if (isEnabled() && (underMouse() || isDown())) {
        painter.setPen(kHoverEdge);
        painter.setBrush(isDown() ? kHoverEdge : kHoverFace);
        painter.drawRoundedRect(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5), 5, 5);
    }
    const QRect picture = rect().adjusted(kInset, kInset, -kInset, -kInset).translated(0, isDown() ? 1 : 0);
    m_picture.render(&painter, QRectF(picture));

    if (hasFocus()) {
        QStyleOptionFocusRect option;
        option.initFrom(this);
        option.rect = rect();
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &option, &painter, this);
    }
}
