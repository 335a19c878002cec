#pragma once
// The 3×3 ingredient grid of a shaped recipe, boxes `a` to `i` row by row, as the recipe line
// writes it: "[[a,b,c],[d,e,f],[g,h,i]]", each box exactly as typed.

#include <QString>

#include "ui/formwindow.h"

namespace tf {

inline QString shapedGrid(const FormWindow& f) {
  return "[[" + f.text("a") + "," + f.text("b") + "," + f.text("c") + "],[" + f.text("d") + "," +
         f.text("e") + "," + f.text("f") + "],[" + f.text("g") + "," + f.text("h") + "," +
         f.text("i") + "]]";
}

}  // namespace tf
