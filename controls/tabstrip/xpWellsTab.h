#pragma once

#include "OleColor.h"
#include "xpWellsTabLayout.h"
#include "xpWellsTabModel.h"

#include <QTimer>
#include <QWidget>

class PropertyBag;
struct xpWellsTabPaintState;

// An owner-drawn tab strip: a row of tabs along one edge, one of them
// selected, the one under the pointer highlighted, and two arrow buttons
// that scroll the row when it does not fit. It only selects: the form
// shows its own pages in answer to TabPressed.
class xpWellsTab : public QWidget
{
    Q_OBJECT

public:
    explicit xpWellsTab(QWidget* parent = nullptr);
    ~xpWellsTab() override;

    int TabHeight() const { return m_tabHeight; }
    void setTabHeight(int height);
    TabAlignment Alignment() const { return m_alignment; }
    void setAlignment(TabAlignment alignment);

    // Colours are kept as given; a system colour follows the palette at
    // every paint.
    quint32 Backcolor() const { return m_backColor; }
    void setBackcolor(quint32 colour);
    quint32 BackColorScroll() const { return m_backColorScroll; }
    void setBackColorScroll(quint32 colour);
    quint32 ForeColor() const { return m_foreColor; }
    void setForeColor(quint32 colour);
    quint32 ForeColorActive() const { return m_foreColorActive; }
    void setForeColorActive(quint32 colour);
    quint32 ForeColorDisabled() const { return m_foreColorDisabled; }
    void setForeColorDisabled(quint32 colour);
    quint32 ForeColorHot() const { return m_foreColorHot; }
    void setForeColorHot(quint32 colour);
    quint32 FrameColor() const { return m_frameColor; }
    void setFrameColor(quint32 colour);
    quint32 ScrollArrowColor() const { return m_scrollArrowColor; }
    void setScrollArrowColor(quint32 colour);
    quint32 TabHotStripColor() const { return m_tabHotStripColor; }
    void setTabHotStripColor(quint32 colour);
    quint32 MaskColor() const { return m_maskColor; }
    void setMaskColor(quint32 colour);
    QFont Font() const { return font(); }

    int NumberOfTabs() const { return m_tabs.NumberOfTabs(); }
    int SelectedTab() const { return m_selectedTab; }
    // Raises TabPressed on every assignment, also of the selected tab.
    // An index outside the tabs is ignored.
    void setSelectedTab(int index);
    // Selects the tab as the operator does, with a key or an assistive
    // tool: the row first scrolls it into view.
    void selectAndShowTab(int index);
    // Scrolls the row until the tab is wholly in view, or first in the row
    // when it is wider than the room.
    void revealTab(int index);

    // Indexed properties: an index outside 1..NumberOfTabs reads a default
    // and assigns nothing.
    int TabWidth(int index) const;
    void setTabWidth(int index, int width);
    bool AutoSize(int index) const;
    void setAutoSize(int index, bool autoSize);
    bool TabEnabled(int index) const;
    void setTabEnabled(int index, bool enabled);
    QString TabCaption(int index) const;
    void setTabCaption(int index, const QString& caption);
    QPixmap TabPicture(int index) const;
    void setTabPicture(int index, const QPixmap& picture);

    int AddTab(int width = cTabs::DefaultWidth, const QString& caption = QString(),
               bool enabled = true, bool autoSize = true, const QPixmap& picture = QPixmap());
    void DeleteTab();
    // The first tab whose access character has the code `keyCode`; 0 when none.
    int GetTabAccessKey(int keyCode) const;

    // Lays the row out again and repaints the strip.
    void DrawTab();

    void WriteProperties(PropertyBag& bag) const;
    void ReadProperties(const PropertyBag& bag);

    // The width a tab takes in the row: its auto-size or fixed width.
    int layoutWidth(int index) const;
    const TabRowLayout& rowLayout() const { return m_layout; }
    int firstVisibleTab() const { return m_layout.firstVisible; }
    int lastVisibleTab() const { return m_layout.lastVisible; }
    int hotTab() const { return m_hotTab; }
    // The tab's rectangle on the widget (its row-space bounds mapped), or
    // an empty rectangle when the tab is not laid out.
    QRect tabRect(int index) const;
    // Where the tab lies on the widget with the row continued past the
    // strip, for a scrolled-out tab too; empty for an index outside the tabs.
    QRect tabRectInRow(int index) const;
    // The laid-out tab at a point of the widget, 0 when none.
    int tabAt(QPoint point) const;
    QRect arrowButtonRect(bool left) const;

    QSize sizeHint() const override;

signals:
    void TabPressed(int previousTab);
    // Buttons and modifier keys as the forms count them (FormsCodes).
    void MouseIn(int button, int shift, double x, double y);
    void MouseOut(int button, int shift, double x, double y);
    void MouseDown(int button, int shift, double x, double y);
    void MouseUp(int button, int shift, double x, double y);
    void TabDblClick(int index);
    void DblClick();
    // A stored property changed, by its key.
    void propertyChanged(const QString& key);

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    enum class Scroll { None, TowardsStart, TowardsEnd };

    // The colours a new strip takes from its surroundings.
    struct AmbientColors
    {
        quint32 back;
        quint32 frame;
        quint32 scrollArrow;
    };
    static AmbientColors ambientColors(const QPalette& palette);
    void followAmbientColors();

    void setColor(quint32& member, quint32 colour, const QString& key);
    void changed(const QString& key);
    void relayout();
    void updateAccessKeys();
    xpWellsTabPaintState paintState() const;
    QPoint toRow(QPoint widgetPoint) const;

    void trackPointer(QPoint rowPoint);
    bool setHot(int hotTab, bool leftArrowHot, bool rightArrowHot);
    void pressTab(int index);
    void pressArrow(Scroll direction);
    void releaseArrow();
    void repeatScroll();
    bool scrollStep(Scroll direction);
    void selectByAccessKey(QChar key);

    xpWellsTabModel m_tabs;
    TabRowLayout m_layout;
    int m_tabHeight = xpWellsTabLayout::MinimumTabHeight;
    TabAlignment m_alignment = TabAlignment::Top;
    int m_selectedTab = 1;
    int m_previousTab = 1;
    int m_firstVisible = 1;
    int m_hotTab = 0;
    bool m_leftArrowHot = false;
    bool m_rightArrowHot = false;
    Scroll m_held = Scroll::None;
    QTimer m_repeatTimer;
    QList<int> m_shortcutIds;

    quint32 m_backColor = 0;
    quint32 m_backColorScroll = 0;
    quint32 m_foreColor = 0;
    quint32 m_foreColorActive = 0;
    quint32 m_foreColorDisabled = 0;
    quint32 m_foreColorHot = 0;
    quint32 m_frameColor = 0;
    quint32 m_scrollArrowColor = 0;
    quint32 m_tabHotStripColor = 0;
    quint32 m_maskColor = 0;
    AmbientColors m_ambient{};
};
