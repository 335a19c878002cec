// Every message of the checker in the interface's language, in one place.

#include <QCoreApplication>

#include "check/checker.h"

namespace tf::check {

namespace {

// Characters that take two columns in a terminal or a fixed-width font (CJK and full-width).
bool isWide(char16_t c) {
  return (c >= 0x1100 && c <= 0x115F) || (c >= 0x2E80 && c <= 0xA4CF) ||
         (c >= 0xAC00 && c <= 0xD7A3) || (c >= 0xF900 && c <= 0xFAFF) ||
         (c >= 0xFE30 && c <= 0xFE4F) || (c >= 0xFF00 && c <= 0xFF60) ||
         (c >= 0xFFE0 && c <= 0xFFE6) || QChar::isHighSurrogate(c);
}

QString arg(const Problem& p, int i) { return i < p.args.size() ? p.args[i] : QString(); }

// What belongs where the parser stopped, in the user's words.
QString expectedShown(const QString& expected) {
  if (expected == QLatin1String("name")) return QCoreApplication::translate("Checker", "名字");
  if (expected == QLatin1String("integer")) return QCoreApplication::translate("Checker", "整数");
  if (expected == QLatin1String("] ,"))
    return QCoreApplication::translate("Checker", "「]」或「,」");
  if (expected == QLatin1String("} ,"))
    return QCoreApplication::translate("Checker", "「}」或「,」");
  // a token, quoted as the messages quote code
  return QCoreApplication::translate("Checker", "「%1」").arg(expected);
}

}  // namespace

QString describeWhat(const Problem& p) {
  const QString& k = p.kind;
  if (k == QLatin1String("missing-value-between-commas"))
    return QCoreApplication::translate("Checker", "两个逗号之间少了一个值");
  if (k == QLatin1String("missing-value-before-comma"))
    return QCoreApplication::translate("Checker", "逗号前面少了一个值");
  if (k == QLatin1String("missing-count"))
    return QCoreApplication::translate("Checker", "「*」后面少了数量");
  if (k == QLatin1String("trailing-comma-in-call"))
    return QCoreApplication::translate("Checker",
                                       "最后一个逗号后面少了一个值（调用的括号里不能以逗号结尾）");
  if (k == QLatin1String("missing-value-before"))
    return QCoreApplication::translate("Checker", "「%1」前面少了一个值").arg(arg(p, 0));
  if (k == QLatin1String("member-expected"))
    return QCoreApplication::translate("Checker", "「.」后面应当是名字，却是「%1」").arg(arg(p, 0));
  if (k == QLatin1String("extra-semicolon"))
    return QCoreApplication::translate("Checker", "多了一个「;」，这里没有语句");
  if (k == QLatin1String("import-after-statement"))
    return QCoreApplication::translate("Checker", "import 只能写在文件开头、所有语句之前");
  if (k == QLatin1String("invalid-expression"))
    return QCoreApplication::translate("Checker", "这里应当是一个值，却是「%1」").arg(arg(p, 0));
  if (k == QLatin1String("expected"))
    return QCoreApplication::translate("Checker", "这里应当是%1，却是「%2」")
        .arg(expectedShown(arg(p, 0)), arg(p, 1));
  if (k == QLatin1String("expected-at-end"))
    return QCoreApplication::translate("Checker", "这里应当是%1，文件却已结束")
        .arg(expectedShown(arg(p, 0)));
  if (k == QLatin1String("quote-in-string"))
    return QCoreApplication::translate("Checker",
                                       "字符串在「%1」前面就结束了：字符串里的引号要写成 \\\"")
        .arg(arg(p, 0));
  if (k == QLatin1String("minus-joined-to-number"))
    return QCoreApplication::translate("Checker", "「%1」被读成了一个负数：减号和数字之间要加空格")
        .arg(arg(p, 0));
  if (k == QLatin1String("unexpected-end"))
    return QCoreApplication::translate("Checker", "文件在这里意外结束，后面还少内容");
  if (k == QLatin1String("unknown-type"))
    return QCoreApplication::translate("Checker", "这里应当是类型名，却是「%1」").arg(arg(p, 0));
  if (k == QLatin1String("global-needs-name"))
    return QCoreApplication::translate("Checker", "global/static 后面少了名字");
  if (k == QLatin1String("global-needs-value"))
    return QCoreApplication::translate("Checker", "global/static 变量必须用「=」赋初值");
  if (k == QLatin1String("variable-as-default"))
    return QCoreApplication::translate("Checker", "函数参数的默认值不能是变量");
  if (k == QLatin1String("missing-default"))
    return QCoreApplication::translate("Checker", "参数「%1」也要有默认值：前面的参数已有默认值")
        .arg(arg(p, 0));
  if (k == QLatin1String("too-deep"))
    return QCoreApplication::translate("Checker", "括号或语句嵌套超过 %1 层，太深了")
        .arg(arg(p, 0));
  if (k == QLatin1String("bad-number"))
    return QCoreApplication::translate("Checker", "数字「%1」写法不对或超出范围").arg(arg(p, 0));
  if (k == QLatin1String("byte-order-mark"))
    return QCoreApplication::translate(
        "Checker", "文件开头有 BOM（字节顺序标记），游戏读不了：请存成不带 BOM 的 UTF-8");
  if (k == QLatin1String("odd-space"))
    return QCoreApplication::translate("Checker", "这里有一个特殊空格（%1），要换成普通空格")
        .arg(arg(p, 0));
  if (k == QLatin1String("non-ascii-in-id"))
    return QCoreApplication::translate("Checker", "尖括号里的 id 不能有中文或全角字符「%1」")
        .arg(arg(p, 0));
  if (k == QLatin1String("non-ascii"))
    return QCoreApplication::translate("Checker",
                                       "「%1」是中文或全角字符：字符串和注释以外只能用英文半角字符")
        .arg(arg(p, 0));
  if (k == QLatin1String("control-character"))
    return QCoreApplication::translate("Checker", "这里有一个看不见的控制字符（%1）")
        .arg(arg(p, 0));
  if (k == QLatin1String("invalid-character"))
    return QCoreApplication::translate("Checker", "这里不能有字符「%1」").arg(arg(p, 0));
  if (k == QLatin1String("bad-escape"))
    return QCoreApplication::translate(
               "Checker",
               "字符串里的「\\%1」不是有效的转义（可用 \\\" \\' \\\\ \\/ \\b \\f \\n \\r \\t "
               "\\uXXXX）")
        .arg(arg(p, 0));
  if (k == QLatin1String("unterminated-string"))
    return QCoreApplication::translate("Checker", "第 %1 行开始的字符串没有结束：少了收尾的引号")
        .arg(arg(p, 0));
  if (k == QLatin1String("unterminated-comment"))
    return QCoreApplication::translate("Checker", "第 %1 行开始的注释「/*」没有结束：少了「*/」")
        .arg(arg(p, 0));
  if (k == QLatin1String("unterminated-bracket"))
    return QCoreApplication::translate("Checker", "第 %1 行的「<」没有对应的「>」").arg(arg(p, 0));
  if (k == QLatin1String("empty-id"))
    return QCoreApplication::translate("Checker", "尖括号里的 id 是空的");
  if (k == QLatin1String("unknown-id")) {
    // args: the id, then the closest known ids (at most three are named), worded as the id
    // boxes word it
    if (p.args.size() > 1)
      return QCoreApplication::translate("Checker", "整合包里没有 %1，是不是 %2？")
          .arg(arg(p, 0), p.args.mid(1, 3).join(QCoreApplication::translate("Checker", "、")));
    return QCoreApplication::translate("Checker", "整合包里没有 %1").arg(arg(p, 0));
  }
  if (k == QLatin1String("not-utf8"))
    return QCoreApplication::translate(
               "Checker", "文件不是有效的 UTF-8 编码（从第 %1 行起），游戏会把它读成乱码")
        .arg(arg(p, 0));
  // A kind this version does not word (for example from a newer id lookup).
  return p.args.isEmpty() ? k : QStringLiteral("%1: %2").arg(k, p.args.join(QStringLiteral(", ")));
}

QString describe(const Problem& p) {
  return QCoreApplication::translate("Checker", "第 %1 行第 %2 列：%3")
      .arg(p.line)
      .arg(p.column)
      .arg(describeWhat(p));
}

QString excerpt(const Problem& p, QStringView text) {
  // The line that holds the problem's offset (its end when the offset lies past the text).
  const qsizetype at = std::clamp<qsizetype>(p.offset, 0, text.size());
  const qsizetype start = at == 0 ? 0 : text.lastIndexOf(u'\n', at - 1) + 1;
  qsizetype end = text.indexOf(u'\n', at);
  if (end < 0) end = text.size();
  QStringView line = text.sliced(start, end - start);
  if (line.endsWith(u'\r')) line.chop(1);
  qsizetype column = at - start;

  // A long line is cut around the place.
  constexpr qsizetype kBefore = 60, kAfter = 60;
  QString prefix, suffix;
  if (column > kBefore) {
    line = line.sliced(column - kBefore);
    column = kBefore;
    prefix = QStringLiteral("…");
  }
  if (line.size() > column + kAfter) {
    line = line.first(column + kAfter);
    suffix = QStringLiteral("…");
  }

  QString marker = prefix.isEmpty() ? QString() : QStringLiteral(" ");
  for (qsizetype i = 0; i < column && i < line.size(); ++i) {
    const QChar c = line[i];
    if (c == u'\t')
      marker += u'\t';
    else if (c.isLowSurrogate())
      continue;
    else if (isWide(c.unicode()))
      marker += QStringLiteral("  ");
    else
      marker += u' ';
  }
  const qsizetype width =
      std::clamp<qsizetype>(p.length, 1, std::max<qsizetype>(1, line.size() - column));
  marker += QString(width, u'^');
  return prefix + line.toString() + suffix + u'\n' + marker;
}

}  // namespace tf::check
