#include "gadget/Gadget.h"

#include "form/FormEvents.h"
#include "remote/Status.h"
#include "timer/Alarm.h"
#include "timer/Tick.h"

namespace pomelo {

Gadget::Gadget(Effects &effects)
    : effects_(effects) {}

void Gadget::load() {
    Form_Load(state_, lcd_, effects_);
    done();
}

template <typename Action> void Gadget::runInput(Action action) {
    if (state_.Ended)
        return;
    action();
    WakeTick(state_, effects_);
    done();
}

void Gadget::press(Key key) {
    runInput([this, key] { KeyOf(key).click(state_, lcd_, effects_); });
}

void Gadget::carryOut(const Command &command) {
    runInput([this, &command] { CarryOut(command, state_, lcd_, effects_); });
}

void Gadget::mouseDown(int button) {
    if (!state_.Ended)
        Form_MouseDown(effects_, button);
}

void Gadget::tick() {
    if (state_.Ended)
        return;
    Timer1_Timer(state_, lcd_, effects_);
    done();
}

void Gadget::shakeTick() {
    if (state_.Ended)
        return;
    Timer2_Timer(state_, effects_);
    done();
}

std::string Gadget::status() const {
    return StatusLine(state_, lcd_);
}

void Gadget::done() {
    if (listener_)
        listener_();
}

} // namespace pomelo
