#pragma once

#include "Drives.h"

#include <QDir>
#include <QList>

// Drives made of ordinary folders, put in place of the system's for as long
// as the object lives. A drive may be declared not ready, like a CD drive
// without a disc.
class FakeDrives : public kettwerk::platform::DriveSource
{
public:
    struct Drive
    {
        QString name;
        QString root;
        bool ready = true;
    };

    explicit FakeDrives(QList<Drive> drives) : m_drives(std::move(drives))
    {
        kettwerk::platform::setDriveSource(this);
    }
    ~FakeDrives() override { kettwerk::platform::setDriveSource(nullptr); }
    FakeDrives(const FakeDrives&) = delete;
    FakeDrives& operator=(const FakeDrives&) = delete;

    QStringList drives() const override
    {
        QStringList names;
        for (const Drive& drive : m_drives)
            names.append(drive.name);
        return names;
    }

    // The drive whose root holds the path, the deepest root winning.
    QString driveOf(const QString& path) const override
    {
        const QString full = kettwerk::platform::fullFolderPath(path);
        QString best;
        qsizetype bestLength = -1;
        for (const Drive& drive : m_drives) {
            const QString root = kettwerk::platform::fullFolderPath(drive.root);
            const bool inside = full == root || full.startsWith(root + QDir::separator());
            if (inside && root.size() > bestLength) {
                best = drive.name;
                bestLength = root.size();
            }
        }
        return best;
    }

    QString rootOf(const QString& drive) const override
    {
        for (const Drive& known : m_drives) {
            if (known.name == drive)
                return known.root;
        }
        return {};
    }

    bool isReady(const QString& drive) const override
    {
        for (const Drive& known : m_drives) {
            if (known.name == drive)
                return known.ready;
        }
        return false;
    }

private:
    QList<Drive> m_drives;
};
