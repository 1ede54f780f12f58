#include "app/desktop/WaveFileCheck.h"

#include "app/log/Logging.h"

#include <QFile>
#include <QtEndian>
#include <cerrno>
#include <cstring>
#include <sys/stat.h>

namespace pomelo {
namespace {

// libcanberra reads no file, and no chunk, of 64 MiB or more.
constexpr qint64 LargestFile = 64 * 1024 * 1024 - 1;
// What PulseAudio takes: up to 32 channels at up to 384 kHz.
constexpr quint16 MostChannels = 32;
constexpr quint32 HighestRate = 384000;
constexpr quint16 PcmFormat = 1;
constexpr quint32 PcmFormatSize = 16;

struct ChunkHeader {
    QByteArray id;
    quint32 size = 0;
};

std::optional<ChunkHeader> ReadChunkHeader(QFile &file) {
    const QByteArray header = file.read(8);
    if (header.size() != 8)
        return std::nullopt;
    return ChunkHeader{header.first(4), qFromLittleEndian<quint32>(header.constData() + 4)};
}

// Skips to the chunk named `id` that starts at or after the file's position,
// as libcanberra walks the file, and leaves the position at its contents;
// nothing when there is none, or a chunk on the way is empty or ends
// beyond the file.
std::optional<quint32> SkipToChunk(QFile &file, const char *id) {
    while (const std::optional<ChunkHeader> chunk = ReadChunkHeader(file)) {
        if (chunk->size == 0 || chunk->size > file.size() - file.pos())
            return std::nullopt;
        if (chunk->id == id)
            return chunk->size;
        file.seek(file.pos() + chunk->size);
    }
    return std::nullopt;
}

// The problem with the header of an open file of a sane size.
std::optional<SoundOutcome> HeaderProblem(QFile &file, QString &why) {
    const QByteArray riff = file.read(12);
    if (riff.size() != 12 || !riff.startsWith("RIFF") || riff.sliced(8) != "WAVE") {
        why = QStringLiteral("no RIFF WAVE header");
        return SoundOutcome::BrokenFile;
    }
    const auto riffSize = qFromLittleEndian<quint32>(riff.constData() + 4);
    if (riffSize == 0 || riffSize > LargestFile) {
        why = QStringLiteral("a RIFF size of %1 bytes").arg(riffSize);
        return SoundOutcome::BrokenFile;
    }
    const std::optional<quint32> formatSize = SkipToChunk(file, "fmt ");
    if (!formatSize) {
        why = QStringLiteral("no format chunk");
        return SoundOutcome::BrokenFile;
    }
    const QByteArray format = file.read(PcmFormatSize);
    if (format.size() != PcmFormatSize) {
        why = QStringLiteral("the format chunk is cut short");
        return SoundOutcome::BrokenFile;
    }
    const auto tag = qFromLittleEndian<quint16>(format.constData());
    const auto channels = qFromLittleEndian<quint16>(format.constData() + 2);
    const auto rate = qFromLittleEndian<quint32>(format.constData() + 4);
    const auto bits = qFromLittleEndian<quint16>(format.constData() + 14);
    why = QStringLiteral("format %1, %2 channels, %3 Hz, %4 bits")
              .arg(tag)
              .arg(channels)
              .arg(rate)
              .arg(bits);
    if (channels == 0 || rate == 0)
        return SoundOutcome::BrokenFile;
    if (*formatSize != PcmFormatSize || tag != PcmFormat || (bits != 8 && bits != 16) ||
        channels > MostChannels || rate > HighestRate)
        return SoundOutcome::UnsupportedFormat;
    const std::optional<quint32> dataSize = SkipToChunk(file, "data");
    if (!dataSize) {
        why = QStringLiteral("no sound data within the file");
        return SoundOutcome::BrokenFile;
    }
    if (*dataSize % (bits / 8) != 0) {
        why = QStringLiteral("the sound data ends within a sample");
        return SoundOutcome::BrokenFile;
    }
    return std::nullopt;
}

std::optional<SoundOutcome> Problem(const QString &path, QString &why) {
    struct stat status {};
    if (stat(QFile::encodeName(path).constData(), &status) != 0) {
        const int error = errno;
        why = QString::fromLocal8Bit(std::strerror(error));
        return error == ENOENT || error == ENOTDIR ? SoundOutcome::NoFile
                                                   : SoundOutcome::UnreadableFile;
    }
    if (!S_ISREG(status.st_mode)) {
        why = QStringLiteral("not a regular file");
        return SoundOutcome::NotAFile;
    }
    if (status.st_size > LargestFile) {
        why = QStringLiteral("%1 bytes").arg(status.st_size);
        return SoundOutcome::TooLargeFile;
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        why = file.errorString();
        return SoundOutcome::UnreadableFile;
    }
    const std::optional<SoundOutcome> problem = HeaderProblem(file, why);
    if (file.error() != QFileDevice::NoError) {
        why = file.errorString();
        return SoundOutcome::UnreadableFile;
    }
    return problem;
}

} // namespace

std::optional<SoundOutcome> WaveFileProblem(const QString &path) {
    QString why;
    const std::optional<SoundOutcome> problem = Problem(path, why);
    if (problem)
        qCWarning(lcSound).noquote() << "cannot play the sound file" << path << "-" << why;
    return problem;
}

} // namespace pomelo
