// MekanismWindow: the chemical crystallizer, dissolution chamber and chemical infuser, the way
// to the other machines' windows and to the code terminal, and the export of MekanismScript.
// MekanismMachineSelectWindow: one button per further machine window. CodeTerminalWindow:
// shows MekanismScript and takes an edited script back.

#include "export/handover.h"
#include "forms/text.h"
#include "forms/values.h"
#include "generators/mekanism/recipebutton.h"
#include "ui/formwindow.h"
#include "ui/registry.h"

namespace tf {
namespace {

const MekanismForm& hub() {
  static const MekanismForm declaration{
      {"MekanismWindow",
       "通用机械魔改",
       1110,
       662,
       {
           button("修改工作台配方10", "化学结晶器魔改", 8, 8, 96, 40),
           label("标签1", "输入（省略模组名前缀，minecraft：water变成water）", 112, 8, 296, 40),
           edit("编辑框2", "", 416, 16, 136, 24).takes(kIdGas, IdForm::Plain),
           label("标签3", "成品", 560, 8, 48, 40),
           edit("编辑框3", "", 600, 16, 136, 24).takes(kIdItem),
           button("修改工作台配方2", "删除配方-化学结晶器", 8, 56, 96, 40),
           label("标签5", "输入（省略模组名前缀，minecraft：water变成water）", 112, 56, 296, 40),
           edit("编辑框5", "", 416, 64, 136, 24).takes(kIdGas, IdForm::Plain),
           label("标签4", "成品", 560, 56, 48, 40),
           edit("编辑框4", "", 600, 64, 136, 24).takes(kIdItem | kIdOre),
           button("修改工作台配方1", "删除配方-化学结晶器", 8, 104, 96, 40),
           label("标签2", "成品", 120, 104, 48, 40),
           edit("编辑框1", "", 160, 112, 136, 24).takes(kIdItem | kIdOre),
           button("修改工作台配方3", "删除所有配方-化学结晶器", 320, 104, 96, 40),
           button("按钮4", "", 8, 152, 744, 16),  // separator bar
           button("修改工作台配方7", "化学溶解室魔改", 8, 176, 96, 40),
           label("标签9", "输入", 112, 176, 48, 40),
           edit("编辑框10", "", 168, 184, 136, 24).takes(kIdItem | kIdOre),
           label("标签10", "成品（省略模组名前缀，minecraft：water变成water）", 320, 176, 296, 40),
           edit("编辑框9", "", 616, 184, 136, 24).takes(kIdGas, IdForm::Plain),
           button("修改工作台配方5", "删除配方-化学溶解室", 8, 224, 96, 40),
           label("标签6", "输入", 112, 224, 48, 40),
           edit("编辑框7", "", 168, 232, 136, 24).takes(kIdItem | kIdOre),
           label("标签7", "成品（省略模组名前缀，minecraft：water变成water）", 320, 224, 296, 40),
           edit("编辑框6", "", 616, 232, 136, 24).takes(kIdGas, IdForm::Plain),
           button("修改工作台配方6", "删除配方-化学溶解室", 8, 272, 96, 40),
           label("标签8", "成品（省略模组名前缀，minecraft：water变成water）", 112, 272, 296, 40),
           edit("编辑框8", "", 408, 280, 136, 24).takes(kIdGas, IdForm::Plain),
           button("修改工作台配方4", "删除所有配方-化学溶解室", 560, 272, 96, 40),
           button("按钮5", "", 7, 320, 744, 16),  // separator bar
           button("修改工作台配方12", "化学灌注器魔改", 8, 352, 96, 40),
           label("标签14", "输入（省略模组名前缀，minecraft：water变成water）", 112, 352, 288, 40),
           edit("编辑框15", "", 408, 360, 136, 24).takes(kIdGas, IdForm::Plain),
           label("标签16", "输入（省略模组名前缀，minecraft：water变成water）", 544, 352, 288, 40),
           edit("编辑框16", "", 832, 344, 136, 24).takes(kIdGas, IdForm::Plain),
           label("标签15", "成品（省略模组名前缀，minecraft：water变成water）", 104, 408, 296, 40),
           edit("编辑框17", "", 408, 416, 136, 24).takes(kIdGas, IdForm::Plain),
           button("修改工作台配方8", "删除配方-化学灌注器", 8, 448, 96, 40),
           label("标签12", "输入（省略模组名前缀，minecraft：water变成water）", 112, 448, 288, 40),
           edit("编辑框13", "", 408, 456, 136, 24).takes(kIdGas, IdForm::Plain),
           label("标签11", "输入（省略模组名前缀，minecraft：water变成water）", 544, 448, 288, 40),
           edit("编辑框11", "", 832, 440, 136, 24).takes(kIdGas, IdForm::Plain),
           label("标签13", "成品（省略模组名前缀，minecraft：water变成water）", 112, 504, 296, 40),
           edit("编辑框12", "", 408, 512, 136, 24).takes(kIdGas, IdForm::Plain),
           button("修改工作台配方11", "删除配方-化学灌注器", 8, 552, 96, 40),
           label("标签17", "成品（省略模组名前缀，minecraft：water变成water）", 112, 552, 296, 40),
           edit("编辑框14", "", 408, 560, 136, 24).takes(kIdGas, IdForm::Plain),
           button("修改工作台配方9", "删除所有配方-化学灌注器", 560, 552, 96, 40),
           button("按钮1", "打开终端查看代码", 992, 8, 104, 40),
           button("按钮3", "导出", 992, 56, 104, 40),
           button("按钮2", "更多", 816, 528, 264, 72),
       }},
      {
          {"修改工作台配方10",
           {"mods.mekanism.chemical.crystallizer.addRecipe(<gas:", box("编辑框2"), ">, <",
            box("编辑框3"), ">);\r\n"}},
          {"修改工作台配方2",
           {"mods.mekanism.chemical.crystallizer.removeRecipe(<", box("编辑框4"),
            ">, <gas:", box("编辑框5"), ">);\r\n"}},
          {"修改工作台配方1",
           {"mods.mekanism.chemical.crystallizer.removeRecipe(<", box("编辑框1"), ">);\r\n"}},
          {"修改工作台配方3", {"mods.mekanism.chemical.crystallizer.removeAllRecipes();\r\n"}},
          {"修改工作台配方7",
           {"mods.mekanism.chemical.dissolution.addRecipe(<", box("编辑框10"),
            ">, <gas:", box("编辑框9"), ">);\r\n"}},
          {"修改工作台配方5",
           {"mods.mekanism.chemical.dissolution.removeRecipe(<gas:", box("编辑框6"), ">, <",
            box("编辑框7"), ">);\r\n"}},
          {"修改工作台配方6",
           {"mods.mekanism.chemical.dissolution.removeRecipe(<gas:", box("编辑框8"), ">);\r\n"}},
          {"修改工作台配方4", {"mods.mekanism.chemical.dissolution.removeAllRecipes();\r\n"}},
          {"修改工作台配方12",
           {"mods.mekanism.chemical.infuser.addRecipe(<gas:", box("编辑框15"),
            ">,<gas:", box("编辑框16"), ">,<gas:", box("编辑框17"), ">);\r\n"}},
          {"修改工作台配方8",
           {"mods.mekanism.chemical.infuser.removeRecipe(<gas:", box("编辑框12"),
            ">, <gas:", box("编辑框13"), ">, <gas:", box("编辑框11"), ">);\r\n"}},
          {"修改工作台配方11",
           {"mods.mekanism.chemical.infuser.removeRecipe(<gas:", box("编辑框14"), ">);\r\n"}},
          {"修改工作台配方9", {"mods.mekanism.chemical.infuser.removeAllRecipes();\r\n"}},
      }};
  return declaration;
}

const FormDeclaration& hubForm() { return hub().form; }

constexpr Navigation kHubNavigation[] = {
    {"按钮1", "CodeTerminalWindow"},
    {"按钮2", "MekanismMachineSelectWindow"},
};

void setupHub(FormWindow& f) {
  connectRecipeButtons(f, hub().recipes);
  connectNavigation(f, kHubNavigation);
  // Exporting leaves the script as it is: a later export writes it all again.
  f.onClick("按钮3", [&f] { exportMekanismScript(f); });
}

const FormDeclaration& selectForm() {
  static const FormDeclaration declaration{
      "MekanismMachineSelectWindow",
      "mek机器选择",
      577,
      202,
      {
          button("修改工作台配方10", "化学压射室", 8, 8, 96, 40),
          button("按钮1", "打开终端查看代码", 120, 8, 104, 40),
          button("修改工作台配方1", "化学氧化机", 240, 8, 96, 40),
          button("修改工作台配方2", "化学清洗机", 352, 8, 96, 40),
          button("修改工作台配方3", "融合机", 464, 8, 96, 40),
          button("修改工作台配方4", "磨粉机", 8, 64, 96, 40),
          button("修改工作台配方5", "电解分离器", 120, 64, 96, 40),
          button("修改工作台配方6", "充能冶炼炉", 240, 64, 96, 40),
          button("修改工作台配方7", "富集仓", 352, 64, 96, 40),
          button("修改工作台配方8", "冶金灌注机", 464, 64, 96, 40),
          button("修改工作台配方9", "锇压缩机", 8, 120, 96, 40),
          button("修改工作台配方11", "精密锯木厂", 120, 120, 96, 40),
          button("修改工作台配方12", "加压反应室", 240, 120, 96, 40),
          button("修改工作台配方13", "太阳能中子活化器", 352, 120, 96, 40),
          button("修改工作台配方14", "热力蒸馏塔", 464, 120, 96, 40),
      }};
  return declaration;
}

// Which window each button opens.
constexpr Navigation kMachines[] = {
    {"修改工作台配方10", "ChemicalInjectionWindow"},
    {"按钮1", "CodeTerminalWindow"},
    {"修改工作台配方1", "ChemicalOxidizerWindow"},
    {"修改工作台配方2", "ChemicalWasherWindow"},
    {"修改工作台配方3", "CombinerWindow"},
    {"修改工作台配方4", "CrusherWindow"},
    {"修改工作台配方5", "SeparatorWindow"},
    {"修改工作台配方6", "SmelterWindow"},
    {"修改工作台配方7", "EnrichmentWindow"},
    {"修改工作台配方8", "InfuserWindow"},
    {"修改工作台配方9", "CompressorWindow"},
    {"修改工作台配方11", "SawmillWindow"},
    {"修改工作台配方12", "ReactionWindow"},
    {"修改工作台配方13", "SolarNeutronActivatorWindow"},
    {"修改工作台配方14", "ThermalEvaporationWindow"},
};

void setupSelect(FormWindow& f) { connectNavigation(f, kMachines); }

const FormDeclaration& terminalForm() {
  static const FormDeclaration declaration{
      "CodeTerminalWindow",
      "魔改代码终端",
      903,
      309,
      {
          memo("编辑框1", "", 0, 0, 896, 280, kScrollV | kTerminal | kScript),
          button("按钮1", "更新", 832, 0, 64, 32),
          button("按钮2", "写入", 832, 32, 64, 32),
      },
      "编辑框1",
      "按钮2"};
  return declaration;
}

void setupTerminal(FormWindow& f) {
  f.onClick("按钮1", [&f] { f.setText("编辑框1", values().mekanismScript); });
  f.onClick("按钮2", [&f] { values().mekanismScript = f.text("编辑框1"); });
  f.setText("编辑框1", values().mekanismScript);
}

const WindowRegistration hubRegistration("MekanismWindow", &hubForm, &setupHub);
const WindowRegistration selectRegistration("MekanismMachineSelectWindow", &selectForm,
                                            &setupSelect);
const WindowRegistration terminalRegistration("CodeTerminalWindow", &terminalForm, &setupTerminal);

}  // namespace
}  // namespace tf
