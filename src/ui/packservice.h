#pragma once
// The pack the program works with: its game folder (remembered across runs), its lists read
// off the UI thread and swapped in whole when ready, and read again when the game rewrites
// crafttweaker.log. Windows only ever see a finished snapshot.

#include <QFileSystemWatcher>
#include <QObject>
#include <QTimer>

#include <atomic>
#include <memory>
#include <vector>

#include "check/checker.h"
#include "pack/pack.h"

class QThread;

namespace tf {

class PackService : public QObject {
  Q_OBJECT

 public:
  static PackService& instance();
  ~PackService() override;

  // The lists of the pack, or nullptr before any pack was read. Never changes once handed out.
  pack::SnapshotPtr snapshot() const { return snapshot_; }
  // The checker's lookups in the pack's lists, or nullptr without a pack. It keeps the snapshot
  // it was made from, so that a check on another thread may hold it as long as it runs.
  std::shared_ptr<const check::BracketResolver> resolver() const;
  // The game folder chosen (remembered across runs); empty when none.
  QString folder() const { return folder_; }
  // The pack's scripts folder when a pack is set, else empty.
  QString scriptsFolder() const;
  bool loading() const { return loading_; }

  // Remembers the folder and reads it in the background; an empty folder forgets the pack.
  void load(const QString& gameFolder);
  // At the program's start: reads the remembered folder in the background, if there is one.
  void loadRemembered();
  // Reads the current folder again (the game rewrote its log).
  void reload();

  // Waits (running events) until no reading is under way; false after the timeout.
  bool waitUntilLoaded(int timeoutMs);
  // Forgets the pack without touching the remembered setting (a test's fresh start).
  void reset();
  // Installs a snapshot directly (tests and tools that read a pack themselves).
  void setSnapshot(pack::SnapshotPtr snapshot);

 signals:
  void progressChanged(int percent);
  // A new snapshot (or none) is in place.
  void snapshotChanged();
  void loadingChanged(bool loading);

 private:
  PackService();
  // background: the reading yields to everything else (the program's start).
  void start(bool background = false);
  void finished(quint64 generation, pack::SnapshotPtr snapshot);
  void watch();
  void logMaybeChanged();

  QString folder_;
  pack::SnapshotPtr snapshot_;
  bool loading_ = false;
  // Each reading has a number; a reading that a newer one replaced is dropped when it ends.
  std::shared_ptr<std::atomic<quint64>> generation_;
  std::vector<QThread*> threads_;
  QFileSystemWatcher watcher_;
  QTimer settle_;  // a rewritten log is read once the game has stopped writing for a moment
  qint64 logSize_ = -1;
  qint64 logModified_ = -1;
};

}  // namespace tf
