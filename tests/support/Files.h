#pragma once

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringList>

// A file's bytes, or "<unreadable>" when it cannot be read.
inline QByteArray readBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

inline bool writeBytes(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

// The names in a folder, hidden ones included, sorted.
inline QStringList entries(const QString& folder)
{
    return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
}

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
