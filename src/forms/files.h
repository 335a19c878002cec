#pragma once
// Whole-file reading and writing. A write replaces its target atomically: it is written
// beside the target and renamed over it, so a failed write leaves an existing file intact.

#include <QByteArray>
#include <QString>

namespace tf {

// Empty on success; otherwise the reason, in words a user can act on.
QString writeWholeFile(const QString& path, const QByteArray& bytes);

// All bytes of the file; empty when it is missing or unreadable.
QByteArray readWholeFile(const QString& path);

}  // namespace tf
