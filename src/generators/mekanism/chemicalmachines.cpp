// The chemical machines' windows: chemical injection chamber, chemical oxidizer, chemical
// washer, electrolytic separator, pressurized reaction chamber, solar neutron activator and
// thermal evaporation plant. Each window is its controls and the lines of its recipe buttons;
// the buttons append those lines to MekanismScript.

#include "generators/mekanism/recipebutton.h"

namespace tf {
namespace {

const MekanismForm& chemicalInjection() {
  static const MekanismForm declaration{
      {"ChemicalInjectionWindow",
       "化学压射室",
       577,
       506,
       {
           label("标签3", "输入", 48, 32, 88, 32),
           edit("编辑框1", "", 144, 32, 168, 32).takes(kIdItem | kIdOre),
           label("标签5", "成品", 392, 40, 88, 32),
           edit("编辑框3", "", 368, 80, 168, 32).takes(kIdItem),
           label("标签2", "↑", 224, 88, 24, 24),
           label("标签1", "→", 328, 88, 24, 24),
           label("标签6", "输入（气体）（省略模组名前缀，minecraft：water变成water）", 24, 120, 344,
                 40),
           button("修改工作台配方10", "添加化学压射室配方", 376, 136, 96, 40),
           edit("编辑框2", "", 144, 168, 168, 32).takes(kIdGas, IdForm::Plain),
           label("标签8", "输入", 48, 224, 88, 32),
           edit("编辑框6", "", 144, 224, 168, 32).takes(kIdItem | kIdOre),
           label("标签7", "成品", 392, 232, 88, 32),
           edit("编辑框4", "", 368, 272, 168, 32).takes(kIdItem | kIdOre),
           label("标签9", "↑", 224, 280, 24, 24),
           label("标签10", "→", 328, 280, 24, 24),
           label("标签4", "输入（气体）（省略模组名前缀，minecraft：water变成water）", 24, 312, 336,
                 40),
           button("修改工作台配方1", "删除化学压射室配方", 376, 328, 96, 40),
           edit("编辑框5", "", 144, 360, 168, 32).takes(kIdGas, IdForm::Plain),
           button("修改工作台配方2", "删除化学压射室配方", 24, 416, 96, 40),
           button("修改工作台配方3", "删除化学压射室所有配方", 448, 416, 96, 40),
           label("标签11", "成品", 128, 424, 88, 32),
           edit("编辑框7", "", 224, 424, 168, 32).takes(kIdItem | kIdOre),
       }},
      {
          {"修改工作台配方10",
           {"mods.mekanism.chemical.injection.addRecipe(<", box("编辑框1"),
            ">, <gas:", box("编辑框2"), ">, <", box("编辑框3"), ">);\r\n"}},
          {"修改工作台配方1",
           {"mods.mekanism.chemical.injection.removeRecipe(<", box("编辑框4"), ">, <",
            box("编辑框6"), ">, <gas:", box("编辑框5"), ">);\r\n"}},
          {"修改工作台配方2",
           {"mods.mekanism.chemical.injection.removeRecipe(<", box("编辑框7"), ">);\r\n"}},
          // No line break: whatever is appended next continues on this line.
          {"修改工作台配方3", {"mods.mekanism.chemical.injection.removeAllRecipes();"}},
      }};
  return declaration;
}
const MachineWindowRegistration<&chemicalInjection> chemicalInjectionRegistration(
    "ChemicalInjectionWindow");

const MekanismForm& chemicalOxidizer() {
  static const MekanismForm declaration{
      {"ChemicalOxidizerWindow",
       "化学氧化机",
       579,
       357,
       {
           label("标签6", "输出（气体）（省略模组名前缀，minecraft：water变成water）", 208, 24, 344,
                 40),
           button("修改工作台配方1", "添加化学氧化机配方", 464, 64, 96, 40),
           label("标签3", "输入", 16, 72, 56, 32),
           edit("编辑框1", "", 96, 72, 168, 32).takes(kIdItem | kIdOre),
           edit("编辑框2", "", 296, 72, 168, 32).takes(kIdGas, IdForm::Plain),
           label("标签1", "→", 264, 80, 24, 24),
           label("标签2", "输出（气体）（省略模组名前缀，minecraft：water变成water）", 208, 120,
                 344, 40),
           button("修改工作台配方2", "删除化学氧化机配方", 464, 160, 96, 40),
           label("标签4", "输入", 16, 168, 64, 32),
           edit("编辑框4", "", 96, 168, 168, 32).takes(kIdItem | kIdOre),
           edit("编辑框3", "", 296, 168, 168, 32).takes(kIdGas, IdForm::Plain),
           label("标签5", "→", 264, 176, 24, 24),
           label("标签7", "输出（省略模组名前缀，minecraft：water变成water）", 56, 232, 296, 40),
           button("修改工作台配方3", "删除化学氧化机配方", 264, 272, 96, 40),
           button("修改工作台配方4", "删除化学氧化机所有配方", 424, 272, 96, 40),
           edit("编辑框5", "", 96, 280, 168, 32).takes(kIdGas, IdForm::Plain),
       }},
      {
          {"修改工作台配方1",
           {"mods.mekanism.chemical.oxidizer.addRecipe(<", box("编辑框1"),
            ">, <gas:", box("编辑框2"), ">);\r\n"}},
          {"修改工作台配方2",
           {"mods.mekanism.chemical.oxidizer.removeRecipe(<gas:", box("编辑框3"), ">, <",
            box("编辑框4"), ">);\r\n"}},
          {"修改工作台配方3",
           {"mods.mekanism.chemical.oxidizer.removeRecipe(<gas:", box("编辑框5"), ">);\r\n"}},
          {"修改工作台配方4", {"mods.mekanism.chemical.oxidizer.removeAllRecipes();\r\n"}},
      }};
  return declaration;
}
const MachineWindowRegistration<&chemicalOxidizer> chemicalOxidizerRegistration(
    "ChemicalOxidizerWindow");

const MekanismForm& chemicalWasher() {
  static const MekanismForm declaration{
      {"ChemicalWasherWindow",
       "化学清洗机",
       828,
       325,
       {
           button("修改工作台配方2", "添加化学清洗机配方", 608, 16, 96, 40),
           edit("编辑框2", "", 24, 24, 168, 32).takes(kIdGas, IdForm::Plain),
           label("标签5", "→→→→→→→→→→→", 208, 24, 136, 24),
           edit("编辑框1", "", 376, 24, 168, 32).takes(kIdGas, IdForm::Plain),
           label("标签6", "输入（气体）（省略模组名前缀，minecraft：water变成water）", 16, 64, 336,
                 40),
           label("标签1", "输出（气体）（省略模组名前缀，minecraft：water变成water）", 392, 64, 344,
                 40),
           button("修改工作台配方1", "删除化学清洗机配方", 616, 104, 96, 40),
           edit("编辑框4", "", 24, 112, 168, 32).takes(kIdGas, IdForm::Plain),
           label("标签3", "→→→→→→→→→→→", 216, 112, 136, 24),
           edit("编辑框3", "", 384, 112, 168, 32).takes(kIdGas, IdForm::Plain),
           label("标签4", "输入（气体）（省略模组名前缀，minecraft：water变成water）", 24, 152, 336,
                 40),
           label("标签2", "输出（气体）（省略模组名前缀，minecraft：water变成water）", 376, 152,
                 344, 40),
           button("修改工作台配方3", "删除化学清洗机配方", 216, 200, 96, 40),
           edit("编辑框5", "", 24, 208, 168, 32).takes(kIdGas, IdForm::Plain),
           button("修改工作台配方4", "删除化学清洗机所有配方", 600, 240, 96, 40),
           label("标签7", "输出（气体）（省略模组名前缀，minecraft：water变成water）", 8, 248, 344,
                 40),
       }},
      {
          {"修改工作台配方2",
           {"mods.mekanism.chemical.washer.addRecipe(<gas:", box("编辑框2"),
            ">, <gas:", box("编辑框1"), ">);\r\n"}},
          {"修改工作台配方1",
           {"mods.mekanism.chemical.washer.removeRecipe(<gas:", box("编辑框3"),
            ">, <gas:", box("编辑框4"), ">);\r\n"}},
          {"修改工作台配方3",
           {"mods.mekanism.chemical.washer.removeRecipe(<gas:", box("编辑框5"), ">);\r\n"}},
          {"修改工作台配方4", {"mods.mekanism.chemical.washer.removeAllRecipes();\r\n"}},
      }};
  return declaration;
}
const MachineWindowRegistration<&chemicalWasher> chemicalWasherRegistration("ChemicalWasherWindow");

const MekanismForm& separator() {
  static const MekanismForm declaration{
      {"SeparatorWindow",
       "电解分离器",
       1048,
       364,
       {
           label("标签2", "输出（省略模组名前缀，minecraft：water变成water）", 552, 8, 296, 40),
           edit("编辑框3", "", 856, 16, 168, 32).takes(kIdGas, IdForm::Plain),
           label("标签5", "输入（省略模组名前缀，minecraft：water变成water）", 24, 40, 296, 40),
           edit("编辑框1", "", 320, 40, 168, 32).takes(kIdLiquid, IdForm::Plain),
           label("标签1", "→", 520, 56, 24, 24),
           label("标签3", "输出（省略模组名前缀，minecraft：water变成water）", 552, 64, 296, 40),
           edit("编辑框2", "", 856, 72, 168, 32).takes(kIdGas, IdForm::Plain),
           label("标签4", "耗电（rf）", 272, 80, 72, 32),
           edit("编辑框4", "1000", 352, 80, 72, 32),
           button("修改工作台配方10", "添加电解分离器配方", 32, 88, 96, 40),
           label("标签8", "输出（省略模组名前缀，minecraft：water变成water）", 552, 128, 296, 40),
           edit("编辑框7", "", 856, 136, 168, 32).takes(kIdGas, IdForm::Plain),
           label("标签7", "输入（省略模组名前缀，minecraft：water变成water）", 24, 160, 296, 40),
           edit("编辑框8", "", 320, 160, 168, 32).takes(kIdLiquid, IdForm::Plain),
           label("标签10", "→", 520, 176, 24, 24),
           label("标签6", "输出（省略模组名前缀，minecraft：water变成water）", 552, 184, 296, 40),
           edit("编辑框5", "", 856, 192, 168, 32).takes(kIdGas, IdForm::Plain),
           button("修改工作台配方1", "删除电解分离器配方", 32, 208, 96, 40),
           button("修改工作台配方2", "删除电解分离器配方", 512, 272, 96, 40),
           button("修改工作台配方3", "删除电解分离器所有配方", 640, 272, 96, 40),
           label("标签9", "输入（省略模组名前缀，minecraft：water变成water）", 24, 280, 296, 40),
           edit("编辑框6", "", 320, 280, 168, 32).takes(kIdLiquid, IdForm::Plain),
       }},
      {
          {"修改工作台配方10",
           {"mods.mekanism.separator.addRecipe(<liquid:", box("编辑框1"), ">,", box("编辑框4"),
            ", <gas:", box("编辑框3"), ">, <gas:", box("编辑框2"), ">);\r\n"}},
          {"修改工作台配方1",
           {"mods.mekanism.separator.removeRecipe(<liquid:", box("编辑框8"),
            ">, <gas:", box("编辑框7"), ">, <gas:", box("编辑框5"), ">);\r\n"}},
          {"修改工作台配方2",
           {"mods.mekanism.separator.removeRecipe(<liquid:", box("编辑框6"), ">);\r\n"}},
          {"修改工作台配方3", {"mods.mekanism.separator.removeAllRecipes();\r\n"}},
      }};
  return declaration;
}
const MachineWindowRegistration<&separator> separatorRegistration("SeparatorWindow");

const MekanismForm& reaction() {
  static const MekanismForm declaration{
      {"ReactionWindow",
       "加压反应室",
       1265,
       233,
       {
           label("标签6", "输入（气体）（省略模组名前缀，minecraft：water变成water）", 152, 16, 360,
                 40),
           edit("编辑框1", "", 520, 16, 168, 32).takes(kIdGas, IdForm::Plain),
           button("修改工作台配方10", "添加加压反应室配方", 24, 24, 96, 40),
           label("标签5", "成品", 776, 24, 88, 32),
           edit("编辑框3", "", 872, 24, 168, 32).takes(kIdItem | kIdOre),
           label("标签4", "耗电（rf）", 776, 56, 72, 32),
           edit("编辑框4", "1000", 856, 56, 72, 32),
           label("标签7", "输入（流体）（省略模组名前缀，minecraft：water变成water）", 152, 80, 344,
                 40),
           edit("编辑框5", "", 520, 80, 168, 32).takes(kIdLiquid, IdForm::Plain),
           label("标签8", "时间（tick）", 776, 88, 72, 32),
           edit("编辑框2", "1000", 856, 88, 72, 32),
           label("标签1", "→", 720, 96, 24, 24),
           label("标签2", "输出（省略模组名前缀，minecraft：water变成water）", 768, 120, 296, 40),
           edit("编辑框8", "", 1072, 120, 168, 32).takes(kIdGas, IdForm::Plain),
           button("修改工作台配方1", "删除加压反应室所有配方", 24, 136, 96, 40),
           label("标签3", "输入", 440, 139, 72, 32),
           edit("编辑框7", "", 520, 144, 168, 32).takes(kIdItem | kIdOre),
       }},
      {
          {"修改工作台配方10",
           {"mods.mekanism.reaction.addRecipe(<", box("编辑框7"), ">, <liquid:", box("编辑框5"),
            ">, <gas:", box("编辑框1"), ">, <", box("编辑框3"), ">,<gas:", box("编辑框8"), ">,",
            box("编辑框4"), ",", box("编辑框2"), ");\r\n"}},
          {"修改工作台配方1", {"mods.mekanism.reaction.removeAllRecipes();\r\n"}},
      }};
  return declaration;
}
const MachineWindowRegistration<&reaction> reactionRegistration("ReactionWindow");

const MekanismForm& solarNeutronActivator() {
  static const MekanismForm declaration{
      {"SolarNeutronActivatorWindow",
       "太阳能中子活化器",
       812,
       125,
       {
           label("标签2", "输入（气体）（省略模组名前缀，minecraft：water变成water）", 8, 8, 336,
                 40),
           label("标签6", "输出（气体）（省略模组名前缀，minecraft：water变成water）", 440, 8, 336,
                 40),
           button("修改工作台配方1", "添加太阳能中子活化器配方", 648, 48, 96, 40),
           edit("编辑框1", "", 88, 56, 168, 32).takes(kIdGas, IdForm::Plain),
           edit("编辑框2", "", 472, 56, 168, 32).takes(kIdGas, IdForm::Plain),
           label("标签1", "→", 360, 64, 24, 24),
       }},
      {
          {"修改工作台配方1",
           {"mods.mekanism.solarneutronactivator.addRecipe(<gas:", box("编辑框1"),
            ">, <gas:", box("编辑框2"), ">);\r\n"}},
      }};
  return declaration;
}
const MachineWindowRegistration<&solarNeutronActivator> solarNeutronActivatorRegistration(
    "SolarNeutronActivatorWindow");

const MekanismForm& thermalEvaporation() {
  static const MekanismForm declaration{
      {"ThermalEvaporationWindow",
       "热力蒸馏塔",
       839,
       147,
       {
           label("标签2", "输入（液体）（省略模组名前缀，minecraft：water变成water）", 8, 8, 336,
                 40),
           label("标签6", "输出（液体）（省略模组名前缀，minecraft：water变成water）", 440, 8, 336,
                 40),
           button("修改工作台配方1", "添加热力蒸馏塔配方", 648, 48, 96, 40),
           edit("编辑框1", "", 88, 56, 168, 32).takes(kIdLiquid, IdForm::Plain),
           edit("编辑框2", "", 472, 56, 168, 32).takes(kIdLiquid, IdForm::Plain),
           label("标签1", "→", 360, 64, 24, 24),
       }},
      {
          {"修改工作台配方1",
           {"mods.mekanism.thermalevaporation.addRecipe(<liquid:", box("编辑框1"),
            ">, <liquid:", box("编辑框2"), ">);\r\n"}},
      }};
  return declaration;
}
const MachineWindowRegistration<&thermalEvaporation> thermalEvaporationRegistration(
    "ThermalEvaporationWindow");

}  // namespace
}  // namespace tf
