#include "cTabs.h"

void cTabs::setCaption(const QString& caption)
{
    m_caption = caption;
    m_accessKey = accessKeyOf(caption);
}

QChar cTabs::accessKeyOf(const QString& caption)
{
    const QChar ampersand(QLatin1Char('&'));
    int at = caption.indexOf(ampersand);
    while (at >= 0 && at + 1 < caption.size()) {
        if (caption.at(at + 1) != ampersand)
            return caption.at(at + 1).toLower();
        at = caption.indexOf(ampersand, at + 2);
    }
    return QChar();
}
