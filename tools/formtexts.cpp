// tessaform-formtexts OUT.cpp: writes every window's declared texts that have a translation as
// QT_TRANSLATE_NOOP entries (context: the window name), so that lupdate finds them beside the
// texts the handlers mark. The update_translations build target runs it; the file is not
// compiled.

#include <QCoreApplication>
#include <QFile>
#include <QTextStream>

#include <cstdio>

#include "ui/declaration.h"
#include "ui/language.h"
#include "ui/registry.h"

namespace {

// The text as a C++ string literal: escapes for backslash, quote and line breaks, every other
// character as UTF-8.
QString literal(const QString& text) {
  QString out = QStringLiteral("\"");
  for (const QChar c : text) {
    switch (c.unicode()) {
      case u'\\': out += QStringLiteral("\\\\"); break;
      case u'"': out += QStringLiteral("\\\""); break;
      case u'\r': out += QStringLiteral("\\r"); break;
      case u'\n': out += QStringLiteral("\\n"); break;
      case u'\t': out += QStringLiteral("\\t"); break;
      default: out += c;
    }
  }
  return out + u'"';
}

}  // namespace

int main(int argc, char* argv[]) {
  QCoreApplication app(argc, argv);
  QTextStream err(stderr);
  const QStringList args = QCoreApplication::arguments();
  if (args.size() != 2) {
    err << "usage: tessaform-formtexts OUT.cpp\n";
    return 2;
  }
  QString out;
  QTextStream s(&out);
  s << "// Written by tessaform-formtexts from the window declarations; read by lupdate only.\n"
       "#include <QtGlobal>\n\n"
       "static const char* const formTexts[] = {\n";
  for (const QString& window : tf::registeredWindows()) {
    for (const QString& text : tf::translatableTexts(*tf::windowDeclaration(window)))
      s << "    QT_TRANSLATE_NOOP(" << literal(window) << ", " << literal(text) << "),\n";
  }
  s << "};\n";
  s.flush();
  QFile file(args.at(1));
  if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
      file.write(out.toUtf8()) != out.toUtf8().size() || !file.flush()) {
    err << "cannot write " << args.at(1) << "\n";
    return 1;
  }
  return 0;
}
