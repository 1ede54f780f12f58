#include "app/GadgetWindow.h"

namespace pomelo {

GadgetWindow::GadgetWindow(SettingsFile settingsFile)
    : effects_(form_, std::move(settingsFile))
    , gadget_(effects_) {
    form_.drive(gadget_);
    gadget_.load();
}

} // namespace pomelo
