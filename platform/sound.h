#pragma once

#include "replaceable.h"

#include <QString>

namespace platform {

// Asynchronous playing of a WAV file: returns at once, and a new play stops the sound playing. A file
// that is missing or cannot be played gives the platform's default sound instead. Tests install an
// observer (there is no audio device in CI).
class Sound : public Replaceable<Sound> {
public:
    virtual ~Sound() = default;
    virtual void PlayAsync(const QString& wavPath) = 0;

private:
    friend Replaceable<Sound>;
    static Sound& real();
};

} // namespace platform
