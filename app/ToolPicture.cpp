#include "ToolPicture.h"

#include "Artwork.h"
#include "Picture.h"

#include <QKeyEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionFocusRect>

namespace {

constexpr int kCaptionGap = 3;
constexpr QColor kHoverFace(0xE6, 0xF3, 0xF5);
constexpr QColor kHoverEdge(0x9C, 0xCF, 0xD6);

} // namespace

ToolPicture::ToolPicture(const QString& caption, const QString& pictureFile, QWidget* parent)
    : QAbstractButton(parent),
      m_picture(Artwork::icon(pictureFile)),
      m_lockMark(new Picture(QStringLiteral("lock.svg"), caption.trimmed() + QStringLiteral(" locked"),
                             parent))
{
    setText(caption);
    setFocusPolicy(Qt::StrongFocus);
    setCursor(Qt::PointingHandCursor);
    setAttribute(Qt::WA_Hover);

    m_lockMark->setFixedSize(LockSide, LockSide);
    m_lockMark->setToolTip(QStringLiteral("Locked for this operator"));
    m_lockMark->hide();
}

void ToolPicture::setLockMarkVisible(bool visible)
{
    m_lockMark->setShown(visible);
}

bool ToolPicture::lockMarkVisible() const
{
    return !m_lockMark->isHidden();
}

QSize ToolPicture::sizeHint() const
{
    return QSize(76, ToolSide + kCaptionGap + 2 * fontMetrics().height() + 4);
}

QRect ToolPicture::pictureRect() const
{
    if (text().isEmpty())
        return rect();
    return QRect((width() - ToolSide) / 2, 2, ToolSide, ToolSide);
}

QRect ToolPicture::captionRect() const
{
    const int top = pictureRect().bottom() + 1 + kCaptionGap;
    return QRect(2, top, width() - 4, height() - top - 2);
}

void ToolPicture::resizeEvent(QResizeEvent* event)
{
    QAbstractButton::resizeEvent(event);
    // The lock sits at the picture's top right corner, a little outside it.
    const QRect picture = pictureRect().translated(pos());
    m_lockMark->move(picture.right() - LockSide / 2 + 4, picture.top() - 2);
}

void ToolPicture::enterEvent(QEnterEvent* event)
{
    m_hovered = true;
    update();
    QAbstractButton::enterEvent(event);
}

void ToolPicture::leaveEvent(QEvent* event)
{
    m_hovered = false;
    update();
    QAbstractButton::leaveEvent(event);
}

void ToolPicture::keyPressEvent(QKeyEvent* event)
{
    // Space is the button's own; Enter clicks a tool too, as operators expect.
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        click();
        return;
    }
    QAbstractButton::keyPressEvent(event);
}

void ToolPicture::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    if (isEnabled() && (m_hovered || isDown())) {
        painter.setPen(kHoverEdge);
        painter.setBrush(isDown() ? kHoverEdge : kHoverFace);
        painter.drawRoundedRect(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5), 5, 5);
    }
    const QIcon::Mode mode = isEnabled() ? QIcon::Normal : QIcon::Disabled;
    m_picture.paint(&painter, pictureRect().translated(0, isDown() ? 1 : 0), Qt::AlignCenter, mode);

    painter.setPen(palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled,
                                   QPalette::WindowText));
    painter.drawText(captionRect(), Qt::AlignHCenter | Qt::AlignTop | Qt::TextWordWrap, text());

    if (hasFocus()) {
        QStyleOptionFocusRect option;
        option.initFrom(this);
        option.rect = rect().adjusted(1, 1, -1, -1);
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &option, &painter, this);
    }
}
