#pragma once

#include <QChar>
#include <QSize>
#include <QString>

class QFont;

// A group box's caption as it is drawn, measured and announced: an "&"
// marks the next character as the access key and is not shown, "&&" shows
// one ampersand.
class GroupBoxCaption
{
public:
    explicit GroupBoxCaption(const QString& caption = QString());

    const QString& caption() const { return m_caption; }
    bool isEmpty() const { return m_caption.isEmpty(); }

    // The text to draw as prefix text; an empty caption draws one blank,
    // so the frame still leaves half a text line above it.
    const QString& prefixText() const { return m_prefixText; }

    // The character after the first lone "&"; null when there is none.
    QChar accessKey() const { return m_accessKey; }

    // The caption as the operator reads it, for assistive technology.
    QString plainText() const;

    // Width and height of the caption in the given font. A doubled
    // ampersand is measured as a letter, since it shows as one character.
    QSize extent(const QFont& font) const;

private:
    QString m_caption;
    QString m_prefixText;
    QString m_measuredText;
    QChar m_accessKey;
};
