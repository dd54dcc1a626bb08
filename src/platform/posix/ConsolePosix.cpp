#include "platform/Console.h"

namespace kettwerk::platform {

void useParentConsole()
{
    // Every program here inherits the terminal it was started from.
}

} // namespace kettwerk::platform
