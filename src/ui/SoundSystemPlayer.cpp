#include "ui/Sound.h"

#include "platform/Platform.h"

#include <QApplication>

namespace kettwerk::ui {
namespace {

// Without Qt Multimedia the system plays the file itself; it queues the
// sound and returns at once, like a QSoundEffect would.
class SystemPlayer final : public Sound
{
public:
    void play(const QString& fileName) override
    {
        const QString path = locateSound(fileName);
        if (path.isEmpty() || !platform::playSoundFile(path))
            QApplication::beep();
    }
};

} // namespace

Sound& Sound::system()
{
    static SystemPlayer sound;
    return sound;
}

} // namespace kettwerk::ui
