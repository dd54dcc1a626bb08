#pragma once

#include "platform/Drives.h"

#include <QDir>
#include <QList>

// Drives made of ordinary folders, to install with Installed<DriveSource>; a
// drive may be declared not ready, like a CD drive without a disc.
class FakeDrives : public kettwerk::platform::DriveSource
{
public:
    struct Drive
    {
        QString name, root;
        bool ready = true;
    };
    explicit FakeDrives(QList<Drive> drives) : m_drives(std::move(drives))
    {
        for (const Drive& drive : m_drives)
            m_names.append(drive.name);
    }
    QStringList drives() const override { return m_names; }
    // The drive whose root holds the path; the roots lie side by side.
    QString driveOf(const QString& path) const override
    {
        const QString full = kettwerk::platform::fullFolderPath(path) + QDir::separator();
        for (const Drive& drive : m_drives) {
            if (full.startsWith(kettwerk::platform::fullFolderPath(drive.root) + QDir::separator()))
                return drive.name;
        }
        return {};
    }
    QString rootOf(const QString& drive) const override { return find(drive).root; }
    bool isReady(const QString& drive) const override { return find(drive).ready; }

private:
    Drive find(const QString& name) const
    {
        const auto known = m_names.indexOf(name);
        return known < 0 ? Drive{{}, {}, false} : m_drives.at(known);
    }
    QList<Drive> m_drives;
    QStringList m_names;
};
