#pragma once

#include <QDate>
#include <QDateTime>
#include <QString>
#include <QTime>

// Dates and times as the program shows and stores them, in the default
// locale (tests pin it with QLocale::setDefault).

// The locale's short date, with a two-digit year widened to four digits.
QString shortDateText(const QDate& date);

// The locale's long time, without the time-zone name.
QString longTimeText(const QTime& time);

// Short date, a blank, long time.
QString dateTimeText(const QDateTime& moment);
