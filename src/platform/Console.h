#pragma once

namespace kettwerk::platform {

// Lets the window program answer on the command line (`kettwerk --version`)
// where it was started from. A Windows program built for the window
// subsystem has no console of its own: it writes into its parent's console,
// or into the file or pipe its output was redirected to. Elsewhere every
// program already writes where it was started.
void useParentConsole();

} // namespace kettwerk::platform
