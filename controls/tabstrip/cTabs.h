#pragma once

#include <QChar>
#include <QPixmap>
#include <QString>

// One tab of the tab strip: its caption, fixed width, enabled and
// auto-size states and its optional icon.
class cTabs
{
public:
    static constexpr int DefaultWidth = 60;

    const QString& caption() const { return m_caption; }
    void setCaption(const QString& caption);

    int width() const { return m_width; }
    void setWidth(int width) { m_width = width; }

    bool enabled() const { return m_enabled; }
    void setEnabled(bool enabled) { m_enabled = enabled; }

    bool autoSize() const { return m_autoSize; }
    void setAutoSize(bool autoSize) { m_autoSize = autoSize; }

    const QPixmap& TabIcon() const { return m_icon; }
    void setTabIcon(const QPixmap& icon) { m_icon = icon; }

    // The lower-case access character of the caption, or a null QChar.
    QChar accessKey() const { return m_accessKey; }

    // The character after the first single "&" of `caption`, in lower
    // case; escaped pairs "&&" are skipped. Null when there is none.
    static QChar accessKeyOf(const QString& caption);

private:
    QString m_caption;
    int m_width = DefaultWidth;
    bool m_enabled = true;
    bool m_autoSize = true;
    QPixmap m_icon;
    QChar m_accessKey;
};
