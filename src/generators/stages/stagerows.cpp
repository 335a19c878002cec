#include "generators/stages/stagerows.h"

#include <QCoreApplication>
#include <QPlainTextEdit>
#include <QStringList>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

#include <algorithm>

#include "forms/listfile.h"
#include "forms/text.h"
#include "forms/values.h"
#include "ui/formwindow.h"
#include "ui/platform.h"

namespace tf {
namespace {

// Asks whether the list that the file holds now, which this copy neither stored nor read, may
// be used; naming the file and how many ids each list has. Yes makes it this copy's list.
bool acceptChangedList(FormWindow& f, const QByteArray& bytes, qint64 stored) {
  const QString list = fromBytes(bytes);
  const qint64 now = countLines(list);
  const QString text =
      QCoreApplication::translate("BatchRows", "临时文件已被另一个程序修改……") +
      QStringLiteral("\r\n") + listFilePath() + QStringLiteral("\r\n") +
      QCoreApplication::translate("BatchRows",
                                  "本程序上次存入或读取的列表有 %1 个id，文件中现在的列表有 %2 "
                                  "个id。\r\n要用文件中现在的列表写入吗？")
          .arg(numberToText(stored), numberToText(now));
  if (!question(&f, text, QCoreApplication::translate("BatchRows", "使用文件中的列表"),
                QCoreApplication::translate("BatchRows", "取消")))
    return false;
  acceptListFile(bytes);
  values().batchList = list;
  values().batchCount = numberToText(now);
  return true;
}

// The list file is read once per press. Nothing is written before a list was stored. A list
// file that another program (a second copy of this one) changed since this copy stored or read
// it is used only when the user agrees; it then becomes this copy's list. When the file is gone,
// or holds fewer ids than were stored, the lines for the ids it holds are written and a warning
// says how many.
void appendForListedIds(FormWindow& f, const QString& scriptBox, const BatchRow& row) {
  qint64 stored = textToNumber(values().batchCount);
  if (stored <= 0) return;
  const ListFileContent content = readListFile();
  if (content.exists && !content.asLastSeen) {
    if (!acceptChangedList(f, content.bytes, stored)) return;
    stored = textToNumber(values().batchCount);
  }
  const QString stage = f.text(row.stageBox);
  const QStringList ids = splitLines(fromBytes(content.bytes));
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

namespace {

bool isImportLine(const QString& trimmed) {
  return trimmed.startsWith(QStringLiteral("import")) && trimmed.size() > 6 &&
         trimmed.at(6).isSpace();
}

// Lines that may stand above or between the imports without ending the head of the script.
bool passedOverAtTop(const QString& trimmed) {
  return trimmed.isEmpty() || trimmed.startsWith(u'#') || trimmed.startsWith(QStringLiteral("//"));
}

}  // namespace

void insertImportLine(FormWindow& f, const QString& scriptBox, const QString& line) {
  if (f.controlDeclaration(scriptBox).kind != ControlKind::Memo)
    qFatal("%s: %s is not a script box", qPrintable(f.windowName()), qPrintable(scriptBox));
  QTextDocument* document = static_cast<QPlainTextEdit*>(f.control(scriptBox))->document();
  QTextBlock lastImport;
  for (QTextBlock b = document->begin(); b.isValid(); b = b.next()) {
    const QString trimmed = b.text().trimmed();
    if (isImportLine(trimmed))
      lastImport = b;
    else if (!passedOverAtTop(trimmed))
      break;
  }
  QTextCursor at(document);
  if (!lastImport.isValid()) {
    at.setPosition(0);
    at.insertText(line);
  } else if (lastImport.next().isValid()) {
    at.setPosition(lastImport.next().position());
    at.insertText(line);
  } else {
    // The import is the script's last line and has no line break of its own yet.
    at.setPosition(lastImport.position() + lastImport.length() - 1);
    at.insertText(QStringLiteral("\r\n") + line);
  }
}

}  // namespace tf
