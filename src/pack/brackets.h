#pragma once
// How the game's bracket handlers read a bracket, and whether the pack knows its id. Qt Core
// only, without the checker.

#include "pack/pack.h"

namespace tf::pack {

// What a bracket names, as the game's bracket handlers read it.
struct BracketId {
  Kind kind = Kind::Item;
  QString id;            // within its kind: "minecraft:stone:1", "ingotIron", "water"…
  QString prefix;        // what the bracket writes before the id: "", "item:", "ore:", "liquid:"…
  bool checked = false;  // false for brackets of handlers the pack does not list
};

// Splits a bracket's text (blanks around ':' already removed, no '<' '>').
BracketId parseBracket(QStringView bracket);

// Whether the pack knows the bracket's id, without looking for suggestions.
struct Verdict {
  BracketId bracket;
  bool unknown = false;
  // The game cannot resolve it (or fails when the script runs); false where it only makes an
  // empty ore name, or where the bracket may belong to another handler.
  bool errorInGame = true;
};
Verdict judge(const Snapshot& pack, QStringView bracket);

}  // namespace tf::pack
