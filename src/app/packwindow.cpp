// PackWindow: the game folder whose crafttweaker.log lists the pack's ids. "加载" reads it in the
// background (the bar shows how far), remembers it for the next runs, and the summary says how
// many ids of each kind the pack lists, with the command to type in the game for each kind the
// log does not hold yet.

#include <QCoreApplication>
#include <QFileInfo>
#include <QPlainTextEdit>

#include "pack/pack.h"
#include "ui/formwindow.h"
#include "ui/packservice.h"
#include "ui/platform.h"
#include "ui/registry.h"

namespace tf {
namespace {

const FormDeclaration& packForm() {
  static const FormDeclaration declaration{
      "PackWindow",
      "整合包",
      520,
      400,
      {
          label("标签1", "游戏文件夹（其中有 mods、config、scripts 和 crafttweaker.log）", 8, 8,
                504, 24),
          edit("编辑框1", "", 8, 36, 400, 28),
          button("按钮1", "选择文件夹", 416, 32, 96, 36),
          progress("进度条1", 8, 82, 400, 24),
          button("按钮2", "加载", 416, 76, 96, 36),
          label("标签2", "整合包里的 id", 8, 120, 200, 24),
          memo("编辑框2", "", 8, 148, 504, 244, kScrollV | kReport),
      }};
  return declaration;
}

void showSummary(FormWindow& f) {
  const PackService& service = PackService::instance();
  QString text;
  if (service.loading())
    text = QCoreApplication::translate("PackWindow", "正在读取 %1 …").arg(service.folder());
  else if (const pack::SnapshotPtr s = service.snapshot())
    text = QCoreApplication::translate("PackWindow", "文件夹：%1\n").arg(s->gameFolder()) +
           pack::describeSummary(s->summary());
  else
    text =
        QCoreApplication::translate("PackWindow", "还没有选择整合包。选择游戏文件夹后点“加载”。");
  f.setText("编辑框2", text);
  f.setProgress("进度条1",
                service.loading() ? f.progress("进度条1") : (service.snapshot() ? 100 : 0));
}

void load(FormWindow& f) {
  const QString folder = f.text("编辑框1").trimmed();
  if (folder.isEmpty()) {
    message(&f, QCoreApplication::translate("PackWindow", "请先选择游戏文件夹"), kMessageWarning);
    return;
  }
  if (!QFileInfo(folder).isDir()) {
    message(&f, QCoreApplication::translate("PackWindow", "找不到文件夹：%1").arg(folder),
            kMessageWarning);
    return;
  }
  PackService::instance().load(folder);
}

void setupPack(FormWindow& f) {
  PackService& service = PackService::instance();
  f.setText("编辑框1", service.folder());
  static_cast<QPlainTextEdit*>(f.control("编辑框2"))->setReadOnly(true);
  f.onClick("按钮1", [&f] {
    const QString chosen = platform().askFolder(&f, f.text("编辑框1").trimmed());
    if (!chosen.isEmpty()) f.setText("编辑框1", chosen);
  });
  f.onClick("按钮2", [&f] { load(f); });
  QObject::connect(&service, &PackService::progressChanged, &f,
                   [&f](int percent) { f.setProgress("进度条1", percent); });
  QObject::connect(&service, &PackService::loadingChanged, &f, [&f] { showSummary(f); });
  QObject::connect(&service, &PackService::snapshotChanged, &f, [&f] { showSummary(f); });
  showSummary(f);
}

const WindowRegistration registration("PackWindow", &packForm, &setupPack);

}  // namespace
}  // namespace tf
