#include "export/writequestion.h"

#include <QCoreApplication>
#include <QJsonDocument>
#include <QJsonParseError>
#include <QStringList>

#include "check/checker.h"
#include "ui/packservice.h"
#include "ui/platform.h"

namespace tf {
namespace {

// The question's answers; the last is the safe one.
bool askToWriteAnyway(QWidget* parent, const QString& title, const QString& text) {
  const QStringList answers{QCoreApplication::translate("WriteQuestion", "仍然写入"),
                            QCoreApplication::translate("WriteQuestion", "取消")};
  return platform().askQuestion(parent, text, title, answers) == 0;
}

// The JSON parser's complaint in the interface's language.
QString jsonErrorText(QJsonParseError::ParseError error) {
  switch (error) {
    case QJsonParseError::UnterminatedObject:
      return QCoreApplication::translate("WriteQuestion", "对象缺少结尾的 }");
    case QJsonParseError::MissingNameSeparator:
      return QCoreApplication::translate("WriteQuestion", "名称后面缺少冒号");
    case QJsonParseError::UnterminatedArray:
      return QCoreApplication::translate("WriteQuestion", "数组缺少结尾的 ]");
    case QJsonParseError::MissingValueSeparator:
      return QCoreApplication::translate("WriteQuestion", "两个值之间缺少逗号");
    case QJsonParseError::IllegalValue:
      return QCoreApplication::translate("WriteQuestion", "这里不是一个合法的值");
    case QJsonParseError::TerminationByNumber:
      return QCoreApplication::translate("WriteQuestion", "文件在一个数字中间结束了");
    case QJsonParseError::IllegalNumber:
      return QCoreApplication::translate("WriteQuestion", "数字写得不对");
    case QJsonParseError::IllegalEscapeSequence:
      return QCoreApplication::translate("WriteQuestion", "字符串里有不合法的转义");
    case QJsonParseError::IllegalUTF8String:
      return QCoreApplication::translate("WriteQuestion", "字符串不是合法的 UTF-8");
    case QJsonParseError::UnterminatedString:
      return QCoreApplication::translate("WriteQuestion", "字符串缺少结尾的引号");
    case QJsonParseError::MissingObject:
      return QCoreApplication::translate("WriteQuestion", "这里应当是一个对象");
    case QJsonParseError::DeepNesting:
      return QCoreApplication::translate("WriteQuestion", "嵌套层数太多");
    case QJsonParseError::DocumentTooLarge:
      return QCoreApplication::translate("WriteQuestion", "文件太大");
    case QJsonParseError::GarbageAtEnd:
      return QCoreApplication::translate("WriteQuestion", "内容结束后还有多余的字符");
    case QJsonParseError::NoError: break;
  }
  return QCoreApplication::translate("WriteQuestion", "无法解析");
}

}  // namespace

bool confirmScriptWrite(QWidget* parent, const QByteArray& script) {
  const check::CheckResult result =
      check::checkBytes(script, PackService::instance().resolver().get());
  if (!result.hasError()) return true;
  constexpr int kListed = 5;
  QStringList lines;
  int errors = 0;
  for (const check::Problem& p : result.problems) {
    if (p.severity != check::Severity::Error) continue;
    if (++errors <= kListed) lines.append(check::describe(p));
  }
  if (errors > kListed)
    lines.append(QCoreApplication::translate("WriteQuestion", "还有 %1 处").arg(errors - kListed));
  QString text = QCoreApplication::translate("WriteQuestion", "这个脚本有错误：") + u'\n' +
                 lines.join(u'\n') + QStringLiteral("\n\n");
  if (result.hasParseError())
    text += QCoreApplication::translate(
                "WriteQuestion", "游戏读到语法错误时，会跳过这个脚本和在它之后加载的所有脚本。") +
            u'\n';
  text += QCoreApplication::translate("WriteQuestion", "仍然写入吗？");
  return askToWriteAnyway(parent, QCoreApplication::translate("WriteQuestion", "脚本有错误"), text);
}

bool confirmJsonWrite(QWidget* parent, const QByteArray& json) {
  QJsonParseError error;
  QJsonDocument::fromJson(json, &error);
  if (error.error == QJsonParseError::NoError) return true;
  // The place of the error: its line and its column in characters, from 1.
  const QString before = QString::fromUtf8(json.left(qMax(0, error.offset)));
  const qsizetype lineStart = before.lastIndexOf(u'\n') + 1;
  const qsizetype line = before.count(u'\n') + 1;
  const qsizetype column = before.size() - lineStart + 1;
  const QString text =
      QCoreApplication::translate("WriteQuestion", "这个 JSON 文件有语法错误，游戏读不了它：") +
      u'\n' +
      QCoreApplication::translate("WriteQuestion", "第 %1 行第 %2 列：%3")
          .arg(line)
          .arg(column)
          .arg(jsonErrorText(error.error)) +
      QStringLiteral("\n\n") + QCoreApplication::translate("WriteQuestion", "仍然写入吗？");
  return askToWriteAnyway(parent, QCoreApplication::translate("WriteQuestion", "JSON 有错误"),
                          text);
}

}  // namespace tf
