#include "sound.h"

#include <QApplication>
#include <QFileInfo>
#include <QPointer>
#include <QSoundEffect>
#include <QUrl>

namespace platform {

namespace {

class SoundEffectPlayer final : public Sound {
public:
    void PlayAsync(const QString& wavPath) override {
        if (!QFileInfo(wavPath).isFile()) {
            QApplication::beep();
            return;
        }
        // A fresh effect per play: the previous one stops with it, and its loading state cannot leak
        // into the new play. QSoundEffect loads asynchronously; an unreadable file ends in Error.
        if (effect_)
            effect_->deleteLater();
        // Owned by the application, so it goes before the audio back end does at exit.
        auto* effect = new QSoundEffect(qApp);
        effect_ = effect;
        QObject::connect(effect, &QSoundEffect::statusChanged, effect, [effect] {
            if (effect->status() == QSoundEffect::Error)
                QApplication::beep();
        });
        effect->setSource(QUrl::fromLocalFile(wavPath));
        effect->play();
    }

private:
    QPointer<QSoundEffect> effect_;
};

} // namespace

Sound& Sound::real() {
    static SoundEffectPlayer instance;
    return instance;
}

} // namespace platform
