#pragma once

#include <QString>
#include <QTest>

// One row of a data table on one line: C strings go in as UTF-8 QStrings,
// every other value as it is (a QByteArray column takes "..."_ba).
inline QString cell(const char* text)
{
    return QString::fromUtf8(text);
}
template <typename T> const T& cell(const T& value)
{
    return value;
}
template <typename... Values> void row(const char* tag, const Values&... values)
{
    (QTest::newRow(tag) << ... << cell(values));
}
