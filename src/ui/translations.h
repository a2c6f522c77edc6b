#pragma once
// The window's language: the first of the system's preferred languages
// that Ludowell has a translation for, else English.
#include <QLocale>
#include <QString>

namespace ludowell::ui {

// The languages shipped, as their files name them ("de", "pt_BR", ...).
QStringList shippedLanguages();

// Replaces the installed translation with the one `locale` prefers (its
// uiLanguages in order), or English. False when none could be loaded.
bool useLanguage(const QLocale& locale);
// A translation file of its own, such as the generated pseudo-language.
bool useTranslationFile(const QString& path);
// The system's language, in two steps: before the window only when it is
// not English, whose file holds nothing but plural forms, none of them in
// the first frame (a translator installed early costs that frame time);
// otherwise once the first frame is up.
void useSystemLanguage(bool beforeFirstFrame);

}  // namespace ludowell::ui
