#include "core/Language.h"

#include <QCoreApplication>
#include <QLocale>
#include <QTranslator>

namespace kettwerk {
namespace {

Language languageFor(const QByteArray& requested)
{
    const QByteArray code = requested.trimmed().toLower();
    if (code.startsWith("de"))
        return Language::German;
    if (code.startsWith("en"))
        return Language::English;
    return QLocale::system().language() == QLocale::German ? Language::German : Language::English;
}

} // namespace

Language userLanguage()
{
    return languageFor(qgetenv("KETTWERK_LANG"));
}

bool installTranslation(Language language)
{
    if (language == Language::German)
        return true;
    // Built into the program, so that an unpacked or installed copy finds it
    // wherever it lies.
    auto* translator = new QTranslator(QCoreApplication::instance());
    if (!translator->load(QStringLiteral(":/translations/kettwerk_en.qm"))) {
        delete translator;
        return false;
    }
    return QCoreApplication::installTranslator(translator);
}

} // namespace kettwerk
