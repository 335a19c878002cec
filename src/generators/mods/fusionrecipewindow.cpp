// FusionRecipeWindow: fusion-crafting recipes written as the JSON file the mod reads from its
// configuration folder. The part buttons keep ready-made JSON lines in program-wide values; the
// record buttons join them into one record of a JSON array in the JSON box, and the export
// closes the array and hands the box to JsonExportWindow.

#include <QCoreApplication>

#include "export/handover.h"
#include "forms/text.h"
#include "forms/values.h"
#include "ui/formwindow.h"
#include "ui/platform.h"
#include "ui/registry.h"

namespace tf {
namespace {

const FormDeclaration& fusionForm() {
  static const FormDeclaration declaration{
      "FusionRecipeWindow",
      "龙之研究",
      603,
      682,
      {
          label("标签8", "这里所有的物品id要添加引号（minecraft:ice变为\"minecraft:ice\"）", 16, 8,
                528, 48),
          label("标签1", "添加合成原料（至多10个！）", 16, 56, 160, 32),
          edit("编辑框1", "", 168, 56, 168, 32).takes(kIdItem, IdForm::Plain),
          button("修改工作台配方12", "添加中间", 352, 56, 96, 40),
          button("修改工作台配方5", "添加结尾", 496, 56, 96, 40),
          label("标签6", "最后一个合成原料点这个↑", 456, 104, 144, 40),
          label("标签2", "添加合成导入（至多1个！）", 16, 104, 160, 32),
          edit("编辑框2", "", 168, 104, 168, 32).takes(kIdItem, IdForm::Plain),
          button("修改工作台配方1", "添加", 352, 104, 96, 40),
          label("标签3", "添加合成导出（至多1个！）", 16, 160, 160, 32),
          edit("编辑框3", "", 168, 160, 168, 32).takes(kIdItem, IdForm::Plain),
          button("修改工作台配方2", "添加", 352, 160, 96, 40),
          label("标签4", "添加合成能量需求（RF）", 8, 216, 160, 32),
          edit("编辑框4", "2130131", 168, 216, 168, 32),
          button("修改工作台配方3", "添加", 352, 216, 96, 40),
          label("标签5", "合成等级", 16, 272, 160, 32),
          comboList("组合框1", {"\"tier\": 1,", "\"tier\": 2,", "\"tier\": 3,", "\"tier\": 4,"},
                    168, 288, 168, 20),
          label("标签7", "1为基础，2为飞龙，3为神龙，4为混沌\r\n", 8, 320, 528, 48),
          button("修改工作台配方4", "添加一个新合成", 352, 368, 96, 40),
          button("修改工作台配方6", "删除配方", 480, 368, 96, 40),
          label("标签9", "模式（必选）(结尾只能有一个！)", 8, 376, 184, 32),
          comboList("组合框2", {"中间", "结尾"}, 208, 376, 128, 20),
          button("修改工作台配方8", "完成并导出为json文件(.minecraft\\config\\quillmere)", 8, 432,
                 256, 40),
          memo("编辑框5", "", 0, 480, 584, 168, kScrollV),
          // Template pieces, out of sight beyond the right edge.
          edit("导入头部", "        \"catalyst\":\"", 704, 40, 56, 32),
          edit("导入尾部", "\",", 704, 88, 56, 32),
          edit("输出头部", "        \"result\":\"", 720, 152, 96, 32),
          edit("输出尾部", "\",", 720, 192, 96, 32),
          edit("添加", "        \"mode\": \"ADD\",", 712, 256, 80, 32),
          edit("移除", "        \"mode\": \"REMOVE\",", 720, 296, 80, 32),
          edit("能量", "        \"energy\":", 696, 336, 80, 32),
          edit("材料", "        \"ingredients\": [", 704, 392, 80, 32),
          edit("材料头部", "            \"", 680, 432, 80, 32),
          edit("材料尾部", "\"", 712, 480, 80, 32),
      },
      "编辑框5"};
  return declaration;
}

const char* const kJsonBox = "编辑框5";

// How a record ends by its place in the array: a middle record is followed by a comma (and the
// next record on the same line), the end record by a line break. Empty: no place chosen.
QString recordEnding(const QString& place) {
  if (place == QStringLiteral("中间")) return QStringLiteral("        ]\r\n    },");
  if (place == QStringLiteral("结尾")) return QStringLiteral("        ]\r\n    }\r\n");
  return QString();
}

// All records of the box belong to one array, opened before the first of them.
bool holdsNoRecord(const FormWindow& f) { return f.text(kJsonBox).trimmed().isEmpty(); }

// Appends one record: the brace, the given lines, the ingredients and the chosen ending. The
// ingredients then belong to that record, and the next recipe starts without any.
void appendRecord(FormWindow& f, const QStringList& lines) {
  const QString ending = recordEnding(f.text("组合框2"));
  if (ending.isEmpty()) return;
  ProgramValues& v = values();
  QString record = holdsNoRecord(f) ? QStringLiteral("[\r\n") : QString();
  record += QStringLiteral("    {\r\n");
  for (const QString& line : lines) record += line + "\r\n";
  record += f.text("材料") + "\r\n" + v.fusionMiddleIngredients + v.fusionLastIngredient + ending;
  f.append(kJsonBox, record);
  v.fusionMiddleIngredients.clear();
  v.fusionLastIngredient.clear();
}

void addRecord(FormWindow& f) {
  ProgramValues& v = values();
  v.fusionTierLine = QStringLiteral("        ") + f.text("组合框1");
  appendRecord(f, {f.text("添加"), v.fusionResultLine, v.fusionCatalystLine, v.fusionEnergyLine,
                   v.fusionTierLine});
}

void removeRecord(FormWindow& f) {
  const ProgramValues& v = values();
  appendRecord(f, {f.text("移除"), v.fusionResultLine, v.fusionCatalystLine});
}

// Closes the array once: a box whose array is already closed (an earlier export) is not closed
// again, and a box without records becomes an empty array rather than a lone bracket.
void finishAndExport(FormWindow& f) {
  message(
      &f,
      QCoreApplication::translate("FusionRecipeWindow", "文件名称必须为CustomFusionRecipes.json！"),
      kMessageOkCancel, QCoreApplication::translate("FusionRecipeWindow", "提醒"));
  const QString box = f.text(kJsonBox).trimmed();
  if (box.isEmpty())
    f.append(kJsonBox, QStringLiteral("[\r\n]"));
  else if (!box.endsWith(u']'))
    f.append(kJsonBox, QStringLiteral("]"));
  exportFusionJson(f, f.text(kJsonBox));
}

void setupFusion(FormWindow& f) {
  f.onClick("修改工作台配方1", [&f] {
    values().fusionCatalystLine = f.text("导入头部") + f.text("编辑框2") + f.text("导入尾部");
  });
  f.onClick("修改工作台配方2", [&f] {
    values().fusionResultLine = f.text("输出头部") + f.text("编辑框3") + f.text("输出尾部");
  });
  f.onClick("修改工作台配方3", [&f] {
    values().fusionEnergyLine = f.text("能量") + f.text("编辑框4") + QStringLiteral(",");
  });
  f.onClick("修改工作台配方12", [&f] {
    values().fusionMiddleIngredients +=
        f.text("材料头部") + f.text("编辑框1") + f.text("材料尾部") + QStringLiteral(",\r\n");
  });
  f.onClick("修改工作台配方5", [&f] {
    values().fusionLastIngredient +=
        f.text("材料头部") + f.text("编辑框1") + f.text("材料尾部") + "\r\n";
  });
  f.onClick("修改工作台配方4", [&f] { addRecord(f); });
  f.onClick("修改工作台配方6", [&f] { removeRecord(f); });
  f.onClick("修改工作台配方8", [&f] { finishAndExport(f); });
  // JSON kept when the window was last closed, and not exported since, is back in the box; the
  // main window asks about it before the program ends.
  f.setScriptKeeper([&f] { values().fusionJson = f.text(kJsonBox); });
  const ProgramValues& v = values();
  if (!v.fusionJson.isEmpty() && toBytes(v.fusionJson) != v.fusionJsonWritten)
    f.setText(kJsonBox, v.fusionJson);
}

const WindowRegistration registration("FusionRecipeWindow", &fusionForm, &setupFusion);

}  // namespace
}  // namespace tf
