#include "app/Translation.h"

#include "app/log/Logging.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>

namespace pomelo {
namespace {

// Loads the first of the user's languages that `name` has a translation for,
// trying each language and then its base (de_AT, then de). The C locale and
// languages without one keep the texts as the program writes them.
void Load(QTranslator &translator, const QString &name, const QString &folder) {
    if (translator.load(QLocale(), name, QStringLiteral("_"), folder))
        qCDebug(lcTranslation) << "texts from" << translator.filePath();
}

} // namespace

Translation::Translation() {
    Load(qt_, QStringLiteral("qtbase"), QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    Load(pomelo_, QStringLiteral("pomelo"), QStringLiteral(":/i18n"));
}

void Translation::install() {
    // The last one installed is asked first: pomelo's own texts before Qt's.
    for (QTranslator *translator : {&qt_, &pomelo_}) {
        if (!translator->isEmpty())
            QCoreApplication::installTranslator(translator);
    }
}

} // namespace pomelo
