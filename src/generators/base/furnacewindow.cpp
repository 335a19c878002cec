// FurnaceWindow: furnace removals, recipes and fuels; its script box is added to ExportBuffer.

#include "forms/text.h"
#include "forms/values.h"
#include "ui/formwindow.h"
#include "ui/registry.h"

namespace tf {
namespace {

const FormDeclaration& furnaceForm() {
  static const FormDeclaration declaration{
      "FurnaceWindow",
      "熔炉",
      710,
      490,
      {
          button("修改工作台配方", "删除熔炉配方", 8, 8, 96, 40),
          combo("组合框1", {"删除所有以input为输入的output配方", "删除所有Output的熔炉配方"}, 112,
                16, 136, 20),
          label("标签1", "Output", 264, 8, 48, 40),
          edit("编辑框3", "", 328, 16, 136, 24).takes(kIdItem),
          label("标签2", "Input", 488, 8, 48, 40),
          edit("编辑框1", "", 544, 16, 136, 24).takes(kIdItem | kIdOre),
          button("修改工作台配方1", "添加熔炉配方", 8, 72, 96, 40),
          label("标签4", "Output", 112, 72, 48, 40),
          edit("编辑框4", "", 160, 80, 136, 24).takes(kIdItem),
          label("标签3", "Input", 304, 72, 48, 40),
          edit("编辑框5", "", 360, 80, 136, 24).takes(kIdItem | kIdOre),
          label("标签5", "给予经验", 500, 72, 48, 40),
          edit("编辑框6", "", 552, 80, 136, 24),
          button("修改工作台配方2", "添加燃料", 8, 136, 96, 40),
          label("标签6", "燃料", 112, 136, 48, 40),
          edit("编辑框7", "", 160, 144, 136, 24).takes(kIdItem | kIdOre),
          label("标签7", "燃烧时间（tick）", 312, 136, 96, 40),
          edit("编辑框8", "", 408, 144, 136, 24),
          label("标签8", "导出zs可以写入总变量后退回到主页面并点击导出", 240, 184, 280, 48),
          button("添加一个配方2", "必点！把代码写入到总变量", 8, 240, 688, 48),
          memo("编辑框2", "", 16, 288, 664, 168, kScrollV | kScript),
      },
      "编辑框2",
      "添加一个配方2"};
  return declaration;
}

void remove(FormWindow& f) {
  const QString mode = f.text("组合框1");
  if (mode == QStringLiteral("删除所有Output的熔炉配方"))
    f.append("编辑框2", "furnace.remove(<" + f.text("编辑框3") + ">);\r\n");
  if (mode == QStringLiteral("删除所有以input为输入的output配方"))
    f.append("编辑框2",
             "furnace.remove(<" + f.text("编辑框3") + ">,<" + f.text("编辑框1") + ">);\r\n");
}

void setupFurnace(FormWindow& f) {
  f.onClick("修改工作台配方", [&f] { remove(f); });
  f.onClick("修改工作台配方1", [&f] {
    f.append("编辑框2", "furnace.addRecipe(<" + f.text("编辑框4") + ">,<" + f.text("编辑框5") +
                            ">," + f.text("编辑框6") + ");\r\n");
  });
  f.onClick("修改工作台配方2", [&f] {
    f.append("编辑框2",
             "furnace.setFuel(<" + f.text("编辑框7") + ">," + f.text("编辑框8") + ");\r\n");
  });
  f.onClick("添加一个配方2", [&f] { values().exportBuffer += toBytes(f.text("编辑框2")); });
}

const WindowRegistration registration("FurnaceWindow", &furnaceForm, &setupFurnace);

}  // namespace
}  // namespace tf
