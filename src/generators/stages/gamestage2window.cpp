// GameStage2Window: blocks and items that players without a stage cannot see, for one typed id
// or for every id of the stored list, and the import of a stage script.

#include "export/handover.h"
#include "forms/text.h"
#include "forms/values.h"
#include "generators/stages/stagerows.h"
#include "ui/formwindow.h"
#include "ui/registry.h"

namespace tf {
namespace {

const FormDeclaration& gameStage2Form() {
  static const FormDeclaration declaration{
      "GameStage2Window",
      "GameStage2",
      728,
      359,
      {
          button("修改工作台配方6", "添加限制", 8, 8, 96, 40),
          label("标签1", "没有这个阶段的玩家", 112, 8, 112, 40),
          edit("编辑框6", "", 232, 16, 136, 24),
          label("标签2", "看不见方块", 376, 8, 112, 40),
          edit("编辑框1", "", 496, 16, 136, 24).takes(kIdItem),
          checkBox("选择框2", "批量导入", 640, 16, 72, 24),
          button("修改工作台配方1", "添加限制", 8, 64, 96, 40),
          label("标签4", "没有这个阶段的玩家", 112, 64, 112, 40),
          edit("编辑框4", "", 232, 72, 136, 24),
          label("标签3", "看不见物品", 376, 64, 112, 40),
          edit("编辑框3", "", 496, 72, 136, 24).takes(kIdItem),
          checkBox("选择框1", "批量导入", 640, 72, 72, 24),
          button("添加维度限制3", "导入阶段", 8, 120, 96, 40),
          edit("编辑框8", "", 112, 128, 168, 24),
          button("修改工作台配方7", "完成并导出为zs文件", 320, 120, 256, 40),
          memo("编辑框2", "", 8, 176, 704, 136, kScript),
      },
      "编辑框2"};
  return declaration;
}

QString hiddenBlockLine(const QString& stage, const QString& block) {
  return "mods.orestages.OreStages.addReplacement('" + stage + "',<" + block + ">);\r\n";
}

QString unfamiliarItemLine(const QString& stage, const QString& item) {
  return "mods.ItemStages.setUnfamiliarName('" + stage + "',<" + item + ">);\r\n";
}

void setupGameStage2(FormWindow& f) {
  // The upper row's check box is 选择框2, the lower row's 选择框1.
  connectBatchRows(f, "编辑框2",
                   {
                       {"修改工作台配方6", "选择框2", "编辑框6", "编辑框1", &hiddenBlockLine},
                       {"修改工作台配方1", "选择框1", "编辑框4", "编辑框3", &unfamiliarItemLine},
                   });
  f.onClick("添加维度限制3",
            [&f] { insertImportLine(f, "编辑框2", stageImportLine(f.text("编辑框8"))); });
  f.onClick("修改工作台配方7", [&f] { exportScript(f, f.text("编辑框2")); });
}

const WindowRegistration registration("GameStage2Window", &gameStage2Form, &setupGameStage2);

}  // namespace
}  // namespace tf
