#include "platform/sound_output.h"

#include <QAudioDevice>
#include <QAudioSink>
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

    bool outputOpens() override
    {
        // The device list outlives a sound server that has gone away; a stream on the default device does not.
        const QAudioDevice device = QMediaDevices::defaultAudioOutput();
        if (device.isNull())
            return false;
        QAudioSink sink(device, device.preferredFormat());
        const QIODevice *stream = sink.start();
        const bool opened = stream && sink.error() == QAudio::NoError && sink.state() != QAudio::StoppedState;
        sink.stop();
        return opened;
    }

    SoundStart play(const QString &path) override
    {
        if (!m_sound)
            m_sound = std::make_unique<QSoundEffect>();
        m_sound->stop();
        // Setting the same source again would not restart a sound still playing, so it is reset first.
        m_sound->setSource(QUrl());
        const QFileInfo file(path);
        if (!file.isFile() || !file.isReadable())
            return SoundStart::FileMissing;
        m_sound->setSource(QUrl::fromLocalFile(path));
        m_sound->play();
        return SoundStart::Playing;
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
