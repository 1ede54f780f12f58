#pragma once

namespace pomelo {

// What became of a sound the gadget asked to play, as the sound system tells
// it some time after the asking.
enum class SoundOutcome {
    Playing,           // it plays, or a sound of ours still does
    NoAnswer,          // the sound server has not answered for a while; it may still play
    NoServer,          // no sound server (or device) takes it
    NoFile,            // there is nothing at the sound file's name
    NotAFile,          // a folder, a pipe or a device has the sound file's name
    UnreadableFile,    // the file cannot be opened or read
    TooLargeFile,      // the file is larger than the sound system takes
    BrokenFile,        // the file is no WAVE file, or one that contradicts itself
    UnsupportedFormat, // a WAVE file whose kind of sound cannot be played
    Failed,            // the sound system failed otherwise
};

} // namespace pomelo
