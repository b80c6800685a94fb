#pragma once

#include <QDateTime>
#include <QLocale>
#include <QString>

namespace morvane {

// The locale values the date-time format language draws on, derived once per
// locale: names, AM/PM, separators, and the locale's short and long date and
// time formats already translated into the format language.
struct DateFormatLocale {
    QString shortMonthNames[12];
    QString longMonthNames[12];
    QString shortDayNames[7]; // Monday first, as QDate::dayOfWeek counts
    QString longDayNames[7];
    QString amText;
    QString pmText;
    QString dateSeparator;
    QString timeSeparator;
    QString shortDateFormat;
    QString longDateFormat;
    QString shortTimeFormat;
    QString longTimeFormat;
};

// The tables of a locale. The last locale asked for is kept, so a preview
// run derives them once and not per name.
const DateFormatLocale &dateFormatLocaleFor(const QLocale &locale);

// Formats a local wall-clock date-time with the format language of the
// formatted-date keywords ("yyyy-mm-dd", "hh:nn", "dddd", quoted text, ...).
//
//   const QDateTime t(QDate(2024, 3, 7), QTime(9, 5, 2));
//   formatDateTimeText("yyyy-mm-dd hh:nn:ss", t, QLocale::c()) == "2024-03-07 09:05:02"
//   formatDateTimeText("dddd d mmmm", t, QLocale::c()) == "Thursday 7 March"
//   formatDateTimeText("\"at\" h:nn ampm", t, QLocale::c()) == "at 9:05 AM"
QString formatDateTimeText(const QString &format, const QDateTime &local, const QLocale &locale);
QString formatDateTimeText(const QString &format, const QDateTime &local, const DateFormatLocale &tables);

// Translates one of Qt's date or time formats ("M/d/yy", "h:mm:ss AP t")
// into the format language. Qt's time-zone field has no counterpart and is dropped.
QString translateQtDateFormat(const QString &qtFormat);

} // namespace morvane
