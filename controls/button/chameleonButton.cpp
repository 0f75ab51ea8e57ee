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
    DrawButton(0, true);
}

chameleonButton::~chameleonButton()
{
    // Terminate: no drawing from here on; the region and surfaces go with us.
    m_refreshEnabled = false;
    if (m_focusWatch)
        disconnect(m_focusWatch);
}

// ---- Colour properties -------------------------------------------------------

void chameleonButton::setBackcolor(quint32 color)
{
    if (m_designMode)
        m_backOver = color;
    setAndRedraw(m_backcolor, color, "BCOL", true);
}

void chameleonButton::setBackOver(quint32 color)
{
    setAndRedraw(m_backOver, color, "BCOLO", true);
}

void chameleonButton::setForeColor(quint32 color)
{
    if (m_designMode)
        m_foreOver = color;
    setAndRedraw(m_foreColor, color, "FCOL", true);
}

void chameleonButton::setForeOver(quint32 color)
{
    setAndRedraw(m_foreOver, color, "FCOLO", true);
}

void chameleonButton::setMaskColor(quint32 color)
{
    setAndRedraw(m_maskColor, color, "MCOL", true);
}

void chameleonButton::setColorScheme(int scheme)
{
    m_colorScheme = scheme;
    SetColors();
    DrawButton(0, true);
    mark("COLTYPE");
}

void chameleonButton::setSoftBevel(bool soft)
{
    setAndRedraw(m_softBevel, soft, "SOFT", true);
}

// ---- Style and caption ---------------------------------------------------------

void chameleonButton::setButtonType(int type)
{
    m_buttonType = type;
    if (type == TypeBeveled && m_designMode)
        setFontBold(true);
    else if (type == TypeTransparent && isVisible())
        CaptureBackground();
    if (!m_resizeSuspended)
        resizeHandling();
    mark("BTYPE");
}

void chameleonButton::setCaption(const QString& caption)
{
    m_caption = caption;
    SetAccessKeys();
    CalcTextRects();
    DrawButton(0, true);
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
    setFontAttribute([bold](QFont& f) { f.setBold(bold); });
}

void chameleonButton::setFontItalic(bool italic)
{
    setFontAttribute([italic](QFont& f) { f.setItalic(italic); });
}

void chameleonButton::setFontUnderline(bool underline)
{
    setFontAttribute([underline](QFont& f) { f.setUnderline(underline); });
}

void chameleonButton::setFontSize(qint16 size)
{
    setFontAttribute([size](QFont& f) { f.setPointSizeF(size); });
}

void chameleonButton::setFontName(const QString& name)
{
    setFontAttribute([name](QFont& f) { f.setFamilies({name}); });
}

void chameleonButton::setShowFocusRect(bool show)
{
    setAndRedraw(m_showFocusRect, show, "FOCUSR");
}

void chameleonButton::setSpecialEffect(int effect)
{
    setAndRedraw(m_specialEffect, effect, "FX");
}

void chameleonButton::setCheckBoxBehaviour(bool checkBox)
{
    setAndRedraw(m_checkBoxBehaviour, checkBox, "CHECK");
}

void chameleonButton::setValue(bool value)
{
    const bool changed = m_value != value;
    m_value = value;
    if (m_checkBoxBehaviour)
        DrawButton(0, true);
    if (changed)
        notifyAccessibleState(false, true);
    mark("VALUE");
}

// ---- Pointer -------------------------------------------------------------------

void chameleonButton::setMousePointer(int pointer)
{
    m_mousePointer = qint16(pointer);
    applyPointer();
    mark("MPTR");
}

void chameleonButton::setMouseIcon(const QPixmap& icon)
{
    m_mouseIcon = icon;
    applyPointer();
    mark("MICON");
}

void chameleonButton::setHandPointer(bool hand)
{
    m_handPointer = hand;
    if (!hand)
        m_mouseIcon = QPixmap(); // the custom pointer is cleared
    m_mousePointer = hand ? 99 : 1;
    applyPointer();
    mark("HAND");
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
    if (m_mousePointer == 99) {
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
    m_pictureNormal = picture;
    CalcPicSize();
    CalcTextRects();
    Redraw();
    updateGeometry();
    mark("PICN");
}

void chameleonButton::setPictureOver(const QPixmap& picture)
{
    m_pictureOver = picture;
    if (m_input.mouseOver())
        Redraw();
    mark("PICO"); // kept under "PICH"
}

void chameleonButton::setPicturePosition(int position)
{
    m_picturePosition = position;
    mark("PICPOS");
    CalcTextRects();
    Redraw();
}

void chameleonButton::setUseMaskColor(bool use)
{
    m_useMaskColor = use;
    if (!m_pictureNormal.isNull())
        Redraw();
    mark("UMCOL");
}

void chameleonButton::setUseGreyscale(bool grey)
{
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
    if (m_buttonType == TypeTransparent)
        CaptureBackground();
    SetColors();
    CalcTextRects();
    m_refreshEnabled = true;
    Redraw();
}

void chameleonButton::setDefault(bool isDefault)
{
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
        DrawButton(0, true);
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

chameleonButtonPaintState chameleonButton::makePaintState(int state) const
{
    chameleonButtonPaintState s;
    s.ButtonType = m_buttonType;
    s.width = width();
    s.height = height();
    s.state = state;
    s.enabled = isEnabled();
    s.hovered = m_input.mouseOver();
    s.focused = m_hasFocus;
    s.isDefault = displaysAsDefault();
    s.ShowFocusRect = m_showFocusRect;
    s.ColorScheme = m_colorScheme;
    s.SoftBevel = m_softBevel;
    s.SpecialEffect = m_specialEffect;
    s.PicturePosition = m_picturePosition;
    s.UseMaskColor = m_useMaskColor;
    s.UseGreyscale = m_useGreyscale;
    s.colors = m_colors;
    if (s.hovered && m_colorScheme == SchemeCustom) {
        // The whole colour set derives from the hover colour for this pass.
        chameleonButtonColorInputs in = colorInputs();
        in.Backcolor = m_backOver;
        s.colors = chameleonButtonSetColors(in);
    }
    s.caption = m_caption;
    s.font = font();
    s.layout = m_layout;
    s.pictureSize = m_pictureSize;
    s.PictureNormal = m_pictureNormal;
    s.PictureOver = m_pictureOver;
    if (m_buttonType == TypeTransparent)
        s.background = m_background;
    return s;
}

void chameleonButton::DrawButton(int state, bool force)
{
    if (m_checkBoxBehaviour && m_value)
        state = 2;
    if (!force && m_caption == m_drawnCaption && state == m_drawnState)
        return;
    if (height() == 0 || !m_refreshEnabled)
        return;
    const bool pressedChanged = (state == 2) != (m_drawnState == 2);
    m_drawnState = state;
    m_drawnCaption = m_caption;
    ++m_drawCount;
    ensureGeometry();
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
    if (m_picturePosition == PicLeft || m_picturePosition == PicRight)
        width += m_pictureSize.width() + 4;
    else if (m_picturePosition == PicTop || m_picturePosition == PicBottom)
        height += m_pictureSize.height() + 2;
    return QSize(qMax(width, 75), qMax(height, 23));
}

QSize chameleonButton::minimumSizeHint() const
{
    return QSize(16, 16);
}
