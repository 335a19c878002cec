// MainWindow: the program's hub. Each button opens one window modally over it; "沉浸工程"
// only shows a notice. The creation step greets the user on New Year's Day. Closing it while a
// program-wide script holds text that no export has written asks first.

#include <QCoreApplication>
#include <QTimer>

#include <functional>
#include <vector>

#include "export/handover.h"
#include "forms/text.h"
#include "forms/values.h"
#include "ui/formwindow.h"
#include "ui/platform.h"
#include "ui/registry.h"

namespace tf {
namespace {

const FormDeclaration& mainForm() {
  static const FormDeclaration declaration{
      "MainWindow",
      "Tessaform",
      554,
      449,
      {
          label("标签5", "方框内请添加该物品的命名空间ID", 16, 8, 216, 40),
          label("标签1", "功能", 8, 56, 304, 32),
          button("修改工作台配方1", "导出为zs脚本\r\n", 8, 88, 96, 40),
          button("修改工作台配方11", "批量导入物品或方块id", 120, 88, 104, 40),
          button("修改工作台配方5", "关于\r\n", 232, 88, 96, 40),
          button("整合包", "整合包", 344, 88, 96, 40),
          button("检查脚本", "检查脚本", 448, 88, 96, 40),
          label("标签2", "模组修改", 8, 136, 304, 32),
          button("修改工作台配方12", "龙之研究", 8, 168, 96, 40),
          button("修改工作台配方10", "通用机械", 112, 168, 96, 40),
          button("修改工作台配方7", "无中生有\r\n", 216, 168, 96, 40),
          button("修改工作台配方13", "无尽贪婪", 328, 168, 96, 40),
          button("修改工作台配方8", "应用能源2", 432, 168, 96, 40),
          button("修改工作台配方6", "GameStages附属", 8, 216, 96, 40),
          button("修改工作台配方3", "模块化机械", 112, 216, 96, 40),
          button("修改工作台配方4", "GameStages", 216, 216, 96, 40),
          button("修改工作台配方16", "沉浸工程", 328, 216, 96, 40),
          label("标签3", "世界修改", 8, 264, 304, 32),
          button("修改工作台配方9", "世界合成", 8, 296, 96, 40),
          button("修改工作台配方14", "TreeTweaker", 112, 296, 96, 40),
          button("修改工作台配方15", "怪物装备魔改", 216, 296, 93, 40),
          label("标签4", "原版修改", 8, 344, 304, 32),
          button("修改工作台配方", "修改工作台配方", 8, 376, 96, 40),
          button("修改工作台配方2", "修改熔炉配方", 112, 376, 96, 40),
      }};
  return declaration;
}

// Which window each button opens.
constexpr Navigation kNavigation[] = {
    {"修改工作台配方1", "ExportWindow"},
    {"修改工作台配方11", "BatchImportWindow"},
    {"修改工作台配方5", "AboutWindow"},
    {"整合包", "PackWindow"},
    {"检查脚本", "ScriptCheckWindow"},
    {"修改工作台配方12", "FusionRecipeWindow"},
    {"修改工作台配方10", "MekanismWindow"},
    {"修改工作台配方7", "ExNihiloWindow"},
    {"修改工作台配方13", "ExtremeCraftingWindow"},
    {"修改工作台配方8", "Ae2Window"},
    {"修改工作台配方6", "GameStage2Window"},
    {"修改工作台配方3", "ModularMachineryWindow"},
    {"修改工作台配方4", "GameStageWindow"},
    {"修改工作台配方9", "InWorldCraftingWindow"},
    {"修改工作台配方14", "TreeTweakerWindow"},
    {"修改工作台配方15", "MobEquipmentWindow"},
    {"修改工作台配方", "CraftingWindow"},
    {"修改工作台配方2", "FurnaceWindow"},
};

void greet(FormWindow& f) {
  const QDate today = platform().today();
  values().todayMonthDay = QString::asprintf("%02d%02d", today.month(), today.day());
  if (values().todayMonthDay == QLatin1String("0101"))
    message(&f, QCoreApplication::translate("MainWindow", "新年快乐！"));
}

// A program-wide text that an export writes, whether it holds text no successful export has
// written since it last changed, and its export.
struct Exportable {
  const char* what;
  std::function<bool()> pending;
  std::function<void(FormWindow&)> exportIt;
};

const std::vector<Exportable>& exportables() {
  static const std::vector<Exportable> all{
      {QT_TRANSLATE_NOOP("MainWindow", "总变量（导出为zs脚本）"),
       [] {
         const ProgramValues& v = values();
         return !v.exportBuffer.isEmpty() && v.exportBuffer != v.exportBufferWritten;
       },
       [](FormWindow& f) { openWindow(QStringLiteral("ExportWindow"), &f); }},
      {QT_TRANSLATE_NOOP("MainWindow", "通用机械的脚本"),
       [] {
         const ProgramValues& v = values();
         return !v.mekanismScript.isEmpty() && toBytes(v.mekanismScript) != v.mekanismScriptWritten;
       },
       [](FormWindow& f) { exportMekanismScript(f); }},
      {QT_TRANSLATE_NOOP("MainWindow", "龙之研究的json"),
       [] {
         const ProgramValues& v = values();
         return !v.fusionJson.isEmpty() && toBytes(v.fusionJson) != v.fusionJsonWritten;
       },
       [](FormWindow& f) { exportFusionJson(f, values().fusionJson); }},
  };
  return all;
}

// "导出…" exports each unwritten text in turn and stops at the first one still unwritten
// afterwards (the user cancelled or the write failed), so that no later export replaces the
// ExportBuffer that it left unwritten; the program then stays open.
bool mayQuit(FormWindow& f) {
  QStringList unwritten;
  for (const Exportable& e : exportables())
    if (e.pending()) unwritten << QCoreApplication::translate("MainWindow", e.what);
  if (unwritten.isEmpty()) return true;
  const int answer = platform().askQuestion(
      &f,
      QCoreApplication::translate("MainWindow", "以下内容还没有导出，退出会丢失它们：") +
          QStringLiteral("\n") + unwritten.join(u'\n'),
      QCoreApplication::translate("MainWindow", "提醒"),
      {QCoreApplication::translate("MainWindow", "导出…"),
       QCoreApplication::translate("MainWindow", "退出"),
       QCoreApplication::translate("MainWindow", "取消")});
  if (answer == 1) return true;
  if (answer != 0) return false;
  for (const Exportable& e : exportables()) {
    if (!e.pending()) continue;
    e.exportIt(f);
    if (e.pending()) return false;
  }
  return true;
}

void setupMain(FormWindow& f) {
  connectNavigation(f, kNavigation);
  f.setCloseGuard([&f] { return mayQuit(f); });
  f.onClick("修改工作台配方16", [&f] {
    message(&f, QCoreApplication::translate("MainWindow", "该功能仍在编写，请等待下次更新"),
            kMessageWarning);
  });
  // The greeting is shown once the window is on screen.
  QTimer::singleShot(0, &f, [&f] { greet(f); });
}

const WindowRegistration registration("MainWindow", &mainForm, &setupMain);

}  // namespace
}  // namespace tf
