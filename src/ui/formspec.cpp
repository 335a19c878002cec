#include "ui/formspec.h"

namespace tf {
namespace {

ControlSpec make(const char* name, ControlKind kind, const char* text, int x, int y, int w, int h,
                 unsigned options = kNoOption) {
  return ControlSpec{
      QString::fromUtf8(name), kind, QString::fromUtf8(text), {}, x, y, w, h, options};
}

QStringList toList(std::initializer_list<const char*> items) {
  QStringList list;
  for (const char* item : items) list.append(QString::fromUtf8(item));
  return list;
}

}  // namespace

ControlSpec label(const char* name, const char* caption, int x, int y, int w, int h) {
  return make(name, ControlKind::Label, caption, x, y, w, h);
}
ControlSpec button(const char* name, const char* caption, int x, int y, int w, int h) {
  return make(name, ControlKind::Button, caption, x, y, w, h);
}
ControlSpec edit(const char* name, const char* text, int x, int y, int w, int h) {
  return make(name, ControlKind::Edit, text, x, y, w, h);
}
ControlSpec memo(const char* name, const char* text, int x, int y, int w, int h, unsigned options) {
  return make(name, ControlKind::Memo, text, x, y, w, h, options);
}
ControlSpec combo(const char* name, std::initializer_list<const char*> items, int x, int y, int w,
                  int h) {
  ControlSpec c = make(name, ControlKind::Combo, "", x, y, w, h);
  c.items = toList(items);
  return c;
}
ControlSpec comboList(const char* name, std::initializer_list<const char*> items, int x, int y,
                      int w, int h) {
  ControlSpec c = make(name, ControlKind::ComboList, "", x, y, w, h);
  c.items = toList(items);
  return c;
}
ControlSpec check(const char* name, const char* caption, int x, int y, int w, int h) {
  return make(name, ControlKind::Check, caption, x, y, w, h);
}
ControlSpec progress(const char* name, int x, int y, int w, int h) {
  return make(name, ControlKind::Progress, "", x, y, w, h);
}
ControlSpec picture(const char* name, const char* resource, int x, int y, int w, int h) {
  return make(name, ControlKind::Picture, resource, x, y, w, h);
}
ControlSpec fileDialog(const char* name, const char* filter, int x, int y, int w, int h) {
  return make(name, ControlKind::FileDialog, filter, x, y, w, h);
}

}  // namespace tf
