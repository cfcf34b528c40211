#include "core/wave_check.h"

#include <QFile>
#include <QFileInfo>
#include <QtEndian>

namespace Dovrel {

namespace {

constexpr quint16 FormatPcm = 1;
constexpr quint16 FormatExtensible = 0xFFFE;
constexpr qint64 PlainFormatSize = 16;
constexpr qint64 ExtensibleFormatSize = 40;

quint16 word(const QByteArray &bytes, qsizetype at)
{
    return qFromLittleEndian<quint16>(bytes.constData() + at);
}

quint32 doubleWord(const QByteArray &bytes, qsizetype at)
{
    return qFromLittleEndian<quint32>(bytes.constData() + at);
}

// The format chunk's body: PCM directly or as the sub-format of an extensible format, at a depth and channel
// count every wave output plays, with a block size that agrees with them.
bool playableFormat(const QByteArray &format)
{
    const quint16 tag = word(format, 0);
    const quint16 channels = word(format, 2);
    const quint32 rate = doubleWord(format, 4);
    const quint16 blockAlign = word(format, 12);
    const quint16 bits = word(format, 14);
    const bool pcm = tag == FormatPcm || (tag == FormatExtensible && format.size() >= ExtensibleFormatSize &&
                                          word(format, 24) == FormatPcm);
    return pcm && (channels == 1 || channels == 2) && rate > 0 && (bits == 8 || bits == 16) &&
           blockAlign == channels * bits / 8;
}

} // namespace

WaveStatus checkWave(QIODevice &device)
{
    const QByteArray head = device.read(12);
    if (head.size() < 12 || !head.startsWith("RIFF") || head.mid(8, 4) != "WAVE" || doubleWord(head, 4) < 4)
        return WaveStatus::NotWave;

    bool haveFormat = false;
    for (;;) {
        const QByteArray chunk = device.read(8);
        if (chunk.size() < 8)
            return haveFormat ? WaveStatus::NoSound : WaveStatus::NotWave;
        const QByteArray id = chunk.left(4);
        const qint64 size = doubleWord(chunk, 4);
        // Chunks are padded to an even length.
        qint64 rest = size + (size & 1);
        if (id == "fmt ") {
            if (size < PlainFormatSize)
                return WaveStatus::NotWave;
            const QByteArray format = device.read(qMin(size, ExtensibleFormatSize));
            if (format.size() < PlainFormatSize)
                return WaveStatus::NotWave;
            if (!playableFormat(format))
                return WaveStatus::UnplayableFormat;
            haveFormat = true;
            rest -= format.size();
        } else if (id == "data") {
            // The sound must be described before it comes.
            if (!haveFormat)
                return WaveStatus::NotWave;
            return size > 0 && !device.atEnd() ? WaveStatus::Playable : WaveStatus::NoSound;
        }
        if (device.skip(rest) < rest)
            return haveFormat ? WaveStatus::NoSound : WaveStatus::NotWave;
    }
}

WaveStatus checkWaveFile(const QString &path)
{
    const QFileInfo info(path);
    if (!info.exists())
        return WaveStatus::Missing;
    QFile file(path);
    if (!info.isFile() || !file.open(QIODevice::ReadOnly))
        return WaveStatus::Unreadable;
    return checkWave(file);
}

} // namespace Dovrel
