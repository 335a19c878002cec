// The item machines' windows: crusher, enrichment chamber, energized smelter, precision
// sawmill, osmium compressor, combiner and metallurgic infuser. Each window is its controls
// and the lines of its recipe buttons; the buttons append those lines to MekanismScript.

#include "generators/mekanism/recipebutton.h"

namespace tf {
namespace {

// The metallurgic infuser's types, each already a quoted script string.
ControlDeclaration infusionTypes(const char* name, int x, int y) {
  return combo(name,
               {"\"OBSIDIAN\"", "\"BIO\"", "\"FUNGI\"", "\"REDSTONE\"", "\"DIAMOND\"", "\"TIN\"",
                "\"CARBON\""},
               x, y, 120, 20);
}

const MekanismForm& crusher() {
  static const MekanismForm declaration{
      {"CrusherWindow",
       "磨粉机",
       580,
       272,
       {
           label("标签5", "成品", 296, 8, 40, 32),
           edit("编辑框3", "", 344, 8, 168, 32).takes(kIdItem),
           label("标签3", "输入", 24, 40, 40, 32),
           edit("编辑框1", "", 72, 40, 168, 32).takes(kIdItem | kIdOre),
           label("标签1", "→", 256, 48, 24, 24),
           label("标签4", "数量", 296, 48, 72, 32),
           edit("编辑框4", "1", 376, 48, 72, 32),
           button("修改工作台配方10", "添加磨粉机配方", 464, 48, 96, 40),
           label("标签6", "成品", 296, 104, 40, 32),
           edit("编辑框5", "", 344, 104, 168, 32).takes(kIdItem | kIdOre),
           label("标签7", "输入", 24, 136, 40, 32),
           edit("编辑框6", "", 72, 136, 168, 32).takes(kIdItem | kIdOre),
           label("标签8", "→", 256, 144, 24, 24),
           label("标签2", "数量", 296, 144, 72, 32),
           edit("编辑框2", "1", 376, 144, 72, 32),
           button("修改工作台配方1", "删除磨粉机配方", 464, 144, 96, 40),
           button("修改工作台配方2", "删除磨粉机配方", 256, 184, 96, 40),
           button("修改工作台配方3", "删除磨粉机全部配方", 376, 184, 96, 40),
           label("标签9", "成品", 24, 192, 40, 32),
           edit("编辑框7", "", 72, 192, 168, 32).takes(kIdItem | kIdOre),
       }},
      {
          {"修改工作台配方10",
           {"mods.mekanism.crusher.addRecipe(<", box("编辑框1"), ">, <", box("编辑框3"), "> * ",
            box("编辑框4"), ");\r\n"}},
          {"修改工作台配方1",
           {"mods.mekanism.crusher.removeRecipe(<", box("编辑框5"), "> * ", box("编辑框2"), ",<",
            box("编辑框6"), ">);\r\n"}},
          {"修改工作台配方2", {"mods.mekanism.crusher.removeRecipe(<", box("编辑框7"), ">);\r\n"}},
          {"修改工作台配方3", {"mods.mekanism.crusher.removeAllRecipes();\r\n"}},
      }};
  return declaration;
}
const MachineWindowRegistration<&crusher> crusherRegistration("CrusherWindow");

const MekanismForm& enrichment() {
  static const MekanismForm declaration{
      {"EnrichmentWindow",
       "富集仓",
       586,
       290,
       {
           label("标签5", "成品", 280, 8, 40, 32),
           edit("编辑框3", "", 328, 8, 168, 32).takes(kIdItem),
           label("标签3", "输入", 8, 40, 40, 32),
           edit("编辑框1", "", 56, 40, 168, 32).takes(kIdItem | kIdOre),
           label("标签1", "→", 240, 48, 24, 24),
           label("标签4", "数量", 280, 48, 72, 32),
           edit("编辑框4", "1", 360, 48, 72, 32),
           button("修改工作台配方10", "添加富集仓配方", 448, 48, 96, 40),
           label("标签6", "成品", 280, 104, 40, 32),
           edit("编辑框5", "", 328, 104, 168, 32).takes(kIdItem | kIdOre),
           label("标签7", "输入", 8, 136, 40, 32),
           edit("编辑框6", "", 56, 136, 168, 32).takes(kIdItem | kIdOre),
           label("标签8", "→", 240, 144, 24, 24),
           label("标签2", "数量", 280, 144, 72, 32),
           edit("编辑框2", "1", 360, 144, 72, 32),
           button("修改工作台配方1", "删除富集仓配方", 448, 144, 96, 40),
           button("修改工作台配方2", "删除富集仓配方", 240, 184, 96, 40),
           button("修改工作台配方3", "删除富集仓全部配方", 360, 184, 96, 40),
           label("标签9", "成品", 8, 192, 40, 32),
           edit("编辑框7", "", 56, 192, 168, 32).takes(kIdItem | kIdOre),
       }},
      {
          {"修改工作台配方10",
           {"mods.mekanism.enrichment.addRecipe(<", box("编辑框1"), ">, <", box("编辑框3"), "> * ",
            box("编辑框4"), ");\r\n"}},
          // Input first, as in the add line.
          {"修改工作台配方1",
           {"mods.mekanism.enrichment.removeRecipe(<", box("编辑框6"), ">, <", box("编辑框5"),
            "> * ", box("编辑框2"), ");\r\n"}},
          {"修改工作台配方2",
           {"mods.mekanism.enrichment.removeRecipe(<", box("编辑框7"), ">);\r\n"}},
          {"修改工作台配方3", {"mods.mekanism.enrichment.removeAllRecipes();\r\n"}},
      }};
  return declaration;
}
const MachineWindowRegistration<&enrichment> enrichmentRegistration("EnrichmentWindow");

const MekanismForm& smelter() {
  static const MekanismForm declaration{
      {"SmelterWindow",
       "充能冶炼炉",
       575,
       189,
       {
           button("修改工作台配方10", "添加充能冶炼炉配方", 456, 8, 96, 40),
           edit("编辑框1", "", 8, 16, 168, 32).takes(kIdItem | kIdOre),
           label("标签1", "→", 192, 16, 24, 24),
           label("标签5", "成品", 216, 16, 40, 32),
           edit("编辑框3", "", 264, 16, 168, 32).takes(kIdItem),
           button("修改工作台配方1", "删除充能冶炼炉配方", 456, 56, 96, 40),
           edit("编辑框6", "", 8, 64, 168, 32).takes(kIdItem | kIdOre),
           label("标签8", "→", 192, 64, 24, 24),
           label("标签6", "成品", 216, 64, 40, 32),
           edit("编辑框5", "", 264, 64, 168, 32).takes(kIdItem | kIdOre),
           button("修改工作台配方2", "删除充能冶炼炉配方", 192, 104, 96, 40),
           button("修改工作台配方3", "删除充能冶炼炉全部配方", 312, 104, 96, 40),
           edit("编辑框7", "", 8, 112, 168, 32).takes(kIdItem | kIdOre),
       }},
      {
          {"修改工作台配方10",
           {"mods.mekanism.smelter.addRecipe(<", box("编辑框1"), ">, <", box("编辑框3"),
            ">);\r\n"}},
          {"修改工作台配方1",
           {"mods.mekanism.smelter.removeRecipe(<", box("编辑框6"), ">, <", box("编辑框5"),
            ">);\r\n"}},
          {"修改工作台配方2", {"mods.mekanism.smelter.removeRecipe(<", box("编辑框7"), ">);\r\n"}},
          {"修改工作台配方3", {"mods.mekanism.smelter.removeAllRecipes();\r\n"}},
      }};
  return declaration;
}
const MachineWindowRegistration<&smelter> smelterRegistration("SmelterWindow");

const MekanismForm& sawmill() {
  static const MekanismForm declaration{
      {"SawmillWindow",
       "精密锯木厂",
       625,
       222,
       {
           label("标签5", "成品", 280, 8, 40, 32),
           edit("编辑框3", "", 328, 8, 168, 32).takes(kIdItem),
           label("标签3", "输入", 8, 40, 40, 32),
           edit("编辑框1", "", 56, 40, 168, 32).takes(kIdItem | kIdOre),
           label("标签1", "→", 240, 48, 24, 24),
           label("标签4", "数量", 280, 48, 72, 32),
           edit("编辑框4", "1", 360, 48, 72, 32),
           label("标签6", "成品", 280, 88, 40, 32),
           edit("编辑框5", "", 328, 88, 168, 32).takes(kIdItem),
           button("修改工作台配方1", "删除精密锯木厂所有配方", 72, 120, 96, 40),
           label("标签2", "数量", 280, 128, 72, 32),
           edit("编辑框2", "1", 360, 128, 72, 32),
           button("修改工作台配方10", "添加精密锯木厂配方", 456, 128, 96, 40),
       }},
      {
          // The sawmill's counts follow "> *" with no blank.
          {"修改工作台配方10",
           {"mods.mekanism.sawmill.addRecipe(<", box("编辑框1"), ">, <", box("编辑框3"), "> *",
            box("编辑框4"), ", <", box("编辑框5"), "> *", box("编辑框2"), ");\r\n"}},
          {"修改工作台配方1", {"mods.mekanism.sawmill.removeAllRecipes();\r\n"}},
      }};
  return declaration;
}
const MachineWindowRegistration<&sawmill> sawmillRegistration("SawmillWindow");

const MekanismForm& compressor() {
  static const MekanismForm declaration{
      {"CompressorWindow",
       "锇压缩机",
       594,
       561,
       {
           label("标签8", "输入", 48, 8, 88, 32),
           edit("编辑框6", "", 144, 8, 168, 32).takes(kIdItem | kIdOre),
           label("标签7", "成品", 392, 16, 88, 32),
           edit("编辑框4", "", 368, 56, 168, 32).takes(kIdItem),
           label("标签9", "↑", 224, 64, 24, 24),
           label("标签10", "→", 328, 64, 24, 24),
           label("标签4", "输入（省略模组名前缀，minecraft：water变成water）", 24, 96, 296, 40),
           button("修改工作台配方1", "添加锇压缩机配方", 376, 112, 96, 40),
           edit("编辑框5", "", 144, 144, 168, 32).takes(kIdGas, IdForm::Plain),
           label("标签3", "输入", 48, 248, 88, 32),
           edit("编辑框1", "", 144, 248, 168, 32).takes(kIdItem | kIdOre),
           label("标签5", "成品", 392, 256, 88, 32),
           edit("编辑框3", "", 368, 296, 168, 32).takes(kIdItem | kIdOre),
           label("标签2", "↑", 224, 304, 24, 24),
           label("标签1", "→", 328, 304, 24, 24),
           label("标签6", "输入（省略模组名前缀，minecraft：water变成water）", 24, 336, 296, 40),
           button("修改工作台配方10", "删除锇压缩机配方", 376, 352, 96, 40),
           edit("编辑框2", "", 144, 384, 168, 32).takes(kIdGas, IdForm::Plain),
           label("标签11", "成品", 24, 440, 88, 32),
           edit("编辑框7", "", 120, 440, 168, 32).takes(kIdItem | kIdOre),
           button("修改工作台配方2", "删除锇压缩机配方", 296, 440, 96, 40),
           button("修改工作台配方3", "删除所有锇压缩机配方", 456, 440, 96, 40),
       }},
      {
          {"修改工作台配方1",
           {"mods.mekanism.compressor.addRecipe(<", box("编辑框6"), ">, <gas:", box("编辑框5"),
            ">, <", box("编辑框4"), ">);\r\n"}},
          {"修改工作台配方10",
           {"mods.mekanism.compressor.removeRecipe(<", box("编辑框3"), ">, <", box("编辑框1"),
            ">, <gas:", box("编辑框2"), ">);\r\n"}},
          {"修改工作台配方2",
           {"mods.mekanism.compressor.removeRecipe(<", box("编辑框7"), ">);\r\n"}},
          {"修改工作台配方3", {"mods.mekanism.compressor.removeAllRecipes();\r\n"}},
      }};
  return declaration;
}
const MachineWindowRegistration<&compressor> compressorRegistration("CompressorWindow");

const MekanismForm& combiner() {
  static const MekanismForm declaration{
      {"CombinerWindow",
       "融合机",
       556,
       454,
       {
           label("标签3", "输入", 48, 8, 72, 32),
           edit("编辑框1", "", 128, 8, 168, 32).takes(kIdItem | kIdOre),
           label("标签5", "成品", 376, 16, 88, 32),
           label("标签4", "数量", 48, 40, 72, 32),
           edit("编辑框4", "1", 128, 40, 72, 32),
           edit("编辑框3", "", 352, 56, 168, 32).takes(kIdItem),
           label("标签1", "→", 312, 64, 24, 24),
           label("标签2", "↑", 208, 104, 24, 24),
           button("修改工作台配方10", "添加融合机配方", 360, 112, 96, 40),
           label("标签6", "输入", 56, 136, 64, 40),
           edit("编辑框2", "", 128, 144, 168, 32).takes(kIdItem | kIdOre),
           label("标签10", "输入", 48, 192, 72, 32),
           edit("编辑框8", "", 128, 192, 168, 32).takes(kIdItem | kIdOre),
           label("标签9", "成品", 376, 200, 88, 32),
           label("标签7", "数量", 48, 224, 72, 32),
           edit("编辑框5", "1", 128, 224, 72, 32),
           edit("编辑框6", "", 352, 240, 168, 32).takes(kIdItem | kIdOre),
           label("标签12", "→", 312, 248, 24, 24),
           label("标签11", "↑", 208, 288, 24, 24),
           button("修改工作台配方1", "删除融合机配方", 360, 296, 96, 40),
           label("标签8", "输入", 56, 320, 64, 40),
           edit("编辑框7", "", 128, 328, 168, 32).takes(kIdItem | kIdOre),
           button("修改工作台配方2", "删除融合机配方", 240, 376, 96, 40),
           button("修改工作台配方3", "删除融合机所有配方", 360, 376, 96, 40),
           edit("编辑框9", "", 48, 384, 168, 32).takes(kIdItem | kIdOre),
       }},
      {
          {"修改工作台配方10",
           {"mods.mekanism.combiner.addRecipe(<", box("编辑框1"), "> * ", box("编辑框4"), ", <",
            box("编辑框2"), ">, <", box("编辑框3"), ">);\r\n"}},
          {"修改工作台配方1",
           {"mods.mekanism.combiner.removeRecipe(<", box("编辑框6"), "> * ", box("编辑框5"), ", <",
            box("编辑框8"), ">, <", box("编辑框7"), ">);\r\n"}},
          {"修改工作台配方2", {"mods.mekanism.combiner.removeRecipe(<", box("编辑框9"), ">);\r\n"}},
          {"修改工作台配方3", {"mods.mekanism.combiner.removeAllRecipes();\r\n"}},
      }};
  return declaration;
}
const MachineWindowRegistration<&combiner> combinerRegistration("CombinerWindow");

const MekanismForm& infuser() {
  static const MekanismForm declaration{
      {"InfuserWindow",
       "冶金灌注机",
       886,
       338,
       {
           button("修改工作台配方8", "创建冶金灌注机配方", 8, 8, 96, 40),
           label("标签2", "输入", 360, 16, 40, 32),
           edit("编辑框1", "", 416, 16, 168, 32).takes(kIdItem | kIdOre),
           label("标签5", "成品", 640, 16, 40, 32),
           edit("编辑框3", "", 688, 16, 168, 32).takes(kIdItem),
           label("标签1", "选择注入材料", 112, 24, 112, 24),
           infusionTypes("组合框1", 224, 24),
           label("标签3", "数量", 432, 56, 72, 32),
           edit("编辑框2", "1", 512, 56, 72, 32),
           label("标签6", "→", 600, 56, 24, 24),
           label("标签4", "数量", 640, 56, 72, 32),
           edit("编辑框4", "1", 720, 56, 72, 32),
           label("标签13", "注入材料消耗数量", 400, 96, 104, 32),
           edit("编辑框9", "10", 512, 96, 72, 32),
           button("修改工作台配方2", "删除冶金灌注机配方", 8, 144, 96, 40),
           label("标签10", "输入", 360, 152, 40, 32),
           edit("编辑框8", "", 416, 152, 168, 32).takes(kIdItem | kIdOre),
           label("标签9", "成品", 640, 152, 40, 32),
           edit("编辑框7", "", 688, 152, 168, 32).takes(kIdItem | kIdOre),
           label("标签12", "选择注入材料", 112, 160, 112, 24),
           infusionTypes("组合框2", 224, 160),
           label("标签7", "数量", 432, 192, 72, 32),
           edit("编辑框5", "1", 512, 192, 72, 32),  // shown, but no line reads it
           label("标签11", "→", 600, 192, 24, 24),
           label("标签8", "数量", 640, 192, 72, 32),
           edit("编辑框6", "1", 720, 192, 72, 32),  // shown, but no line reads it
           button("修改工作台配方1", "删除冶金灌注机配方", 248, 232, 96, 40),
           button("修改工作台配方3", "删除所有冶金灌注机配方", 400, 232, 96, 40),
           label("标签14", "成品", 16, 240, 40, 32),
           edit("编辑框10", "", 64, 240, 168, 32).takes(kIdItem | kIdOre),
       }},
      {
          {"修改工作台配方8",
           {"mods.mekanism.infuser.addRecipe(", box("组合框1"), ",", box("编辑框9"), ", <",
            box("编辑框1"), "> * ", box("编辑框2"), ", <", box("编辑框3"), "> * ", box("编辑框4"),
            ");\r\n"}},
          {"修改工作台配方2",
           {"mods.mekanism.infuser.removeRecipe(<", box("编辑框7"), ">, <", box("编辑框8"), ">,",
            box("组合框2"), ");\r\n"}},
          {"修改工作台配方1", {"mods.mekanism.infuser.removeRecipe(<", box("编辑框10"), ">);\r\n"}},
          {"修改工作台配方3", {"mods.mekanism.infuser.removeAllRecipes();\r\n"}},
      }};
  return declaration;
}
const MachineWindowRegistration<&infuser> infuserRegistration("InfuserWindow");

}  // namespace
}  // namespace tf
