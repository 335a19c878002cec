#include "ui/declaration.h"

namespace tf {
namespace {

ControlDeclaration make(const char* name, ControlKind kind, const char* text, int x, int y, int w,
                        int h, unsigned options = kNoOption) {
  return ControlDeclaration{
      QString::fromUtf8(name), kind, QString::fromUtf8(text), {}, x, y, w, h, options, {}};
}

QStringList toList(std::initializer_list<const char*> items) {
  QStringList list;
  for (const char* item : items) list.append(QString::fromUtf8(item));
  return list;
}

}  // namespace

ControlDeclaration label(const char* name, const char* caption, int x, int y, int w, int h) {
  return make(name, ControlKind::Label, caption, x, y, w, h);
}
ControlDeclaration button(const char* name, const char* caption, int x, int y, int w, int h) {
  return make(name, ControlKind::Button, caption, x, y, w, h);
}
ControlDeclaration edit(const char* name, const char* text, int x, int y, int w, int h) {
  return make(name, ControlKind::Edit, text, x, y, w, h);
}
ControlDeclaration memo(const char* name, const char* text, int x, int y, int w, int h,
                        unsigned options) {
  return make(name, ControlKind::Memo, text, x, y, w, h, options);
}
ControlDeclaration combo(const char* name, std::initializer_list<const char*> items, int x, int y,
                         int w, int h) {
  ControlDeclaration c = make(name, ControlKind::Combo, "", x, y, w, h);
  c.items = toList(items);
  return c;
}
ControlDeclaration comboList(const char* name, std::initializer_list<const char*> items, int x,
                             int y, int w, int h) {
  ControlDeclaration c = make(name, ControlKind::ComboList, "", x, y, w, h);
  c.items = toList(items);
  return c;
}
ControlDeclaration checkBox(const char* name, const char* caption, int x, int y, int w, int h) {
  return make(name, ControlKind::Check, caption, x, y, w, h);
}
ControlDeclaration progress(const char* name, int x, int y, int w, int h) {
  return make(name, ControlKind::Progress, "", x, y, w, h);
}
ControlDeclaration picture(const char* name, const char* resource, int x, int y, int w, int h) {
  return make(name, ControlKind::Picture, resource, x, y, w, h);
}
ControlDeclaration fileDialog(const char* name, const char* filter, int x, int y, int w, int h) {
  return make(name, ControlKind::FileDialog, filter, x, y, w, h);
}

}  // namespace tf
