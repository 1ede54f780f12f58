#include "app/GadgetWindow.h"

namespace pomelo {

GadgetWindow::GadgetWindow(SettingsFile settingsFile, CountFile countFile)
    : effects_(form_, std::move(settingsFile), std::move(countFile))
    , gadget_(effects_) {
    form_.drive(gadget_);
    gadget_.load();
}

} // namespace pomelo
