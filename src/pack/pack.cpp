#include "pack/pack.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSet>
#include <QStringDecoder>

#include <algorithm>
#include <cstring>
#include <deque>
#include <string_view>

namespace tf::pack {
namespace {

// A line longer than this is no list entry: it is skipped without being held.
constexpr qsizetype kMaxLine = 1 << 20;
// One field of an entry (an id, a name, a tag) fits a record's 16-bit length.
constexpr qsizetype kMaxField = 0xFFFF;
// A .zsrc larger than this is not read (it would be held whole to be parsed).
constexpr qint64 kMaxZsrc = qint64(256) << 20;

// Whether the bytes are valid UTF-8 (no overlong forms, no surrogates, at most U+10FFFF);
// ascii receives whether they are all below 0x80.
bool validUtf8(const char* data, qsizetype n, bool* ascii) {
  const auto* p = reinterpret_cast<const unsigned char*>(data);
  const auto* end = p + n;
  bool allAscii = true;
  while (p < end) {
    // Eight ASCII bytes at a time.
    while (end - p >= 8) {
      quint64 word;
      std::memcpy(&word, p, 8);
      if (word & 0x8080808080808080ull) break;
      p += 8;
    }
    if (p >= end) break;
    const unsigned c = *p;
    if (c < 0x80) {
      ++p;
      continue;
    }
    allAscii = false;
    int more;
    unsigned min;
    unsigned cp;
    if (c >= 0xC2 && c <= 0xDF) {
      more = 1, min = 0x80, cp = c & 0x1F;
    } else if (c >= 0xE0 && c <= 0xEF) {
      more = 2, min = 0x800, cp = c & 0x0F;
    } else if (c >= 0xF0 && c <= 0xF4) {
      more = 3, min = 0x10000, cp = c & 0x07;
    } else {
      return false;
    }
    if (end - p <= more) return false;
    for (int i = 1; i <= more; ++i) {
      if ((p[i] & 0xC0) != 0x80) return false;
      cp = (cp << 6) | (p[i] & 0x3F);
    }
    if (cp < min || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) return false;
    p += more + 1;
  }
  if (ascii) *ascii = allAscii;
  return true;
}

struct Bytes {
  const char* data = nullptr;
  qsizetype size = 0;
  bool empty() const { return size == 0; }
  bool startsWith(const char* s) const {
    const qsizetype n = qsizetype(std::strlen(s));
    return size >= n && std::memcmp(data, s, size_t(n)) == 0;
  }
  bool endsWith(const char* s) const {
    const qsizetype n = qsizetype(std::strlen(s));
    return size >= n && std::memcmp(data + size - n, s, size_t(n)) == 0;
  }
  bool equals(const char* s) const {
    return size == qsizetype(std::strlen(s)) && std::memcmp(data, s, size_t(size)) == 0;
  }
  qsizetype indexOf(const char* s, qsizetype from = 0) const {
    const qsizetype n = qsizetype(std::strlen(s));
    for (qsizetype i = from; i + n <= size; ++i)
      if (data[i] == s[0] && std::memcmp(data + i, s, size_t(n)) == 0) return i;
    return -1;
  }
  qsizetype indexOf(char c, qsizetype from = 0) const {
    if (from >= size) return -1;
    const void* hit = std::memchr(data + from, c, size_t(size - from));
    return hit ? qsizetype(static_cast<const char*>(hit) - data) : -1;
  }
  Bytes mid(qsizetype from, qsizetype n = -1) const {
    if (n < 0 || from + n > size) n = size - from;
    return Bytes{data + from, n};
  }
  Bytes trimmed() const {
    qsizetype b = 0, e = size;
    while (b < e && (data[b] == ' ' || data[b] == '\t')) ++b;
    while (e > b && (data[e - 1] == ' ' || data[e - 1] == '\t')) --e;
    return Bytes{data + b, e - b};
  }
};

// Splits one CSV line (every field quoted, "" inside a field is one "; unquoted fields are
// taken as they are). False when a quote is not closed or text follows a closing quote. A field
// without doubled quotes is a view into the line; the others are unescaped into their own
// storage in fields.
struct CsvFields {
  std::vector<Bytes> views;
  std::deque<QByteArray> unescaped;  // never moves what the views point into
  void clear() {
    views.clear();
    unescaped.clear();
  }
  size_t size() const { return views.size(); }
};

bool splitCsv(Bytes line, CsvFields& fields) {
  fields.clear();
  qsizetype i = 0;
  while (true) {
    Bytes field;
    if (i < line.size && line.data[i] == '"') {
      const qsizetype start = ++i;
      bool escaped = false;
      qsizetype close = -1;
      while (i < line.size) {
        const qsizetype q = line.indexOf('"', i);
        if (q < 0) break;
        if (q + 1 < line.size && line.data[q + 1] == '"') {
          escaped = true;
          i = q + 2;
          continue;
        }
        close = q;
        break;
      }
      if (close < 0) return false;
      i = close + 1;
      if (i < line.size && line.data[i] != ',') return false;
      field = Bytes{line.data + start, close - start};
      if (escaped) {
        QByteArray copy(field.data, field.size);
        copy.replace("\"\"", "\"");
        fields.unescaped.push_back(std::move(copy));
        field = Bytes{fields.unescaped.back().constData(), fields.unescaped.back().size()};
      }
    } else {
      qsizetype c = line.indexOf(',', i);
      if (c < 0) c = line.size;
      field = Bytes{line.data + i, c - i};
      i = c;
    }
    fields.views.push_back(field);
    if (i >= line.size) return true;
    ++i;  // the comma
  }
}

// Decodes valid UTF-8 straight into the pool, without a string of its own.
void appendUtf8(QString& pool, const char* data, qsizetype n, bool ascii) {
  if (ascii) {
    pool.append(QLatin1StringView(data, n));
    return;
  }
  const qsizetype at = pool.size();
  if (pool.capacity() < at + n) pool.reserve(std::max(at + n, pool.capacity() * 2));
  pool.resize(at + n);  // UTF-8 never takes fewer bytes than UTF-16 takes units
  QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
  QChar* end = decoder.appendToBuffer(pool.data() + at, QByteArrayView(data, n));
  pool.resize(end - pool.constData());
}

}  // namespace

// Builds one kind's list: entries appended as read, a new copy of the list replacing the last.
class ListBuilder {
 public:
  explicit ListBuilder(KindList& list) : list_(list) {}

  void startCopy() {
    list_.loaded_ = true;
    list_.pool_.clear();
    list_.records_.clear();
  }

  // False when a field is too long to be kept.
  bool add(QStringView id, QStringView name, QStringView extra = {}) {
    if (id.isEmpty() || id.size() > kMaxField || name.size() > kMaxField ||
        extra.size() > kMaxField)
      return false;
    list_.records_.push_back(KindList::Record{quint32(list_.pool_.size()), quint16(id.size()),
                                              quint16(name.size()), quint16(extra.size())});
    list_.pool_.append(id);
    list_.pool_.append(name);
    list_.pool_.append(extra);
    return true;
  }

  // From UTF-8 bytes already known to be valid.
  bool addUtf8(Bytes id, Bytes name, Bytes extra, bool ascii) {
    if (id.empty() || id.size > kMaxField || name.size > kMaxField || extra.size > kMaxField)
      return false;
    const qsizetype at = list_.pool_.size();
    appendUtf8(list_.pool_, id.data, id.size, ascii);
    const qsizetype idEnd = list_.pool_.size();
    appendUtf8(list_.pool_, name.data, name.size, ascii);
    const qsizetype nameEnd = list_.pool_.size();
    appendUtf8(list_.pool_, extra.data, extra.size, ascii);
    list_.records_.push_back(KindList::Record{quint32(at), quint16(idEnd - at),
                                              quint16(nameEnd - idEnd),
                                              quint16(list_.pool_.size() - nameEnd)});
    return true;
  }

  void finish(bool caseInsensitive, bool items) {
    list_.caseInsensitive_ = caseInsensitive;
    list_.pool_.squeeze();
    list_.records_.shrink_to_fit();
    list_.buildIndex(list_.byId_, KindList::KeyPart::Whole);
    if (items) {
      list_.buildIndex(list_.byRegistryName_, KindList::KeyPart::RegistryName);
      list_.buildIndex(list_.byNamespace_, KindList::KeyPart::Namespace);
    }
  }

 private:
  KindList& list_;
};

QStringView KindList::id(qsizetype i) const {
  const Record& r = records_[size_t(i)];
  return QStringView(pool_).mid(r.at, r.idLength);
}
QStringView KindList::name(qsizetype i) const {
  const Record& r = records_[size_t(i)];
  return QStringView(pool_).mid(r.at + r.idLength, r.nameLength);
}
QStringView KindList::extra(qsizetype i) const {
  const Record& r = records_[size_t(i)];
  return QStringView(pool_).mid(r.at + r.idLength + r.nameLength, r.extraLength);
}

qsizetype KindList::heldBytes() const {
  return pool_.capacity() * qsizetype(sizeof(QChar)) +
         qsizetype(records_.capacity() * sizeof(Record) +
                   (byId_.capacity() + byRegistryName_.capacity() + byNamespace_.capacity()) *
                       sizeof(quint32));
}

qsizetype Snapshot::heldBytes() const {
  qsizetype bytes = 0;
  for (const KindList& list : lists_) bytes += list.heldBytes();
  return bytes;
}

QStringView KindList::keyOf(QStringView id, KeyPart part) {
  if (part == KeyPart::Whole) return id;
  const qsizetype first = id.indexOf(u':');
  if (first < 0) return id;
  if (part == KeyPart::Namespace) return id.first(first);
  const qsizetype second = id.indexOf(u':', first + 1);
  return second < 0 ? id : id.first(second);
}

size_t KindList::hashOf(QStringView key) const {
  return caseInsensitive_ ? qHash(key.toString().toCaseFolded()) : qHash(key);
}

bool KindList::same(QStringView a, QStringView b) const {
  return a.compare(b, caseInsensitive_ ? Qt::CaseInsensitive : Qt::CaseSensitive) == 0;
}

void KindList::buildIndex(std::vector<quint32>& table, KeyPart part) {
  size_t capacity = 16;
  while (capacity < records_.size() * 2) capacity <<= 1;
  table.assign(capacity, 0);
  const size_t mask = capacity - 1;
  for (size_t i = 0; i < records_.size(); ++i) {
    const QStringView key = keyOf(id(qsizetype(i)), part);
    size_t at = hashOf(key) & mask;
    bool known = false;
    while (table[at] != 0 && !known) {
      known = same(keyOf(id(table[at] - 1), part), key);
      at = (at + 1) & mask;
    }
    if (!known) table[at] = quint32(i + 1);
  }
}

bool KindList::find(const std::vector<quint32>& table, QStringView key, KeyPart part) const {
  if (table.empty()) return false;
  const size_t mask = table.size() - 1;
  for (size_t at = hashOf(key) & mask; table[at] != 0; at = (at + 1) & mask)
    if (same(keyOf(id(table[at] - 1), part), key)) return true;
  return false;
}

bool KindList::contains(QStringView key) const { return find(byId_, key, KeyPart::Whole); }

bool KindList::containsNamespace(QStringView ns) const {
  return find(byNamespace_, ns, KeyPart::Namespace);
}

bool KindList::containsRegistryName(QStringView registryName) const {
  return find(byRegistryName_, registryName, KeyPart::RegistryName);
}

QString kindName(Kind kind) {
  switch (kind) {
    case Kind::Item: return QCoreApplication::translate("Pack", "物品");
    case Kind::Liquid: return QCoreApplication::translate("Pack", "流体");
    case Kind::OreName: return QCoreApplication::translate("Pack", "矿物词典");
    case Kind::Gas: return QCoreApplication::translate("Pack", "气体");
    case Kind::Entity: return QCoreApplication::translate("Pack", "实体");
    case Kind::Block: return QCoreApplication::translate("Pack", "方块");
    case Kind::Mod: return QCoreApplication::translate("Pack", "模组");
  }
  return QString();
}

QString kindCommand(Kind kind) {
  switch (kind) {
    case Kind::Item: return QStringLiteral("/ct names display");
    case Kind::Liquid: return QStringLiteral("/ct liquids");
    case Kind::OreName: return QStringLiteral("/ct oredict");
    case Kind::Gas: return QStringLiteral("/ct gases");
    case Kind::Entity: return QStringLiteral("/ct entities");
    case Kind::Block: return QStringLiteral("/ct blocks");
    case Kind::Mod: return QStringLiteral("/ct mods");
  }
  return QString();
}

bool LoadSummary::anyList() const {
  for (const KindSummary& k : kinds)
    if (k.source != Source::None) return true;
  return false;
}

QString Snapshot::scriptsFolder() const {
  return gameFolder_.isEmpty() ? QString() : QDir(gameFolder_).filePath(QStringLiteral("scripts"));
}

// Reads the log's lists line by line.
class PackReader {
 public:
  explicit PackReader(Snapshot& s) : s_(s) {}

  void readLog(QIODevice& device, qint64 size, const Progress& progress) {
    std::vector<char> buffer;
    QByteArray carry;  // the start of a line that continues in the next chunk
    bool overlong = false;
    qint64 done = 0;
    int lastPercent = -1;
    constexpr qint64 kChunk = 1 << 20;
    buffer.resize(size_t(kChunk));
    while (true) {
      const qint64 got = device.read(buffer.data(), kChunk);
      if (got < 0) {
        s_.summary_.logError = device.errorString();
        break;
      }
      if (got == 0) break;
      done += got;
      const char* p = buffer.data();
      const char* end = p + got;
      while (p < end) {
        const char* nl = static_cast<const char*>(std::memchr(p, '\n', size_t(end - p)));
        const char* lineEnd = nl ? nl : end;
        if (overlong) {
          // The rest of a line too long to be an entry: skipped unread.
        } else if (!carry.isEmpty() || !nl) {
          if (carry.size() + (lineEnd - p) > kMaxLine) {
            overlong = true;
            carry.clear();
          } else {
            carry.append(p, lineEnd - p);
          }
        }
        if (!nl) break;
        if (overlong) {
          overlong = false;
          tooLong();
        } else if (!carry.isEmpty()) {
          line(Bytes{carry.constData(), carry.size()}, true);
          carry.clear();
        } else {
          line(Bytes{p, lineEnd - p}, true);
        }
        p = nl + 1;
      }
      if (progress && size > 0) {
        const int percent = int(std::min<qint64>(100, done * 100 / size));
        if (percent != lastPercent) {
          lastPercent = percent;
          if (!progress(percent)) break;
        }
      }
    }
    if (overlong)
      tooLong();
    else if (!carry.isEmpty())
      line(Bytes{carry.constData(), carry.size()}, false);  // the file ends inside this line
    endList();
    s_.summary_.logBytes = done;
  }

  void finishLists() {
    for (int k = 0; k < kKindCount; ++k) {
      KindList& list = s_.lists_[k];
      if (!list.loaded()) continue;
      ListBuilder(list).finish(Kind(k) == Kind::Gas, Kind(k) == Kind::Item);
      s_.summary_.kinds[k].count = list.size();
    }
  }

  void readZsrc(const QString& path);

 private:
  enum class State { None, ItemColumns, Items, Liquids, Blocks, Entities, Ores, Mods, Gases };

  ListBuilder builder(Kind k) { return ListBuilder(s_.lists_[int(k)]); }

  void startList(Kind k) {
    endList();
    builder(k).startCopy();
    s_.summary_.kinds[int(k)].source = Source::Log;
  }

  void unreadable() {
    ++s_.summary_.unreadableLines;
    if (s_.summary_.firstUnreadableLine == 0) s_.summary_.firstUnreadableLine = lineNumber_;
  }

  void tooLong() {
    ++lineNumber_;
    ++s_.summary_.skippedLongLines;
    if (state_ != State::None) unreadable();
  }

  // Ends the list being read; a pending liquid or ore name is kept.
  void endList() {
    flushPending();
    state_ = State::None;
  }

  void flushPending() {
    if (pendingKind_ == Kind::Liquid) {
      if (!builder(Kind::Liquid).add(pendingId_, pendingName_)) unreadable();
    } else if (pendingKind_ == Kind::OreName) {
      QString members = pendingMembers_.join(QStringLiteral(", "));
      if (pendingMemberCount_ > pendingMembers_.size()) members += QStringLiteral(", …");
      if (!builder(Kind::OreName).add(pendingId_, members)) unreadable();
    }
    pendingKind_ = Kind::Mod;  // nothing pending
    pendingId_.clear();
    pendingName_.clear();
    pendingMembers_.clear();
    pendingMemberCount_ = 0;
  }

  // A header line starts a list (true), whatever list was being read.
  bool header(Bytes l) {
    if (l.equals("List of all registered Items:")) {
      startList(Kind::Item);
      state_ = State::ItemColumns;
      idColumn_ = 0;
      nameColumn_ = -1;
      return true;
    }
    struct Head {
      const char* text;
      Kind kind;
      State state;
    };
    static constexpr Head kHeads[] = {
        {"Liquids:", Kind::Liquid, State::Liquids},   {"Blocks:", Kind::Block, State::Blocks},
        {"Entities:", Kind::Entity, State::Entities}, {"Mods list:", Kind::Mod, State::Mods},
        {"Gases:", Kind::Gas, State::Gases},
    };
    for (const Head& h : kHeads)
      if (l.equals(h.text)) {
        startList(h.kind);
        state_ = h.state;
        return true;
      }
    if (l.startsWith("Ore entries for <ore:") && l.endsWith("> :")) {
      flushPending();
      const Bytes name = l.mid(21, l.size - 21 - 3);
      bool ascii = false;
      if (name.empty() || !validUtf8(name.data, name.size, &ascii)) {
        unreadable();
        state_ = State::None;
        return true;
      }
      const QString ore = QString::fromUtf8(name.data, name.size);
      // The game lists every ore name once per /ct oredict: a name seen again starts a new copy.
      if (s_.summary_.kinds[int(Kind::OreName)].source == Source::None ||
          oreNamesThisCopy_.contains(ore)) {
        startList(Kind::OreName);
        oreNamesThisCopy_.clear();
      }
      oreNamesThisCopy_.insert(ore);
      state_ = State::Ores;
      pendingKind_ = Kind::OreName;
      pendingId_ = ore;
      return true;
    }
    return false;
  }

  // One line without its line break; complete is false for a last line the file cut short.
  void line(Bytes l, bool complete) {
    ++lineNumber_;
    if (l.size > 0 && l.data[l.size - 1] == '\r') --l.size;
    if (l.startsWith("[")) {  // an ordinary log line
      endList();
      return;
    }
    bool ascii = false;
    if (!validUtf8(l.data, l.size, &ascii)) {
      if (state_ != State::None || !complete) unreadable();
      return;
    }
    if (header(l)) return;
    if (state_ == State::None) return;
    if (!entry(l, ascii)) {
      // A line of another shape ends the list; one cut short by the end of the file was an
      // entry that could not be read.
      if (!complete) unreadable();
      endList();
    }
  }

  // An entry of the list being read; false when the line is of another shape.
  bool entry(Bytes l, bool ascii) {
    switch (state_) {
      case State::ItemColumns:
        if (l.startsWith("\"REGISTRY_NAME\"")) {
          if (!splitCsv(l, fields_)) return false;
          for (size_t i = 0; i < fields_.size(); ++i) {
            if (fields_.views[i].equals("REGISTRY_NAME")) idColumn_ = int(i);
            if (fields_.views[i].equals("DISPLAY_NAME")) nameColumn_ = int(i);
          }
          state_ = State::Items;
          return true;
        }
        // A list without a column line: the id first, then the display name when there is one.
        nameColumn_ = 1;
        state_ = State::Items;
        return entry(l, ascii);
      case State::Items: return itemEntry(l, ascii);
      case State::Liquids:
        if (l.startsWith("<liquid:") && l.endsWith(">")) {
          flushPending();
          pendingKind_ = Kind::Liquid;
          pendingId_ = QString::fromUtf8(l.data + 8, l.size - 9);
          return true;
        }
        if (l.startsWith("- ")) {
          if (pendingKind_ != Kind::Liquid) {
            unreadable();
          } else if (l.startsWith("- Display Name:")) {
            pendingName_ = QString::fromUtf8(l.data + 15, l.size - 15).trimmed();
          }
          return true;
        }
        return false;
      case State::Blocks: return bracketEntry(l, "<block:", Kind::Block, ascii);
      case State::Gases: return bracketEntry(l, "<gas:", Kind::Gas, ascii);
      case State::Entities: {
        const qsizetype sep = l.indexOf(" -- ");
        if (sep <= 0) return false;
        const Bytes id = l.mid(0, sep).trimmed();
        if (id.indexOf(' ') >= 0) return false;
        if (!builder(Kind::Entity).addUtf8(id, l.mid(sep + 4).trimmed(), {}, ascii)) unreadable();
        return true;
      }
      case State::Mods: {
        const qsizetype sep = l.indexOf(" - ");
        if (sep <= 0) return false;
        Bytes rest = l.mid(sep + 3);
        const qsizetype sep2 = rest.indexOf(" - ");
        const Bytes name = sep2 >= 0 ? rest.mid(0, sep2) : rest;
        const Bytes version = sep2 >= 0 ? rest.mid(sep2 + 3) : Bytes{};
        if (!builder(Kind::Mod).addUtf8(l.mid(0, sep).trimmed(), name.trimmed(), version, ascii))
          unreadable();
        return true;
      }
      case State::Ores:
        if (l.startsWith("-<") && l.endsWith(">")) {
          ++pendingMemberCount_;
          if (pendingMembers_.size() < 3)
            pendingMembers_.append(QString::fromUtf8(l.data + 2, l.size - 3));
          return true;
        }
        return false;
      case State::None: return false;
    }
    return false;
  }

  // "<block:minecraft:stone>, 石头" or "<gas:hydrogen>, 氢气" (the name may be missing).
  bool bracketEntry(Bytes l, const char* prefix, Kind kind, bool ascii) {
    if (!l.startsWith(prefix)) return false;
    const qsizetype start = qsizetype(std::strlen(prefix));
    const qsizetype close = l.indexOf('>', start);
    if (close < 0) {
      unreadable();
      return true;
    }
    Bytes name = l.mid(close + 1);
    if (name.startsWith(",")) name = name.mid(1);
    if (!builder(kind).addUtf8(l.mid(start, close - start).trimmed(), name.trimmed(), {}, ascii))
      unreadable();
    return true;
  }

  bool itemEntry(Bytes l, bool ascii) {
    if (l.startsWith("A total of ")) return false;
    if (!l.startsWith("\"") && !l.startsWith("<")) return false;
    if (!splitCsv(l, fields_) || int(fields_.size()) <= idColumn_) {
      unreadable();
      return true;
    }
    const Bytes reg = fields_.views[size_t(idColumn_)];
    const qsizetype close = reg.indexOf('>');
    if (!reg.startsWith("<") || close < 2) {
      unreadable();
      return true;
    }
    const Bytes id{reg.data + 1, close - 1};
    const Bytes extra = reg.mid(close + 1);
    Bytes name;
    if (nameColumn_ >= 0 && nameColumn_ < int(fields_.size()))
      name = fields_.views[size_t(nameColumn_)];
    if (!builder(Kind::Item).addUtf8(id.trimmed(), name, extra, ascii)) unreadable();
    return true;
  }

  Snapshot& s_;
  State state_ = State::None;
  qint64 lineNumber_ = 0;
  int idColumn_ = 0;
  int nameColumn_ = -1;
  CsvFields fields_;
  Kind pendingKind_ = Kind::Mod;  // Liquid or OreName while an entry waits for its last line
  QString pendingId_;
  QString pendingName_;
  QStringList pendingMembers_;
  qsizetype pendingMemberCount_ = 0;
  QSet<QString> oreNamesThisCopy_;
};

namespace {

QString resourceId(const QJsonObject& o) {
  const QJsonObject rl = o.value(QLatin1String("resourceLocation")).toObject();
  const QJsonObject& from = rl.isEmpty() ? o : rl;
  const QString domain = from.value(QLatin1String("domain")).toString();
  const QString path = from.value(QLatin1String("path")).toString();
  if (domain.isEmpty() || path.isEmpty()) return QString();
  return domain + u':' + path;
}

QString displayName(const QJsonObject& o) {
  const QJsonValue localized = o.value(QLatin1String("localizedName"));
  if (localized.isString()) return localized.toString();
  return o.value(QLatin1String("name")).toString();
}

}  // namespace

void PackReader::readZsrc(const QString& path) {
  QFile file(path);
  if (!file.exists()) return;
  s_.summary_.zsrcFound = true;
  if (file.size() > kMaxZsrc) {
    s_.summary_.zsrcError = QCoreApplication::translate("Pack", "文件太大");
    return;
  }
  if (!file.open(QIODevice::ReadOnly)) {
    s_.summary_.zsrcError = file.errorString();
    return;
  }
  QJsonParseError error;
  const QJsonDocument doc = QJsonDocument::fromJson(file.readAll(), &error);
  if (!doc.isObject()) {
    s_.summary_.zsrcError = error.error != QJsonParseError::NoError
                                ? error.errorString()
                                : QCoreApplication::translate("Pack", "不是 JSON 对象");
    return;
  }
  const QJsonObject root = doc.object();
  const auto take = [&](Kind kind, const char* key, const auto& each) {
    const QJsonValue v = root.value(QLatin1String(key));
    if (!v.isArray() || s_.summary_.kinds[int(kind)].source != Source::None) return;
    ListBuilder b(s_.lists_[int(kind)]);
    b.startCopy();
    s_.summary_.kinds[int(kind)].source = Source::Zsrc;
    for (const QJsonValue& e : v.toArray())
      if (!each(b, e)) ++s_.summary_.unreadableLines;
  };
  take(Kind::Item, "items", [](ListBuilder& b, const QJsonValue& e) {
    const QJsonObject o = e.toObject();
    QString id = resourceId(o);
    const int meta = o.value(QLatin1String("metadata")).toInt(0);
    if (meta != 0) id += u':' + QString::number(meta);
    return b.add(id, displayName(o));
  });
  take(Kind::Entity, "entities", [](ListBuilder& b, const QJsonValue& e) {
    const QJsonObject o = e.toObject();
    return b.add(resourceId(o), displayName(o));
  });
  take(Kind::Liquid, "fluids", [](ListBuilder& b, const QJsonValue& e) {
    return b.add(e.toObject().value(QLatin1String("name")).toString(), QString());
  });
  take(Kind::OreName, "oredictionary",
       [](ListBuilder& b, const QJsonValue& e) { return b.add(e.toString(), QString()); });
  take(Kind::Mod, "mods", [](ListBuilder& b, const QJsonValue& e) {
    const QJsonObject o = e.toObject();
    return b.add(o.value(QLatin1String("modid")).toString(),
                 o.value(QLatin1String("name")).toString(),
                 o.value(QLatin1String("version")).toString());
  });
}

SnapshotPtr readLog(QIODevice& log, qint64 size, const QString& zsrcPath,
                    const Progress& progress) {
  auto s = std::make_shared<Snapshot>();
  PackReader reader(*s);
  s->summary_.logFound = true;
  reader.readLog(log, size, progress);
  if (!zsrcPath.isEmpty()) reader.readZsrc(zsrcPath);
  reader.finishLists();
  return s;
}

SnapshotPtr readPack(const QString& gameFolder, const Progress& progress) {
  auto s = std::make_shared<Snapshot>();
  s->gameFolder_ = gameFolder;
  PackReader reader(*s);
  const QDir dir(gameFolder);
  QFile log(dir.filePath(QStringLiteral("crafttweaker.log")));
  if (!log.exists()) {
    s->summary_.logError = QCoreApplication::translate("Pack", "没有找到 crafttweaker.log");
  } else if (!log.open(QIODevice::ReadOnly)) {
    s->summary_.logFound = true;
    s->summary_.logError = log.errorString();
  } else {
    s->summary_.logFound = true;
    reader.readLog(log, log.size(), progress);
  }
  reader.readZsrc(dir.filePath(QStringLiteral("scripts/.zsrc")));
  reader.finishLists();
  return s;
}

// ---------------------------------------------------------------------------------------------
// Matching and suggestions

std::span<const BracketPrefix> bracketPrefixes() {
  static constexpr BracketPrefix kPrefixes[] = {
      {"ore:", Kind::OreName}, {"liquid:", Kind::Liquid}, {"fluid:", Kind::Liquid},
      {"gas:", Kind::Gas},     {"entity:", Kind::Entity}, {"blockstate:", Kind::Block},
      {"block:", Kind::Block}, {"item:", Kind::Item},
  };
  return kPrefixes;
}

const char* bracketPrefix(Kind kind) {
  switch (kind) {
    case Kind::Item: return "";
    case Kind::Liquid: return "liquid:";
    case Kind::OreName: return "ore:";
    case Kind::Gas: return "gas:";
    case Kind::Entity: return "entity:";
    case Kind::Block: return "blockstate:";
    case Kind::Mod: return "";
  }
  return "";
}

std::vector<Match> Snapshot::match(KindSet kinds, QStringView text, int limit,
                                   qsizetype* total) const {
  std::vector<Match> ranked[3];
  qsizetype count = 0;
  // Text that starts with a kind's bracket prefix ("ore:", "liquid:"…) looks in that kind only.
  for (const BracketPrefix& p : bracketPrefixes()) {
    if (!(kinds & kindBit(p.kind)) || !text.startsWith(QLatin1String(p.text))) continue;
    // "minecraft:…" is no prefix for items, whose ids start with their mod.
    kinds = kindBit(p.kind);
    text = text.mid(qsizetype(std::strlen(p.text)));
    break;
  }
  if (!text.isEmpty() && limit > 0) {
    for (int k = 0; k < kKindCount; ++k) {
      if (!(kinds & kindBit(Kind(k)))) continue;
      const KindList& list = lists_[k];
      for (qsizetype i = 0; i < list.size(); ++i) {
        const QStringView id = list.id(i);
        int rank = 3;
        const qsizetype at = id.indexOf(text, 0, Qt::CaseInsensitive);
        if (at == 0)
          rank = id.size() == text.size() ? 0 : 1;
        else if (at > 0)
          rank = id[at - 1] == u':' ? 1 : 2;
        if (rank > 1) {
          const qsizetype n = list.name(i).indexOf(text, 0, Qt::CaseInsensitive);
          if (n == 0)
            rank = 1;
          else if (n > 0)
            rank = std::min(rank, 2);
        }
        if (rank > 2) continue;
        ++count;
        if (qsizetype(ranked[rank].size()) < limit) ranked[rank].push_back(Match{Kind(k), i, rank});
      }
    }
  }
  std::vector<Match> out;
  for (auto& group : ranked)
    for (const Match& m : group)
      if (qsizetype(out.size()) < limit) out.push_back(m);
  if (total) *total = count;
  return out;
}

namespace {

// Edit distance (insertions, deletions, substitutions, swaps of neighbours) when at most
// bound, else bound + 1.
int distance(QStringView a, QStringView b, int bound) {
  const qsizetype n = a.size(), m = b.size();
  if (std::abs(n - m) > bound) return bound + 1;
  std::vector<int> prev2(size_t(m + 1)), prev(size_t(m + 1)), cur(size_t(m + 1));
  for (qsizetype j = 0; j <= m; ++j) prev[size_t(j)] = int(j);
  for (qsizetype i = 1; i <= n; ++i) {
    cur[0] = int(i);
    int rowMin = cur[0];
    for (qsizetype j = 1; j <= m; ++j) {
      const int cost = a[i - 1] == b[j - 1] ? 0 : 1;
      int v = std::min({prev[size_t(j)] + 1, cur[size_t(j - 1)] + 1, prev[size_t(j - 1)] + cost});
      if (i > 1 && j > 1 && a[i - 1] == b[j - 2] && a[i - 2] == b[j - 1])
        v = std::min(v, prev2[size_t(j - 2)] + 1);
      cur[size_t(j)] = v;
      rowMin = std::min(rowMin, v);
    }
    if (rowMin > bound) return bound + 1;
    std::swap(prev2, prev);
    std::swap(prev, cur);
  }
  return std::min(prev[size_t(m)], bound + 1);
}

// An item id's registry name ("mod:name") and what follows it (":meta" or empty).
std::pair<QStringView, QStringView> splitItem(QStringView id) {
  const qsizetype first = id.indexOf(u':');
  if (first < 0) return {id, {}};
  const qsizetype second = id.indexOf(u':', first + 1);
  if (second < 0) return {id, {}};
  return {id.first(second), id.mid(second)};
}

}  // namespace

QStringList Snapshot::suggest(Kind kind, QStringView id, int max) const {
  const KindList& list = lists_[int(kind)];
  QStringView key = id;
  QStringView tail;
  if (kind == Kind::Item) std::tie(key, tail) = splitItem(id);
  const QString folded = key.toString().toCaseFolded();
  // A slip of a key or two, more in longer ids; never a different word.
  const int bound = std::clamp(int(folded.size()) / 5, 1, 3);
  struct Candidate {
    int distance;
    QString id;
  };
  std::vector<Candidate> best;
  QSet<QString> seen;
  QString lastBase;
  for (qsizetype i = 0; i < list.size(); ++i) {
    QStringView candidate = list.id(i);
    if (kind == Kind::Item) candidate = splitItem(candidate).first;
    if (candidate == lastBase) continue;  // the same item at another meta
    lastBase = candidate.toString();
    const int d = distance(folded, candidate.toString().toCaseFolded(), bound);
    if (d > bound || seen.contains(lastBase)) continue;
    seen.insert(lastBase);
    best.push_back(Candidate{d, lastBase});
  }
  std::stable_sort(best.begin(), best.end(),
                   [](const Candidate& a, const Candidate& b) { return a.distance < b.distance; });
  QStringList out;
  for (const Candidate& c : best) {
    // Only the nearest: a farther id beside a near one is noise.
    if (out.size() >= max || c.distance > best.front().distance) break;
    QString s = c.id + tail.toString();
    if (kind == Kind::Item && !tail.isEmpty() && !knows(kind, s)) s = c.id;
    if (s.compare(id, list.caseInsensitive() ? Qt::CaseInsensitive : Qt::CaseSensitive) == 0)
      continue;
    if (!out.contains(s)) out.append(s);
  }
  return out;
}

bool Snapshot::knows(Kind kind, QStringView id) const {
  const KindList& list = lists_[int(kind)];
  if (kind == Kind::Item) return list.containsRegistryName(splitItem(id).first);
  return list.contains(id);
}

QString Snapshot::example(Kind kind) const {
  const KindList& list = lists_[int(kind)];
  return list.size() > 0 ? list.id(0).toString() : QString();
}

// ---------------------------------------------------------------------------------------------
// Words

QString describeSummary(const LoadSummary& summary) {
  QStringList lines;
  if (!summary.logError.isEmpty())
    lines.append(
        QCoreApplication::translate("Pack", "crafttweaker.log 无法读取：%1").arg(summary.logError));
  for (int k = 0; k < kKindCount; ++k) {
    const KindSummary& s = summary.kinds[k];
    const Kind kind = Kind(k);
    switch (s.source) {
      case Source::Log:
        lines.append(
            QCoreApplication::translate("Pack", "%1：%2 个").arg(kindName(kind)).arg(s.count));
        break;
      case Source::Zsrc:
        lines.append(QCoreApplication::translate("Pack", "%1：%2 个（来自 scripts/.zsrc）")
                         .arg(kindName(kind))
                         .arg(s.count));
        break;
      case Source::None:
        lines.append(QCoreApplication::translate("Pack", "%1：日志里没有，请在游戏里输入 %2")
                         .arg(kindName(kind), kindCommand(kind)));
        break;
    }
  }
  if (summary.unreadableLines > 0)
    lines.append(QCoreApplication::translate("Pack", "有 %1 行无法读取（第一处在第 %2 行），已跳过")
                     .arg(summary.unreadableLines)
                     .arg(summary.firstUnreadableLine));
  if (!summary.zsrcError.isEmpty())
    lines.append(
        QCoreApplication::translate("Pack", "scripts/.zsrc 无法读取：%1").arg(summary.zsrcError));
  if (summary.logError.isEmpty() && summary.logFound && !summary.anyList())
    lines.append(QCoreApplication::translate(
        "Pack", "日志里没有任何列表：请进入游戏输入上面的命令，再重新加载"));
  return lines.join(u'\n');
}

QString describeUnknown(QStringView id, const QStringList& suggestions) {
  if (suggestions.isEmpty()) return QCoreApplication::translate("Pack", "整合包里没有 %1").arg(id);
  return QCoreApplication::translate("Pack", "整合包里没有 %1，是不是 %2？")
      .arg(id, suggestions.join(QCoreApplication::translate("Pack", "、")));
}

}  // namespace tf::pack
