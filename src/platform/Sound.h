#pragma once

#include <QString>

namespace kettwerk::platform {

// Plays a sound file asynchronously and returns at once. The name is looked
// up beside the executable, then in the installed data folder; when it is
// missing or no audio device answers, the system beep sounds instead.
void playSound(const QString& fileName);

// Where playSound finds the file, or an empty text when it does not.
QString locateSound(const QString& fileName);

// How many sounds were asked for so far (tests check that the completion
// window asks for exactly one).
int soundRequests();

} // namespace kettwerk::platform
