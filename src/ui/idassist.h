#pragma once
// What an id box does with the pack: a popup of matching ids with their display names while the
// user types, the id inserted in the form the box needs, a tooltip naming the kind with an
// example, and a red frame with the nearest known ids when the box holds an id the pack lacks.

#include <QString>

#include "pack/pack.h"
#include "ui/declaration.h"

class QLineEdit;
class QWidget;

namespace tf {

// Gives the box its completion and check; framed is the widget that shows the red frame (the
// line edit itself, or the combo box that holds it).
void attachIdAssist(QLineEdit* edit, QWidget* framed, const IdBox& box);

// The text a box holds for an entry of the pack, in the box's form: "minecraft:stone:1",
// "ore:ingotIron" or "<minecraft:stone:1>" for an item, "water" for a liquid in a box whose
// line writes "<liquid:" itself.
QString idForBox(pack::Kind kind, QStringView id, QStringView extra, IdForm form);

// The bracket a box's text stands for (its text between '<' and '>', with its kind's prefix),
// or empty when the text is empty or not a single id.
QString bracketOfBox(const QString& text, const IdBox& box);

// The text the popup matches against: the box's text without brackets.
QString queryOfBox(const QString& text, const IdBox& box);

// The box's tooltip: its kind and an example from the pack ("物品 id，例如 minecraft:stone").
QString idBoxTooltip(const IdBox& box, const pack::Snapshot* pack);

// Why the box's id is unknown to the pack, with the nearest ids in the box's form; empty when
// the pack knows it, its kind is not loaded, or there is no pack.
// Without suggestions, it only says that the id is unknown (cheap enough for every keystroke).
QString unknownIdMessage(const QString& text, const IdBox& box, const pack::Snapshot& pack,
                         bool withSuggestions = true);

}  // namespace tf
