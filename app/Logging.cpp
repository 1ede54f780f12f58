#include "app/Logging.h"

Q_LOGGING_CATEGORY(lcSettings, "pomelo.settings")
Q_LOGGING_CATEGORY(lcCount, "pomelo.count")
Q_LOGGING_CATEGORY(lcWindow, "pomelo.window")
Q_LOGGING_CATEGORY(lcSound, "pomelo.sound")
Q_LOGGING_CATEGORY(lcRemote, "pomelo.remote")
Q_LOGGING_CATEGORY(lcNotice, "pomelo.notice")
// Off unless asked for: QT_LOGGING_RULES="pomelo.display.debug=true"
Q_LOGGING_CATEGORY(lcDisplay, "pomelo.display", QtWarningMsg)
// Which translations were loaded; off unless asked for, since the command
// line's output goes to scripts too.
Q_LOGGING_CATEGORY(lcTranslation, "pomelo.translation", QtWarningMsg)
