#pragma once
// How a generator window hands its script to an export window: ExportBuffer becomes the
// script's bytes, replacing what it held, and the export window opens over the generator.
// Each returns whether a successful export has written those bytes; the opener's script box
// then counts as kept.

#include <QString>

namespace tf {

class FormWindow;

bool exportScript(FormWindow& opener, const QString& script);  // opens ExportWindow
bool exportJson(FormWindow& opener, const QString& json);      // opens JsonExportWindow

// The same hand-overs for MekanismScript and the fusion JSON, which also remember what a
// successful export wrote of them, so that closing the program asks only about the rest.
bool exportMekanismScript(FormWindow& opener);
bool exportFusionJson(FormWindow& opener, const QString& json);

}  // namespace tf
