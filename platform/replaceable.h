#pragma once

namespace platform {

// A service the screens reach through Service::current(), which tests replace with Service::install()
// (dialogs answered instead of shown, sound and browser observed instead of started). Usage:
//
//     class Sound : public Replaceable<Sound> {
//         ...                               // the interface
//     private:
//         friend Replaceable<Sound>;
//         static Sound& real();             // the real one, defined beside its implementation
//     };
template <class Service> class Replaceable {
public:
    // The replacement installed, else the real service.
    static Service& current() {
        Service* replacement = slot();
        return replacement ? *replacement : Service::real();
    }
    // Installs a replacement; nullptr puts the real service back. The caller keeps ownership.
    static void install(Service* replacement) { slot() = replacement; }

protected:
    Replaceable() = default;

private:
    static Service*& slot() {
        static Service* installed = nullptr;
        return installed;
    }
};

} // namespace platform
