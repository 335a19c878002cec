#include "export/handover.h"

#include "forms/text.h"
#include "forms/values.h"
#include "ui/formwindow.h"
#include "ui/registry.h"

namespace tf {

namespace {

bool handOver(FormWindow& opener, const QString& text, const QString& exportWindow) {
  ProgramValues& v = values();
  v.exportBuffer = toBytes(text);
  openWindow(exportWindow, &opener);
  const bool written = !v.exportBufferWritten.isNull() && v.exportBufferWritten == v.exportBuffer;
  if (written) opener.markScriptKept();
  return written;
}

}  // namespace

bool exportScript(FormWindow& opener, const QString& script) {
  return handOver(opener, script, QStringLiteral("ExportWindow"));
}

bool exportJson(FormWindow& opener, const QString& json) {
  return handOver(opener, json, QStringLiteral("JsonExportWindow"));
}

bool exportMekanismScript(FormWindow& opener) {
  if (!exportScript(opener, values().mekanismScript)) return false;
  values().mekanismScriptWritten = values().exportBuffer;
  return true;
}

bool exportFusionJson(FormWindow& opener, const QString& json) {
  if (!exportJson(opener, json)) return false;
  values().fusionJson = json;
  values().fusionJsonWritten = values().exportBuffer;
  return true;
}

}  // namespace tf
