#pragma once

#include "platform/Replaceable.h"

#include <QString>

namespace kettwerk::platform {

struct ShellResult
{
    bool ok = false;
    QString error; // names what could not be opened and why; empty when ok
};

// Opens a document, or an address such as "mailto:…", in the program that the
// system associates with it, without waiting for that program.
class Shell : public Replaceable<Shell>
{
public:
    virtual ~Shell() = default;
    virtual ShellResult open(const QString& pathOrAddress) = 0;

    static Shell& system();
};

} // namespace kettwerk::platform
