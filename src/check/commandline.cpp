#include "check/commandline.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMap>

#include <cstring>
#include <vector>

#include "check/checker.h"

namespace tf::cli {

using namespace tf::check;

namespace {

// The options the command line knows. A new option is one more row here; its value (when it
// takes one) is then in Arguments::values under its name.
struct OptionSpec {
  const char* name;  // without the leading "--"
  const char* shortName;
  bool takesValue;
};
constexpr OptionSpec kOptions[] = {
    {"check", nullptr, false},
    {"help", "h", false},
    {"pack", nullptr, true},
};

struct Arguments {
  QMap<QString, QString> values;  // every option given, by name ("" when it takes no value)
  QStringList paths;
  QString error;
  bool has(const char* name) const { return values.contains(QLatin1String(name)); }
};

const OptionSpec* findOption(const QString& arg) {
  for (const OptionSpec& o : kOptions) {
    if (arg == QLatin1String("--") + QLatin1String(o.name)) return &o;
    if (o.shortName && arg == QLatin1String("-") + QLatin1String(o.shortName)) return &o;
  }
  return nullptr;
}

Arguments parseArguments(const QStringList& args) {
  Arguments a;
  bool onlyPaths = false;
  for (qsizetype i = 0; i < args.size(); ++i) {
    QString arg = args[i];
    if (onlyPaths || !arg.startsWith(u'-') || arg == QLatin1String("-")) {
      a.paths << arg;
      continue;
    }
    if (arg == QLatin1String("--")) {
      onlyPaths = true;
      continue;
    }
    QString value;
    bool hasValue = false;
    if (const qsizetype eq = arg.indexOf(u'='); arg.startsWith(QLatin1String("--")) && eq > 0) {
      value = arg.mid(eq + 1);
      arg.truncate(eq);
      hasValue = true;
    }
    const OptionSpec* option = findOption(arg);
    if (!option) {
      a.error = QCoreApplication::translate("CommandLine", "不认识的选项「%1」").arg(args[i]);
      return a;
    }
    if (option->takesValue && !hasValue) {
      if (i + 1 >= args.size()) {
        a.error = QCoreApplication::translate("CommandLine", "选项「%1」后面少了值").arg(arg);
        return a;
      }
      value = args[++i];
    } else if (!option->takesValue && hasValue) {
      a.error = QCoreApplication::translate("CommandLine", "选项「%1」不带值").arg(arg);
      return a;
    }
    a.values.insert(QLatin1String(option->name), value);
  }
  return a;
}

QString usage() {
  return QCoreApplication::translate(
      "CommandLine",
      "用法：tessaform --check [--pack 游戏文件夹] 路径...\n"
      "\n"
      "按游戏读取脚本的方式检查 ZenScript 脚本（.zs），不需要图形界面。\n"
      "路径可以是文件或文件夹；文件夹里的脚本按游戏的加载顺序检查：先按 #priority\n"
      "从高到低，再按相对路径（不分大小写）；带 #norun 的文件跳过。\n"
      "\n"
      "每个问题输出一行：路径:行:列: error: 说明（或 warning: 说明）。\n"
      "第一个有语法错误的文件后面还有一行 note:，说明游戏因此会跳过之后的多少个脚本文件。\n"
      "\n"
      "选项：\n"
      "  --check 路径...   检查这些文件和文件夹\n"
      "  --pack 游戏文件夹  同时按这个整合包的 id 列表检查 <...> 里的 id\n"
      "  -h, --help        显示这段说明\n"
      "\n"
      "退出码：0 没有错误；1 脚本里有错误；2 有路径读不了或参数不对。\n"
      "不带 --check 时照常打开程序窗口。\n");
}

struct Target {
  QString shown;  // as the output names it
  QString path;
};

}  // namespace

bool isCommandLine(int argc, char** argv) {
  for (int i = 1; i < argc; ++i) {
    if (std::strcmp(argv[i], "--") == 0) break;
    if (std::strcmp(argv[i], "--check") == 0 || std::strcmp(argv[i], "--help") == 0 ||
        std::strcmp(argv[i], "-h") == 0)
      return true;
  }
  return false;
}

int runCommandLine(int argc, char** argv, const PackOpener& openPack,
                   const std::function<void()>& useLanguage) {
  QCoreApplication app(argc, argv);
  QCoreApplication::setOrganizationName(QStringLiteral("tessaform"));
  QCoreApplication::setApplicationName(QStringLiteral("tessaform"));
  if (useLanguage) useLanguage();
  QTextStream out(stdout);
  QTextStream err(stderr);
  const int code = runCheckCommand(QCoreApplication::arguments().mid(1), out, err, openPack);
  out.flush();
  err.flush();
  return code;
}

int runCheckCommand(const QStringList& args, QTextStream& out, QTextStream& err,
                    const PackOpener& openPack) {
  const Arguments a = parseArguments(args);
  if (!a.error.isEmpty()) {
    err << "tessaform: " << a.error << '\n'
        << QCoreApplication::translate("CommandLine", "用 tessaform --help 查看用法。") << '\n';
    return 2;
  }
  if (a.has("help")) {
    out << usage();
    return 0;
  }
  if (!a.has("check")) {
    err << "tessaform: "
        << QCoreApplication::translate("CommandLine", "要检查脚本请用 --check 路径...") << '\n';
    return 2;
  }
  if (a.paths.isEmpty()) {
    err << "tessaform: "
        << QCoreApplication::translate("CommandLine", "--check 后面少了要检查的文件或文件夹")
        << '\n';
    return 2;
  }

  std::unique_ptr<BracketResolver> resolver;
  if (a.has("pack")) {
    if (!openPack) {
      err << "tessaform: " << QCoreApplication::translate("CommandLine", "这个程序不能读整合包")
          << '\n';
      return 2;
    }
    resolver = openPack(a.values.value(QStringLiteral("pack")), err);
    if (!resolver) return 2;
  }

  bool unreadable = false;
  std::vector<Target> targets;
  for (const QString& path : a.paths) {
    const QFileInfo info(path);
    if (info.isDir()) {
      const QString base = path.endsWith(u'/') ? path : path + u'/';
      for (const ScriptFile& f : loadOrder(path)) targets.push_back({base + f.relative, f.path});
    } else if (info.isFile()) {
      targets.push_back({path, path});
    } else if (info.exists()) {
      // A pipe or a device: reading it could block or never end.
      err << "tessaform: "
          << QCoreApplication::translate("CommandLine",
                                         "读不了「%1」：这不是普通文件，也不是文件夹")
                 .arg(path)
          << '\n';
      unreadable = true;
    } else {
      err << "tessaform: "
          << QCoreApplication::translate("CommandLine", "读不了「%1」：没有这个文件或文件夹")
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
          << QCoreApplication::translate("CommandLine", "读不了「%1」：%2")
                 .arg(targets[i].shown, file.errorString())
          << '\n';
      unreadable = true;
      continue;
    }
    const CheckResult result = checkBytes(file.readAll(), resolver.get());
    for (const Problem& p : result.problems) {
      const bool error = p.severity == Severity::Error;
      anyError = anyError || error;
      const QString place =
          QStringLiteral("%1:%2:%3: ").arg(targets[i].shown).arg(p.line).arg(p.column);
      out << place << (error ? "error: " : "warning: ") << describeWhat(p) << '\n';
      if (p.parseError && !skipNoted) {
        skipNoted = true;
        out << place << "note: "
            << QCoreApplication::translate("CommandLine",
                                           "游戏遇到这个语法错误就会跳过之后的 %1 个脚本文件")
                   .arg(targets.size() - i - 1)
            << '\n';
      }
    }
  }
  if (unreadable) return 2;
  return anyError ? 1 : 0;
}

}  // namespace tf::cli
