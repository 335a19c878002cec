// GameStageWindow: puts dimensions, items, mobs, recipes, whole mods, Tinkers' tool and part
// building and the Waila tooltip behind stages, colours a stage's tooltip, and imports, adds and
// removes stages. The mob row and the two recipe rows can also write their lines for every id of
// the stored list.

#include "export/handover.h"
#include "forms/text.h"
#include "forms/values.h"
#include "generators/base/shapedgrid.h"
#include "generators/stages/stagerows.h"
#include "ui/formwindow.h"
#include "ui/registry.h"

namespace tf {
namespace {

const FormDeclaration& gameStageForm() {
  static const FormDeclaration declaration{
      "GameStageWindow",
      "GameStage",
      838,
      968,
      {
          button("添加维度限制", "添加维度限制", 8, 8, 96, 40),
          label("标签4", "解锁的阶段", 112, 8, 72, 40),
          edit("编辑框7", "", 192, 16, 136, 24),
          label("标签1", "锁定的维度id", 344, 8, 96, 40),
          edit("编辑框2", "", 440, 16, 136, 24),
          button("添加维度限制1", "添加物品限制", 8, 64, 96, 40),
          label("标签3", "解锁的阶段", 112, 64, 72, 40),
          edit("编辑框4", "", 192, 72, 136, 24),
          label("标签2", "锁定的物品id或矿物词典", 344, 64, 144, 40),
          edit("编辑框3", "", 488, 72, 136, 24).takes(kIdItem | kIdOre),
          button("添加维度限制2", "添加生物限制", 8, 128, 96, 40),
          label("标签6", "解锁的阶段", 112, 128, 72, 40),
          edit("编辑框6", "", 192, 136, 136, 24),
          label("标签5", "生物id", 344, 128, 64, 40),
          edit("编辑框5", "", 440, 136, 136, 24).takes(kIdEntity, IdForm::Plain),
          checkBox("选择框3", "批量导入", 600, 136, 72, 24),
          button("添加维度限制3", "导入阶段", 8, 184, 96, 40),
          edit("编辑框8", "", 112, 192, 168, 24),
          button("添加维度限制4", "添加阶段", 288, 184, 96, 40),
          edit("编辑框9", "", 392, 192, 168, 24),
          button("添加维度限制5", "移除阶段", 560, 184, 96, 40),
          edit("编辑框10", "", 664, 192, 128, 24),
          label("标签8",
                "特殊要求！这里的命名ID前后要加尖括号“<>”，如\r\nminecraft:egg变为<minecraft:egg>↓",
                173, 232, 544, 48),
          edit("a", "null", 232, 289, 136, 24).takes(kIdItem | kIdOre, IdForm::Bracketed),
          edit("b", "null", 376, 289, 136, 24).takes(kIdItem | kIdOre, IdForm::Bracketed),
          edit("c", "null", 520, 289, 136, 24).takes(kIdItem | kIdOre, IdForm::Bracketed),
          edit("d", "null", 232, 321, 136, 24).takes(kIdItem | kIdOre, IdForm::Bracketed),
          edit("e", "null", 376, 321, 136, 24).takes(kIdItem | kIdOre, IdForm::Bracketed),
          edit("f", "null", 520, 321, 136, 24).takes(kIdItem | kIdOre, IdForm::Bracketed),
          edit("g", "null", 232, 353, 136, 24).takes(kIdItem | kIdOre, IdForm::Bracketed),
          edit("h", "null", 376, 353, 136, 24).takes(kIdItem | kIdOre, IdForm::Bracketed),
          edit("i", "null", 520, 353, 136, 24).takes(kIdItem | kIdOre, IdForm::Bracketed),
          button("添加一个配方1", "限制一个配方", 72, 337, 112, 48),
          label("标签9", "合成↓(这里不需要填\"<>\")", 412, 393, 216, 24),
          label("标签10", "解锁的阶段", 88, 424, 88, 40),
          edit("编辑框12", "", 189, 424, 128, 32),
          edit("编辑框13", "必填", 376, 425, 136, 24).takes(kIdItem),
          label("标签7", "数量", 517, 424, 104, 24),
          edit("编辑框11", "1", 629, 424, 136, 24),
          button("添加维度限制6", "限制合成这个物品", 16, 472, 112, 40),
          label("标签11", "解锁的阶段", 144, 472, 88, 40),
          edit("编辑框14", "", 245, 472, 128, 32),
          label("标签12", "物品ID", 384, 472, 88, 40),
          edit("编辑框15", "", 476, 472, 128, 32).takes(kIdItem),
          checkBox("选择框1", "批量导入", 614, 472, 72, 24),
          button("添加维度限制7", "限制用这个物品合成", 16, 528, 120, 40),
          label("标签14", "解锁的阶段", 144, 528, 88, 40),
          edit("编辑框17", "", 245, 528, 128, 32),
          label("标签13", "物品ID", 384, 528, 88, 40),
          edit("编辑框16", "", 485, 528, 128, 32),
          checkBox("选择框2", "批量导入", 616, 536, 72, 24),
          button("添加一个配方2", "设置一个阶段的颜色", 16, 584, 112, 48),
          label("标签16", "解锁的阶段", 144, 576, 88, 40),
          edit("编辑框19", "", 237, 576, 128, 32),
          label("r", "r", 376, 576, 88, 40),
          edit("编辑框18", "", 477, 576, 128, 32),
          label("cg", "g", 144, 624, 88, 40),
          edit("编辑框21", "", 237, 624, 128, 32),
          label("gb", "b", 376, 624, 88, 40),
          edit("编辑框20", "", 477, 624, 128, 32),
          button("添加维度限制11", "限制合成这个mod\r\n物品", 16, 696, 112, 40),
          label("标签18", "解锁的阶段", 144, 696, 88, 40),
          edit("编辑框26", "", 245, 696, 128, 32),
          label("标签17", "modID", 384, 696, 88, 40),
          edit("编辑框25", "", 485, 696, 128, 32).takes(kIdMod, IdForm::Plain),
          button("添加维度限制8", "限制工具制作", 712, 464, 96, 40),
          edit("编辑框22", "", 712, 512, 112, 32),
          button("添加维度限制9", "限制部件制作", 712, 552, 96, 40),
          edit("编辑框23", "", 712, 600, 112, 32),
          label("标签15", "匠魂改动，填写阶段", 704, 640, 120, 24),
          button("添加维度限制10", "限制Waila ", 16, 768, 96, 40),
          edit("编辑框24", "", 144, 776, 128, 32),
          button("修改工作台配方7", "完成并导出为zs文件", 296, 768, 256, 40),
          memo("编辑框1", "", 8, 816, 816, 112, kScrollV | kScript),
          // separator bars between the rows
          button("按钮1", "", 0, 48, 624, 16),
          button("按钮2", "", -8, 104, 632, 16),
          button("按钮3", "", -8, 168, 624, 16),
          button("按钮4", "", -16, 232, 848, 8),
          button("按钮5", "", -16, 456, 848, 8),
          button("按钮6", "", 8, 512, 680, 8),
          button("按钮11", "", 0, 566, 680, 8),
          button("按钮10", "", 16, 672, 680, 8),
          button("按钮9", "", 0, 744, 704, 8),
          button("按钮7", "", 696, 472, 8, 176),
          button("按钮8", "", 280, 768, 8, 40),
      },
      "编辑框1"};
  return declaration;
}

QString mobLines(const QString& stage, const QString& mob) {
  return "mods.MobStages.addStage('" + stage + "','" + mob + "');\r\n" +
         "mods.MobStages.toggleSpawner('" + mob + "',true);\r\n";
}

QString recipeOfItemLine(const QString& stage, const QString& item) {
  return "mods.recipestages.Recipes.setRecipeStage('" + stage + "',<" + item + ">);\r\n";
}

QString recipeByNameLine(const QString& stage, const QString& name) {
  return "mods.recipestages.Recipes.setRecipeStage('" + stage + "','" + name + "');\r\n";
}

void addStagedShaped(FormWindow& f) {
  f.append("编辑框1", "mods.recipestages.Recipes.addShaped('" + f.text("编辑框12") + "',<" +
                          f.text("编辑框13") + ">*" + f.text("编辑框11") + "," + shapedGrid(f) +
                          ");\r\n");
}

void setupGameStage(FormWindow& f) {
  f.onClick("添加维度限制", [&f] {
    f.append("编辑框1", "mods.DimensionStages.addDimensionStage('" + f.text("编辑框7") + "'," +
                            f.text("编辑框2") + ");\r\n");
  });
  f.onClick("添加维度限制1", [&f] {
    f.append("编辑框1", "mods.ItemStages.addItemStage('" + f.text("编辑框4") + "',<" +
                            f.text("编辑框3") + ">);\r\n");
  });
  f.onClick("添加维度限制3",
            [&f] { insertImportLine(f, "编辑框1", stageImportLine(f.text("编辑框8"))); });
  f.onClick("添加维度限制4",
            [&f] { f.append("编辑框1", "addGameStage('" + f.text("编辑框9") + "');\r\n"); });
  f.onClick("添加维度限制5",
            [&f] { f.append("编辑框1", "removeGameStage('" + f.text("编辑框10") + "');\r\n"); });
  f.onClick("添加一个配方1", [&f] { addStagedShaped(f); });
  f.onClick("添加一个配方2", [&f] {
    f.append("编辑框1", "mods.tieredtooltips.colorStage('" + f.text("编辑框19") + "','" +
                            f.text("编辑框18") + "','" + f.text("编辑框21") + "','" +
                            f.text("编辑框20") + "');\r\n");
  });
  f.onClick("添加维度限制11", [&f] {
    f.append("编辑框1", "mods.recipestages.Recipes.setRecipeStageByMod('" + f.text("编辑框26") +
                            "','" + f.text("编辑框25") + "');\r\n");
  });
  // These three end without a line break: what is appended next continues on their line.
  f.onClick("添加维度限制8", [&f] {
    f.append("编辑框1", "mods.TinkerStages.addGeneralCraftingStage('" + f.text("编辑框22") + "');");
  });
  f.onClick("添加维度限制9", [&f] {
    f.append("编辑框1",
             "mods.TinkerStages.addGeneralPartBuildingStage('" + f.text("编辑框23") + "');");
  });
  f.onClick("添加维度限制10", [&f] {
    f.append("编辑框1", "mods.WailaStages.addWailaStage('" + f.text("编辑框24") + "');");
  });
  connectBatchRows(f, "编辑框1",
                   {
                       {"添加维度限制2", "选择框3", "编辑框6", "编辑框5", &mobLines},
                       {"添加维度限制6", "选择框1", "编辑框14", "编辑框15", &recipeOfItemLine},
                       {"添加维度限制7", "选择框2", "编辑框17", "编辑框16", &recipeByNameLine},
                   });
  f.onClick("修改工作台配方7", [&f] { exportScript(f, f.text("编辑框1")); });

  f.append("编辑框1", "import crafttweaker.item.IItemStack;\r\n");
  f.append("编辑框1", "import crafttweaker.item.IIngredient;\r\n");
}

const WindowRegistration registration("GameStageWindow", &gameStageForm, &setupGameStage);

}  // namespace
}  // namespace tf
