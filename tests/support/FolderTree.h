#pragma once

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringList>

// Builds files and folders below `root`: an entry ending in "/" is a folder,
// any other an empty file; missing parent folders are made on the way.
inline bool makeTree(const QString& root, const QStringList& entries)
{
    for (const QString& entry : entries) {
        const QString path = QDir(root).filePath(entry);
        const bool folder = entry.endsWith(u'/');
        if (!QDir().mkpath(folder ? path : QFileInfo(path).absolutePath()))
            return false;
        QFile file(path);
        if (!folder && !file.open(QIODevice::WriteOnly))
            return false;
    }
    return true;
}
