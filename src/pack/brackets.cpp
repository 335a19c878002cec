#include "pack/brackets.h"

namespace tf::pack {
namespace {

// Brackets of the game's other handlers: never items, and not in the pack's lists.
bool otherHandler(QStringView prefix) {
  static const char* const kOthers[] = {"enchantment",    "potion",       "biome",
                                        "creativetab",    "damagesource", "infuse",
                                        "entitycategory", "soundevent",   "blockmaterial"};
  for (const char* other : kOthers)
    if (prefix.compare(QLatin1String(other), Qt::CaseInsensitive) == 0) return true;
  return false;
}

}  // namespace

BracketId parseBracket(QStringView bracket) {
  BracketId b;
  const qsizetype colon = bracket.indexOf(u':');
  if (colon <= 0) return b;  // "<*>" and one-word brackets belong to other handlers
  const QStringView head = bracket.first(colon);
  const QStringView rest = bracket.mid(colon + 1);
  for (const BracketPrefix& p : bracketPrefixes()) {
    if (bracket.first(colon + 1) != QLatin1String(p.text)) continue;
    b.kind = p.kind;
    b.prefix = head.toString() + u':';
    b.id = rest.toString();
    if (p.kind == Kind::Block) {
      // "mod:name" then block properties ("facing=north") after a further ':'
      const qsizetype first = rest.indexOf(u':');
      const qsizetype second = first < 0 ? -1 : rest.indexOf(u':', first + 1);
      if (second > 0) b.id = rest.first(second).toString();
    }
    b.checked = !b.id.isEmpty() && !b.id.contains(u'*');
    if (p.kind == Kind::Item) b.checked = b.checked || b.id.endsWith(QLatin1String(":*"));
    return b;
  }
  if (otherHandler(head)) return b;
  // "mod:name" or "mod:name:meta": an item (or a block, which the game also takes).
  b.kind = Kind::Item;
  b.id = bracket.toString();
  const qsizetype parts = bracket.count(u':') + 1;
  b.checked = parts <= 3 && !rest.isEmpty() && !rest.startsWith(u'*');
  return b;
}

Verdict judge(const Snapshot& s, QStringView bracket) {
  Verdict v;
  v.bracket = parseBracket(bracket);
  const BracketId& b = v.bracket;
  if (!b.checked) return v;
  const KindList& list = s.list(b.kind);
  if (!list.loaded() || s.knows(b.kind, b.id)) return v;
  // The game takes a block's name wherever it takes an item's.
  if (b.kind == Kind::Item && s.knows(Kind::Block, b.id.section(u':', 0, 1))) return v;
  v.unknown = true;
  v.errorInGame = true;
  if (b.kind == Kind::OreName) v.errorInGame = false;
  if (b.kind == Kind::Item) {
    const QString ns = b.id.section(u':', 0, 0);
    if (!list.containsNamespace(ns) && !s.knows(Kind::Mod, ns)) v.errorInGame = false;
  }
  return v;
}

}  // namespace tf::pack
