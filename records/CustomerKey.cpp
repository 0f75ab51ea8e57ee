#include "CustomerKey.h"

QString foldedForMatch(QStringView text)
{
    QString key;
    for (const QChar c : text.toString().toCaseFolded())
        if (c.isLetterOrNumber())
            key += c;
    return key;
}
