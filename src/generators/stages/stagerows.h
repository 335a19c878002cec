#pragma once
// What the two stage windows share: batch rows, which write their lines for one typed id or,
// with their "批量导入" box ticked, for every id of the stored list; and the stage-import line.

#include <QString>

#include <initializer_list>

namespace tf {

class FormWindow;

// The lines a row writes for one id, given the text of the row's stage box.
using RowLines = QString (*)(const QString& stage, const QString& id);

struct BatchRow {
  const char* button;
  const char* checkBox;  // ticked: one id after another from the list file
  const char* stageBox;
  const char* idBox;  // read only while the check box is not ticked
  RowLines lines;
};

// Connects each row's button: it appends to scriptBox the row's lines for the typed id or, with
// the check box ticked, for each of the BatchCount ids stored last, in list order.
void connectBatchRows(FormWindow& f, const char* scriptBox, std::initializer_list<BatchRow> rows);

// "import scripts.crafttweaker.stages.stage" followed directly by the typed name.
QString stageImportLine(const QString& name);

// Puts an import line into the script box after the last import line at the top of the script
// (blank, comment and preprocessor lines there are passed over), or at the very top when the
// script opens with none: the game parses no import below a statement. Only the head of the
// script is read.
void insertImportLine(FormWindow& f, const QString& scriptBox, const QString& line);

}  // namespace tf
