#pragma once

#include <QString>
#include <QStringList>

class QLocale;

namespace ladrix {

// The interface speaks simplified Chinese, the language its texts are written in, or English.
enum class Language { Chinese, English };

// The language the program starts in: `--lang en` or `--lang zh` among the command-line
// `arguments`, which are taken out of them; else the choice kept from the help menu (`stored`,
// "en" or "zh"); else English for a system locale in English; else Chinese.
Language startLanguage(QStringList& arguments, const QString& stored, const QLocale& system);

// The choice made in the help menu for the next start, kept per user: "en", "zh", or empty.
QString storedLanguage();
void storeLanguage(Language language);

// The language the help menu offers: the one the interface does not speak.
Language otherLanguage();
// Whether the help menu's choice makes the next start speak the other language.
bool otherLanguageChosen();

// From now on every text is looked up in `language`: English loads the program's translation;
// Chinese drops it and gives the toolkit's own dialogs their Chinese texts. False, and the texts
// stay Chinese, when the translation cannot be loaded.
bool setInterfaceLanguage(Language language);
Language interfaceLanguage();

// The help page `name` in the interface's language: "guide.html" is "guide_en.html" in English.
QString helpPage(const QString& name);

} // namespace ladrix
