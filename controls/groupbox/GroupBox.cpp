#include "GroupBox.h"

#include "Dialogs.h"
#include "FormsCodes.h"
#include "GroupBoxAccessible.h"
#include "GroupBoxPainter.h"
#include "PropertyBag.h"

#include <QAccessible>
#include <QGuiApplication>
#include <QKeySequence>
#include <QLayout>
#include <QMouseEvent>
#include <QPainter>
#include <QProxyStyle>
#include <QShortcutEvent>

#include <limits>

namespace {

const QString kBackColorKey = QStringLiteral("BackColor");
const QString kForeColorKey = QStringLiteral("ForeColor");
const QString kFontKey = QStringLiteral("Font");
const QString kCaptionKey = QStringLiteral("Caption");
const QString kBorderStyleKey = QStringLiteral("BorderStyle");
const QString kAppearanceKey = QStringLiteral("Appearance");
const QString kEnabledKey = QStringLiteral("Enabled");
const QString kBackStyleKey = QStringLiteral("BackStyle");
const QString kOleDropModeKey = QStringLiteral("OLEDropMode");

constexpr int kDefaultBorderStyle = 1;
constexpr int kDefaultAppearance = 1;

const QString kTransparentRefusal = QStringLiteral(
    "This feature has not yet been implemented!\n"
    "I'm not quite sure how I am going to implement this feature"
    ", as some controls are shaped.");

bool fitsSixteenBits(int value)
{
    return value >= std::numeric_limits<qint16>::min() && value <= std::numeric_limits<qint16>::max();
}

// The classic look belongs to Qt's "Windows" style, also behind a proxy.
bool isClassicStyle(const QStyle* style)
{
    while (const auto* proxy = qobject_cast<const QProxyStyle*>(style))
        style = proxy->baseStyle();
    return style && style->name().compare(QLatin1String("windows"), Qt::CaseInsensitive) == 0;
}

} // namespace

GroupBox::GroupBox(QWidget* parent)
    : QWidget(parent)
{
    GroupBoxAccessible::install();
    setMouseTracking(true);
    updateContentMargins();
}

GroupBox::GroupBox(const QString& name, QWidget* parent)
    : GroupBox(parent)
{
    setObjectName(name);
    setCaption(name);
}

void GroupBox::setColor(quint32& member, quint32 color)
{
    if (color == member)
        return;
    member = color;
    update();
}

void GroupBox::setBackcolor(quint32 color)
{
    setColor(m_backColor, color);
}

void GroupBox::setForeColor(quint32 color)
{
    setColor(m_foreColor, color);
}

void GroupBox::setCaption(const QString& caption)
{
    if (caption == m_caption.caption())
        return;
    m_caption = GroupBoxCaption(caption);
    captionChanged();
}

void GroupBox::setBorderStyle(int style)
{
    if (style == m_borderStyle)
        return;
    m_borderStyle = style;
    updateContentMargins();
    updateGeometry();
    update();
}

void GroupBox::setAppearance(int appearance)
{
    if (appearance == m_appearance || !fitsSixteenBits(appearance))
        return;
    m_appearance = appearance;
    update();
}

void GroupBox::setBackStyle(int style)
{
    if (style == TransparentBackStyle) {
        refuseTransparentBackStyle();
        return;
    }
    m_backStyle = style;
}

void GroupBox::setOleDropMode(int mode)
{
    if (mode != OleDropNone && mode != OleDropManual)
        return;
    m_oleDropMode = mode;
    setAcceptDrops(mode == OleDropManual);
}

void GroupBox::refuseTransparentBackStyle()
{
    Dialogs& dialogs = m_dialogs ? *m_dialogs : Dialogs::shared();
    dialogs.showMessage(kTransparentRefusal, QGuiApplication::applicationDisplayName(), MessageIcon::None,
                        MessageButtons::Ok);
}

void GroupBox::writeProperties(PropertyBag& bag) const
{
    bag.write(kBackColorKey, m_backColor);
    bag.write(kForeColorKey, m_foreColor);
    bag.write(kFontKey, font());
    bag.write(kCaptionKey, caption());
    bag.write(kBorderStyleKey, m_borderStyle);
    bag.write(kAppearanceKey, m_appearance);
    bag.write(kEnabledKey, !testAttribute(Qt::WA_ForceDisabled));
    bag.write(kBackStyleKey, m_backStyle);
    bag.write(kOleDropModeKey, m_oleDropMode);
}

void GroupBox::readProperties(const PropertyBag& bag)
{
    setBackcolor(bag.readColor(kBackColorKey, OleColor::ButtonFace));
    setForeColor(bag.readColor(kForeColorKey, OleColor::ButtonText));
    // An unset font follows the container's.
    setFont(bag.readFont(kFontKey, QFont()));
    setCaption(bag.readString(kCaptionKey, objectName()));
    setBorderStyle(bag.readInt(kBorderStyleKey, kDefaultBorderStyle));
    setAppearance(bag.readInt(kAppearanceKey, kDefaultAppearance));
    setEnabled(bag.readBool(kEnabledKey, true));
    // A stored design never holds the transparent style, which cannot be set;
    // should one say so anyway, the box stays opaque without a message.
    const int backStyle = bag.readInt(kBackStyleKey, OpaqueBackStyle);
    m_backStyle = backStyle == TransparentBackStyle ? OpaqueBackStyle : backStyle;
    setOleDropMode(bag.readInt(kOleDropModeKey, OleDropNone));
}

bool GroupBox::usesVisualStyles() const
{
    return !isClassicStyle(style());
}

GroupBoxLook GroupBox::look() const
{
    GroupBoxLook look;
    look.size = size();
    look.caption = m_caption;
    look.font = font();
    look.palette = palette();
    look.backColor = OleColor::toColor(m_backColor, look.palette);
    look.foreColor = OleColor::toColor(m_foreColor, look.palette);
    look.highlight = OleColor::toColor(OleColor::ButtonHighlight, look.palette);
    look.shadow = OleColor::toColor(OleColor::ButtonShadow, look.palette);
    look.bordered = m_borderStyle != NoBorder;
    look.flat = m_appearance == FlatAppearance;
    look.enabled = isEnabled();
    look.style = usesVisualStyles() ? style() : nullptr;
    return look;
}

QSize GroupBox::minimumSizeHint() const
{
    const GroupBoxLook current = look();
    const QMargins margins = GroupBoxPainter::contentMargins(current, this);
    const int captionRight = GroupBoxPainter::captionRect(current).right() + 1;
    const QSize frame(captionRight + margins.right(), margins.top() + margins.bottom());
    return layout() ? frame.expandedTo(layout()->totalMinimumSize()) : frame;
}

QSize GroupBox::sizeHint() const
{
    const QSize minimum = minimumSizeHint();
    return layout() ? minimum.expandedTo(layout()->totalSizeHint()) : minimum;
}

void GroupBox::captionChanged()
{
    updateAccessKey();
    updateContentMargins();
    updateGeometry();
    update();
    QAccessibleEvent nameChanged(this, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&nameChanged);
}

void GroupBox::updateAccessKey()
{
    if (m_shortcutId != 0)
        releaseShortcut(m_shortcutId);
    m_shortcutId = 0;
    const QChar key = m_caption.accessKey();
    if (!key.isNull())
        m_shortcutId = grabShortcut(QKeySequence::mnemonic(QString(QLatin1Char('&')) + key));
}

// As a dialog's group box does: the access key reaches the control that
// follows in tab order, which is the first one inside when there is one.
void GroupBox::focusNextControl()
{
    for (QWidget* next = nextInFocusChain(); next && next != this; next = next->nextInFocusChain()) {
        if (next->isVisible() && next->isEnabled() && next->window() == window()
            && (next->focusPolicy() & Qt::TabFocus)) {
            next->setFocus(Qt::ShortcutFocusReason);
            return;
        }
    }
}

void GroupBox::updateContentMargins()
{
    setContentsMargins(GroupBoxPainter::contentMargins(look(), this));
}

bool GroupBox::event(QEvent* event)
{
    if (event->type() == QEvent::Shortcut
        && static_cast<QShortcutEvent*>(event)->shortcutId() == m_shortcutId) {
        focusNextControl();
        return true;
    }
    return QWidget::event(event);
}

void GroupBox::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::FontChange || event->type() == QEvent::StyleChange) {
        updateContentMargins();
        updateGeometry();
    }
    QWidget::changeEvent(event);
}

void GroupBox::resizeEvent(QResizeEvent* event)
{
    updateContentMargins();
    QWidget::resizeEvent(event);
}

void GroupBox::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    GroupBoxPainter::paint(painter, look(), this);
}

void GroupBox::raiseMouse(void (GroupBox::*event)(int, int, double, double), int buttons,
                          const QMouseEvent* mouse)
{
    const QPointF at = mouse->position();
    emit (this->*event)(buttons, FormsCodes::shiftCode(mouse->modifiers()), at.x(), at.y());
}

void GroupBox::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        m_clickPending = true;
    raiseMouse(&GroupBox::MouseDown, FormsCodes::buttonCode(event->button()), event);
}

// The second press of a double click reports the double click instead of
// a press; its release reports no further click.
void GroupBox::mouseDoubleClickEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton) {
        mousePressEvent(event);
        return;
    }
    m_clickPending = false;
    emit DblClick();
}

void GroupBox::mouseMoveEvent(QMouseEvent* event)
{
    raiseMouse(&GroupBox::MouseMove, FormsCodes::buttonCode(event->buttons()), event);
}

void GroupBox::mouseReleaseEvent(QMouseEvent* event)
{
    raiseMouse(&GroupBox::MouseUp, FormsCodes::buttonCode(event->button()), event);
    if (event->button() == Qt::LeftButton && m_clickPending) {
        m_clickPending = false;
        if (rect().contains(event->position().toPoint()))
            emit Click();
    }
}

void GroupBox::dragEnterEvent(QDragEnterEvent* event)
{
    event->acceptProposedAction();
    emit OLEDragOver(event);
}

void GroupBox::dragMoveEvent(QDragMoveEvent* event)
{
    event->acceptProposedAction();
    emit OLEDragOver(event);
}

void GroupBox::dropEvent(QDropEvent* event)
{
    event->acceptProposedAction();
    emit OLEDragDrop(event);
}
