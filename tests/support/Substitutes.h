#pragma once

#include "platform/Drives.h"
#include "platform/Shell.h"
#include "ui/MessageBox.h"
#include "ui/Sound.h"

#include <QStringList>

// Puts a substitute in place of a system service for as long as it lives.
template <typename Service> class Installed
{
public:
    explicit Installed(Service* substitute) { Service::install(substitute); }
    ~Installed() { Service::install(nullptr); }
    Installed(const Installed&) = delete;
    Installed& operator=(const Installed&) = delete;
};

// Keeps every message instead of showing it; questions get `answer`.
class RecordingMessageBox : public kettwerk::ui::MessageBox
{
public:
    void inform(QWidget*, const QString& text) override { texts.append(text); }
    bool ask(QWidget*, const QString& text, bool) override
    {
        texts.append(text);
        return answer;
    }
    QStringList texts;
    bool answer = true;
};

// Keeps every path or address it is asked to open and answers with `ok`.
class RecordingShell : public kettwerk::platform::Shell
{
public:
    kettwerk::Result<> open(const QString& pathOrAddress) override
    {
        opened.append(pathOrAddress);
        if (ok)
            return {};
        return kettwerk::Failure::file(QStringLiteral("kein Programm"));
    }
    QStringList opened;
    bool ok = true;
};

// Counts the sounds asked for and plays none.
class SilentSound : public kettwerk::ui::Sound
{
public:
    void play(const QString& fileName) override { played.append(fileName); }
    QStringList played;
};
