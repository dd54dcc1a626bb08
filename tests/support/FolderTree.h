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
        if (entry.endsWith(QLatin1Char('/'))) {
            if (!QDir().mkpath(path))
                return false;
            continue;
        }
        if (!QDir().mkpath(QFileInfo(path).absolutePath()))
            return false;
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly))
            return false;
    }
    return true;
}
