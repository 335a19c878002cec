#pragma once
// Which controls of a window take keyboard focus, and in which order Tab visits them.

#include <QStringList>

namespace tf {

class FormWindow;
struct FormDeclaration;

// The controls that take focus in reading order: top to bottom by rows, and in each row its
// boxes left to right before its buttons left to right. Labels, pictures, progress bars,
// separator bars and controls that lie outside the window's area take none.
QStringList readingOrder(const FormDeclaration& declaration);

// Gives the window's controls that focus behaviour: no focus for the controls readingOrder()
// leaves out, and Tab in reading order.
void arrangeFocus(FormWindow& f);

}  // namespace tf
