#pragma once

#include "state/LocalTime.h"
#include "state/SoundOutcome.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace pomelo {

// A time of day as the user's locale writes it (hours and minutes), and the
// hour it shows there: 1 for 1:07 PM as for 1:07 and 01:07, 13 for 13:07.
struct ShownTime {
    std::string text;
    int hour = 0;
};

// Everything the handlers do to the world outside the timer state and the
// LCD: the window's place and stacking, time, chance, sound, the user's
// language, the desktop's notices and the settings file. The desktop shell
// implements it; tests fake it and record what the handlers asked for.
class Effects {
public:
    virtual ~Effects() = default;

    // Whether the platform tells the window where it stands and lets it place
    // itself; where it does not (Wayland: the compositor alone places
    // windows), the window's place reads as nothing the user ever saw.
    virtual bool isWindowPlaceKnown() const = 0;
    // The window, positioned in twips; the top edge comes first, as stored.
    virtual float windowTop() const = 0;
    virtual float windowLeft() const = 0;
    virtual void setWindowTop(float twips) = 0;
    virtual void setWindowLeft(float twips) = 0;
    virtual bool isWindowOnAnyScreen() const = 0;
    virtual void moveWindowToPrimaryScreen() = 0;
    virtual void applyWindowShape() = 0;
    virtual void beginWindowDrag() = 0;
    // Puts the window into or out of the always-on-top layer; returns
    // non-zero when the window now is in the layer asked for, 0 otherwise.
    virtual int setWindowStaysOnTop(bool onTop) = 0;
    virtual void endProgram() = 0;

    // Time: the local wall clock, and a clock of elapsed milliseconds that keeps
    // running through a suspend and ignores changes of the wall clock.
    virtual LocalTime localTime() const = 0;
    virtual std::int64_t elapsedMilliseconds() const = 0;
    // The wall clock as UTC milliseconds since 1970, the local time of day
    // at such an instant, and a name for this boot of the machine, since
    // the elapsed-time clock starts anew with each.
    virtual std::int64_t utcMilliseconds() const = 0;
    virtual LocalTime localTimeAt(std::int64_t utcMs) const = 0;
    virtual std::string bootId() const = 0;
    // A uniform pseudo-random number r with 0 <= r < 1.
    virtual double random() = 0;

    virtual std::string programFolder() const = 0;
    // Starts the sound file playing and returns at once, never waiting for
    // the sound system; what became of it comes later, as an event of its
    // own. A sound of ours still playing is not cut off, and a missing or
    // broken file is silence, never a sound of some other kind.
    virtual void playSound(const std::string &path) = 0;
    // Stops the sound playing at once; nothing when it has ended.
    virtual void stopSound() = 0;
    // The user's language and customs, for the texts the handlers make:
    // `text`, marked for translation in `context` (state/Translatable.h), in
    // the user's language, or in the form its grammar takes for the number
    // n (a text marked as counting); a time of day and a date as the user's
    // locale writes them, the date in its short form.
    virtual std::string translate(const char *context, const char *text) const = 0;
    virtual std::string translate(const char *context, const char *text, int n) const = 0;
    virtual ShownTime timeOfDay(const LocalTime &time) const = 0;
    virtual std::string shortDate(const LocalTime &time) const = 0;
    // A notice in the desktop's notification centre that stays until it is
    // withdrawn. Both return at once; without a notification service they
    // do nothing.
    virtual void postAlarmNotice(const std::string &text) = 0;
    virtual void withdrawAlarmNotice() = 0;

    // The whole settings file: empty when there is none yet, nullopt when it
    // exists but cannot be read (then it must not be overwritten either).
    virtual std::optional<std::string> readSettingsFile() const = 0;
    // Replaces the settings file whole; false when it could not be written.
    virtual bool writeSettingsFile(std::string_view contents) = 0;

    // The count kept across runs: nullopt when there is none or it cannot
    // be read. Written whole; a failure is logged, not reported.
    virtual std::optional<std::string> readCountFile() const = 0;
    virtual void writeCountFile(std::string_view contents) = 0;

    // A line for the program's log, where the user is told nothing.
    virtual void note(std::string_view line) = 0;
};

} // namespace pomelo
