#pragma once
// How a generator window hands its script to an export window: ExportBuffer becomes the
// script's bytes, replacing what it held, and the export window opens over the generator.

#include <QString>

namespace tf {

class FormWindow;

void exportScript(FormWindow& opener, const QString& script);  // opens ExportWindow
void exportJson(FormWindow& opener, const QString& json);      // opens JsonExportWindow

}  // namespace tf
