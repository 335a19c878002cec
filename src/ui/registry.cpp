#include "ui/registry.h"

#include <QMap>

#include "ui/declaration.h"
#include "ui/formwindow.h"
#include "ui/platform.h"

namespace tf {
namespace {

struct Entry {
  FormFn form;
  SetupFn setup;
};

QMap<QString, Entry>& entries() {
  static QMap<QString, Entry> map;
  return map;
}

}  // namespace

WindowRegistration::WindowRegistration(const char* name, FormFn form, SetupFn setup) {
  const QString window = QString::fromUtf8(name);
  if (entries().contains(window)) qFatal("window %s is registered twice", name);
  entries().insert(window, Entry{form, setup});
}

std::unique_ptr<FormWindow> buildWindow(const QString& name, QWidget* parent) {
  const auto it = entries().constFind(name);
  if (it == entries().constEnd()) return nullptr;
  const FormDeclaration& declaration = it->form();
  if (declaration.windowName != name)
    qFatal("window %s is declared as %s", qPrintable(name), qPrintable(declaration.windowName));
  auto window = std::make_unique<FormWindow>(declaration, parent);
  if (it->setup != nullptr) it->setup(*window);
  // What the creation step put into the script box is what the window opened with.
  window->markScriptKept();
  return window;
}

bool openWindow(const QString& name, QWidget* parent) {
  std::unique_ptr<FormWindow> window = buildWindow(name, parent);
  if (!window) return false;
  platform().runModal(*window);
  return true;
}

QStringList registeredWindows() { return entries().keys(); }

const FormDeclaration* windowDeclaration(const QString& name) {
  const auto it = entries().constFind(name);
  return it == entries().constEnd() ? nullptr : &it->form();
}

void connectNavigation(FormWindow& f, std::span<const Navigation> table) {
  for (const Navigation& nav : table) {
    const QString window = QString::fromUtf8(nav.window);
    if (!entries().contains(window))
      qFatal("%s: no window named %s", qPrintable(f.windowName()), nav.window);
    f.onClick(QString::fromUtf8(nav.button), [&f, window] { openWindow(window, &f); });
  }
}

}  // namespace tf
