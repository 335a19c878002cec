// Ae2Window: Applied Energistics 2 inscriber recipes added and removed, grindstone recipes
// removed; the script box goes to ExportWindow.

#include "export/handover.h"
#include "forms/text.h"
#include "forms/values.h"
#include "ui/formwindow.h"
#include "ui/registry.h"

namespace tf {
namespace {

const FormDeclaration& ae2Form() {
  static const FormDeclaration declaration{
      "Ae2Window",
      "AE2",
      595,
      415,
      {
          button("修改工作台配方4", "石英磨具删除配方", 8, 8, 96, 40),
          label("标签1", "Input", 120, 8, 48, 40),
          edit("编辑框2", "", 184, 16, 144, 32).takes(kIdItem),
          label("标签3", "Output", 336, 16, 48, 40),
          edit("编辑框5", "", 408, 16, 144, 32).takes(kIdItem | kIdOre),
          button("修改工作台配方1", "增加压印器配方", 8, 64, 96, 40),
          edit("编辑框6", "", 120, 72, 144, 32).takes(kIdItem | kIdOre),
          edit("编辑框3", "", 376, 104, 144, 32).takes(kIdItem),
          label("标签2", "合成→", 280, 112, 80, 24),
          edit("编辑框4", "", 120, 144, 144, 32).takes(kIdItem | kIdOre),
          button("修改工作台配方2", "删除压印器配方", 8, 184, 96, 40),
          label("标签4", "物品id", 112, 192, 40, 40),
          edit("编辑框7", "", 160, 192, 144, 32).takes(kIdItem),
          button("修改工作台配方7", "完成并导出为zs文件", 312, 192, 256, 40),
          memo("编辑框1", "", 0, 248, 584, 136, kScrollV | kScript),
      },
      "编辑框1"};
  return declaration;
}

void setupAe2(FormWindow& f) {
  // The result (right of the arrow) comes first; the box beside "Output" in the top row is the
  // fourth argument.
  f.onClick("修改工作台配方1", [&f] {
    f.append("编辑框1", "Inscriber.addRecipe(<" + f.text("编辑框3") + ">,<" + f.text("编辑框6") +
                            ">,false,<" + f.text("编辑框5") + ">,<" + f.text("编辑框4") +
                            ">);\r\n");
  });
  f.onClick("修改工作台配方2", [&f] {
    f.append("编辑框1", "Inscriber.removeRecipe(<" + f.text("编辑框7") + ">);\r\n");
  });
  f.onClick("修改工作台配方4", [&f] {
    f.append("编辑框1", "Grinder.removeRecipe(<" + f.text("编辑框2") + ">);\r\n");
  });
  f.onClick("修改工作台配方7", [&f] { exportScript(f, f.text("编辑框1")); });

  f.append("编辑框1", "import mods.appliedenergistics2.Cannon;\r\n");
  f.append("编辑框1", "import mods.appliedenergistics2.Grinder;\r\n");
  f.append("编辑框1", "import mods.appliedenergistics2.Inscriber;\r\n");
}

const WindowRegistration registration("Ae2Window", &ae2Form, &setupAe2);

}  // namespace
}  // namespace tf
