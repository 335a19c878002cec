#pragma once
// What every Mekanism window does: a recipe button joins fixed text with what the window's
// boxes hold and appends the line to MekanismScript. It shows nothing and changes no box, so
// the same line can be appended again. A window declares its controls and, for each recipe
// button, the pieces of its line; this file holds the one behaviour they all share.

#include <QString>

#include <vector>

#include "ui/declaration.h"
#include "ui/registry.h"

namespace tf {

class FormWindow;

// One piece of a recipe line: fixed text, or the name of one of the window's edit or combo
// boxes, which stands for the box's text at the moment of the click.
struct Piece {
  // Fixed text converts implicitly, so that a chain reads like the line it builds.
  Piece(const char* text) : value(text) {}  // NOLINT(google-explicit-constructor)

  const char* value;  // UTF-8: the fixed text or the box's form name
  bool isBox = false;
};

// The piece that stands for the named box's text.
Piece box(const char* name);

using Chain = std::vector<Piece>;

struct RecipeButton {
  const char* button;
  Chain chain;
};

// A Mekanism window: its form and its recipe buttons.
struct MekanismForm {
  FormDeclaration form;
  std::vector<RecipeButton> recipes;
};

// The chain's pieces joined, each box contributing its current text exactly as typed.
QString joinChain(const FormWindow& f, const Chain& chain);

// A click on each recipe button appends its joined chain to MekanismScript. Every name is
// looked up here, when the window is built, so a misspelt one cannot wait for a click.
void connectRecipeButtons(FormWindow& f, const std::vector<RecipeButton>& recipes);

// Registers a machine window, whose recipe buttons are all it does.
template <const MekanismForm& (*declaration)()>
class MachineWindowRegistration {
 public:
  explicit MachineWindowRegistration(const char* name) : registration_(name, &form, &setup) {}

 private:
  static const FormDeclaration& form() { return declaration().form; }
  static void setup(FormWindow& f) { connectRecipeButtons(f, declaration().recipes); }

  WindowRegistration registration_;
};

}  // namespace tf
