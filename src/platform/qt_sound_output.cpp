#include "platform/sound_output.h"

#include <QAudioDevice>
#include <QFileInfo>
#include <QMediaDevices>
#include <QSoundEffect>
#include <QUrl>

namespace Dovrel {

namespace {

// Qt Multimedia's sound effect, created on the first sound so that a program that never plays one never opens the
// audio system.
class QtSoundOutput final : public SoundOutput
{
public:
    int deviceCount() override
    {
        return static_cast<int>(QMediaDevices::audioOutputs().size());
    }

    void play(const QString &path) override
    {
        if (!m_sound)
            m_sound = std::make_unique<QSoundEffect>();
        m_sound->stop();
        if (!QFileInfo(path).isFile()) {
            m_sound->setSource(QUrl());
            return;
        }
        // Setting the same source again would not restart a sound still playing, so it is reset first.
        m_sound->setSource(QUrl());
        m_sound->setSource(QUrl::fromLocalFile(path));
        m_sound->play();
    }

private:
    std::unique_ptr<QSoundEffect> m_sound;
};

} // namespace

std::unique_ptr<SoundOutput> systemSoundOutput()
{
    return std::make_unique<QtSoundOutput>();
}

} // namespace Dovrel
