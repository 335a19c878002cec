#pragma once
// A window's declaration: its title, inner size, and every control with its form name, kind,
// text or items, place, size and options. One generic builder (FormWindow) turns it into a
// window; no window places widgets by hand.

#include <QString>
#include <QStringList>

#include <initializer_list>
#include <vector>

namespace tf {

enum class ControlKind {
  Label,
  Button,
  Edit,       // single-line edit box
  Memo,       // multi-line edit box
  Combo,      // editable drop-down
  ComboList,  // drop-down list: pick only
  Check,
  Progress,
  Picture,     // shows an image resource
  FileDialog,  // not drawn; its text is the dialog's filter "label|pattern"
};

enum ControlOption : unsigned {
  kNoOption = 0,
  kScrollV = 1u << 0,   // Memo: vertical scroll bar
  kScrollH = 1u << 1,   // Memo: horizontal scroll bar (lines are not wrapped)
  kTerminal = 1u << 2,  // Memo: green text on black
  kScript = 1u << 3,    // Memo: a script box (ZenScript colours, problems underlined)
  kReport = 1u << 4,    // Memo: read only; the program's report, in the interface's language
};

// The kinds of ids an edit box takes (the same bits as the pack's kinds).
enum IdKinds : unsigned {
  kNoIds = 0,
  kIdItem = 1u << 0,
  kIdLiquid = 1u << 1,
  kIdOre = 1u << 2,  // an ore name
  kIdGas = 1u << 3,
  kIdEntity = 1u << 4,
  kIdBlock = 1u << 5,
  kIdMod = 1u << 6,
};

// How a box holds its id, which follows from how the window's lines use the box.
enum class IdForm {
  Plain,      // the id alone: the line writes "<liquid:" and ">" around it, or no brackets at all
  Inside,     // what goes between '<' and '>', which the line writes: "minecraft:stone:1",
              // "ore:ingotIron"
  Bracketed,  // the whole bracket, typed by the user: "<minecraft:stone:1>"
};

// An id box: the kinds it takes (none: not an id box) and its form.
struct IdBox {
  unsigned kinds = kNoIds;
  IdForm form = IdForm::Inside;
};

struct ControlDeclaration {
  QString name;
  ControlKind kind;
  QString text;  // caption, initial text, image resource or filter
  QStringList items;
  int x = 0, y = 0, w = 0, h = 0;
  unsigned options = kNoOption;
  IdBox id{};  // edit and combo boxes that take an id: completion and the pack's check

  // This box takes ids of those kinds, in that form.
  ControlDeclaration takes(unsigned kinds, IdForm form = IdForm::Inside) const {
    ControlDeclaration c = *this;
    c.id = IdBox{kinds, form};
    return c;
  }
};

struct FormDeclaration {
  QString windowName;  // e.g. "CraftingWindow"
  QString title;
  int width = 0, height = 0;  // the inner area; controls are placed from its top left corner
  std::vector<ControlDeclaration> controls;
  // A generator window's script box, and the button that adds its lines to a program-wide
  // value ("写入总变量"); closing the window while the box holds lines not yet kept asks first.
  // Empty: the window has none. A script box without such a button counts as kept once a
  // successful export has written it.
  QString scriptBox;
  QString keepButton;
};

// Short constructors, so that a declaration reads like the window's table.
ControlDeclaration label(const char* name, const char* caption, int x, int y, int w, int h);
ControlDeclaration button(const char* name, const char* caption, int x, int y, int w, int h);
ControlDeclaration edit(const char* name, const char* text, int x, int y, int w, int h);
ControlDeclaration memo(const char* name, const char* text, int x, int y, int w, int h,
                        unsigned options);
ControlDeclaration combo(const char* name, std::initializer_list<const char*> items, int x, int y,
                         int w, int h);
ControlDeclaration comboList(const char* name, std::initializer_list<const char*> items, int x,
                             int y, int w, int h);
ControlDeclaration checkBox(const char* name, const char* caption, int x, int y, int w, int h);
ControlDeclaration progress(const char* name, int x, int y, int w, int h);
ControlDeclaration picture(const char* name, const char* resource, int x, int y, int w, int h);
ControlDeclaration fileDialog(const char* name, const char* filter, int x, int y, int w, int h);

}  // namespace tf
