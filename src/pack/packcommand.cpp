#include "pack/packcommand.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>

#include <cstring>
#include <vector>

#include "check/checker.h"
#include "pack/resolver.h"

namespace tf::packcli {
namespace {

struct Target {
  QString shown;  // as the output names it
  QString path;
};

}  // namespace

bool wantsPack(int argc, char** argv) {
  bool check = false, pack = false;
  for (int i = 1; i < argc; ++i) {
    if (std::strcmp(argv[i], "--") == 0) break;
    check = check || std::strcmp(argv[i], "--check") == 0;
    pack = pack || std::strcmp(argv[i], "--pack") == 0 || std::strncmp(argv[i], "--pack=", 7) == 0;
  }
  return check && pack;
}

int runCommandLine(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  QCoreApplication::setOrganizationName(QStringLiteral("tessaform"));
  QCoreApplication::setApplicationName(QStringLiteral("tessaform"));
  QTextStream out(stdout);
  QTextStream err(stderr);
  const int code = runCheckWithPack(QCoreApplication::arguments().mid(1), out, err);
  out.flush();
  err.flush();
  return code;
}

int runCheckWithPack(const QStringList& args, QTextStream& out, QTextStream& err) {
  QString gameFolder;
  bool hasCheck = false, hasPack = false, onlyPaths = false;
  QStringList paths;
  for (qsizetype i = 0; i < args.size(); ++i) {
    const QString& arg = args[i];
    if (onlyPaths || !arg.startsWith(u'-') || arg == QLatin1String("-")) {
      paths << arg;
    } else if (arg == QLatin1String("--")) {
      onlyPaths = true;
    } else if (arg == QLatin1String("--check")) {
      hasCheck = true;
    } else if (arg == QLatin1String("--pack") || arg.startsWith(QLatin1String("--pack="))) {
      if (arg.startsWith(QLatin1String("--pack="))) {
        gameFolder = arg.mid(7);
      } else if (i + 1 < args.size()) {
        gameFolder = args[++i];
      }
      if (gameFolder.isEmpty()) {
        err << "tessaform: "
            << QCoreApplication::translate("PackCommandLine", "选项「--pack」后面少了游戏文件夹")
            << '\n';
        return 2;
      }
      hasPack = true;
    } else {
      err << "tessaform: "
          << QCoreApplication::translate("PackCommandLine", "不认识的选项「%1」").arg(arg) << '\n';
      return 2;
    }
  }
  if (!hasCheck || !hasPack) {
    err << "tessaform: "
        << QCoreApplication::translate("PackCommandLine",
                                       "用法：tessaform --check --pack 游戏文件夹 路径...")
        << '\n';
    return 2;
  }
  if (paths.isEmpty()) {
    err << "tessaform: "
        << QCoreApplication::translate("PackCommandLine", "--check 后面少了要检查的文件或文件夹")
        << '\n';
    return 2;
  }
  if (!QFileInfo(gameFolder).isDir()) {
    err << "tessaform: "
        << QCoreApplication::translate("PackCommandLine", "找不到游戏文件夹「%1」").arg(gameFolder)
        << '\n';
    return 2;
  }
  const pack::SnapshotPtr snapshot = pack::readPack(gameFolder);
  const pack::LoadSummary& summary = snapshot->summary();
  if (!summary.anyList()) {
    err << "tessaform: "
        << QCoreApplication::translate("PackCommandLine", "整合包「%1」里没有可用的 id 列表：")
               .arg(gameFolder)
        << '\n'
        << pack::describeSummary(summary) << '\n';
    return 2;
  }
  if (summary.unreadableLines > 0 || !summary.zsrcError.isEmpty())
    err << "tessaform: " << pack::describeSummary(summary) << '\n';
  const pack::PackResolver resolver(snapshot);

  bool unreadable = false;
  std::vector<Target> targets;
  for (const QString& path : paths) {
    const QFileInfo info(path);
    if (info.isDir()) {
      const QString base = path.endsWith(u'/') ? path : path + u'/';
      for (const check::ScriptFile& f : check::loadOrder(path))
        targets.push_back({base + f.relative, f.path});
    } else if (info.isFile()) {
      targets.push_back({path, path});
    } else {
      err << "tessaform: "
          << QCoreApplication::translate("PackCommandLine", "读不了「%1」：没有这个文件或文件夹")
                 .arg(path)
          << '\n';
      unreadable = true;
    }
  }

  bool anyError = false;
  bool skipNoted = false;
  for (size_t i = 0; i < targets.size(); ++i) {
    QFile file(targets[i].path);
    if (!file.open(QIODevice::ReadOnly)) {
      err << "tessaform: "
          << QCoreApplication::translate("PackCommandLine", "读不了「%1」：%2")
                 .arg(targets[i].shown, file.errorString())
          << '\n';
      unreadable = true;
      continue;
    }
    const check::CheckResult result = check::checkBytes(file.readAll(), &resolver);
    for (const check::Problem& p : result.problems) {
      const bool error = p.severity == check::Severity::Error;
      anyError = anyError || error;
      const QString place =
          QStringLiteral("%1:%2:%3: ").arg(targets[i].shown).arg(p.line).arg(p.column);
      out << place << (error ? "error: " : "warning: ") << check::describeWhat(p) << '\n';
      if (p.parseError && !skipNoted) {
        skipNoted = true;
        out << place << "note: "
            << QCoreApplication::translate("PackCommandLine",
                                           "游戏遇到这个语法错误就会跳过之后的 %1 个脚本文件")
                   .arg(targets.size() - i - 1)
            << '\n';
      }
    }
  }
  if (unreadable) return 2;
  return anyError ? 1 : 0;
}

}  // namespace tf::packcli
