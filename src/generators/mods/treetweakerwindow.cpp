// TreeTweakerWindow: a script that defines one new kind of tree for world generation. The
// create button takes the tree's name once and keeps it program-wide; every property line
// starts from it, and the export closes the script with the tree's register call.

#include <QCoreApplication>

#include "export/handover.h"
#include "forms/text.h"
#include "forms/values.h"
#include "ui/formwindow.h"
#include "ui/platform.h"
#include "ui/registry.h"

namespace tf {
namespace {

// The hint shown in the type box; translated where it is shown.
const char* const kHint = QT_TRANSLATE_NOOP(
    "TreeTweakerWindow",
    "可用类型OAK,LARGE_OAK,JUNGLE,CANOPY,LARGE_CANOPY,PINE,LARGE_PINE,SPRUCE,LARGE_SPRUCE,"
    "ACACIA,RED_MUSHROOM,BROWN_MUSHROOM,BRAIDED,PALM,WILOW");

QString hint() { return QCoreApplication::translate("TreeTweakerWindow", kHint); }

const char* const kScriptBox = "编辑框11";

const FormDeclaration& treeTweakerForm() {
  static const FormDeclaration declaration{
      "TreeTweakerWindow",
      "TreeTweaker",
      482,
      714,
      {
          label("标签1", "新的树名称（英文）", 16, 18, 144, 32),
          edit("编辑框1", "", 160, 13, 168, 32),
          button("按钮1", "创造", 335, 14, 104, 32),
          label("标签2", "树的类型", 16, 61, 144, 32),
          edit("编辑框2", "", 160, 56, 168, 32),
          button("按钮2", "添加", 335, 57, 104, 32),
          memo("编辑框3", kHint, 8, 104, 424, 40, kNoOption),
          button("按钮3", "刷新", 336, 152, 104, 32),
          label("标签10", "本mod需要TreeTweaker mod", 40, 160, 264, 32),
          label("标签3", "树干的方块(默认木头)", 16, 205, 144, 32),
          edit("编辑框4", "", 160, 200, 168, 32).takes(kIdBlock, IdForm::Plain),
          button("按钮4", "添加", 335, 201, 104, 32),
          label("标签4", "树叶的方块（默认树叶）", 16, 245, 144, 32),
          edit("编辑框5", "", 160, 240, 168, 32).takes(kIdBlock, IdForm::Plain),
          button("按钮5", "添加", 335, 241, 104, 32),
          label("标签5", "树的最小高度（默认5）", 16, 285, 144, 32),
          edit("编辑框6", "", 160, 280, 168, 32),
          button("按钮6", "添加", 335, 281, 104, 32),
          label("标签6", "树的生产频率(越小越多)", 16, 325, 144, 32),
          edit("编辑框7", "", 160, 320, 168, 32),
          button("按钮7", "添加", 335, 321, 104, 32),
          label("标签7", "只生成在这个生物群系（选填）", 8, 365, 168, 32),
          edit("编辑框8", "", 176, 360, 152, 32),
          button("按钮8", "添加", 335, 361, 104, 32),
          label("标签8", "只生成在这个方块上面（选填）", 8, 405, 168, 32),
          edit("编辑框9", "", 176, 400, 152, 32).takes(kIdBlock, IdForm::Plain),
          button("按钮9", "添加", 335, 401, 104, 32),
          label("标签9", "只生成在这个维度（选填）", 8, 445, 168, 32),
          edit("编辑框10", "", 176, 440, 152, 32),
          button("按钮10", "添加", 335, 441, 104, 32),
          button("修改工作台配方7", "(全部填写完后再点)完成并导出为zs文件", 88, 496, 256, 40),
          memo("编辑框11", "", 8, 552, 432, 128, kScrollV | kScrollH | kScript),
          // The quote character, out of sight beyond the right edge.
          edit("a", "\"", 536, 240, 32, 24),
      },
      "编辑框11"};
  return declaration;
}

// One property line: the tree's stem, the method, and the typed value, quoted for texts and
// bare for numbers. The type line starts from the name and a method piece with the dot; every
// other line from the prefix that already ends with it.
struct Property {
  const char* button;
  const char* box;
  QString ProgramValues::*stem;
  const char* method;
  bool quoted;
};

const Property kProperties[] = {
    {"按钮2", "编辑框2", &ProgramValues::treeName, ".setTreeType(", true},
    {"按钮4", "编辑框4", &ProgramValues::treePrefix, "setLog(", true},
    {"按钮5", "编辑框5", &ProgramValues::treePrefix, "setLeaf(", true},
    {"按钮6", "编辑框6", &ProgramValues::treePrefix, "setMinHeight(", false},
    {"按钮7", "编辑框7", &ProgramValues::treePrefix, "setGenFrequency(", false},
    {"按钮8", "编辑框8", &ProgramValues::treePrefix, "setGenBiome(", true},
    {"按钮9", "编辑框9", &ProgramValues::treePrefix, "setBaseBlock(", true},
    {"按钮10", "编辑框10", &ProgramValues::treePrefix, "setDimWhitelist(", false},
};

void appendProperty(FormWindow& f, const Property& p) {
  const ProgramValues& v = values();
  const QString quote = p.quoted ? v.treeQuote : QString();
  f.append(kScriptBox, v.*p.stem + p.method + quote + f.text(p.box) + quote + ");\r\n");
}

void create(FormWindow& f) {
  ProgramValues& v = values();
  v.treeName = f.text("编辑框1");
  v.treeQuote = f.text("a");
  v.treePrefix = v.treeName + ".";
  f.append(kScriptBox, "var " + v.treeName + " = TreeFactory.createTree(" + f.text("a") +
                           v.treeName + f.text("a") + ");\r\n");
}

// The register call ends the script without a line break; the box keeps it after the export.
void finishAndExport(FormWindow& f) {
  f.append(kScriptBox, values().treePrefix + "register();");
  exportScript(f, f.text(kScriptBox));
}

void setupTreeTweaker(FormWindow& f) {
  f.onClick("按钮1", [&f] { create(f); });
  for (const Property& p : kProperties) f.onClick(p.button, [&f, &p] { appendProperty(f, p); });
  f.onClick("按钮3", [&f] { f.setText("编辑框3", hint()); });
  f.onClick("修改工作台配方7", [&f] { finishAndExport(f); });

  f.setText("编辑框3", hint());
  f.setText(kScriptBox, "import mods.treetweaker.TreeFactory;\r\n");
}

const WindowRegistration registration("TreeTweakerWindow", &treeTweakerForm, &setupTreeTweaker);

}  // namespace
}  // namespace tf
