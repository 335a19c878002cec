#pragma once
// The 3×3 ingredient grid of a shaped recipe, boxes `a` to `i` row by row, as the recipe line
// writes it: "[[a,b,c],[d,e,f],[g,h,i]]", each box exactly as typed.

#include <QString>

#include "ui/formwindow.h"

namespace tf {

// A grid cell as the recipe line writes it: the box's text, or `null` for a box left empty (or
// holding only blanks), which can only mean "nothing here"; two commas with nothing between them
// never parse in the game.
inline QString gridCell(const QString& typed) {
  return typed.trimmed().isEmpty() ? QStringLiteral("null") : typed;
}

inline QString shapedGrid(const FormWindow& f) {
  const auto cell = [&f](const char* name) { return gridCell(f.text(QString::fromUtf8(name))); };
  return "[[" + cell("a") + "," + cell("b") + "," + cell("c") + "],[" + cell("d") + "," +
         cell("e") + "," + cell("f") + "],[" + cell("g") + "," + cell("h") + "," + cell("i") + "]]";
}

}  // namespace tf
