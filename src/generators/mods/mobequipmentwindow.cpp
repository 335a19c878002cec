// MobEquipmentWindow: a script that equips spawning mobs: an armour group with its spawn
// probability, an entity added to the group, and one slot per piece of equipment with its item
// and probability. The group's and the entity's variables are kept program-wide, so that later
// lines, also in a later opening of the window, refer to them.

#include "export/handover.h"
#include "forms/text.h"
#include "forms/values.h"
#include "ui/formwindow.h"
#include "ui/platform.h"
#include "ui/registry.h"

namespace tf {
namespace {

const char* const kScriptBox = "g";

const FormDeclaration& mobEquipmentForm() {
  static const FormDeclaration declaration{
      "MobEquipmentWindow",
      "怪物装备魔改",
      659,
      495,
      {
          label("标签1", "新的组名称（必填，英文）", 8, 13, 144, 32),
          edit("编辑框1", "", 152, 8, 168, 32),
          label("标签15", "概率(生成该种怪物)", 336, 11, 112, 32),
          edit("q1", "1", 448, 13, 27, 32),
          button("按钮1", "创造", 478, 12, 104, 32),
          label("标签2", "要魔改的怪物", 8, 53, 144, 32),
          edit("编辑框2", "", 152, 48, 168, 32).takes(kIdEntity, IdForm::Plain),
          button("按钮2", "创造", 334, 52, 104, 32),
          label("标签14", "该模块需要ArmoreableMobs", 448, 56, 192, 24),
          label("标签3", "头盔", 8, 93, 144, 32),
          edit("编辑框3", "", 152, 88, 168, 32).takes(kIdItem),
          label("标签8", "概率", 325, 93, 32, 32),
          edit("q", "1", 360, 91, 168, 32),
          button("按钮3", "创造", 535, 90, 104, 32),
          label("标签4", "胸甲", 8, 133, 144, 32),
          edit("编辑框4", "", 152, 128, 168, 32).takes(kIdItem),
          label("标签12", "概率", 325, 136, 32, 32),
          edit("w", "1", 360, 129, 168, 32),
          button("按钮4", "创造", 535, 130, 104, 32),
          label("标签5", "护腿", 8, 173, 144, 32),
          edit("编辑框5", "", 152, 168, 168, 32).takes(kIdItem),
          label("标签11", "概率", 325, 176, 32, 32),
          edit("e", "1", 360, 166, 168, 32),
          button("按钮5", "创造", 535, 170, 104, 32),
          label("标签6", "靴子", 8, 213, 144, 32),
          edit("编辑框6", "", 152, 208, 168, 32).takes(kIdItem),
          label("标签10", "概率", 325, 208, 32, 32),
          edit("r", "1", 360, 206, 168, 32),
          button("按钮6", "创造", 535, 210, 104, 32),
          label("标签7", "武器", 10, 253, 134, 32),
          edit("编辑框7", "", 151, 248, 168, 32).takes(kIdItem),
          label("标签9", "概率", 325, 248, 32, 32),
          edit("t", "1", 360, 246, 168, 32),
          button("按钮7", "创造", 537, 250, 104, 32),
          button("修改工作台配方7", "(全部填写完后再点)完成并导出为zs文件", 200, 283, 256, 40),
          label("标签13", "概率最高为1", 8, 296, 80, 32),
          memo("g",
               "import mods.armoreablemobs.ArmorHandler; \r\n"
               "import mods.armoreablemobs.ArmorEntity; \r\n"
               "import mods.armoreablemobs.ArmorSlot; ",
               0, 336, 648, 128, kScrollV | kScrollH | kScript),
          // Template pieces, out of sight beyond the right edge.
          edit("编辑框8", "= ArmorHandler.createArmorGroup(\"", 896, 120, 296, 16),
          edit("编辑框9", " = ArmorHandler.createArmorEntity(\"minecraft:zombie\");", 1008, 160,
               184, 32),
          edit("a", "\"", 1016, 200, 104, 24),
          edit("b", ".addArmor(ArmorHandler.createArmorSlot(\"", 1040, 232, 56, 16),
      },
      "g"};
  return declaration;
}

// One equipment slot: its name in the script, the boxes of its item and probability, and the
// fixed piece between them (the weapon's has its blank before the comma).
struct Slot {
  const char* button;
  const char* name;
  const char* itemBox;
  const char* afterItem;
  const char* probabilityBox;
};

const Slot kSlots[] = {
    {"按钮3", "head", "编辑框3", ">, 1, ", "q"},     {"按钮4", "chest", "编辑框4", ">, 1, ", "w"},
    {"按钮5", "legs", "编辑框5", ">, 1, ", "e"},     {"按钮6", "feet", "编辑框6", ">, 1, ", "r"},
    {"按钮7", "mainhand", "编辑框7", ">, 1 ,", "t"},
};

void appendSlot(FormWindow& f, const Slot& s) {
  f.append(kScriptBox, values().armorGroupVar + f.text("b") + s.name + f.text("a") + ", <" +
                           f.text(s.itemBox) + s.afterItem + f.text(s.probabilityBox) + "));\r\n");
}

void createGroup(FormWindow& f) {
  ProgramValues& v = values();
  v.armorGroupVar = f.text("编辑框1") + "_grup";
  f.append(kScriptBox, "var " + v.armorGroupVar + " " + f.text("编辑框8") + v.armorGroupVar +
                           f.text("a") + "," + f.text("q1") + ");\r\n");
}

// The entity is the mob typed into "要魔改的怪物"; without one, the template's zombie.
QString entityLine(const FormWindow& f) {
  QString line = f.text("编辑框9");
  const QString mob = f.text("编辑框2");
  if (!mob.isEmpty()) line.replace(QStringLiteral("minecraft:zombie"), mob);
  return line;
}

void createEntity(FormWindow& f) {
  ProgramValues& v = values();
  v.armorEntityVar = f.text("编辑框1") + "_mob";
  f.append(kScriptBox, "var " + v.armorEntityVar + entityLine(f) + "\r\n");
  f.append(kScriptBox, v.armorGroupVar + ".addEntity(" + v.armorEntityVar + ");\r\n");
}

void setupMobEquipment(FormWindow& f) {
  f.onClick("按钮1", [&f] { createGroup(f); });
  f.onClick("按钮2", [&f] { createEntity(f); });
  for (const Slot& s : kSlots) f.onClick(s.button, [&f, &s] { appendSlot(f, s); });
  f.onClick("修改工作台配方7", [&f] { exportScript(f, f.text(kScriptBox)); });

  // The form's third import line is finished and the fourth added.
  f.append(kScriptBox, "\r\nimport mods.armoreablemobs.ArmorGroup; \r\n");
}

const WindowRegistration registration("MobEquipmentWindow", &mobEquipmentForm, &setupMobEquipment);

}  // namespace
}  // namespace tf
