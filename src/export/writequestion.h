#pragma once
// Before a file is written: a script the game cannot read, or a JSON file that does not parse,
// is written only when the user says so. A sound file is written without any question.

#include <QByteArray>

class QWidget;

namespace tf {

// Checks the script's bytes as the game reads them; with errors, asks "仍然写入" / "取消" and
// gives whether to write. Without errors: true, and nothing is shown.
bool confirmScriptWrite(QWidget* parent, const QByteArray& script);
// The same for a JSON file, which must parse as JSON.
bool confirmJsonWrite(QWidget* parent, const QByteArray& json);

}  // namespace tf
