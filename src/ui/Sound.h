#pragma once

#include "platform/Replaceable.h"

#include <QString>

namespace kettwerk::ui {

// Plays a sound file asynchronously and returns at once. The name is looked
// up beside the executable, then in the installed data folder; when it is
// missing or no audio device answers, the system beep sounds instead.
class Sound : public platform::Replaceable<Sound>
{
public:
    virtual ~Sound() = default;
    virtual void play(const QString& fileName) = 0;

    static Sound& system();
};

// Where the sound file is found, or an empty text when it is not.
QString locateSound(const QString& fileName);

} // namespace kettwerk::ui
