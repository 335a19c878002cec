#include "ui/packservice.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDeadlineTimer>
#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <QThread>

#include "pack/resolver.h"
#include "ui/dialogfolder.h"

namespace tf {
namespace {

const QString kFolderKey = QStringLiteral("pack/folder");

QString logPath(const QString& folder) {
  return QDir(folder).filePath(QStringLiteral("crafttweaker.log"));
}

}  // namespace

PackService& PackService::instance() {
  static PackService service;
  return service;
}

PackService::PackService() : generation_(std::make_shared<std::atomic<quint64>>(0)) {
  settle_.setSingleShot(true);
  settle_.setInterval(500);
  connect(&settle_, &QTimer::timeout, this, &PackService::logMaybeChanged);
  connect(&watcher_, &QFileSystemWatcher::fileChanged, this, [this] { settle_.start(); });
  connect(&watcher_, &QFileSystemWatcher::directoryChanged, this, [this] { settle_.start(); });
  // With a pack set, the script export's file dialog opens in the pack's scripts folder.
  setDialogFolderHook([](const QString& windowName) {
    if (windowName != QLatin1String("ExportWindow")) return QString();
    const QString scripts = PackService::instance().scriptsFolder();
    return !scripts.isEmpty() && QFileInfo(scripts).isDir() ? scripts : QString();
  });
}

PackService::~PackService() {
  ++*generation_;  // every reading under way stops at its next step
  for (QThread* t : threads_) {
    t->wait();
    delete t;
  }
}

std::shared_ptr<const check::BracketResolver> PackService::resolver() const {
  if (!snapshot_) return nullptr;
  return std::make_shared<pack::PackResolver>(snapshot_);
}

QString PackService::scriptsFolder() const {
  return folder_.isEmpty() ? QString() : QDir(folder_).filePath(QStringLiteral("scripts"));
}

void PackService::load(const QString& gameFolder) {
  folder_ = gameFolder.isEmpty() ? QString() : QDir::cleanPath(gameFolder);
  QSettings settings;
  if (folder_.isEmpty())
    settings.remove(kFolderKey);
  else
    settings.setValue(kFolderKey, folder_);
  if (folder_.isEmpty()) {
    reset();
    return;
  }
  watch();
  start();
}

void PackService::loadRemembered() {
  const QString remembered = QSettings().value(kFolderKey).toString();
  if (remembered.isEmpty()) return;
  folder_ = remembered;
  watch();
  // Read only when nothing else wants the processor: the main window shows first.
  start(/*background=*/true);
}

void PackService::reload() {
  if (!folder_.isEmpty()) start();
}

void PackService::reset() {
  ++*generation_;
  settle_.stop();
  if (!watcher_.files().isEmpty()) watcher_.removePaths(watcher_.files());
  if (!watcher_.directories().isEmpty()) watcher_.removePaths(watcher_.directories());
  folder_.clear();
  const bool wasLoading = loading_;
  loading_ = false;
  snapshot_.reset();
  if (wasLoading) emit loadingChanged(false);
  emit snapshotChanged();
}

void PackService::setSnapshot(pack::SnapshotPtr snapshot) {
  ++*generation_;
  snapshot_ = std::move(snapshot);
  if (snapshot_) folder_ = snapshot_->gameFolder();
  if (loading_) {
    loading_ = false;
    emit loadingChanged(false);
  }
  emit snapshotChanged();
}

bool PackService::waitUntilLoaded(int timeoutMs) {
  const QDeadlineTimer deadline(timeoutMs);
  while (loading_) {
    if (deadline.hasExpired()) return false;
    QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    QThread::msleep(1);
  }
  return true;
}

void PackService::watch() {
  if (!watcher_.files().isEmpty()) watcher_.removePaths(watcher_.files());
  if (!watcher_.directories().isEmpty()) watcher_.removePaths(watcher_.directories());
  // The folder too: the game may write its log as a new file, which a watch on the old file
  // would not see.
  if (QFileInfo(folder_).isDir()) watcher_.addPath(folder_);
  if (QFileInfo::exists(logPath(folder_))) watcher_.addPath(logPath(folder_));
}

void PackService::logMaybeChanged() {
  if (folder_.isEmpty()) return;
  watch();
  const QFileInfo log(logPath(folder_));
  const qint64 size = log.exists() ? log.size() : -1;
  const qint64 modified = log.exists() ? log.lastModified().toMSecsSinceEpoch() : -1;
  if (size != logSize_ || modified != logModified_) start();
}

void PackService::start(bool background) {
  const quint64 generation = ++*generation_;
  const QFileInfo log(logPath(folder_));
  logSize_ = log.exists() ? log.size() : -1;
  logModified_ = log.exists() ? log.lastModified().toMSecsSinceEpoch() : -1;
  if (!loading_) {
    loading_ = true;
    emit loadingChanged(true);
  }
  emit progressChanged(0);
  const QString folder = folder_;
  const auto current = generation_;
  QThread* thread = QThread::create([this, folder, generation, current] {
    pack::SnapshotPtr s = pack::readPack(folder, [this, generation, current](int percent) {
      if (*current != generation) return false;
      QMetaObject::invokeMethod(
          this,
          [this, generation, percent] {
            if (*generation_ == generation) emit progressChanged(percent);
          },
          Qt::QueuedConnection);
      return true;
    });
    if (*current != generation) return;
    QMetaObject::invokeMethod(
        this, [this, generation, s] { finished(generation, s); }, Qt::QueuedConnection);
  });
  threads_.push_back(thread);
  connect(
      thread, &QThread::finished, this,
      [this] {
        // Threads that have ended are released here, never while they run.
        std::erase_if(threads_, [](QThread* t) {
          if (!t->isFinished()) return false;
          t->wait();
          delete t;
          return true;
        });
      },
      Qt::QueuedConnection);
  thread->start(background ? QThread::IdlePriority : QThread::LowPriority);
}

void PackService::finished(quint64 generation, pack::SnapshotPtr snapshot) {
  if (*generation_ != generation) return;  // a newer reading replaced this one
  snapshot_ = std::move(snapshot);
  loading_ = false;
  emit progressChanged(100);
  emit loadingChanged(false);
  emit snapshotChanged();
}

}  // namespace tf
