// ExNihiloWindow: Ex Nihilo Creatio sieve drops and heat sources; the script box goes to
// ExportWindow.

#include "export/handover.h"
#include "forms/text.h"
#include "forms/values.h"
#include "ui/formwindow.h"
#include "ui/registry.h"

namespace tf {
namespace {

const FormDeclaration& exNihiloForm() {
  static const FormDeclaration declaration{
      "ExNihiloWindow",
      "无中生有",
      508,
      378,
      {
          button("修改工作台配方7", "添加热值", 8, 8, 96, 40),
          label("标签7", "方块", 112, 24, 40, 24),
          edit("a", "", 152, 24, 136, 24).takes(kIdItem),
          label("标签1", "热值", 304, 24, 40, 24),
          edit("a1", "", 344, 24, 136, 24),
          button("修改工作台配方1", "添加筛矿", 8, 72, 96, 40),
          label("标签2", "选择筛网", 120, 80, 64, 32),
          label("标签3", "用(block)", 288, 80, 64, 24),
          edit("a5", "", 352, 80, 136, 24).takes(kIdItem),
          combo("组合框1", {"DiamondMesh", "IronMesh", "FlintMesh", "StringMesh"}, 184, 88, 96, 20),
          label("标签4", "筛出", 288, 112, 64, 24),
          edit("a6", "", 352, 112, 136, 24).takes(kIdItem),
          button("修改工作台配方2", "完成并导出为zs文件", 16, 120, 256, 40),
          label("标签5", "几率", 288, 144, 64, 24),
          edit("a7", "", 352, 144, 136, 24),
          memo("编辑框1", "", 8, 176, 488, 152, kScript),
      },
      "编辑框1"};
  return declaration;
}

void setupExNihilo(FormWindow& f) {
  // The mesh's name is part of the method's name: "IronMesh" calls addIronMeshRecipe.
  f.onClick("修改工作台配方1", [&f] {
    f.append("编辑框1", "Sieve.add" + f.text("组合框1") + "Recipe(<" + f.text("a5") + ">,<" +
                            f.text("a6") + ">," + f.text("a7") + ");\r\n");
  });
  f.onClick("修改工作台配方7", [&f] {
    f.append("编辑框1", "mods.exnihilocreatio.Heat.addRecipe(<" + f.text("a") + ">," +
                            f.text("a1") + ");\r\n");
  });
  f.onClick("修改工作台配方2", [&f] { exportScript(f, f.text("编辑框1")); });

  f.append("编辑框1", "import mods.exnihilocreatio.Sieve;\r\n");
}

const WindowRegistration registration("ExNihiloWindow", &exNihiloForm, &setupExNihilo);

}  // namespace
}  // namespace tf
