#include "ui/Sound.h"

#include <QApplication>
#include <QAudioDevice>
#include <QMediaDevices>
#include <QSoundEffect>
#include <QUrl>

namespace kettwerk::ui {
namespace {

bool hasAudioOutput()
{
    return !QMediaDevices::defaultAudioOutput().isNull();
}

class SoundEffects final : public Sound
{
public:
    void play(const QString& fileName) override
    {
        const QString path = locateSound(fileName);
        if (path.isEmpty() || !hasAudioOutput()) {
            QApplication::beep();
            return;
        }
        // The effect outlives the window that asked for it and removes itself
        // once it has played.
        auto* effect = new QSoundEffect(qApp);
        effect->setSource(QUrl::fromLocalFile(path));
        QObject::connect(effect, &QSoundEffect::statusChanged, effect, [effect] {
            if (effect->status() == QSoundEffect::Error) {
                QApplication::beep();
                effect->deleteLater();
            }
        });
        QObject::connect(effect, &QSoundEffect::playingChanged, effect, [effect] {
            if (!effect->isPlaying())
                effect->deleteLater();
        });
        effect->play();
    }
};

} // namespace

Sound& Sound::system()
{
    static SoundEffects sound;
    return sound;
}

} // namespace kettwerk::ui
