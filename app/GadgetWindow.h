#pragma once

#include "app/desktop/CountFile.h"
#include "app/desktop/DesktopEffects.h"
#include "app/desktop/SettingsFile.h"
#include "app/window/Form1.h"
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
    // The effects act on the window, the gadget through the effects, and the
    // window drives the gadget: the effects, made first, only keep the window
    // until load() has the gadget act.
    DesktopEffects effects_;
    Gadget gadget_;
    Form1 form_;
};

} // namespace pomelo
