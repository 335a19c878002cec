#include "export/handover.h"

#include "forms/text.h"
#include "forms/values.h"
#include "ui/formwindow.h"
#include "ui/registry.h"

namespace tf {

void exportScript(FormWindow& opener, const QString& script) {
  values().exportBuffer = toBytes(script);
  openWindow(QStringLiteral("ExportWindow"), &opener);
}

void exportJson(FormWindow& opener, const QString& json) {
  values().exportBuffer = toBytes(json);
  openWindow(QStringLiteral("JsonExportWindow"), &opener);
}

}  // namespace tf
