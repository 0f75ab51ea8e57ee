#pragma once

#include "chameleonButtonColors.h"
#include "chameleonButtonInput.h"
#include "chameleonButtonKinds.h"
#include "chameleonButtonLayout.h"
#include "chameleonButtonPaintState.h"

#include <QImage>
#include <QPixmap>
#include <QWidget>

#include <functional>

class PropertyBag;
class QShortcut;

// The owner-drawn multi-style push button. Forms set
// its design properties and handle Click. Properties keep the names the forms use
// (getter `Caption()`, setter `setCaption()`); Enabled and Font are the
// widget's own (setEnabled, setFont and the FontBold... helpers). Colours
// are OLE colours: 0x00BBGGRR or a system colour 0x80000000 plus its index.
class chameleonButton : public QWidget, private chameleonButtonInput::Host
{
    Q_OBJECT
    Q_PROPERTY(quint32 Backcolor READ Backcolor WRITE setBackcolor)
    Q_PROPERTY(quint32 BackOver READ BackOver WRITE setBackOver)
    Q_PROPERTY(quint32 ForeColor READ ForeColor WRITE setForeColor)
    Q_PROPERTY(quint32 ForeOver READ ForeOver WRITE setForeOver)
    Q_PROPERTY(quint32 MaskColor READ MaskColor WRITE setMaskColor)
    Q_PROPERTY(chameleonButtonKinds::ButtonTypes ButtonType READ ButtonType WRITE setButtonType)
    Q_PROPERTY(QString Caption READ Caption WRITE setCaption)
    Q_PROPERTY(chameleonButtonKinds::ColorSchemes ColorScheme READ ColorScheme WRITE setColorScheme)
    Q_PROPERTY(bool ShowFocusRect READ ShowFocusRect WRITE setShowFocusRect)
    Q_PROPERTY(int MousePointer READ MousePointer WRITE setMousePointer)
    Q_PROPERTY(bool HandPointer READ HandPointer WRITE setHandPointer)
    Q_PROPERTY(bool SoftBevel READ SoftBevel WRITE setSoftBevel)
    Q_PROPERTY(chameleonButtonKinds::PicturePositions PicturePosition READ PicturePosition WRITE setPicturePosition)
    Q_PROPERTY(bool UseMaskColor READ UseMaskColor WRITE setUseMaskColor)
    Q_PROPERTY(bool UseGreyscale READ UseGreyscale WRITE setUseGreyscale)
    Q_PROPERTY(chameleonButtonKinds::SpecialEffects SpecialEffect READ SpecialEffect WRITE setSpecialEffect)
    Q_PROPERTY(bool CheckBoxBehaviour READ CheckBoxBehaviour WRITE setCheckBoxBehaviour)
    Q_PROPERTY(bool Value READ Value WRITE setValue)
    Q_PROPERTY(QString Version READ Version)

public:
    using ButtonTypes = chameleonButtonKinds::ButtonTypes;
    using ColorSchemes = chameleonButtonKinds::ColorSchemes;
    using PicturePositions = chameleonButtonKinds::PicturePositions;
    using SpecialEffects = chameleonButtonKinds::SpecialEffects;
    using ButtonState = chameleonButtonKinds::ButtonState;

    // The kinds' names at class scope too, as the windows write them
    // (chameleonButton::TypeGradient).
    static constexpr ButtonTypes TypeClassic = ButtonTypes::TypeClassic;
    static constexpr ButtonTypes TypeRaised = ButtonTypes::TypeRaised;
    static constexpr ButtonTypes TypeGradient = ButtonTypes::TypeGradient;
    static constexpr ButtonTypes TypeRounded = ButtonTypes::TypeRounded;
    static constexpr ButtonTypes TypeBeveled = ButtonTypes::TypeBeveled;
    static constexpr ButtonTypes TypeSoft = ButtonTypes::TypeSoft;
    static constexpr ButtonTypes TypeFlat = ButtonTypes::TypeFlat;
    static constexpr ButtonTypes TypeHotFlat = ButtonTypes::TypeHotFlat;
    static constexpr ButtonTypes TypeSelection = ButtonTypes::TypeSelection;
    static constexpr ButtonTypes TypePlain = ButtonTypes::TypePlain;
    static constexpr ButtonTypes TypeTransparent = ButtonTypes::TypeTransparent;
    static constexpr ButtonTypes TypeHot3D = ButtonTypes::TypeHot3D;
    static constexpr ButtonTypes TypeOval = ButtonTypes::TypeOval;
    static constexpr ButtonTypes TypeBanded = ButtonTypes::TypeBanded;
    static constexpr ColorSchemes SchemeSystem = ColorSchemes::SchemeSystem;
    static constexpr ColorSchemes SchemeCustom = ColorSchemes::SchemeCustom;
    static constexpr ColorSchemes SchemeClassic = ColorSchemes::SchemeClassic;
    static constexpr ColorSchemes SchemeContainer = ColorSchemes::SchemeContainer;
    static constexpr PicturePositions PicLeft = PicturePositions::PicLeft;
    static constexpr PicturePositions PicRight = PicturePositions::PicRight;
    static constexpr PicturePositions PicTop = PicturePositions::PicTop;
    static constexpr PicturePositions PicBottom = PicturePositions::PicBottom;
    static constexpr PicturePositions PicBehind = PicturePositions::PicBehind;
    static constexpr SpecialEffects FxNone = SpecialEffects::FxNone;
    static constexpr SpecialEffects FxEmbossed = SpecialEffects::FxEmbossed;
    static constexpr SpecialEffects FxEngraved = SpecialEffects::FxEngraved;
    static constexpr SpecialEffects FxShadowed = SpecialEffects::FxShadowed;

    explicit chameleonButton(QWidget* parent = nullptr);
    ~chameleonButton() override;

    quint32 Backcolor() const { return m_backcolor; }
    void setBackcolor(quint32 color);
    quint32 BackOver() const { return m_backOver; }
    void setBackOver(quint32 color);
    quint32 ForeColor() const { return m_foreColor; }
    void setForeColor(quint32 color);
    quint32 ForeOver() const { return m_foreOver; }
    void setForeOver(quint32 color);
    quint32 MaskColor() const { return m_maskColor; }
    void setMaskColor(quint32 color);
    ButtonTypes ButtonType() const { return m_buttonType; }
    void setButtonType(ButtonTypes type);
    QString Caption() const { return m_caption; }
    void setCaption(const QString& caption);
    bool FontBold() const { return font().bold(); }
    void setFontBold(bool bold);
    bool FontItalic() const { return font().italic(); }
    void setFontItalic(bool italic);
    bool FontUnderline() const { return font().underline(); }
    void setFontUnderline(bool underline);
    qint16 FontSize() const { return qint16(font().pointSizeF()); }
    void setFontSize(qint16 size);
    QString FontName() const { return font().family(); }
    void setFontName(const QString& name);
    ColorSchemes ColorScheme() const { return m_colorScheme; }
    void setColorScheme(ColorSchemes scheme);
    bool ShowFocusRect() const { return m_showFocusRect; }
    void setShowFocusRect(bool show);
    int MousePointer() const { return m_mousePointer; }
    void setMousePointer(int pointer);
    QPixmap MouseIcon() const { return m_mouseIcon; }
    void setMouseIcon(const QPixmap& icon);
    bool HandPointer() const { return m_handPointer; }
    void setHandPointer(bool hand);
    bool SoftBevel() const { return m_softBevel; }
    void setSoftBevel(bool soft);
    QPixmap PictureNormal() const { return m_pictureNormal; }
    void setPictureNormal(const QPixmap& picture);
    QPixmap PictureOver() const { return m_pictureOver; }
    void setPictureOver(const QPixmap& picture);
    PicturePositions PicturePosition() const { return m_picturePosition; }
    void setPicturePosition(PicturePositions position);
    bool UseMaskColor() const { return m_useMaskColor; }
    void setUseMaskColor(bool use);
    bool UseGreyscale() const { return m_useGreyscale; }
    void setUseGreyscale(bool grey);
    SpecialEffects SpecialEffect() const { return m_specialEffect; }
    void setSpecialEffect(SpecialEffects effect);
    bool CheckBoxBehaviour() const { return m_checkBoxBehaviour; }
    void setCheckBoxBehaviour(bool checkBox);
    bool Value() const { return m_value; }
    void setValue(bool value);
    static QString Version() { return QStringLiteral("2.0.6"); }

    // Drawing suspended until Refresh, which recomputes colours and caption
    // placement and redraws.
    void DisableRefresh();
    void Refresh();

    // The window's default and cancel buttons: Enter (Escape) anywhere in
    // the window clicks them, and the default button draws as default
    // while no other button has the focus.
    bool isDefault() const { return m_default; }
    void setDefault(bool isDefault);
    bool isCancel() const { return m_cancel; }
    void setCancel(bool isCancel);
    bool displaysAsDefault() const;

    // Design time (the host's UserMode false): colour sets copy into the
    // hover colours, and ButtonType 5 makes the font bold.
    bool designMode() const { return m_designMode; }
    void setDesignMode(bool design) { m_designMode = design; }

    // Persistence through the window's stored design.
    void InitProperties(const QString& displayName = QString());
    void ReadProperties(const PropertyBag& bag);
    void WriteProperties(PropertyBag& bag) const;

    // DrawButton(state, force): the redraw gate and the entry to all drawing.
    void DrawButton(ButtonState state, bool force) override;
    // The access key's or the assistive press action's click.
    void AccessKeyPress();

    // Internal state, for the gallery, the benchmark and the tests.
    QChar accessKey() const { return m_accessKey; }
    const chameleonButtonColorSet& colors() const { return m_colors; }
    const chameleonButtonLayout& layout() const { return m_layout; }
    const chameleonButtonPaintState& paintState() const { return m_drawn; }
    int drawCount() const { return m_drawCount; }
    ButtonState lastDrawnState() const { return m_drawnState; }
    bool mouseOver() const { return m_input.mouseOver(); }
    bool hasFocusFlag() const { return m_hasFocus; }
    bool refreshEnabled() const { return m_refreshEnabled; }
    const chameleonButtonInput& input() const { return m_input; }

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

signals:
    void Click();
    void MouseDown(int button, int shift, double x, double y);
    void MouseMove(int button, int shift, double x, double y);
    void MouseUp(int button, int shift, double x, double y);
    void KeyPress(int keyAscii);
    void KeyDown(int keyCode, int shift);
    void KeyUp(int keyCode, int shift);
    void MouseOver();
    void MouseOut();
    // A persistence key whose value changed (for the designer: the key must be saved).
    void PropertyChanged(const QString& key);

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void changeEvent(QEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;

private:
    // chameleonButtonInput::Host
    void repaintNow() override;
    bool isEnabledForClick() const override { return isEnabled(); }
    bool checkBoxBehaviour() const override { return m_checkBoxBehaviour; }
    void toggleValue() override { setValue(!m_value); }
    void moveFocus(bool forward) override;
    void raiseClick() override { emit Click(); }
    void raiseMouseDown(int button, int shift, double x, double y) override { emit MouseDown(button, shift, x, y); }
    void raiseMouseMove(int button, int shift, double x, double y) override { emit MouseMove(button, shift, x, y); }
    void raiseMouseUp(int button, int shift, double x, double y) override { emit MouseUp(button, shift, x, y); }
    void raiseMouseOver() override { emit MouseOver(); }
    void raiseMouseOut() override { emit MouseOut(); }
    void raiseKeyDown(int code, int shift) override { emit KeyDown(code, shift); }
    void raiseKeyPress(int ascii) override { emit KeyPress(ascii); }
    void raiseKeyUp(int code, int shift) override { emit KeyUp(code, shift); }

    void SetColors();
    void SetAccessKeys();
    void CalcPicSize();
    void CalcTextRects();
    void MakeRegion();
    void CaptureBackground();
    void Redraw() { DrawButton(m_drawnState, true); }
    void resizeHandling();
    void ensureGeometry();
    void applyPointer();
    // HandPointer's pointer: the hand as the custom pointer, or the arrow.
    void applyHandPointer();
    void setFontAttribute(const std::function<void(QFont&)>& change);
    chameleonButtonColorInputs colorInputs() const;
    chameleonButtonPaintState makePaintState(ButtonState state) const;
    bool isInside(const QPoint& point) const;
    void mark(const char* key) { emit PropertyChanged(QLatin1String(key)); }
    // A drawn property: store a new value, redraw in the last state (which
    // resolves the colours again) and mark its key. The same value again
    // changes nothing.
    template <typename T>
    void setAndRedraw(T& field, const T& value, const char* key)
    {
        if (field == value)
            return;
        field = value;
        Redraw();
        mark(key);
    }
    template <typename Self, typename Visit>
    static void visitStored(Self& self, bool& enabled, QFont& font, Visit&& visit);
    void updateWindowShortcuts();
    void notifyAccessibleState(bool pressed, bool checked);

    chameleonButtonInput m_input{*this};

    quint32 m_backcolor = 0;
    quint32 m_backOver = 0;
    quint32 m_foreColor = 0;
    quint32 m_foreOver = 0;
    quint32 m_maskColor = 0xC0C0C0;
    ButtonTypes m_buttonType = ButtonTypes::TypeRaised;
    QString m_caption;
    ColorSchemes m_colorScheme = ColorSchemes::SchemeSystem;
    bool m_showFocusRect = true;
    qint16 m_mousePointer = 0;
    QPixmap m_mouseIcon;
    bool m_handPointer = false;
    bool m_softBevel = false;
    QPixmap m_pictureNormal;
    QPixmap m_pictureOver;
    PicturePositions m_picturePosition = PicturePositions::PicLeft;
    bool m_useMaskColor = true;
    bool m_useGreyscale = false;
    SpecialEffects m_specialEffect = SpecialEffects::FxNone;
    bool m_checkBoxBehaviour = false;
    bool m_value = false;

    bool m_default = false;
    bool m_cancel = false;
    bool m_designMode = false;

    chameleonButtonColorSet m_colors;
    chameleonButtonLayout m_layout;
    QSize m_layoutSize;
    QSize m_pictureSize{0, 0};
    QPixmap m_background; // ButtonType 11
    QChar m_accessKey;
    QShortcut* m_accessShortcut = nullptr;
    QList<QShortcut*> m_windowShortcuts;
    QMetaObject::Connection m_focusWatch;

    bool m_hasFocus = false;
    bool m_refreshEnabled = true;
    bool m_resizeSuspended = false;
    ButtonState m_drawnState = ButtonState::Normal;
    QString m_drawnCaption;
    int m_drawCount = 0;

    chameleonButtonPaintState m_drawn; // what the surface shows
    QImage m_surface;
    bool m_surfaceStale = true;
};
