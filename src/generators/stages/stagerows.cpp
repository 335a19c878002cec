#include "generators/stages/stagerows.h"

#include <QCoreApplication>
#include <QStringList>

#include <algorithm>

#include "forms/listfile.h"
#include "forms/text.h"
#include "forms/values.h"
#include "ui/formwindow.h"
#include "ui/platform.h"

namespace tf {
namespace {

// The list file is read once per press. Nothing is written before a list was stored. When the
// file holds fewer ids than were stored (it was changed or removed since), the lines for the
// ids it holds are written and a warning says how many.
void appendForListedIds(FormWindow& f, const QString& scriptBox, const BatchRow& row) {
  const qint64 stored = textToNumber(values().batchCount);
  if (stored <= 0) return;
  const QString stage = f.text(row.stageBox);
  const QStringList ids = readListLines();
  const qsizetype found = qsizetype(std::min<qint64>(stored, ids.size()));
  QString lines;
  for (qsizetype i = 0; i < found; ++i) lines += row.lines(stage, ids.at(i));
  f.append(scriptBox, lines);
  if (found < stored)
    message(&f,
            QCoreApplication::translate("GameStageWindow",
                                        "列表文件在批量导入之后被改动或删除了：%1\r\n"
                                        "批量导入时存了 %2 个id，现在只找到并写入了 %3 个。"
                                        "请重新批量导入。")
                .arg(listFilePath(), numberToText(stored), numberToText(found)),
            kMessageWarning);
}

}  // namespace

void connectBatchRows(FormWindow& f, const char* scriptBox, std::initializer_list<BatchRow> rows) {
  for (const BatchRow& row : rows)
    f.onClick(row.button, [&f, box = QString::fromUtf8(scriptBox), row] {
      if (f.checked(row.checkBox))
        appendForListedIds(f, box, row);
      else
        f.append(box, row.lines(f.text(row.stageBox), f.text(row.idBox)));
    });
}

QString stageImportLine(const QString& name) {
  return "import scripts.crafttweaker.stages.stage" + name + ";\r\n";
}

}  // namespace tf
