#pragma once

#include <QDate>
#include <QDateTime>
#include <QString>
#include <QTime>

#include <optional>

// Dates and times as the program shows and stores them, in the default
// locale (tests pin it with QLocale::setDefault).

// The locale's short date format, with a two-digit year widened to four
// digits, and a date written in it.
QString shortDateFormat();
QString shortDateText(const QDate& date);

// A date written as the program writes dates: the short date above, or
// day, month number and year between blanks.
// Nothing when the text is none of these.
std::optional<QDate> dateFromText(const QString& text);

// The locale's long time, without the time-zone name.
QString longTimeText(const QTime& time);

// Short date, a blank, long time.
QString dateTimeText(const QDateTime& moment);
