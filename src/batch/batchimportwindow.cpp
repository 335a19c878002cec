// BatchImportWindow: stores a pasted list of ids, one per line, for the batch rows of the
// stage windows: in BatchList, its line count in BatchCount, and in the list file.

#include <QCoreApplication>

#include "forms/listfile.h"
#include "forms/text.h"
#include "forms/values.h"
#include "ui/formwindow.h"
#include "ui/platform.h"
#include "ui/registry.h"

namespace tf {
namespace {

const FormDeclaration& batchForm() {
  static const FormDeclaration declaration{
      "BatchImportWindow",
      "批量导入物品或方块id",
      499,
      644,
      {
          button("按钮1", "写入", 424, 0, 72, 48),
          label("标签1", "批量导入可以让你免受一行一行复制的痛苦！（每行一个）", 8, 0, 472, 32),
          memo("编辑框1", "", 0, 32, 496, 584, kNoOption),
      }};
  return declaration;
}

// The list is stored only when the file was really written: after a failed write the batch
// rows keep using the list stored last.
void store(FormWindow& f) {
  const QString list = f.text("编辑框1");
  const QString failure = writeListFile(list);
  if (!failure.isEmpty()) {
    message(&f,
            QCoreApplication::translate("BatchImportWindow", "列表没有写入：%1\r\n%2")
                .arg(listFilePath(), failure),
            kMessageWarning);
    return;
  }
  values().batchList = list;
  values().batchCount = numberToText(countLines(list));
  message(&f, QCoreApplication::translate("BatchImportWindow", "写入完毕！"));
}

void setupBatch(FormWindow& f) {
  f.onClick("按钮1", [&f] { store(f); });
}

const WindowRegistration registration("BatchImportWindow", &batchForm, &setupBatch);

}  // namespace
}  // namespace tf
