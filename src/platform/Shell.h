#pragma once

#include "platform/Replaceable.h"
#include "platform/Result.h"

#include <QString>

namespace kettwerk::platform {

// Opens a document, or an address such as "mailto:…", in the program that the
// system associates with it, without waiting for that program. A failure names what could not be
// opened and why.
class Shell : public Replaceable<Shell>
{
public:
    virtual ~Shell() = default;
    virtual Result<> open(const QString& pathOrAddress) = 0;

    static Shell& system();
};

} // namespace kettwerk::platform
