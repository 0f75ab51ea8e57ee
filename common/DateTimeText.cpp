#include "DateTimeText.h"

#include <QLocale>

namespace {

// Rewrites the runs of `letter` outside quoted literals of a Qt date/time
// format; `rewrite` gets the run's length and returns its replacement.
template<typename Rewrite>
QString rewriteFormatRuns(const QString& format, QChar letter, Rewrite rewrite)
{
    QString result;
    bool quoted = false;
    for (int i = 0; i < format.size();) {
        const QChar c = format.at(i);
        if (c == QLatin1Char('\'')) {
            quoted = !quoted;
            result += c;
            ++i;
            continue;
        }
        if (quoted || c != letter) {
            result += c;
            ++i;
            continue;
        }
        int run = 0;
        while (i + run < format.size() && format.at(i + run) == letter)
            ++run;
        result += rewrite(run);
        i += run;
    }
    return result;
}

QString longTimeFormat()
{
    const QString format = QLocale().timeFormat(QLocale::LongFormat);
    const QString withoutZone =
        rewriteFormatRuns(format, QLatin1Char('t'), [](int) { return QString(); });
    return withoutZone.simplified();
}

} // namespace

QString shortDateFormat()
{
    const QString format = QLocale().dateFormat(QLocale::ShortFormat);
    return rewriteFormatRuns(format, QLatin1Char('y'), [](int run) {
        return run == 2 ? QStringLiteral("yyyy") : QString(run, QLatin1Char('y'));
    });
}

QString shortDateText(const QDate& date)
{
    return QLocale().toString(date, shortDateFormat());
}

QString longTimeText(const QTime& time)
{
    return QLocale().toString(time, longTimeFormat());
}

QString dateTimeText(const QDateTime& moment)
{
    return shortDateText(moment.date()) + QLatin1Char(' ') + longTimeText(moment.time());
}

std::optional<QDate> dateFromText(const QString& text)
{
    const QLocale locale;
    const QString trimmed = text.trimmed();
    for (const QString& format : {shortDateFormat(), QStringLiteral("d M yyyy")}) {
        const QDate date = locale.toDate(trimmed, format);
        if (date.isValid())
            return date;
    }
    return std::nullopt;
}
