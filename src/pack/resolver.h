#pragma once
// The pack's answer to the checker: whether the game will resolve a bracket, judged by the
// pack's lists as the game's bracket handlers judge it. Only kinds whose list is loaded are
// checked.

#include "check/checker.h"
#include "pack/brackets.h"

namespace tf::pack {

class PackResolver : public check::BracketResolver {
 public:
  explicit PackResolver(SnapshotPtr pack) : pack_(std::move(pack)) {}
  // kind "unknown-id", args: the bracket as written, then the nearest known brackets. An
  // unknown item, liquid, gas, entity or block is an error (the game cannot resolve it, or
  // fails when the script runs); an unknown ore name is only a warning (the game makes it
  // empty), and so is an item of a namespace that no mod of the pack has (a bracket of some
  // other handler, perhaps).
  check::Problem resolve(QStringView bracket) const override;

 private:
  SnapshotPtr pack_;
};

}  // namespace tf::pack
