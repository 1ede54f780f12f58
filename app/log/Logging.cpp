#include "app/log/Logging.h"

// Debug lines only when asked for: QT_LOGGING_RULES="pomelo.*.debug=true"
Q_LOGGING_CATEGORY(lcSettings, "pomelo.settings", QtInfoMsg)
Q_LOGGING_CATEGORY(lcCount, "pomelo.count", QtInfoMsg)
Q_LOGGING_CATEGORY(lcWindow, "pomelo.window", QtInfoMsg)
Q_LOGGING_CATEGORY(lcClock, "pomelo.clock", QtInfoMsg)
Q_LOGGING_CATEGORY(lcLock, "pomelo.lock", QtInfoMsg)
Q_LOGGING_CATEGORY(lcSound, "pomelo.sound", QtInfoMsg)
Q_LOGGING_CATEGORY(lcRemote, "pomelo.remote", QtInfoMsg)
Q_LOGGING_CATEGORY(lcNotice, "pomelo.notice", QtInfoMsg)
// Off unless asked for: QT_LOGGING_RULES="pomelo.display.debug=true"
Q_LOGGING_CATEGORY(lcDisplay, "pomelo.display", QtWarningMsg)
// Which translations were loaded; off unless asked for, since the command
// line's output goes to scripts too.
Q_LOGGING_CATEGORY(lcTranslation, "pomelo.translation", QtWarningMsg)
