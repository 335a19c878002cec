#pragma once
// Test support: a fresh program state with the platform double installed, windows opened and
// shown headless, and clicks made where a user would click.

#include <QTemporaryDir>
#include <QTest>

#include <memory>

#include "forms/model.h"
#include "ui/fakeplatform.h"
#include "ui/formwindow.h"
#include "ui/registry.h"

namespace tf::test {

class Harness {
 public:
  // Program-wide values live for the whole test program; every test starts from the empty
  // values a fresh program starts with, a private list file and a platform that never blocks.
  Harness();
  ~Harness();
  Harness(const Harness&) = delete;
  Harness& operator=(const Harness&) = delete;

  FakePlatform fake;
  QTemporaryDir dir;
  QString path(const QString& name) const { return dir.filePath(name); }
};

// Builds and shows the named window (its creation step has run).
std::unique_ptr<FormWindow> open(const QString& windowName);

// Clicks the control at the centre of its declared place, as a user would: fails when another
// control lies on top there.
void click(FormWindow& f, const QString& name);

// Types text into an edit box or combo box, replacing what it holds.
void type(FormWindow& f, const QString& name, const QString& text);

// Whether the control at the centre of name's declared place is name itself (or part of it).
bool topmostAtCentre(FormWindow& f, const QString& name);

}  // namespace tf::test
