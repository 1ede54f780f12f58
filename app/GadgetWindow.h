#pragma once

#include "app/DesktopEffects.h"
#include "app/Form1.h"
#include "app/SettingsFile.h"
#include "gadget/Gadget.h"

namespace pomelo {

// The gadget on the desktop: its window, the world it acts on, and the
// timer logic between them, started up and ready to be shown. What the user
// does with the alarm's notice, and what became of the alarm's sound, go to
// the gadget as the window's input does.
class GadgetWindow {
public:
    explicit GadgetWindow(SettingsFile settingsFile = SettingsFile(),
                          CountFile countFile = CountFile());

    Form1 &form() { return form_; }
    DesktopEffects &effects() { return effects_; }
    Gadget &gadget() { return gadget_; }

private:
    Form1 form_;
    DesktopEffects effects_;
    Gadget gadget_;
};

} // namespace pomelo
