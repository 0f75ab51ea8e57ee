#include "GroupBoxCaption.h"

#include <QFont>
#include <QFontMetrics>

namespace {

const QChar kPrefix = QLatin1Char('&');

} // namespace

GroupBoxCaption::GroupBoxCaption(const QString& caption)
    : m_caption(caption)
    , m_prefixText(caption.isEmpty() ? QStringLiteral(" ") : caption)
    , m_measuredText(m_prefixText)
{
    if (!m_prefixText.contains(kPrefix))
        return;
    m_measuredText.replace(QStringLiteral("&&"), QStringLiteral("A"));
    const int prefix = int(m_measuredText.indexOf(kPrefix));
    if (prefix < 0)
        return;
    if (prefix + 1 < m_measuredText.size())
        m_accessKey = m_measuredText.at(prefix + 1);
    m_measuredText.remove(kPrefix);
}

QString GroupBoxCaption::plainText() const
{
    QString plain;
    plain.reserve(m_caption.size());
    for (int i = 0; i < m_caption.size(); ++i) {
        if (m_caption.at(i) == kPrefix) {
            ++i;
            if (i == m_caption.size())
                break;
        }
        plain += m_caption.at(i);
    }
    return plain;
}

QSize GroupBoxCaption::extent(const QFont& font) const
{
    const QFontMetrics metrics(font);
    return QSize(metrics.horizontalAdvance(m_measuredText), metrics.height());
}
