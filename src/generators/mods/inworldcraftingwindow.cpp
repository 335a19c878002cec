// InWorldCraftingWindow: In World Crafting recipes, which happen in the world instead of a
// crafting grid: items thrown into a fluid give a new fluid or a new item, an exploded item
// or a burnt item gives a new item. One "创建" button per area appends one line to the script
// box 编辑框5; every line names its class in full, so the box starts empty.

#include "export/handover.h"
#include "forms/text.h"
#include "forms/values.h"
#include "ui/formwindow.h"
#include "ui/registry.h"

namespace tf {
namespace {

const FormDeclaration& inWorldCraftingForm() {
  static const FormDeclaration declaration{
      "InWorldCraftingWindow",
      "世界合成",
      1467,
      575,
      {
          // Separator bars: fluid recipes on the left, explosion and fire on the right.
          button("按钮2", "", 624, 8, 8, 376),
          button("按钮1", "", 0, 184, 1456, 8),
          // Fluid to fluid.
          label("标签1", "旧液体", 32, 24, 56, 32),
          edit("编辑框1", "", 96, 32, 160, 24).takes(kIdLiquid, IdForm::Plain),
          label("标签2", "+", 264, 24, 56, 32),
          label("标签3", "物品", 328, 24, 56, 32),
          edit("编辑框2", "", 384, 32, 160, 24).takes(kIdItem | kIdOre),
          label("标签4", "数量", 328, 64, 56, 32),
          edit("编辑框3", "", 384, 64, 160, 24),
          label("标签7", "把a材料仍入液体中，得到新的液体", 32, 72, 192, 48),
          label("标签5", "↓", 256, 96, 56, 32),
          button("修改工作台配方10", "创建", 24, 128, 104, 40),
          label("标签6", "新液体", 144, 128, 56, 32),
          edit("编辑框4", "", 208, 136, 160, 24).takes(kIdLiquid, IdForm::Plain),
          label("标签8", "省略模组名前缀，minecraft：water变成water", 376, 128, 248, 40),
          // Fluid to item.
          label("标签16", "物品", 40, 200, 56, 32),
          edit("编辑框9", "", 104, 208, 160, 24).takes(kIdItem | kIdOre),
          label("标签15", "+", 272, 200, 56, 32),
          label("标签14", "液体", 336, 200, 56, 32),
          edit("编辑框8", "", 392, 208, 160, 24).takes(kIdLiquid, IdForm::Plain),
          label("标签13", "是否消耗液体", 16, 264, 72, 16),
          combo("组合框1", {",false", ",true"}, 104, 264, 104, 20),
          label("标签10", "把a材料仍入液体中，得到新的物品", 384, 264, 192, 32),
          label("标签12", "↓", 272, 272, 56, 32),
          button("修改工作台配方1", "创建", 32, 304, 104, 40),
          label("标签11", "新物品", 152, 304, 56, 32),
          edit("编辑框6", "", 216, 312, 160, 24).takes(kIdItem),
          label("标签9", "省略模组名前缀，minecraft：water变成water", 384, 304, 248, 40),
          // Explosion.
          label("标签17", "物品", 656, 32, 56, 32),
          edit("编辑框7", "", 712, 40, 160, 24).takes(kIdItem | kIdOre),
          label("标签18", "→爆炸→", 880, 48, 184, 16),
          label("标签19", "新物品", 1080, 40, 56, 32),
          edit("编辑框10", "", 1144, 48, 160, 24).takes(kIdItem | kIdOre),
          label("标签20", "概率", 888, 80, 56, 32),
          edit("编辑框11", "", 944, 80, 160, 24),
          label("标签21", "%", 1112, 80, 48, 24),
          label("标签27", "不稳定", 1224, 112, 160, 56),
          button("修改工作台配方2", "创建", 920, 120, 104, 40),
          // Fire.
          label("标签23", "tick", 880, 208, 56, 32),
          edit("编辑框15", "", 944, 208, 160, 24),
          label("标签26", "物品", 656, 240, 56, 32),
          edit("编辑框14", "", 720, 248, 160, 24).takes(kIdItem | kIdOre),
          label("标签25", "→燃烧→", 888, 248, 184, 16),
          label("标签24", "新物品", 1088, 240, 56, 32),
          edit("编辑框13", "", 1152, 248, 160, 24).takes(kIdItem),
          label("标签22", "数量", 880, 280, 56, 32),
          edit("编辑框12", "", 944, 280, 160, 24),
          button("修改工作台配方3", "创建", 928, 320, 104, 40),
          // Export and the script box.
          button("修改工作台配方7", "完成并导出为zs文件", 1192, 328, 256, 40),
          memo("编辑框5", "", 0, 384, 1448, 160, kScrollV | kScript),
      },
      "编辑框5"};
  return declaration;
}

// Each line names the result first. "> *" has no blank after the asterisk, so the count
// follows it directly; the combo's items carry their own leading comma.
void setupInWorldCrafting(FormWindow& f) {
  f.onClick("修改工作台配方10", [&f] {
    f.append("编辑框5", "mods.inworldcrafting.FluidToFluid.transform(<liquid:" + f.text("编辑框4") +
                            ">, <liquid:" + f.text("编辑框1") + ">, [<" + f.text("编辑框2") +
                            "> *" + f.text("编辑框3") + "]);\r\n");
  });
  f.onClick("修改工作台配方1", [&f] {
    f.append("编辑框5", "mods.inworldcrafting.FluidToItem.transform(<" + f.text("编辑框6") +
                            ">, <liquid:" + f.text("编辑框8") + ">, [<" + f.text("编辑框9") + ">]" +
                            f.text("组合框1") + ");\r\n");
  });
  f.onClick("修改工作台配方2", [&f] {
    f.append("编辑框5", "mods.inworldcrafting.ExplosionCrafting.explodeItemRecipe(<" +
                            f.text("编辑框10") + ">.firstItem, <" + f.text("编辑框7") + ">," +
                            f.text("编辑框11") + ");\r\n");
  });
  f.onClick("修改工作台配方3", [&f] {
    f.append("编辑框5", "mods.inworldcrafting.FireCrafting.addRecipe(<" + f.text("编辑框13") +
                            ">, <" + f.text("编辑框14") + "> *" + f.text("编辑框12") + "," +
                            f.text("编辑框15") + ");\r\n");
  });
  f.onClick("修改工作台配方7", [&f] { exportScript(f, f.text("编辑框5")); });
}

const WindowRegistration registration("InWorldCraftingWindow", &inWorldCraftingForm,
                                      &setupInWorldCrafting);

}  // namespace
}  // namespace tf
