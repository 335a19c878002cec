// ScriptCheckWindow: checks every script of a pack's `scripts` folder in the order the game
// loads them, lists the problems by file and line, and says which files the game skips after the
// first parse error. The files are read and checked on a worker thread, so that a large folder
// shows its progress and the window keeps answering.

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFutureWatcher>
#include <QPromise>
#include <QSettings>
#include <QtConcurrent/QtConcurrentRun>

#include "check/checker.h"
#include "forms/text.h"
#include "ui/formwindow.h"
#include "ui/packservice.h"
#include "ui/platform.h"
#include "ui/registry.h"

namespace tf {
namespace {

const char* const kFolderKey = "scriptCheck/folder";
// Files named after the first parse error; the rest are counted.
constexpr qsizetype kSkippedListed = 50;

const FormDeclaration& scriptCheckForm() {
  static const FormDeclaration declaration{
      "ScriptCheckWindow",
      "检查脚本",
      720,
      520,
      {
          label("标签1", "游戏的 scripts 文件夹", 8, 8, 272, 24),
          edit("编辑框1", "", 8, 32, 592, 32),
          button("按钮1", "选择文件夹", 608, 32, 104, 32),
          button("按钮2", "开始检查", 8, 72, 104, 32),
          progress("进度条1", 120, 80, 592, 16),
          label("标签2", "按游戏的加载顺序列出每个文件的问题↓", 8, 112, 704, 24),
          memo("编辑框2", "", 8, 136, 704, 352, kScrollV | kScrollH | kReport),
      }};
  return declaration;
}

// One checked file, as the worker hands it over.
struct FileReport {
  QString relative;
  std::vector<check::Problem> problems;
  bool parseError = false;
  QString unreadable;  // why the file could not be read; empty when it was read
};

void checkFolder(QPromise<FileReport>& promise, const QString& folder,
                 const std::shared_ptr<const check::BracketResolver>& resolver) {
  const std::vector<check::ScriptFile> files = check::loadOrder(folder);
  promise.setProgressRange(0, int(files.size()));
  int done = 0;
  for (const check::ScriptFile& file : files) {
    if (promise.isCanceled()) return;
    FileReport report;
    report.relative = file.relative;
    QFile in(file.path);
    if (!in.open(QIODevice::ReadOnly)) {
      report.unreadable = in.errorString();
    } else {
      check::CheckResult result = check::checkBytes(in.readAll(), resolver.get());
      report.parseError = result.hasParseError();
      report.problems = std::move(result.problems);
    }
    promise.addResult(std::move(report));
    promise.setProgressValue(++done);
  }
}

// A check in progress and what it has found so far. A child of its window: closing the window
// cancels the check.
class FolderCheck : public QObject {
 public:
  FolderCheck(FormWindow& f, const QString& folder) : QObject(&f), f_(f) {
    connect(&watcher_, &QFutureWatcher<FileReport>::resultReadyAt, this,
            [this](int index) { show(watcher_.resultAt(index)); });
    connect(&watcher_, &QFutureWatcher<FileReport>::progressValueChanged, this, [this](int value) {
      const int total = watcher_.progressMaximum();
      f_.setProgress("进度条1", total > 0 ? int(qint64(value) * 100 / total) : 100);
    });
    connect(&watcher_, &QFutureWatcher<FileReport>::finished, this, [this] { finish(); });
    watcher_.setFuture(QtConcurrent::run(&checkFolder, folder, PackService::instance().resolver()));
  }
  ~FolderCheck() override {
    watcher_.disconnect(this);
    watcher_.cancel();
  }

 private:
  void show(const FileReport& report) {
    ++files_;
    if (firstBroken_.isEmpty()) {
      if (report.parseError) firstBroken_ = report.relative;
    } else {
      skipped_.append(report.relative);
    }
    QString lines;
    if (!report.unreadable.isEmpty()) {
      ++errors_;
      lines += QCoreApplication::translate("ScriptCheckWindow", "[错误] %1：无法读取：%2")
                   .arg(report.relative, report.unreadable) +
               u'\n';
    }
    for (const check::Problem& p : report.problems) {
      const bool error = p.severity == check::Severity::Error;
      (error ? errors_ : warnings_) += 1;
      lines += (error ? QCoreApplication::translate("ScriptCheckWindow", "[错误] %1：%2")
                      : QCoreApplication::translate("ScriptCheckWindow", "[警告] %1：%2"))
                   .arg(report.relative, check::describe(p)) +
               u'\n';
    }
    if (!lines.isEmpty()) f_.append("编辑框2", toCrLf(lines));
  }

  void finish() {
    QString summary =
        QCoreApplication::translate("ScriptCheckWindow", "共检查 %1 个文件：%2 处错误，%3 处警告。")
            .arg(files_)
            .arg(errors_)
            .arg(warnings_) +
        u'\n';
    if (files_ == 0)
      summary = QCoreApplication::translate("ScriptCheckWindow",
                                            "这个文件夹里没有游戏会运行的 .zs 脚本。") +
                u'\n';
    if (!firstBroken_.isEmpty()) {
      if (skipped_.isEmpty()) {
        summary += QCoreApplication::translate(
                       "ScriptCheckWindow",
                       "游戏读到 %1 "
                       "的语法错误后会跳过这个文件；它是最后加载的文件，后面没有被跳过的脚本。")
                       .arg(firstBroken_) +
                   u'\n';
      } else {
        summary += QCoreApplication::translate(
                       "ScriptCheckWindow",
                       "游戏读到 %1 的语法错误后会跳过这个文件，以及之后加载的全部 %2 个文件：")
                       .arg(firstBroken_)
                       .arg(skipped_.size()) +
                   u'\n';
        for (qsizetype i = 0; i < skipped_.size() && i < kSkippedListed; ++i)
          summary += QStringLiteral("    ") + skipped_[i] + u'\n';
        if (skipped_.size() > kSkippedListed)
          summary += QStringLiteral("    ") +
                     QCoreApplication::translate("ScriptCheckWindow", "还有 %1 个")
                         .arg(skipped_.size() - kSkippedListed) +
                     u'\n';
      }
    }
    f_.append("编辑框2", toCrLf(summary));
    f_.setProgress("进度条1", 100);
    f_.control("按钮2")->setEnabled(true);
    deleteLater();
  }

  FormWindow& f_;
  QFutureWatcher<FileReport> watcher_;
  int files_ = 0;
  int errors_ = 0;
  int warnings_ = 0;
  QString firstBroken_;
  QStringList skipped_;
};

void startCheck(FormWindow& f) {
  const QString folder = f.text("编辑框1").trimmed();
  if (folder.isEmpty() || !QDir(folder).exists()) {
    message(&f, QCoreApplication::translate("ScriptCheckWindow", "找不到这个文件夹：") + folder,
            kMessageWarning);
    return;
  }
  QSettings().setValue(kFolderKey, folder);
  f.setText("编辑框2", QString());
  f.setProgress("进度条1", 0);
  f.control("按钮2")->setEnabled(false);
  f.append("编辑框2", toCrLf(QCoreApplication::translate("ScriptCheckWindow", "检查 %1 …")
                                 .arg(QDir::toNativeSeparators(folder)) +
                             u'\n'));
  new FolderCheck(f, folder);
}

void setupScriptCheck(FormWindow& f) {
  // The folder checked last; the first time, the pack's scripts folder when a pack is set.
  QString folder = QSettings().value(kFolderKey).toString();
  if (folder.isEmpty()) folder = PackService::instance().scriptsFolder();
  f.setText("编辑框1", folder);
  f.onClick("按钮1", [&f] {
    const QString chosen = platform().askFolder(&f, f.text("编辑框1"));
    if (chosen.isEmpty()) return;
    f.setText("编辑框1", chosen);
    QSettings().setValue(kFolderKey, chosen);
  });
  f.onClick("按钮2", [&f] { startCheck(f); });
}

const WindowRegistration registration("ScriptCheckWindow", &scriptCheckForm, &setupScriptCheck);

}  // namespace
}  // namespace tf
