// The interface language: chosen from the locale, Qt's own texts in the same language, every
// text a window shows translated in English, and the same script bytes written in either
// language.

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QProcess>
#include <QRegularExpression>
#include <QTest>
#include <QXmlStreamReader>

#include "forms/listfile.h"
#include "forms/values.h"
#include "support/harness.h"
#include "ui/language.h"

using namespace tf;

namespace {

// Chinese text: the characters that make a text need a translation.
bool hasChinese(const QString& text) { return needsTranslation(text); }

// Every text the window shows a user, with where it is shown.
QList<QPair<QString, QString>> shownTexts(const FormWindow& f) {
  QList<QPair<QString, QString>> texts{{QStringLiteral("title"), f.windowTitle()}};
  for (QWidget* w : f.findChildren<QWidget*>()) {
    const QString where = w->objectName();
    if (!w->toolTip().isEmpty()) texts.append({where + QStringLiteral(" tooltip"), w->toolTip()});
    if (auto* l = qobject_cast<QLabel*>(w)) texts.append({where, l->text()});
    if (auto* b = qobject_cast<QAbstractButton*>(w)) texts.append({where, b->text()});
    if (auto* e = qobject_cast<QLineEdit*>(w)) texts.append({where, e->text()});
    if (auto* m = qobject_cast<QPlainTextEdit*>(w)) texts.append({where, m->toPlainText()});
    if (auto* cb = qobject_cast<QComboBox*>(w))
      for (int i = 0; i < cb->count(); ++i) texts.append({where, cb->itemText(i)});
  }
  return texts;
}

// A message without the paths it names (the list file's name is Chinese in every language).
QString withoutPaths(QString text) { return text.remove(listFilePath()); }

QStringList tsFiles() {
  return QDir(QStringLiteral(TESSAFORM_SOURCE_DIR "/translations"))
      .entryList({QStringLiteral("tessaform_*.ts")}, QDir::Files);
}

// What a button's press leaves behind: the window's boxes as the handle reads them, the
// program-wide values and every file written (the test's folder written as "<dir>"). A
// multi-line box declared with Chinese text is a hint to read, and a report box the program's
// account to the user: both are in the user's language.
QStringList snapshot(FormWindow& f, const QString& folder) {
  QStringList s;
  for (const ControlDeclaration& c : f.declaration().controls) {
    const bool hint =
        c.kind == ControlKind::Memo && (needsTranslation(c.text) || (c.options & kReport) != 0);
    if ((c.kind == ControlKind::Edit || c.kind == ControlKind::Memo ||
         c.kind == ControlKind::Combo || c.kind == ControlKind::ComboList) &&
        !hint)
      s << c.name + u'=' + f.text(c.name);
  }
  const ProgramValues& v = values();
  s << QString::fromLatin1(v.exportBuffer.toHex())
    << QStringList{v.mekanismScript,       v.lastExportPath,   v.batchList,
                   v.batchCount,           v.fusionResultLine, v.fusionCatalystLine,
                   v.fusionEnergyLine,     v.fusionTierLine,   v.fusionMiddleIngredients,
                   v.fusionLastIngredient, v.treeName,         v.treeQuote,
                   v.treePrefix,           v.armorGroupVar,    v.armorEntityVar}
           .join(u'\x1f');
  for (const QString& name : QDir(folder).entryList(QDir::Files, QDir::Name)) {
    QFile file(QDir(folder).filePath(name));
    if (file.open(QIODevice::ReadOnly))
      s << name + u'=' + QString::fromLatin1(file.readAll().toHex());
  }
  s.replaceInStrings(folder, QStringLiteral("<dir>"));
  return s;
}

// The presses of one button in a fresh window: once for each item of the longest drop-down
// (every drop-down on its item of that number, check boxes on every other turn), with typed
// ids in the empty edit boxes and the other boxes as they open.
QStringList pressesIn(const QString& language, const QString& window, const QString& button,
                      QStringList* messages) {
  useLanguage(language);
  test::Harness h;
  // A typed file name is relative to the working folder: the test's own.
  const QString workingFolder = QDir::currentPath();
  QDir::setCurrent(h.dir.path());
  for (int i = 0; i < 8; ++i) h.fake.fileAnswers << h.path(QStringLiteral("out.zs"));
  values().exportBuffer = "exported\r\n";
  std::unique_ptr<FormWindow> f = test::open(window);
  int turns = 2;
  for (const ControlDeclaration& c : f->declaration().controls) {
    if (c.kind == ControlKind::Edit && c.text.isEmpty())
      test::type(*f, c.name, QStringLiteral("mod:") + c.name);
    if (c.kind == ControlKind::Combo || c.kind == ControlKind::ComboList)
      turns = std::max(turns, int(c.items.size()));
  }
  QStringList presses;
  for (int turn = 0; turn < turns; ++turn) {
    for (const ControlDeclaration& c : f->declaration().controls) {
      if ((c.kind == ControlKind::Combo || c.kind == ControlKind::ComboList) && !c.items.isEmpty())
        qobject_cast<QComboBox*>(f->control(c.name))->setCurrentIndex(turn % c.items.size());
      if (c.kind == ControlKind::Check) f->setChecked(c.name, turn % 2 == 1);
    }
    qobject_cast<QAbstractButton*>(f->control(button))->click();
    QCoreApplication::processEvents();
    presses << snapshot(*f, h.dir.path());
  }
  // What the test typed may come back in a message ("no folder mod:编辑框1"); it is the user's
  // text, not the program's.
  for (const FakePlatform::Message& m : h.fake.messages) {
    QString text = withoutPaths(m.text);
    for (const ControlDeclaration& c : f->declaration().controls)
      if (c.kind == ControlKind::Edit && c.text.isEmpty())
        text.remove(QStringLiteral("mod:") + c.name);
    *messages << withoutPaths(m.title) << text;
  }
  *messages << h.fake.filters;
  f.reset();
  QDir::setCurrent(workingFolder);
  return presses;
}

}  // namespace

class Language : public QObject {
  Q_OBJECT

 private slots:
  void cleanup() { useLanguage(QStringLiteral("zh_CN")); }

  void chosenFromLocale_data() {
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("language");
    QTest::newRow("zh_CN") << "zh_CN"
                           << "zh_CN";
    QTest::newRow("zh_TW") << "zh_TW"
                           << "zh_CN";
    QTest::newRow("zh_HK") << "zh_HK"
                           << "zh_CN";
    QTest::newRow("en_US") << "en_US"
                           << "en";
    QTest::newRow("de_DE") << "de_DE"
                           << "en";
    QTest::newRow("zu_ZA") << "zu_ZA"
                           << "en";
    QTest::newRow("C") << "C"
                       << "en";
  }

  void chosenFromLocale() {
    QFETCH(QString, locale);
    QFETCH(QString, language);
    QCOMPARE(interfaceLanguage(QLocale(locale)), language);
  }

  // The system's locale as the environment sets it, seen by a fresh process (this test program
  // again, running systemLanguageOfThisProcess).
  void chosenFromEnvironment_data() {
    QTest::addColumn<QStringList>("environment");
    QTest::addColumn<QString>("language");
    QTest::newRow("LANG Chinese") << QStringList{"LANG=zh_CN.UTF-8"} << "zh_CN";
    QTest::newRow("LANG English") << QStringList{"LANG=en_US.UTF-8"} << "en";
    QTest::newRow("LANG German") << QStringList{"LANG=de_DE.UTF-8"} << "en";
    QTest::newRow("LANG C") << QStringList{"LANG=C"} << "en";
    QTest::newRow("LC_ALL over LANG")
        << QStringList{"LANG=en_US.UTF-8", "LC_ALL=zh_TW.UTF-8"} << "zh_CN";
    QTest::newRow("LC_ALL English over LANG")
        << QStringList{"LANG=zh_CN.UTF-8", "LC_ALL=en_GB.UTF-8"} << "en";
    QTest::newRow("LANGUAGE over LANG")
        << QStringList{"LANG=zh_CN.UTF-8", "LANGUAGE=de:en"} << "en";
    QTest::newRow("LANGUAGE Chinese")
        << QStringList{"LANG=en_US.UTF-8", "LANGUAGE=zh_CN:en"} << "zh_CN";
  }

  void chosenFromEnvironment() {
    QFETCH(QStringList, environment);
    QFETCH(QString, language);
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"LANG", "LC_ALL", "LC_MESSAGES", "LANGUAGE"})
      env.remove(QString::fromLatin1(name));
    for (const QString& pair : environment)
      env.insert(pair.section(u'=', 0, 0), pair.section(u'=', 1));
    env.insert(QStringLiteral("TESSAFORM_EXPECTED_LANGUAGE"), language);
    QProcess child;
    child.setProcessEnvironment(env);
    child.start(QCoreApplication::applicationFilePath(),
                {QStringLiteral("systemLanguageOfThisProcess")});
    QVERIFY(child.waitForFinished(60000));
    QVERIFY2(child.exitStatus() == QProcess::NormalExit && child.exitCode() == 0,
             child.readAllStandardOutput().constData());
  }

  // Run by chosenFromEnvironment in a child process; alone it has nothing to compare.
  void systemLanguageOfThisProcess() {
    const QString expected = qEnvironmentVariable("TESSAFORM_EXPECTED_LANGUAGE");
    if (expected.isEmpty()) QSKIP("run by chosenFromEnvironment");
    QCOMPARE(interfaceLanguage(QLocale::system()), expected);
  }

  // Qt's own texts follow the interface language: the message-box buttons, the edit boxes'
  // context menu.
  void qtTextsFollowTheLanguage_data() {
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("ok");
    QTest::addColumn<QString>("cancel");
    QTest::addColumn<bool>("chineseMenu");
    QTest::newRow("Chinese") << "zh_CN"
                             << "确定"
                             << "取消" << true;
    QTest::newRow("English") << "en"
                             << "OK"
                             << "Cancel" << false;
  }

  void qtTextsFollowTheLanguage() {
    QFETCH(QString, language);
    QFETCH(QString, ok);
    QFETCH(QString, cancel);
    QFETCH(bool, chineseMenu);
    QVERIFY2(useLanguage(language), "a translation is missing (qt6-translations-l10n?)");
    QCOMPARE(currentLanguage(), language);
    QMessageBox box;
    box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel);
    QCOMPARE(box.button(QMessageBox::Ok)->text().remove(u'&'), ok);
    QCOMPARE(box.button(QMessageBox::Cancel)->text().remove(u'&'), cancel);
    QLineEdit edit;
    std::unique_ptr<QMenu> menu(edit.createStandardContextMenu());
    QStringList entries;
    for (QAction* a : menu->actions())
      if (!a->isSeparator()) entries << a->text();
    QVERIFY(!entries.isEmpty());
    for (const QString& entry : entries) QCOMPARE(hasChinese(entry), chineseMenu);
    // Qt's own file dialog (the one the program shows where the desktop has none of its own).
    for (const char* text : {"Look in:", "File &name:", "Files of type:"})
      QCOMPARE(hasChinese(QCoreApplication::translate("QFileDialog", text)), chineseMenu);
  }

  void everyWindowInEnglish_data() {
    QTest::addColumn<QString>("window");
    for (const QString& name : registeredWindows()) QTest::newRow(qPrintable(name)) << name;
  }

  // Every text a window shows in English has no Chinese left, and every declared text that a
  // user reads has its own translation (controls outside the window's area included).
  void everyWindowInEnglish() {
    QFETCH(QString, window);
    QVERIFY(useLanguage(QStringLiteral("en")));
    test::Harness h;
    std::unique_ptr<FormWindow> f = test::open(window);
    for (const auto& [where, text] : shownTexts(*f))
      QVERIFY2(!hasChinese(text), qPrintable(where + QStringLiteral(": ") + text));
    for (const QString& text : translatableTexts(f->declaration())) {
      const QString shown = shownText(window, text);
      QVERIFY2(shown != text && !shown.trimmed().isEmpty() && !hasChinese(shown),
               qPrintable(QStringLiteral("no English for ") + text));
    }
    for (const FakePlatform::Message& m : h.fake.messages)
      QVERIFY2(!hasChinese(m.title + m.text), qPrintable(m.text));
  }

  // What is shown is translated; what the handle reads and writes stays as declared.
  void handleKeepsDeclaredTexts_data() {
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("declared");
    QTest::addColumn<QString>("shown");
    QTest::newRow("edit box's initial text") << "CraftingWindow"
                                             << "编辑框13"
                                             << "必填"
                                             << "required";
    QTest::newRow("editable combo") << "FurnaceWindow"
                                    << "组合框1"
                                    << "删除所有Output的熔炉配方"
                                    << "Remove all recipes of Output";
    QTest::newRow("drop-down list") << "FusionRecipeWindow"
                                    << "组合框2"
                                    << "结尾"
                                    << "Last";
  }

  void handleKeepsDeclaredTexts() {
    QFETCH(QString, window);
    QFETCH(QString, box);
    QFETCH(QString, declared);
    QFETCH(QString, shown);
    QVERIFY(useLanguage(QStringLiteral("en")));
    test::Harness h;
    std::unique_ptr<FormWindow> f = test::open(window);
    QWidget* w = f->control(box);
    const auto showing = [w] {
      if (auto* e = qobject_cast<QLineEdit*>(w)) return e->text();
      return qobject_cast<QComboBox*>(w)->currentText();
    };
    if (qobject_cast<QComboBox*>(w)) f->setText(box, declared);
    QCOMPARE(showing(), shown);
    QCOMPARE(f->text(box), declared);
    if (auto* e = qobject_cast<QLineEdit*>(w)) {
      f->append(box, QStringLiteral("1"));
      QCOMPARE(f->text(box), declared + u'1');
      // Typed by the user, the translation is the user's text.
      e->clear();
      QTest::keyClicks(e, shown);
      QCOMPARE(f->text(box), shown);
    }
  }

  // The file dialogs' filters: the label translated, the pattern as declared.
  void fileDialogFiltersInEnglish() {
    QVERIFY(useLanguage(QStringLiteral("en")));
    int dialogs = 0;
    for (const QString& window : registeredWindows()) {
      test::Harness h;
      std::unique_ptr<FormWindow> f = test::open(window);
      for (const ControlDeclaration& c : f->declaration().controls) {
        if (c.kind != ControlKind::FileDialog) continue;
        ++dialogs;
        f->chooseFile(c.name);
        const QString filter = h.fake.filters.constLast();
        QVERIFY2(!hasChinese(filter), qPrintable(filter));
        QCOMPARE(filter.section(u'|', 1), c.text.trimmed().section(u'|', 1));
      }
    }
    QVERIFY(dialogs > 0);
  }

  // Each translation is finished and keeps the placeholders of its source text.
  void translationsComplete() {
    QVERIFY(!tsFiles().isEmpty());
    static const QRegularExpression placeholder(QStringLiteral("%\\d+"));
    for (const QString& name : tsFiles()) {
      QFile file(QStringLiteral(TESSAFORM_SOURCE_DIR "/translations/") + name);
      QVERIFY(file.open(QIODevice::ReadOnly));
      QXmlStreamReader xml(&file);
      QString context, source;
      int messages = 0;
      while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement) continue;
        if (xml.name() == QLatin1String("name")) context = xml.readElementText();
        if (xml.name() == QLatin1String("source"))
          source = xml.readElementText(QXmlStreamReader::IncludeChildElements);
        if (xml.name() != QLatin1String("translation")) continue;
        ++messages;
        const QString where = name + u' ' + context + u' ' + source;
        const QStringView type = xml.attributes().value(QLatin1String("type"));
        QVERIFY2(type.isEmpty(), qPrintable(where + QStringLiteral(" is ") + type.toString()));
        const QString translation = xml.readElementText(QXmlStreamReader::IncludeChildElements);
        QVERIFY2(!translation.trimmed().isEmpty(), qPrintable(where));
        QStringList wanted, found;
        for (const auto& m : placeholder.globalMatch(source)) wanted << m.captured();
        for (const auto& m : placeholder.globalMatch(translation)) found << m.captured();
        wanted.sort();
        found.sort();
        QVERIFY2(wanted == found, qPrintable(where));
      }
      QVERIFY2(!xml.hasError(), qPrintable(xml.errorString()));
      QVERIFY(messages > 0);
    }
  }

  void sameBytesInBothLanguages_data() {
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("button");
    for (const QString& window : registeredWindows())
      for (const ControlDeclaration& c : windowDeclaration(window)->controls)
        if (c.kind == ControlKind::Button && !c.text.isEmpty())
          QTest::newRow(qPrintable(window + u' ' + c.name)) << window << c.name;
  }

  // The same presses with the same inputs leave the same boxes, values and files in Chinese
  // and in English; the English messages on the way have no Chinese left.
  void sameBytesInBothLanguages() {
    QFETCH(QString, window);
    QFETCH(QString, button);
    QStringList chineseMessages, englishMessages;
    const QStringList chinese =
        pressesIn(QStringLiteral("zh_CN"), window, button, &chineseMessages);
    const QStringList english = pressesIn(QStringLiteral("en"), window, button, &englishMessages);
    QCOMPARE(english, chinese);
    QCOMPARE(englishMessages.size(), chineseMessages.size());
    for (const QString& text : englishMessages) QVERIFY2(!hasChinese(text), qPrintable(text));
  }
};

QTEST_MAIN(Language)
#include "test_language.moc"
