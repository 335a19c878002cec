#pragma once
// A modpack's own ids, as the game lists them in crafttweaker.log (and scripts/.zsrc): read once
// as a stream, then held as an immutable snapshot that every box and the checker share.
// Qt Core only.

#include <QString>
#include <QStringList>
#include <QStringView>

#include <atomic>
#include <functional>
#include <memory>
#include <span>
#include <vector>

class QIODevice;

namespace tf::pack {

// The kinds of ids a pack lists. Kept in this order in summaries.
enum class Kind : int { Item, Liquid, OreName, Gas, Entity, Block, Mod };
inline constexpr int kKindCount = 7;

// A set of kinds, for a box that takes more than one (an item or an ore name).
using KindSet = unsigned;
constexpr KindSet kindBit(Kind k) { return 1u << unsigned(k); }

// The kind's name in the interface's language ("物品"…).
QString kindName(Kind kind);
// The command typed in the game that writes the kind's list into crafttweaker.log.
QString kindCommand(Kind kind);

// The prefixes that name a kind inside a bracket ("ore:" in "<ore:ingotIron>"); items need
// none ("<minecraft:stone>") but may have "item:".
struct BracketPrefix {
  const char* text;
  Kind kind;
};
std::span<const BracketPrefix> bracketPrefixes();
// The prefix a script writes before an id of the kind: "" for items (and mods, which have no
// brackets), "ore:", "liquid:", "gas:", "entity:", "blockstate:".
const char* bracketPrefix(Kind kind);

// One kind's ids in the order the game listed them (the last copy of the list), with their
// display names. Text lives in one pool, so a large list costs little more than its text.
class KindList {
 public:
  bool loaded() const { return loaded_; }
  qsizetype size() const { return qsizetype(records_.size()); }
  // The id as a box takes it inside <...> without its kind's prefix: "minecraft:stone:1",
  // "ingotIron", "water", "hydrogen", "minecraft:zombie", "mekanism".
  QStringView id(qsizetype i) const;
  QStringView name(qsizetype i) const;
  // More about the entry: an item's ".withTag({...})", an ore name's first members.
  QStringView extra(qsizetype i) const;

  // Whether the id is listed (gases: case-insensitively).
  bool contains(QStringView id) const;
  // Items: whether a registry name ("mod:name") is listed, with any meta.
  bool containsRegistryName(QStringView registryName) const;
  // Items: whether some id belongs to the namespace ("minecraft" for the game's own items).
  bool containsNamespace(QStringView ns) const;
  bool caseInsensitive() const { return caseInsensitive_; }
  // The memory the list holds: its text, its records and its lookup order.
  qsizetype heldBytes() const;

 private:
  friend class ListBuilder;
  struct Record {
    quint32 at;
    quint16 idLength, nameLength, extraLength;
  };
  // The part of an id that an index looks up.
  enum class KeyPart { Whole, RegistryName, Namespace };
  static QStringView keyOf(QStringView id, KeyPart part);
  size_t hashOf(QStringView key) const;
  bool same(QStringView a, QStringView b) const;
  void buildIndex(std::vector<quint32>& table, KeyPart part);
  bool find(const std::vector<quint32>& table, QStringView key, KeyPart part) const;

  bool loaded_ = false;
  bool caseInsensitive_ = false;
  QString pool_;
  std::vector<Record> records_;
  // Open-addressed hash indexes of record numbers + 1 (0: empty): by whole id and, for items,
  // by registry name and by namespace.
  std::vector<quint32> byId_, byRegistryName_, byNamespace_;
};

// Where a kind's list came from.
enum class Source { None, Log, Zsrc };

struct KindSummary {
  Source source = Source::None;
  qsizetype count = 0;
};

// What reading a pack found, for the pack window's summary.
struct LoadSummary {
  bool logFound = false;
  QString logError;  // the log could not be opened or read (empty when it was read)
  bool zsrcFound = false;
  QString zsrcError;  // scripts/.zsrc was there but could not be read
  qint64 logBytes = 0;
  qint64 unreadableLines = 0;  // list lines that were damaged, cut short or not UTF-8
  qint64 firstUnreadableLine = 0;
  qint64 skippedLongLines = 0;  // lines too long to be an entry, skipped unread
  KindSummary kinds[kKindCount];
  bool anyList() const;
};

// A completion candidate: an entry of one kind's list.
struct Match {
  Kind kind;
  qsizetype index;
  int rank;  // 0: the id itself, 1: id or name starts with the text, 2: contains it
};

class Snapshot;
using SnapshotPtr = std::shared_ptr<const Snapshot>;

// Progress in percent of the log read; return false to stop reading.
using Progress = std::function<bool(int percent)>;

// The pack's lists at one moment. Never changes once read; a newer reading is a new snapshot.
class Snapshot {
 public:
  const KindList& list(Kind kind) const { return lists_[int(kind)]; }
  const LoadSummary& summary() const { return summary_; }
  const QString& gameFolder() const { return gameFolder_; }
  QString scriptsFolder() const;

  // Entries of the kinds whose id or display name holds the text, case-insensitively: the id
  // itself first, then those that start with it (the id, its part after "mod:" or the name),
  // then the others, each group in list order; at most limit of them. total (when given)
  // receives how many entries match in all.
  std::vector<Match> match(KindSet kinds, QStringView text, int limit,
                           qsizetype* total = nullptr) const;

  // The listed ids nearest to an unknown one (edit distance, within a few slips), the nearest
  // only, at most max.
  // Items are compared by registry name and keep the meta the unknown id was written with.
  QStringList suggest(Kind kind, QStringView id, int max = 3) const;

  // Whether the id is known to its kind's list (items: the registry name, any meta).
  // Unloaded kinds know nothing.
  bool knows(Kind kind, QStringView id) const;

  // The memory the lists hold.
  qsizetype heldBytes() const;

  // An id of the kind from the pack, for a tooltip's example; empty when none is listed.
  QString example(Kind kind) const;

 private:
  friend class PackReader;
  friend SnapshotPtr readPack(const QString&, const Progress&);
  friend SnapshotPtr readLog(QIODevice&, qint64, const QString&, const Progress&);
  KindList lists_[kKindCount];
  LoadSummary summary_;
  QString gameFolder_;
};

// Reads the game folder's crafttweaker.log as a stream, then scripts/.zsrc for the kinds the log
// does not list. Never fails: what could not be read is said in the summary.
SnapshotPtr readPack(const QString& gameFolder, const Progress& progress = {});

// Reads a log from a device (tests and benchmarks); zsrcPath may be empty.
SnapshotPtr readLog(QIODevice& log, qint64 size, const QString& zsrcPath = QString(),
                    const Progress& progress = {});

// The pack's summary in the interface's language, a line per kind plus what went wrong.
QString describeSummary(const LoadSummary& summary);

// "整合包里没有 X，是不是 Y？" (or without the question when nothing is near).
QString describeUnknown(QStringView id, const QStringList& suggestions);

}  // namespace tf::pack
