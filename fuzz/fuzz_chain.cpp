// Joining a chain with any box texts, through the real windows: CraftingWindow and
// FurnaceWindow with arbitrary texts in every box (any characters, line breaks, zero
// characters, lone surrogates). Each box reads back what was typed, the line a button appends
// is exactly its fixed pieces and the box texts in order (a blank grid cell as null), the script
// box grows by exactly that line (its line breaks as a multi-line box holds them), and the export
// button adds exactly the script box's bytes to ExportBuffer.

#include <QAbstractButton>
#include <QApplication>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <fuzzer/FuzzedDataProvider.h>
#include <memory>
#include <vector>

#include "forms/model.h"
#include "fuzz_check.h"
#include "ui/fakeplatform.h"
#include "ui/formwindow.h"
#include "ui/registry.h"

using namespace tf;

namespace {

FakePlatform* fake = nullptr;
FormWindow* crafting = nullptr;
FormWindow* furnace = nullptr;

QString textFrom(FuzzedDataProvider& in) {
  const bool utf16 = in.ConsumeBool();
  const std::string bytes = in.ConsumeRandomLengthString(96);
  if (utf16)
    return QString(reinterpret_cast<const QChar*>(bytes.data()), qsizetype(bytes.size() / 2));
  return QString::fromUtf8(bytes.data(), qsizetype(bytes.size()));
}

// A multi-line box holds lines: every line break (CR LF, a lone CR or LF, a paragraph
// separator) reads back as CR LF.
QString asBoxHoldsIt(QString text) {
  text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  for (const char16_t lineBreak : {u'\r', u'\u2029', u'\uFDD0', u'\uFDD1'})
    text.replace(QChar(lineBreak), QChar(u'\n'));
  return toCrLf(text);
}

// Shows two texts that should be equal, code unit by code unit, before a property fails.
bool same(const QString& got, const QString& expected) {
  if (got == expected) return true;
  std::fprintf(stderr, "got:     ");
  for (const QChar c : got) std::fprintf(stderr, " %04x", c.unicode());
  std::fprintf(stderr, "\nexpected:");
  for (const QChar c : expected) std::fprintf(stderr, " %04x", c.unicode());
  std::fprintf(stderr, "\n");
  return false;
}

void type(FormWindow& f, const QString& box, const QString& text) {
  f.setText(box, text);
  FUZZ_CHECK(same(f.text(box), text));
}

void click(FormWindow& f, const QString& button) {
  static_cast<QAbstractButton*>(f.control(button))->click();
}

// Presses button with arbitrary texts in boxes; the combo box gets one of its items or any text.
// Returns what was typed, by box.
QHash<QString, QString> typeAll(FuzzedDataProvider& in, FormWindow& f, const QStringList& boxes) {
  QHash<QString, QString> typed;
  for (const QString& box : boxes) {
    typed.insert(box, textFrom(in));
    type(f, box, typed.value(box));
  }
  const QStringList items = f.controlDeclaration(QStringLiteral("组合框1")).items;
  const int pick = in.ConsumeIntegralInRange<int>(0, int(items.size()));
  const QString mode = pick < items.size() ? items.at(pick) : textFrom(in);
  f.setText(QStringLiteral("组合框1"), mode);
  FUZZ_CHECK(same(f.text(QStringLiteral("组合框1")), mode));
  typed.insert(QStringLiteral("组合框1"), mode);
  return typed;
}

// What the button appends for the typed texts; the random number is the recipe's suffix.
QString craftingLine(int action, const QHash<QString, QString>& t, qint64 random) {
  const QString mode = t.value(QStringLiteral("组合框1"));
  if (action == 0) {
    if (mode == QStringLiteral("移除这个物品的所有合成方式"))
      return "recipes.remove(<" + t.value("编辑框2") + ">,false);\r\n";
    if (mode == QStringLiteral("删除一个无序合成"))
      return "recipes.removeShapeless(<" + t.value("编辑框2") + ">,<" + t.value("编辑框3") +
             ">,false);\r\n";
    if (mode == QStringLiteral("删除一个有序合成"))
      return "recipes.removeShaped(<" + t.value("编辑框2") + ">,<" + t.value("编辑框3") + ">);\r\n";
    return {};
  }
  // A grid cell with nothing but blanks in it is written as null: "[a,,b]" never parses.
  const auto cell = [&t](const char* name) {
    const QString typed = t.value(QString::fromUtf8(name));
    for (const QChar c : typed)
      if (!c.isSpace()) return typed;
    return QStringLiteral("null");
  };
  return "recipes.addShaped('CTa" + t.value("编辑框4") + QString::number(random) + "',<" +
         t.value("编辑框13") + ">*" + t.value("编辑框5") + ",[[" + cell("a") + "," + cell("b") +
         "," + cell("c") + "],[" + cell("d") + "," + cell("e") + "," + cell("f") + "],[" +
         cell("g") + "," + cell("h") + "," + cell("i") + "]]);\r\n";
}

QString furnaceLine(int action, const QHash<QString, QString>& t) {
  const QString mode = t.value(QStringLiteral("组合框1"));
  if (action == 0) {
    if (mode == QStringLiteral("删除所有Output的熔炉配方"))
      return "furnace.remove(<" + t.value("编辑框3") + ">);\r\n";
    if (mode == QStringLiteral("删除所有以input为输入的output配方"))
      return "furnace.remove(<" + t.value("编辑框3") + ">,<" + t.value("编辑框1") + ">);\r\n";
    return {};
  }
  if (action == 1)
    return "furnace.addRecipe(<" + t.value("编辑框4") + ">,<" + t.value("编辑框5") + ">," +
           t.value("编辑框6") + ");\r\n";
  return "furnace.setFuel(<" + t.value("编辑框7") + ">," + t.value("编辑框8") + ");\r\n";
}

void checkExport(FormWindow& f, const QString& scriptBox, const QString& exportButton) {
  const QByteArray before = values().exportBuffer;
  click(f, exportButton);
  FUZZ_CHECK(values().exportBuffer == before + toBytes(f.text(scriptBox)));
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  static int argc = 1;
  static char name[] = "fuzz_chain";
  static char* argv[] = {name, nullptr};
  new QApplication(argc, argv);
  fake = new FakePlatform;
  setPlatform(fake);
  crafting = buildWindow(QStringLiteral("CraftingWindow")).release();
  furnace = buildWindow(QStringLiteral("FurnaceWindow")).release();
  crafting->show();
  furnace->show();
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  FuzzedDataProvider in(data, size);
  const bool onCrafting = in.ConsumeBool();
  FormWindow& f = onCrafting ? *crafting : *furnace;
  const QString scriptBox = onCrafting ? QStringLiteral("编辑框1") : QStringLiteral("编辑框2");

  const QString start = textFrom(in);
  f.setText(scriptBox, start);
  const QString before = f.text(scriptBox);
  FUZZ_CHECK(same(before, asBoxHoldsIt(start)));

  QString line;
  if (onCrafting) {
    const int action = in.ConsumeIntegralInRange<int>(0, 1);
    const qint64 random = in.ConsumeIntegralInRange<qint64>(1, 2147483647);
    const auto typed = typeAll(in, f,
                               {"编辑框2", "编辑框3", "编辑框4", "编辑框13", "编辑框5", "a", "b",
                                "c", "d", "e", "f", "g", "h", "i"});
    fake->randoms = {random};
    click(f, action == 0 ? QStringLiteral("移除一个配方") : QStringLiteral("添加一个配方1"));
    line = craftingLine(action, typed, random);
    FUZZ_CHECK(f.text(QStringLiteral("编辑框4")) == typed.value(QStringLiteral("编辑框4")));
  } else {
    const int action = in.ConsumeIntegralInRange<int>(0, 2);
    const auto typed = typeAll(
        in, f, {"编辑框3", "编辑框1", "编辑框4", "编辑框5", "编辑框6", "编辑框7", "编辑框8"});
    static const char* const buttons[] = {"修改工作台配方", "修改工作台配方1", "修改工作台配方2"};
    click(f, QString::fromUtf8(buttons[action]));
    line = furnaceLine(action, typed);
  }
  FUZZ_CHECK(same(f.text(scriptBox), before + asBoxHoldsIt(line)));

  if (in.ConsumeBool()) {
    checkExport(f, scriptBox, QStringLiteral("添加一个配方2"));
    values().exportBuffer.clear();
  }
  return 0;
}
