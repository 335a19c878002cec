#pragma once
// Every window of the program by name: its declaration and its setup, which connects the
// handlers and runs the window's creation step. Each window's source registers itself.

#include <QString>
#include <QStringList>

#include <memory>
#include <span>

class QWidget;

namespace tf {

class FormWindow;
struct FormDeclaration;

using FormFn = const FormDeclaration& (*)();
using SetupFn = void (*)(FormWindow&);

// A window's name with the functions that declare and set it up. Nothing is built until the
// window is opened, so the program's start does no work for the windows it does not show.
struct WindowRegistration {
  WindowRegistration(const char* name, FormFn form, SetupFn setup);
};

// Builds the window afresh from its declaration and sets it up; nullptr for a name that no
// window has.
std::unique_ptr<FormWindow> buildWindow(const QString& name, QWidget* parent = nullptr);

// Builds the window and shows it modally over parent; returns when it is closed.
// Returns false when no window has that name.
bool openWindow(const QString& name, QWidget* parent);

QStringList registeredWindows();

// The declaration of the named window, without building it; nullptr for a name that no window
// has.
const FormDeclaration* windowDeclaration(const QString& name);

// A button that opens a window modally over the one that holds it.
struct Navigation {
  const char* button;
  const char* window;
};

// Connects each button of the table to the window it opens. Every window named must exist, so
// that a misspelt name stops the program when the window is built, not at a click.
void connectNavigation(FormWindow& f, std::span<const Navigation> table);

}  // namespace tf
