#pragma once

#include "keypad/KeyLayout.h"
#include "remote/Command.h"
#include "remote/Observed.h"
#include "state/Effects.h"
#include "state/LcdPictures.h"
#include "state/TimerState.h"

#include <functional>
#include <string>

namespace pomelo {

namespace test {
class GadgetSeam;
}

// The gadget as the window, the session bus and the tests meet it: it owns
// the timer state and the LCD, and every event comes in through here. Each
// event runs its handlers, wakes the tick where a key or command may have
// changed what it shows, and then tells the listener, which draws the LCD
// and follows wantsTicks() and wantsShakeSteps() with its timers. The count
// outlives the program: it is written whenever a key, a command or the end
// of a countdown changes its course, and taken up again at start-up.
class Gadget {
public:
    explicit Gadget(Effects &effects);
    Gadget(const Gadget &) = delete;
    Gadget &operator=(const Gadget &) = delete;

    // Called after every event that ran.
    void setListener(std::function<void()> listener) { listener_ = std::move(listener); }
    // Called after each event that changed what watchers see (observed()),
    // with what it changed; never while nothing changes. Without a watcher,
    // nothing is compared.
    using Watcher = std::function<void(const Observed &now, Properties changed)>;
    void setWatcher(Watcher watcher);

    // Start-up: the settings loaded, the window placed and shaped, the LCD
    // stacked and hidden, and the count of the last run taken up.
    void load();
    // A key clicked, or its keyboard key.
    void press(Key key);
    // A mouse press on the face outside the keys and the shown pictures.
    void mouseDown(int button);
    // Timer1, just after each wall-clock second while wantsTicks().
    void tick();
    // Timer2, every 100 ms while wantsShakeSteps().
    void shakeTick();
    // A command from outside, carried out as its key presses; false, and
    // nothing done, when it cannot be carried out now (CanCarryOut).
    bool carryOut(const Command &command);
    // The alarm's notice on the desktop: its actions Stop and Again, and
    // its dismissal by the user. Each stops the ring; Stop and Again also
    // withdraw the notice, and Again then starts the countdown last keyed in.
    void answerAlarm();
    void again();
    void alarmNoticeDismissed();
    // What became of the alarm's sound, when the sound system tells, which
    // is after the alarm (see Effects::playSound).
    void soundOutcome(SoundOutcome sound);
    // What watchers see, and the line --status prints.
    Observed observed() const;
    std::string status() const;

    const TimerState &state() const { return state_; }
    const LcdPictures &lcd() const { return lcd_; }

    bool hasEnded() const { return state_.Ended; }
    bool wantsTicks() const { return !state_.Ended && !state_.TickAsleep; }
    bool wantsShakeSteps() const { return !state_.Ended && state_.ShakeCount > 0; }

private:
    // The tests' way to scenes no key leads to (tests/support/GadgetSeam.h).
    friend class test::GadgetSeam;

    // Runs a key or command: once the program has ended, nothing runs.
    template <typename Action> void runInput(Action action);
    void done();
    // The count kept across runs: taken up at start-up, written whenever
    // its course may have changed.
    void takeUpKeptCount();
    void keepCount();

    Effects &effects_;
    TimerState state_;
    LcdPictures lcd_;
    std::function<void()> listener_;
    Watcher watcher_;
    Observed watched_; // as the watcher was last told
};

} // namespace pomelo
