#include "gadget/Gadget.h"

#include "alarm/Alarm.h"
#include "alarm/AlarmAnswer.h"
#include "form/FormEvents.h"
#include "remote/Status.h"
#include "resume/Resume.h"
#include "timer/Tick.h"

namespace pomelo {

Gadget::Gadget(Effects &effects)
    : effects_(effects) {}

namespace {

Clocks Now(const Effects &effects) {
    return {effects.utcMilliseconds(), effects.elapsedMilliseconds(), effects.bootId()};
}

} // namespace

void Gadget::load() {
    Form_Load(state_, lcd_, effects_);
    takeUpKeptCount();
    done();
}

void Gadget::takeUpKeptCount() {
    const std::optional<std::string> file = effects_.readCountFile();
    if (!file)
        return;
    const TakeUp takeUp = TakeUpCount(*file, Now(effects_), state_);
    if (!takeUp.problem.empty())
        effects_.note(takeUp.problem + "; starting without it");
    if (!takeUp.taken)
        return;
    CountFromNow(state_, effects_);
    if (takeUp.endedAtWallMs) {
        StartMissedAlarm(state_, effects_, effects_.localTimeAt(*takeUp.endedAtWallMs));
        keepCount();
    }
}

void Gadget::keepCount() {
    effects_.writeCountFile(KeptCount(state_, Now(effects_)));
}

template <typename Action> void Gadget::runInput(Action action) {
    if (state_.Ended)
        return;
    action();
    WakeTick(state_, effects_);
    keepCount();
    done();
}

void Gadget::press(Key key) {
    runInput([this, key] { KeyOf(key).click(state_, lcd_, effects_); });
}

bool Gadget::carryOut(const Command &command) {
    if (!CanCarryOut(command, state_))
        return false;
    if (EntryOf(command.kind).pressKeys != nullptr)
        runInput([this, &command] { CarryOut(command, state_, lcd_, effects_); });
    return true;
}

void Gadget::answerAlarm() {
    runInput([this] { AnswerAlarm(state_, effects_); });
}

void Gadget::again() {
    runInput([this] {
        // Answered even when there is no countdown to start again.
        AnswerAlarm(state_, effects_);
        const Command again{Command::Kind::Again, {}};
        if (CanCarryOut(again, state_))
            CarryOut(again, state_, lcd_, effects_);
    });
}

void Gadget::alarmNoticeDismissed() {
    runInput([this] { AlarmNoticeDismissed(state_, effects_); });
}

void Gadget::soundOutcome(SoundOutcome sound) {
    if (state_.Ended)
        return;
    AlarmSoundOutcome(state_, effects_, sound);
    done();
}

void Gadget::mouseDown(int button) {
    if (!state_.Ended)
        Form_MouseDown(effects_, button);
}

void Gadget::tick() {
    if (state_.Ended)
        return;
    const int runFlag = state_.RunFlag;
    Timer1_Timer(state_, lcd_, effects_);
    // Only the end of a countdown changes a count's course without a key.
    if (state_.RunFlag != runFlag)
        keepCount();
    done();
}

void Gadget::shakeTick() {
    if (state_.Ended)
        return;
    Timer2_Timer(state_, effects_);
    done();
}

void Gadget::setWatcher(Watcher watcher) {
    watcher_ = std::move(watcher);
    watched_ = observed();
}

Observed Gadget::observed() const {
    return Observe(state_, lcd_);
}

std::string Gadget::status() const {
    return StatusLine(observed());
}

void Gadget::done() {
    if (listener_)
        listener_();
    if (!watcher_)
        return;
    Observed now = observed();
    const Properties changed = ChangedBetween(watched_, now);
    if (changed.none())
        return;
    watched_ = std::move(now);
    watcher_(watched_, changed);
}

} // namespace pomelo
