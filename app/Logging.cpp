#include "app/Logging.h"

Q_LOGGING_CATEGORY(lcSettings, "pomelo.settings")
Q_LOGGING_CATEGORY(lcWindow, "pomelo.window")
Q_LOGGING_CATEGORY(lcSound, "pomelo.sound")
