// ExportWindow and JsonExportWindow: write ExportBuffer to a file the user names. One family:
// the two differ only in their declarations, suffix and what they remember of the path.

#include <QCoreApplication>

#include "export/writequestion.h"
#include "forms/files.h"
#include "forms/text.h"
#include "forms/values.h"
#include "ui/formwindow.h"
#include "ui/platform.h"
#include "ui/registry.h"

namespace tf {
namespace {

struct ExportKind {
  const char* suffix;
  bool remembersPath;  // ExportWindow keeps the chosen path in LastExportPath
  // Whether the file may be written: a broken one only when the user says so.
  bool (*confirm)(QWidget* parent, const QByteArray& bytes);
};

const FormDeclaration& exportForm() {
  static const FormDeclaration declaration{
      "ExportWindow",
      "导出",
      598,
      121,
      {
          button("添加一个配方2", "写入脚本到", 8, 16, 112, 48),
          edit("编辑框4", "", 128, 16, 456, 40),
          button("添加一个配方1", "选择文件", 8, 64, 112, 24),
          progress("进度条1", 128, 64, 456, 16),
          fileDialog("通用对话框1", "ZenScript脚本|*.zs", 608, 56, 40, 24),
      }};
  return declaration;
}

const FormDeclaration& jsonExportForm() {
  static const FormDeclaration declaration{
      "JsonExportWindow",
      "",
      597,
      112,
      {
          button("添加一个配方2", "写入脚本到", 8, 8, 112, 48),
          edit("编辑框4", "", 128, 8, 456, 40),
          button("添加一个配方1", "选择文件", 8, 56, 112, 24),
          progress("进度条1", 128, 56, 456, 16),
          fileDialog("通用对话框1", "JSON|*.json\r\n", 640, 40, 40, 24),
      }};
  return declaration;
}

void choose(FormWindow& f, const ExportKind& kind) {
  f.setText("编辑框4", f.chooseFile("通用对话框1"));
  // The suffix is looked for in the file's own name: "pack.zs-scripts/recipes" still gets one.
  const QString suffix = QString::fromUtf8(kind.suffix);
  if (!fileNameContains(f.text("编辑框4"), suffix))
    f.setText("编辑框4", f.text("编辑框4") + suffix);
  if (kind.remembersPath) values().lastExportPath = f.text("编辑框4");
}

// A write that cannot happen is reported as such, never as done; the target keeps its bytes.
// A pasted path loses the blanks and line breaks at its ends; one that still holds a line break
// or another control character names no file a user meant, and nothing is written.
void write(FormWindow& f) {
  f.setProgress("进度条1", 100);
  const QString path = trimmedPath(f.text("编辑框4"));
  const QString problem = pathProblem(path);
  const QString failure = problem.isEmpty() ? writeWholeFile(path, values().exportBuffer) : problem;
  if (!failure.isEmpty()) {
    f.setProgress("进度条1", 0);
    message(&f,
            QCoreApplication::translate("ExportWindow", "写入失败：%1\r\n%2").arg(path, failure),
            kMessageWarning);
    return;
  }
  f.setProgress("进度条1", 100);
  values().exportBufferWritten = values().exportBuffer;
  message(&f, QCoreApplication::translate("ExportWindow", "写入完成！"));
}

void setupFamily(FormWindow& f, const ExportKind& kind) {
  f.onClick("添加一个配方1", [&f, kind] { choose(f, kind); });
  f.onClick("添加一个配方2", [&f, kind] {
    if (kind.confirm(&f, values().exportBuffer)) write(f);
  });
}

void setupExport(FormWindow& f) {
  setupFamily(f, ExportKind{".zs", true, &confirmScriptWrite});
  f.setText("编辑框4", values().lastExportPath);
}

void setupJsonExport(FormWindow& f) {
  setupFamily(f, ExportKind{".json", false, &confirmJsonWrite});
}

const WindowRegistration exportRegistration("ExportWindow", &exportForm, &setupExport);
const WindowRegistration jsonRegistration("JsonExportWindow", &jsonExportForm, &setupJsonExport);

}  // namespace
}  // namespace tf
