#include "generators/mekanism/recipebutton.h"

#include "forms/values.h"
#include "ui/formwindow.h"

namespace tf {

Piece box(const char* name) {
  Piece piece(name);
  piece.isBox = true;
  return piece;
}

QString joinChain(const FormWindow& f, const Chain& chain) {
  QString line;
  for (const Piece& piece : chain) {
    const QString value = QString::fromUtf8(piece.value);
    line += piece.isBox ? f.text(value) : value;
  }
  return line;
}

void connectRecipeButtons(FormWindow& f, const std::vector<RecipeButton>& recipes) {
  for (const RecipeButton& recipe : recipes) {
    for (const Piece& piece : recipe.chain) {
      if (!piece.isBox) continue;
      const ControlKind kind = f.controlDeclaration(QString::fromUtf8(piece.value)).kind;
      if (kind != ControlKind::Edit && kind != ControlKind::Combo && kind != ControlKind::ComboList)
        qFatal("%s: %s in the line of %s is no box", qPrintable(f.windowName()), piece.value,
               recipe.button);
    }
    f.onClick(QString::fromUtf8(recipe.button),
              [&f, chain = recipe.chain] { values().mekanismScript += joinChain(f, chain); });
  }
}

}  // namespace tf
