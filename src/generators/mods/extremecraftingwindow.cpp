// ExtremeCraftingWindow: shaped recipes for the 9×9 extreme crafting table. The user fills 81
// slot boxes and the output; "添加合成" turns the whole grid into one line of the script box
// 编辑框93. The line's head, with its fixed recipe name, is kept in the hidden box `a`.

#include "export/handover.h"
#include "forms/text.h"
#include "forms/values.h"
#include "generators/base/shapedgrid.h"
#include "ui/formwindow.h"
#include "ui/registry.h"

namespace tf {
namespace {

constexpr int kGridSide = 9;

// Slot n (from 1) is the box 编辑框n; rows and columns are counted from the top left.
QString slotName(int n) { return QStringLiteral("编辑框") + QString::number(n); }

FormDeclaration buildExtremeCraftingForm() {
  FormDeclaration declaration{"ExtremeCraftingWindow", "", 944, 667, {}};
  declaration.controls.reserve(kGridSide * kGridSide + 9);
  declaration.controls.push_back(label(
      "标签8", "特殊要求！这里的命名ID前后要加尖括号“<>”，如\r\nminecraft:egg变为<minecraft:egg>↓",
      168, 16, 544, 48));
  for (int n = 1; n <= kGridSide * kGridSide; ++n) {
    const int row = (n - 1) / kGridSide;
    const int column = (n - 1) % kGridSide;
    // The slots take whole brackets, as the hint above them says.
    ControlDeclaration slot = edit("", "null", 32 + 96 * column, 72 + 40 * row, 88, 32)
                                  .takes(kIdItem | kIdOre, IdForm::Bracketed);
    slot.name = slotName(n);
    declaration.controls.push_back(std::move(slot));
  }
  declaration.controls.push_back(label("标签9", "合成↓(这里不需要填\"<>\")", 356, 440, 216, 24));
  declaration.controls.push_back(button("修改工作台配方7", "完成并导出为zs文件", 32, 464, 256, 40));
  declaration.controls.push_back(label("标签7", "数量", 461, 471, 104, 24));
  declaration.controls.push_back(edit("编辑框92", "必填", 320, 472, 136, 24).takes(kIdItem));
  declaration.controls.push_back(edit("编辑框91", "1", 573, 471, 136, 24));
  declaration.controls.push_back(button("修改工作台配方1", "添加合成", 736, 464, 160, 40));
  declaration.controls.push_back(
      memo("编辑框93", "", 24, 512, 880, 112, kScrollV | kScrollH | kScript));
  // Out of sight beyond the right edge: the head of every recipe line.
  declaration.controls.push_back(edit(
      "a", "mods.avaritia.ExtremeCrafting.addShaped(\"NAMEPLACEHOLDER\", <", 1112, 280, 56, 56));
  declaration.scriptBox = QStringLiteral("编辑框93");
  return declaration;
}

const FormDeclaration& extremeCraftingForm() {
  static const FormDeclaration declaration = buildExtremeCraftingForm();
  return declaration;
}

// The grid as nine bracketed rows, top to bottom, each of its nine slots from left to right;
// an emptied slot writes `null`, as an untouched one does.
QString gridRows(const FormWindow& f) {
  QStringList rows;
  for (int row = 0; row < kGridSide; ++row) {
    QStringList entries;
    for (int column = 0; column < kGridSide; ++column)
      entries.append(gridCell(f.text(slotName(row * kGridSide + column + 1))));
    rows.append(entries.join(u','));
  }
  return "[[" + rows.join(QStringLiteral("],[")) + "]]";
}

void setupExtremeCrafting(FormWindow& f) {
  // The grid stays as it is, so the next recipe starts from this one.
  f.onClick("修改工作台配方1", [&f] {
    f.append("编辑框93", f.text("a") + f.text("编辑框92") + "> * " + f.text("编辑框91") + ", " +
                             gridRows(f) + ");\r\n");
  });
  f.onClick("修改工作台配方7", [&f] { exportScript(f, f.text("编辑框93")); });
}

const WindowRegistration registration("ExtremeCraftingWindow", &extremeCraftingForm,
                                      &setupExtremeCrafting);

}  // namespace
}  // namespace tf
