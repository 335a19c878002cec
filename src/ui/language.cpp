#include "ui/language.h"

#include <QCoreApplication>
#include <QDebug>
#include <QLibraryInfo>
#include <QTranslator>

#include <memory>

#include "ui/declaration.h"

namespace tf {
namespace {

struct Installed {
  QString language = QStringLiteral("zh_CN");
  std::unique_ptr<QTranslator> program;
  std::unique_ptr<QTranslator> qt;
};

Installed& installed() {
  static Installed state;
  return state;
}

void remove(std::unique_ptr<QTranslator>& translator) {
  if (translator) QCoreApplication::removeTranslator(translator.get());
  translator.reset();
}

// Loads the file and installs it; false when it cannot be loaded.
bool install(std::unique_ptr<QTranslator>& slot, const QString& file, const QString& folder) {
  auto translator = std::make_unique<QTranslator>();
  if (!translator->load(file, folder)) {
    qWarning("The translation %s is missing in %s", qPrintable(file), qPrintable(folder));
    return false;
  }
  QCoreApplication::installTranslator(translator.get());
  slot = std::move(translator);
  return true;
}

}  // namespace

QString interfaceLanguage(const QLocale& locale) {
  const QStringList languages = locale.uiLanguages();
  const QString first = languages.isEmpty() ? locale.name() : languages.constFirst();
  const bool chinese = first.startsWith(QLatin1String("zh"), Qt::CaseInsensitive) &&
                       (first.size() == 2 || !first.at(2).isLetter());
  return chinese ? QStringLiteral("zh_CN") : QStringLiteral("en");
}

bool useLanguage(const QString& language) {
  Installed& state = installed();
  remove(state.program);
  remove(state.qt);
  state.language = language;
  bool complete = true;
  // The program's texts are Chinese; only other languages need a translation of them.
  if (language != QLatin1String("zh_CN"))
    complete =
        install(state.program, QStringLiteral("tessaform_") + language, QStringLiteral(":/i18n"));
  // Qt's own texts are English; other languages take Debian's translations of them.
  if (language != QLatin1String("en") &&
      !install(state.qt, QStringLiteral("qtbase_") + language,
               QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
    complete = false;
  return complete;
}

bool useSystemLanguage() { return useLanguage(interfaceLanguage(QLocale::system())); }

QString currentLanguage() { return installed().language; }

QString shownText(const QString& windowName, const QString& text) {
  if (text.isEmpty()) return text;
  return QCoreApplication::translate(windowName.toUtf8().constData(), text.toUtf8().constData());
}

bool needsTranslation(const QString& text) {
  for (const QChar c : text) {
    const char16_t u = c.unicode();
    // CJK punctuation and ideographs, compatibility ideographs, full-width forms
    if ((u >= 0x2e80 && u <= 0x9fff) || (u >= 0xf900 && u <= 0xfaff) ||
        (u >= 0xfe30 && u <= 0xfe4f) || (u >= 0xff00 && u <= 0xffef))
      return true;
  }
  return false;
}

QStringList translatableTexts(const FormDeclaration& declaration) {
  QStringList texts;
  const auto add = [&texts](const QString& text) {
    if (needsTranslation(text) && !texts.contains(text)) texts.append(text);
  };
  add(declaration.title);
  for (const ControlDeclaration& c : declaration.controls) {
    switch (c.kind) {
      case ControlKind::Label:
      case ControlKind::Button:
      case ControlKind::Check:
      case ControlKind::Edit: add(c.text); break;
      case ControlKind::Combo:
      case ControlKind::ComboList:
        for (const QString& item : c.items) add(item);
        break;
      case ControlKind::FileDialog: add(c.text.section(u'|', 0, 0)); break;
      case ControlKind::Memo:  // script boxes: their text is script, never translated
      case ControlKind::Progress:
      case ControlKind::Picture: break;
    }
  }
  return texts;
}

}  // namespace tf
