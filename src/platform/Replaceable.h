#pragma once

namespace kettwerk::platform {

// The one way a system service is reached and, in tests, replaced. A service
// derives from Replaceable<Service> and provides `static Service& system()`;
// callers use Service::instance(). A test installs a substitute of its own
// for as long as it needs it and installs nullptr to bring the system's back.
template <typename Service> class Replaceable
{
public:
    static Service& instance() { return s_installed ? *s_installed : Service::system(); }
    static void install(Service* substitute) { s_installed = substitute; }

protected:
    Replaceable() = default;
    ~Replaceable() = default;

private:
    static inline Service* s_installed = nullptr;
};

} // namespace kettwerk::platform
