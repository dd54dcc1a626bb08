#pragma once

#include <QChar>
#include <QString>

namespace kettwerk {

// Joins the working folder and a file name the way users type folders: when
// the folder already ends in the separator the name follows directly,
// otherwise (an empty folder included) one separator is put between. Only
// the last character is looked at; nothing is trimmed.
QString joinFolderAndName(const QString& folder, const QString& name, QChar separator);

} // namespace kettwerk
