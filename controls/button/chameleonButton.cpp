#include "chameleonButton.h"

#include "chameleonButtonAccessible.h"
#include "chameleonButtonPainter.h"
#include "chameleonButtonRegion.h"
#include "OleColor.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QApplication>
#include <QCursor>
#include <QFontMetrics>
#include <QShortcut>

chameleonButton::chameleonButton(QWidget* parent)
    : QWidget(parent)
{
    chameleonButtonAccessible::install();
    setFocusPolicy(Qt::StrongFocus);
    setMouseTracking(true); // MouseMove is raised for every move, not only while dragging
    // Initialize, then the properties of a newly placed button.
    m_refreshEnabled = true;
    InitProperties();
    DrawButton(ButtonState::Normal, true);
}

chameleonButton::~chameleonButton()
{
    // Terminate: no drawing from here on; the region and surfaces go with us.
    m_refreshEnabled = false;
    if (m_focusWatch)
        disconnect(m_focusWatch);
}

// ---- Colour properties -------------------------------------------------------
// Colours are resolved when the button draws, so a setter only stores.

void chameleonButton::setBackcolor(quint32 color)
{
    if (color == m_backcolor)
        return;
    if (m_designMode)
        m_backOver = color;
    setAndRedraw(m_backcolor, color, "BCOL");
}

void chameleonButton::setBackOver(quint32 color)
{
    setAndRedraw(m_backOver, color, "BCOLO");
}

void chameleonButton::setForeColor(quint32 color)
{
    if (color == m_foreColor)
        return;
    if (m_designMode)
        m_foreOver = color;
    setAndRedraw(m_foreColor, color, "FCOL");
}

void chameleonButton::setForeOver(quint32 color)
{
    setAndRedraw(m_foreOver, color, "FCOLO");
}

void chameleonButton::setMaskColor(quint32 color)
{
    setAndRedraw(m_maskColor, color, "MCOL");
}

void chameleonButton::setColorScheme(ColorSchemes scheme)
{
    if (scheme == m_colorScheme)
        return;
    m_colorScheme = scheme;
    DrawButton(ButtonState::Normal, true);
    mark("COLTYPE");
}

void chameleonButton::setSoftBevel(bool soft)
{
    setAndRedraw(m_softBevel, soft, "SOFT");
}

// ---- Style and caption ---------------------------------------------------------

void chameleonButton::setButtonType(ButtonTypes type)
{
    if (type == m_buttonType)
        return;
    m_buttonType = type;
    if (type == ButtonTypes::TypeBeveled && m_designMode)
        setFontBold(true);
    else if (type == ButtonTypes::TypeTransparent && isVisible())
        CaptureBackground();
    if (!m_resizeSuspended)
        resizeHandling();
    mark("BTYPE");
}

void chameleonButton::setCaption(const QString& caption)
{
    if (caption == m_caption)
        return;
    m_caption = caption;
    SetAccessKeys();
    CalcTextRects();
    DrawButton(ButtonState::Normal, true);
    updateGeometry();
    if (QAccessible::isActive()) {
        QAccessibleEvent event(this, QAccessible::NameChanged);
        QAccessible::updateAccessibility(&event);
    }
    mark("TX");
}

void chameleonButton::setFontAttribute(const std::function<void(QFont&)>& change)
{
    QFont changed = font();
    change(changed);
    setFont(changed); // the FontChange notification recomputes and redraws
}

void chameleonButton::setFontBold(bool bold)
{
    if (bold != FontBold())
        setFontAttribute([bold](QFont& changed) { changed.setBold(bold); });
}

void chameleonButton::setFontItalic(bool italic)
{
    if (italic != FontItalic())
        setFontAttribute([italic](QFont& changed) { changed.setItalic(italic); });
}

void chameleonButton::setFontUnderline(bool underline)
{
    if (underline != FontUnderline())
        setFontAttribute([underline](QFont& changed) { changed.setUnderline(underline); });
}

void chameleonButton::setFontSize(qint16 size)
{
    if (size != FontSize())
        setFontAttribute([size](QFont& changed) { changed.setPointSizeF(size); });
}

void chameleonButton::setFontName(const QString& name)
{
    if (name != FontName())
        setFontAttribute([name](QFont& changed) { changed.setFamilies({name}); });
}

void chameleonButton::setShowFocusRect(bool show)
{
    setAndRedraw(m_showFocusRect, show, "FOCUSR");
}

void chameleonButton::setSpecialEffect(SpecialEffects effect)
{
    setAndRedraw(m_specialEffect, effect, "FX");
}

void chameleonButton::setCheckBoxBehaviour(bool checkBox)
{
    setAndRedraw(m_checkBoxBehaviour, checkBox, "CHECK");
}

void chameleonButton::setValue(bool value)
{
    if (value == m_value)
        return;
    m_value = value;
    if (m_checkBoxBehaviour)
        DrawButton(ButtonState::Normal, true);
    notifyAccessibleState(false, true);
    mark("VALUE");
}

// ---- Pointer -------------------------------------------------------------------

namespace {

constexpr qint16 kArrowPointer = 1;
constexpr qint16 kCustomPointer = 99;

// Copies of one picture share its key; two null pictures are the same too.
bool samePicture(const QPixmap& one, const QPixmap& other)
{
    return one.cacheKey() == other.cacheKey() || (one.isNull() && other.isNull());
}

} // namespace

void chameleonButton::setMousePointer(int pointer)
{
    if (qint16(pointer) == m_mousePointer)
        return;
    m_mousePointer = qint16(pointer);
    applyPointer();
    mark("MPTR");
}

void chameleonButton::setMouseIcon(const QPixmap& icon)
{
    if (samePicture(icon, m_mouseIcon))
        return;
    m_mouseIcon = icon;
    applyPointer();
    mark("MICON");
}

void chameleonButton::setHandPointer(bool hand)
{
    if (hand == m_handPointer)
        return;
    m_handPointer = hand;
    applyHandPointer();
    applyPointer();
    mark("HAND");
}

void chameleonButton::applyHandPointer()
{
    if (!m_handPointer)
        m_mouseIcon = QPixmap(); // the custom pointer is cleared
    m_mousePointer = m_handPointer ? kCustomPointer : kArrowPointer;
}

void chameleonButton::applyPointer()
{
    // The platform's pointer numbers: 0 default, 1 arrow, 2 cross, 3 I-beam,
    // 5 to 9 and 15 sizing, 10 up arrow, 11 hourglass, 12 no drop,
    // 13 arrow and hourglass, 14 arrow and question mark, 99 custom.
    static const Qt::CursorShape shapes[] = {
        Qt::ArrowCursor, Qt::ArrowCursor, Qt::CrossCursor, Qt::IBeamCursor, Qt::ArrowCursor,
        Qt::SizeAllCursor, Qt::SizeBDiagCursor, Qt::SizeVerCursor, Qt::SizeFDiagCursor,
        Qt::SizeHorCursor, Qt::UpArrowCursor, Qt::WaitCursor, Qt::ForbiddenCursor,
        Qt::BusyCursor, Qt::WhatsThisCursor, Qt::SizeAllCursor,
    };
    if (m_mousePointer == kCustomPointer) {
        if (m_handPointer)
            setCursor(Qt::PointingHandCursor);
        else if (!m_mouseIcon.isNull())
            setCursor(QCursor(m_mouseIcon));
        else
            unsetCursor();
    } else if (m_mousePointer > 0 && m_mousePointer < int(std::size(shapes))) {
        setCursor(shapes[m_mousePointer]);
    } else {
        unsetCursor();
    }
}

// ---- Pictures ------------------------------------------------------------------

void chameleonButton::setPictureNormal(const QPixmap& picture)
{
    if (samePicture(picture, m_pictureNormal))
        return;
    m_pictureNormal = picture;
    CalcPicSize();
    CalcTextRects();
    Redraw();
    updateGeometry();
    mark("PICN");
}

void chameleonButton::setPictureOver(const QPixmap& picture)
{
    if (samePicture(picture, m_pictureOver))
        return;
    m_pictureOver = picture;
    if (m_input.mouseOver())
        Redraw();
    mark("PICO"); // kept under "PICH"
}

void chameleonButton::setPicturePosition(PicturePositions position)
{
    if (position == m_picturePosition)
        return;
    m_picturePosition = position;
    mark("PICPOS");
    CalcTextRects();
    Redraw();
}

void chameleonButton::setUseMaskColor(bool use)
{
    if (use == m_useMaskColor)
        return;
    m_useMaskColor = use;
    if (!m_pictureNormal.isNull())
        Redraw();
    mark("UMCOL");
}

void chameleonButton::setUseGreyscale(bool grey)
{
    if (grey == m_useGreyscale)
        return;
    m_useGreyscale = grey;
    if (!m_pictureNormal.isNull())
        Redraw();
    mark("NGREY");
}

// ---- Refresh, default and cancel -------------------------------------------------

void chameleonButton::DisableRefresh()
{
    m_refreshEnabled = false;
}

void chameleonButton::Refresh()
{
    if (m_buttonType == ButtonTypes::TypeTransparent)
        CaptureBackground();
    SetColors();
    CalcTextRects();
    m_refreshEnabled = true;
    Redraw();
}

void chameleonButton::setDefault(bool isDefault)
{
    if (isDefault == m_default)
        return;
    m_default = isDefault;
    if (m_default && !m_focusWatch) {
        // Another button taking the focus takes the default look with it.
        m_focusWatch = connect(qApp, &QApplication::focusChanged, this, [this] { Redraw(); });
    } else if (!m_default && m_focusWatch) {
        disconnect(m_focusWatch);
        m_focusWatch = {};
    }
    updateWindowShortcuts();
    Redraw();
}

void chameleonButton::setCancel(bool isCancel)
{
    if (isCancel == m_cancel)
        return;
    m_cancel = isCancel;
    updateWindowShortcuts();
}

bool chameleonButton::displaysAsDefault() const
{
    if (m_hasFocus)
        return true;
    if (!m_default)
        return false;
    const QWidget* focus = QApplication::focusWidget();
    const bool otherButton = focus && focus != this && focus->window() == window()
        && (qobject_cast<const chameleonButton*>(focus) || qobject_cast<const QAbstractButton*>(focus));
    return !otherButton;
}

void chameleonButton::updateWindowShortcuts()
{
    qDeleteAll(m_windowShortcuts);
    m_windowShortcuts.clear();
    QList<QKeySequence> keys;
    if (m_default)
        keys << QKeySequence(Qt::Key_Return) << QKeySequence(Qt::Key_Enter);
    if (m_cancel)
        keys << QKeySequence(Qt::Key_Escape);
    for (const QKeySequence& key : keys) {
        auto* shortcut = new QShortcut(key, this);
        shortcut->setContext(Qt::WindowShortcut);
        connect(shortcut, &QShortcut::activated, this, &chameleonButton::AccessKeyPress);
        m_windowShortcuts << shortcut;
    }
}

void chameleonButton::AccessKeyPress()
{
    m_input.accessKey();
}

void chameleonButton::SetAccessKeys()
{
    m_accessKey = chameleonButtonAccessKey(m_caption);
    delete m_accessShortcut;
    m_accessShortcut = nullptr;
    if (m_accessKey.isNull())
        return;
    m_accessShortcut = new QShortcut(QKeySequence(QStringLiteral("Alt+") + m_accessKey.toUpper()), this);
    m_accessShortcut->setContext(Qt::WindowShortcut);
    connect(m_accessShortcut, &QShortcut::activated, this, &chameleonButton::AccessKeyPress);
}

// ---- Derived state -----------------------------------------------------------------

chameleonButtonColorInputs chameleonButton::colorInputs() const
{
    chameleonButtonColorInputs in;
    in.ColorScheme = m_colorScheme;
    in.ButtonType = m_buttonType;
    in.SoftBevel = m_softBevel;
    in.Backcolor = m_backcolor;
    in.BackOver = m_backOver;
    in.ForeColor = m_foreColor;
    in.ForeOver = m_foreOver;
    in.MaskColor = m_maskColor;
    in.palette = palette();
    const QWidget* container = parentWidget() ? parentWidget() : this;
    in.containerBackground = container->palette().color(container->backgroundRole());
    in.containerText = container->palette().color(container->foregroundRole());
    return in;
}

void chameleonButton::SetColors()
{
    m_colors = chameleonButtonSetColors(colorInputs());
}

void chameleonButton::CalcPicSize()
{
    m_pictureSize = chameleonButtonPictureSize(m_pictureNormal);
}

void chameleonButton::CalcTextRects()
{
    chameleonButtonLayoutInput in;
    in.font = font();
    in.caption = m_caption;
    in.width = width();
    in.height = height();
    in.buttonType = m_buttonType;
    in.picturePosition = m_picturePosition;
    in.pictureSize = m_pictureSize;
    in.hasPicture = !m_pictureNormal.isNull() || !m_pictureOver.isNull();
    m_layout = chameleonButtonCalcLayout(in);
    m_layoutSize = size();
}

void chameleonButton::MakeRegion()
{
    const QRegion region = chameleonButtonRegion(m_buttonType, width(), height());
    if (region.isEmpty())
        clearMask();
    else
        setMask(region);
}

void chameleonButton::resizeHandling()
{
    CalcTextRects(); // also the FocusRect of the type
    MakeRegion();
    if (height() != 0)
        DrawButton(ButtonState::Normal, true);
}

void chameleonButton::ensureGeometry()
{
    // A hidden widget gets its resize event late; draw with its real size.
    if (m_layoutSize != size() && !m_resizeSuspended) {
        CalcTextRects();
        MakeRegion();
    }
}

void chameleonButton::CaptureBackground()
{
    QWidget* container = parentWidget();
    if (!container || size().isEmpty())
        return;
    m_resizeSuspended = true;
    const qreal ratio = devicePixelRatioF();
    QPixmap background(size() * ratio);
    background.setDevicePixelRatio(ratio);
    background.fill(Qt::transparent);
    // The container's own surface under the button, without the button.
    container->render(&background, QPoint(), QRegion(geometry()), QWidget::DrawWindowBackground);
    m_background = background;
    m_resizeSuspended = false;
}

bool chameleonButton::isInside(const QPoint& point) const
{
    if (!rect().contains(point))
        return false;
    return mask().isEmpty() || mask().contains(point);
}

// ---- Drawing ------------------------------------------------------------------------

chameleonButtonPaintState chameleonButton::makePaintState(ButtonState state) const
{
    chameleonButtonPaintState snapshot;
    snapshot.ButtonType = m_buttonType;
    snapshot.width = width();
    snapshot.height = height();
    snapshot.buttonState = state;
    snapshot.enabled = isEnabled();
    snapshot.hovered = m_input.mouseOver();
    snapshot.focused = m_hasFocus;
    snapshot.isDefault = displaysAsDefault();
    snapshot.ShowFocusRect = m_showFocusRect;
    snapshot.ColorScheme = m_colorScheme;
    snapshot.SoftBevel = m_softBevel;
    snapshot.SpecialEffect = m_specialEffect;
    snapshot.PicturePosition = m_picturePosition;
    snapshot.UseMaskColor = m_useMaskColor;
    snapshot.UseGreyscale = m_useGreyscale;
    snapshot.colors = m_colors;
    if (snapshot.hovered && m_colorScheme == ColorSchemes::SchemeCustom) {
        // The whole colour set derives from the hover colour for this pass.
        chameleonButtonColorInputs in = colorInputs();
        in.Backcolor = m_backOver;
        snapshot.colors = chameleonButtonSetColors(in);
    }
    snapshot.caption = m_caption;
    snapshot.font = font();
    snapshot.layout = m_layout;
    snapshot.pictureSize = m_pictureSize;
    snapshot.PictureNormal = m_pictureNormal;
    snapshot.PictureOver = m_pictureOver;
    if (m_buttonType == ButtonTypes::TypeTransparent)
        snapshot.background = m_background;
    return snapshot;
}

void chameleonButton::DrawButton(ButtonState state, bool force)
{
    if (m_checkBoxBehaviour && m_value)
        state = ButtonState::Pressed;
    if (!force && m_caption == m_drawnCaption && state == m_drawnState)
        return;
    if (height() == 0 || !m_refreshEnabled)
        return;
    const bool pressedChanged = (state == ButtonState::Pressed) != (m_drawnState == ButtonState::Pressed);
    m_drawnState = state;
    m_drawnCaption = m_caption;
    ++m_drawCount;
    ensureGeometry();
    // System colours follow the palette of the moment, whatever the scheme.
    SetColors();
    m_drawn = makePaintState(state);
    m_surfaceStale = true;
    update();
    if (pressedChanged)
        notifyAccessibleState(true, false);
}

void chameleonButton::repaintNow()
{
    repaint();
}

void chameleonButton::notifyAccessibleState(bool pressed, bool checked)
{
    if (!QAccessible::isActive())
        return;
    QAccessible::State changed;
    changed.pressed = pressed;
    changed.checked = checked;
    QAccessibleStateChangeEvent event(this, changed);
    QAccessible::updateAccessibility(&event);
}

QSize chameleonButton::sizeHint() const
{
    const QFontMetrics metrics(font());
    const QSize text = metrics.size(Qt::TextShowMnemonic, m_caption);
    int width = text.width() + 24;
    int height = text.height() + 12;
    if (m_picturePosition == PicturePositions::PicLeft || m_picturePosition == PicturePositions::PicRight)
        width += m_pictureSize.width() + 4;
    else if (m_picturePosition == PicturePositions::PicTop || m_picturePosition == PicturePositions::PicBottom)
        height += m_pictureSize.height() + 2;
    return QSize(qMax(width, 75), qMax(height, 23));
}

QSize chameleonButton::minimumSizeHint() const
{
    return QSize(16, 16);
}
