#include "app/GadgetWindow.h"

namespace pomelo {

GadgetWindow::GadgetWindow(SettingsFile settingsFile, CountFile countFile)
    : effects_(form_, std::move(settingsFile), std::move(countFile))
    , gadget_(effects_)
    , form_(gadget_) {
    DesktopNotice &notice = effects_.alarmNotice();
    QObject::connect(&notice, &DesktopNotice::stopChosen, &form_,
                     [this] { gadget_.answerAlarm(); });
    QObject::connect(&notice, &DesktopNotice::againChosen, &form_, [this] { gadget_.again(); });
    QObject::connect(&notice, &DesktopNotice::dismissed, &form_,
                     [this] { gadget_.alarmNoticeDismissed(); });
    QObject::connect(&effects_.alarmSound(), &AlarmSound::outcome, &form_,
                     [this](SoundOutcome sound) { gadget_.soundOutcome(sound); });
    gadget_.load();
}

} // namespace pomelo
