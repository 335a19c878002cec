// CraftingWindow: crafting-table removals and shaped recipes with a generated name; its
// script box is added to ExportBuffer, which the main window's export button writes.

#include "forms/text.h"
#include "forms/values.h"
#include "generators/base/shapedgrid.h"
#include "ui/formwindow.h"
#include "ui/platform.h"
#include "ui/registry.h"

namespace tf {
namespace {

const FormDeclaration& craftingForm() {
  static const FormDeclaration declaration{
      "CraftingWindow",
      "合成",
      786,
      691,
      {
          button("移除一个配方", "移除一个配方", 32, 16, 112, 48),
          combo("组合框1", {"删除一个无序合成", "删除一个有序合成", "移除这个物品的所有合成方式"},
                152, 32, 136, 20),
          label("标签1", "Output", 296, 24, 48, 40),
          edit("编辑框2", "", 352, 32, 136, 24).takes(kIdItem),
          label("标签2", "Input", 496, 24, 48, 40),
          edit("编辑框3", "", 552, 32, 136, 24).takes(kIdItem | kIdOre),
          label("标签3",
                "注释：删除这个物品所有合成方式只需要填写Output,其他模式要填写Output与Input，"
                "会删除用Input合成Output的合成方式",
                40, 72, 656, 16),
          label("标签5",
                "特殊要求！这里的命名ID前后要加尖括号“<>”，如\r\nminecraft:egg变为<minecraft:egg>↓",
                152, 120, 544, 48),
          edit("a", "null", 211, 177, 136, 24).takes(kIdItem | kIdOre, IdForm::Bracketed),
          edit("b", "null", 355, 177, 136, 24).takes(kIdItem | kIdOre, IdForm::Bracketed),
          edit("c", "null", 499, 177, 136, 24).takes(kIdItem | kIdOre, IdForm::Bracketed),
          edit("d", "null", 211, 209, 136, 24).takes(kIdItem | kIdOre, IdForm::Bracketed),
          edit("e", "null", 355, 209, 136, 24).takes(kIdItem | kIdOre, IdForm::Bracketed),
          edit("f", "null", 499, 209, 136, 24).takes(kIdItem | kIdOre, IdForm::Bracketed),
          edit("g", "null", 211, 241, 136, 24).takes(kIdItem | kIdOre, IdForm::Bracketed),
          edit("h", "null", 355, 241, 136, 24).takes(kIdItem | kIdOre, IdForm::Bracketed),
          edit("i", "null", 499, 241, 136, 24).takes(kIdItem | kIdOre, IdForm::Bracketed),
          button("添加一个配方1", "添加一个配方", 75, 249, 112, 48),
          label("标签4", "合成↓(这里不需要填\"<>\")", 391, 281, 216, 24),
          label("标签6", "合成名称（必填）", 48, 320, 104, 24),
          edit("编辑框4", "", 152, 312, 128, 32),
          edit("编辑框13", "必填", 355, 313, 136, 24).takes(kIdItem),
          label("标签7", "数量", 504, 312, 104, 24),
          edit("编辑框5", "1", 608, 304, 136, 24),
          label("标签8", "导出zs可以写入总变量后退回到主页面并点击导出", 264, 352, 280, 40),
          button("添加一个配方2", "必点！把代码写入到总变量", 16, 393, 752, 48),
          memo("编辑框1", "", 16, 456, 752, 185, kScrollV | kScript),
      },
      "编辑框1",
      "添加一个配方2"};
  return declaration;
}

void remove(FormWindow& f) {
  const QString mode = f.text("组合框1");
  if (mode == QStringLiteral("移除这个物品的所有合成方式"))
    f.append("编辑框1", "recipes.remove(<" + f.text("编辑框2") + ">,false);\r\n");
  if (mode == QStringLiteral("删除一个无序合成"))
    f.append("编辑框1", "recipes.removeShapeless(<" + f.text("编辑框2") + ">,<" +
                            f.text("编辑框3") + ">,false);\r\n");
  if (mode == QStringLiteral("删除一个有序合成"))
    f.append("编辑框1",
             "recipes.removeShaped(<" + f.text("编辑框2") + ">,<" + f.text("编辑框3") + ">);\r\n");
}

// The recipe's name is the typed name followed by a random number, so that two recipes made
// from one typed name differ; the name box shows the typed name again afterwards.
void addShaped(FormWindow& f) {
  const qint64 r = platform().randomInt(1, 2147483647);
  const QString typedName = f.text("编辑框4");
  f.setText("编辑框4", typedName + numberToText(r));
  f.append("编辑框1", "recipes.addShaped('CTa" + f.text("编辑框4") + "',<" + f.text("编辑框13") +
                          ">*" + f.text("编辑框5") + "," + shapedGrid(f) + ");\r\n");
  f.setText("编辑框4", typedName);
}

void setupCrafting(FormWindow& f) {
  f.onClick("移除一个配方", [&f] { remove(f); });
  f.onClick("添加一个配方1", [&f] { addShaped(f); });
  f.onClick("添加一个配方2", [&f] { values().exportBuffer += toBytes(f.text("编辑框1")); });
}

const WindowRegistration registration("CraftingWindow", &craftingForm, &setupCrafting);

}  // namespace
}  // namespace tf
