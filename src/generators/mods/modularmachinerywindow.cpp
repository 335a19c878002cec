// ModularMachineryWindow: one Modular Machinery machine recipe at a time. The builder line
// declares the recipe variable craft; each further button adds one energy, item or fluid line
// to it, and the export button closes it with the build call and hands the script box to
// ExportWindow.

#include "export/handover.h"
#include "forms/text.h"
#include "forms/values.h"
#include "ui/formwindow.h"
#include "ui/platform.h"
#include "ui/registry.h"

namespace tf {
namespace {

const FormDeclaration& modularMachineryForm() {
  static const FormDeclaration declaration{
      "ModularMachineryWindow",
      "模块化机械",
      649,
      744,
      {
          label("标签9", "注意！这里一次只能添加一次合成！请勿添加多次！", 8, 8, 616, 56),
          label("标签5", "合成用机器id（必填）", 8, 65, 120, 48),
          edit("编辑框4", "", 136, 73, 136, 24),
          label("标签2", "合成所需游戏刻", 280, 65, 120, 48),
          edit("编辑框6", "", 408, 81, 136, 24),
          label("标签7", "合成编号(务必英文)", 8, 121, 112, 40),
          button("修改工作台配方6",
                 "创建合成起始代码（请填写完前两行后再点击，务必点击此按钮后再继续生成）", 288, 121,
                 256, 40),
          edit("编辑框2", "", 136, 132, 136, 24),
          button("修改工作台配方2", "能量设定", 8, 177, 96, 40),
          label("标签1", "数值", 288, 177, 96, 40),
          combo("组合框1", {"输出", "输入"}, 136, 185, 136, 20),
          edit("编辑框3", "", 400, 185, 136, 24),
          button("修改工作台配方1", "增加物品输入", 8, 241, 96, 40),
          edit("编辑框5", "", 136, 257, 136, 24).takes(kIdItem | kIdOre),
          label("标签3", "数量", 296, 257, 80, 24),
          edit("编辑框8", "1", 400, 257, 136, 24),
          label("标签10", "物品损耗概率", 288, 296, 80, 24),
          edit("编辑框14", "1", 400, 296, 136, 24),
          button("修改工作台配方3", "增加物品输出\r\n", 8, 339, 96, 40),
          edit("编辑框7", "", 136, 355, 136, 24).takes(kIdItem),
          label("标签4", "数量", 296, 355, 80, 24),
          edit("编辑框9", "1", 400, 355, 136, 24),
          label("标签11", "流体输入输出只需填写该流体的英文名（minecraft:water变为water）", 8, 384,
                528, 32),
          button("修改工作台配方5", "增加流体输入", 8, 416, 96, 40),
          edit("编辑框13", "", 136, 432, 136, 24).takes(kIdLiquid, IdForm::Plain),
          label("标签8", "数量", 296, 432, 80, 24),
          edit("编辑框11", "1", 400, 432, 136, 24),
          button("修改工作台配方4", "增加流体输出\r\n", 8, 480, 96, 40),
          label("标签6", "数量", 296, 488, 80, 24),
          edit("编辑框10", "1", 400, 488, 136, 24),
          edit("编辑框12", "", 136, 496, 136, 24).takes(kIdLiquid, IdForm::Plain),
          button("修改工作台配方8", "清空", 536, 512, 96, 40),
          button("修改工作台配方7", "完成并导出为zs文件", 192, 522, 256, 40),
          memo("编辑框1", "", 8, 564, 624, 144, kScrollV | kScript),
      },
      "编辑框1"};
  return declaration;
}

// Every script of this window starts with these imports.
void appendImports(FormWindow& f) {
  static const char* const imports[] = {
      "import mods.modularmachinery.RecipePrimer;\r\n",
      "import mods.modularmachinery.RecipeBuilder;\r\n",
      "import crafttweaker.item.IItemStack;\r\n",
      "import crafttweaker.item.IIngredient;\r\n",
      "import crafttweaker.oredict.IOreDictEntry;\r\n",
      "import crafttweaker.data.IData;\r\n",
      "import crafttweaker.liquid.ILiquidStack;\r\n",
  };
  for (const char* line : imports) f.append("编辑框1", QString::fromUtf8(line));
}

// The direction must be one of the combo's items exactly; anything else adds no line.
void addEnergy(FormWindow& f) {
  const QString direction = f.text("组合框1");
  if (direction == QStringLiteral("输出"))
    f.append("编辑框1", "craft.addEnergyPerTickOutput(" + f.text("编辑框3") + ");\r\n");
  if (direction == QStringLiteral("输入"))
    f.append("编辑框1", "craft.addEnergyPerTickInput(" + f.text("编辑框3") + ");\r\n");
}

// Closes the recipe and exports it. The name box grows by a random number, so that the next
// recipe begun from it gets a name of its own; the builder line already written keeps its name.
void finishAndExport(FormWindow& f) {
  const qint64 n = platform().randomInt(1, 2147483647);
  f.setText("编辑框2", f.text("编辑框2") + numberToText(n));
  f.append("编辑框1", "craft.build();");
  exportScript(f, f.text("编辑框1"));
}

void setupModularMachinery(FormWindow& f) {
  f.onClick("修改工作台配方6", [&f] {
    f.append("编辑框1", "val craft = RecipeBuilder.newBuilder('" + f.text("编辑框2") + "','" +
                            f.text("编辑框4") + "'," + f.text("编辑框6") + ");\r\n");
  });
  f.onClick("修改工作台配方2", [&f] { addEnergy(f); });
  f.onClick("修改工作台配方1", [&f] {
    f.append("编辑框1", "craft.addItemInput(<" + f.text("编辑框5") + ">*" + f.text("编辑框8") +
                            ").setChance(" + f.text("编辑框14") + ");\r\n");
  });
  f.onClick("修改工作台配方3", [&f] {
    f.append("编辑框1",
             "craft.addItemOutput(<" + f.text("编辑框7") + ">*" + f.text("编辑框9") + ");\r\n");
  });
  f.onClick("修改工作台配方5", [&f] {
    f.append("编辑框1", "craft.addFluidInput(<liquid:" + f.text("编辑框13") + ">*" +
                            f.text("编辑框11") + ");\r\n");
  });
  f.onClick("修改工作台配方4", [&f] {
    f.append("编辑框1", "craft.addFluidOutput(<liquid:" + f.text("编辑框12") + ">*" +
                            f.text("编辑框10") + ");\r\n");
  });
  // A new script: the imports again, every other box as it is.
  f.onClick("修改工作台配方8", [&f] {
    f.setText("编辑框1", QString());
    appendImports(f);
  });
  f.onClick("修改工作台配方7", [&f] { finishAndExport(f); });

  appendImports(f);
}

const WindowRegistration registration("ModularMachineryWindow", &modularMachineryForm,
                                      &setupModularMachinery);

}  // namespace
}  // namespace tf
