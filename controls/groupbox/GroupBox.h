#pragma once

#include "GroupBoxCaption.h"
#include "GroupBoxLook.h"
#include "OleColor.h"

#include <QWidget>

class Dialogs;
class PropertyBag;
class QDragMoveEvent;
class QMouseEvent;
class QDropEvent;

// The framed, captioned container that groups a window's controls. Child
// widgets are placed in it as in any widget; a layout set on it keeps
// them clear of the frame and the caption.
//
// Drawing: when the widget's style is Qt's classic "Windows" style, the
// group box draws the classic etched frame (or the flat black and white
// one, `Appearance` 0) with the caption cut into its top edge; under any
// other style the style itself draws the group box, as a desktop theme
// would. `BorderStyle` 0 leaves only the back colour.
//
// The caption's "&" marks its access key: Alt plus that key moves the
// focus to the next control in tab order, normally the first one inside.
//
// `Enabled` and `Font` are the widget's own `enabled` and `font`; a font
// not set is the container's.
//
// Dialogs: a transparent `BackStyle` is refused with a message through the
// service given to setDialogs(), or else the program's shared one
// (Dialogs::shared()); the box never opens a dialog of its own. It does
// not own the service, which must outlive it.
//
// Mouse events carry the forms' codes (FormsCodes: button 1 left, 2 right,
// 4 middle; shift 1 Shift, 2 Ctrl, 4 Alt) and the position within the box.
class GroupBox : public QWidget
{
    Q_OBJECT
    Q_PROPERTY(quint32 Backcolor READ backcolor WRITE setBackcolor)
    Q_PROPERTY(quint32 ForeColor READ foreColor WRITE setForeColor)
    Q_PROPERTY(QString Caption READ caption WRITE setCaption)
    Q_PROPERTY(int BorderStyle READ borderStyle WRITE setBorderStyle)
    Q_PROPERTY(int Appearance READ appearance WRITE setAppearance)
    Q_PROPERTY(int BackStyle READ backStyle WRITE setBackStyle)
    Q_PROPERTY(int OLEDropMode READ oleDropMode WRITE setOleDropMode)

public:
    static constexpr int NoBorder = 0;
    static constexpr int FlatAppearance = 0;
    static constexpr int TransparentBackStyle = 0;
    static constexpr int OpaqueBackStyle = 1;
    static constexpr int OleDropNone = 0;
    static constexpr int OleDropManual = 1;

    explicit GroupBox(QWidget* parent = nullptr);
    // A new box is captioned with its own name.
    explicit GroupBox(const QString& name, QWidget* parent = nullptr);

    quint32 backcolor() const { return m_backColor; }
    void setBackcolor(quint32 color);
    quint32 foreColor() const { return m_foreColor; }
    void setForeColor(quint32 color);
    QString caption() const { return m_caption.caption(); }
    void setCaption(const QString& caption);
    int borderStyle() const { return m_borderStyle; }
    void setBorderStyle(int style);
    // 0 flat, anything else three-dimensional; a value beyond 16 bits is ignored.
    int appearance() const { return m_appearance; }
    void setAppearance(int appearance);
    // Only the opaque back style is available; a transparent one is refused.
    int backStyle() const { return m_backStyle; }
    void setBackStyle(int style);
    // OleDropNone or OleDropManual; other values are ignored.
    int oleDropMode() const { return m_oleDropMode; }
    void setOleDropMode(int mode);

    QChar accessKey() const { return m_caption.accessKey(); }
    void setDialogs(Dialogs* dialogs) { m_dialogs = dialogs; }
    void refresh() { update(); }

    // The stored design: every property under its key, in a fixed order.
    void writeProperties(PropertyBag& bag) const;
    // Absent keys take the new control's defaults.
    void readProperties(const PropertyBag& bag);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

signals:
    void Click();
    void DblClick();
    void MouseDown(int button, int shift, double x, double y);
    // `button`: the buttons held.
    void MouseMove(int button, int shift, double x, double y);
    void MouseUp(int button, int shift, double x, double y);
    // With OleDropManual: a drag over the box, accepted unless the
    // receiver ignores the event, and the drop.
    void OLEDragOver(QDragMoveEvent* event);
    void OLEDragDrop(QDropEvent* event);

protected:
    bool event(QEvent* event) override;
    void changeEvent(QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    // The resolved values the box paints with.
    GroupBoxLook look() const;
    void setColor(quint32& member, quint32 color);
    bool usesVisualStyles() const;
    void captionChanged();
    void updateAccessKey();
    void focusNextControl();
    void updateContentMargins();
    void refuseTransparentBackStyle();
    void raiseMouse(void (GroupBox::*event)(int, int, double, double), int buttons, const QMouseEvent* mouse);

    quint32 m_backColor = OleColor::ButtonFace;
    quint32 m_foreColor = OleColor::ButtonText;
    GroupBoxCaption m_caption;
    int m_borderStyle = 1;
    int m_appearance = 1;
    int m_backStyle = OpaqueBackStyle;
    int m_oleDropMode = OleDropNone;
    int m_shortcutId = 0;
    bool m_clickPending = false;
    Dialogs* m_dialogs = nullptr;
};
