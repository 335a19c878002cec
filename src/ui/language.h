#pragma once
// The interface language: Simplified Chinese, the language the program's texts are written in,
// or English from the translation embedded in the program. Qt's own texts (message-box buttons,
// the file dialog, context menus) follow the same language.

#include <QLocale>
#include <QString>
#include <QStringList>

namespace tf {

struct FormDeclaration;

// "zh_CN" for a Chinese locale (any zh* language), "en" for every other one. The locale's
// interface languages count (LANGUAGE, LC_ALL, LC_MESSAGES and LANG for the system's), the
// first one deciding.
QString interfaceLanguage(const QLocale& locale);

// Installs the translations of that language ("zh_CN" or "en") for the program's texts and
// Qt's own, replacing those installed before; windows built afterwards show that language.
// Returns false, after installing what it found, when a translation is missing.
bool useLanguage(const QString& language);

// useLanguage() with the system's language; the program's start calls it.
bool useSystemLanguage();

// The language useLanguage() installed last ("zh_CN" before any call).
QString currentLanguage();

// A declared text as the window shows it: its translation in the window's context (the window
// name), or the text itself when it has none.
QString shownText(const QString& windowName, const QString& text);

// The declared texts of a window that a user reads and that therefore have a translation: the
// title, the captions of labels, buttons and check boxes, the combo boxes' items, the edit
// boxes' initial texts and the file dialogs' filter labels (the part before "|"). Texts without
// Chinese (ids, numbers, "Input", "Output", arrows) read the same in English and are left out.
QStringList translatableTexts(const FormDeclaration& declaration);

// Whether a text needs a translation to be read in English: it holds Chinese characters or
// punctuation.
bool needsTranslation(const QString& text);

}  // namespace tf
