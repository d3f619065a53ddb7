#include "InterfaceLanguage.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QSettings>
#include <QTranslator>
#include <optional>

namespace ladrix {

namespace {

const QString kLanguageKey = QStringLiteral("Settings/Language");

std::optional<Language> languageNamed(const QString& name)
{
    const QString code = name.trimmed().toLower().left(2);
    if (code == u"en")
        return Language::English;
    if (code == u"zh")
        return Language::Chinese;
    return std::nullopt;
}

// The per-user store of the port setting: application LADRX20 under the classic root.
QSettings userSettings()
{
    return QSettings(QSettings::NativeFormat, QSettings::UserScope,
                     QStringLiteral("VB and VBA Program Settings"), QStringLiteral("LADRX20"));
}

struct Translators {
    QTranslator program;
    QTranslator toolkit;
    Language language = Language::Chinese;
};

Translators& translators()
{
    static Translators t;
    return t;
}

} // namespace

Language startLanguage(QStringList& arguments, const QString& stored, const QLocale& system)
{
    std::optional<Language> asked;
    for (qsizetype i = 0; i < arguments.size();) {
        const QString& arg = arguments.at(i);
        if (arg == u"--lang" && i + 1 < arguments.size()) {
            asked = languageNamed(arguments.at(i + 1));
            arguments.remove(i, 2);
        } else if (arg.startsWith(u"--lang=")) {
            asked = languageNamed(arg.mid(7));
            arguments.remove(i);
        } else {
            ++i;
        }
    }
    if (asked)
        return *asked;
    if (const std::optional<Language> kept = languageNamed(stored))
        return *kept;
    return system.language() == QLocale::English ? Language::English : Language::Chinese;
}

QString storedLanguage()
{
    return userSettings().value(kLanguageKey).toString();
}

void storeLanguage(Language language)
{
    userSettings().setValue(kLanguageKey, language == Language::English ? QStringLiteral("en")
                                                                        : QStringLiteral("zh"));
}

bool setInterfaceLanguage(Language language)
{
    Translators& t = translators();
    QCoreApplication::removeTranslator(&t.program);
    QCoreApplication::removeTranslator(&t.toolkit);
    t.language = Language::Chinese;
    if (language == Language::English) {
        if (!t.program.load(QStringLiteral(":/i18n/ladrix_en.qm")))
            return false;
        QCoreApplication::installTranslator(&t.program);
        t.language = Language::English;
        return true;
    }
    // The toolkit speaks English by itself; its Chinese texts come from its translations, when
    // they are installed.
    if (t.toolkit.load(QLocale(QLocale::Chinese, QLocale::China), QStringLiteral("qtbase"),
                       QStringLiteral("_"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(&t.toolkit);
    return true;
}

Language interfaceLanguage()
{
    return translators().language;
}

Language otherLanguage()
{
    return interfaceLanguage() == Language::English ? Language::Chinese : Language::English;
}

bool otherLanguageChosen()
{
    return languageNamed(storedLanguage()) == otherLanguage();
}

QString helpPage(const QString& name)
{
    if (interfaceLanguage() == Language::Chinese)
        return name;
    QString page = name;
    return page.insert(page.lastIndexOf(u'.'), QStringLiteral("_en"));
}

} // namespace ladrix
