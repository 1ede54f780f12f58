#pragma once

#include "state/SoundOutcome.h"

#include <QString>
#include <optional>

namespace pomelo {

// Why the file at `path` cannot be played as the alarm, or nothing when it
// can: it must be a regular, readable file no larger than the sound system
// takes, holding a WAVE header it can play (16- or 8-bit PCM at a rate the
// sound server takes) whose sound lies within the file. A pipe is never
// opened, so the check cannot hang on one.
std::optional<SoundOutcome> WaveFileProblem(const QString &path);

} // namespace pomelo
