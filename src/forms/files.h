#pragma once
// Whole-file reading and writing, and the paths users type. A write replaces its target
// atomically: the bytes go to a new file beside the target, are flushed to the disk and checked,
// and only then is the new file renamed over the target, so a failed write (a full disk, no
// permission, a name the system refuses) leaves an existing file exactly as it was.

#include <QByteArray>
#include <QString>

namespace tf {

// Empty on success; otherwise the reason, in words a user can act on.
QString writeWholeFile(const QString& path, const QByteArray& bytes);

// All bytes of the file; empty when it is missing or unreadable.
QByteArray readWholeFile(const QString& path);

// A path as typed or pasted, without the white space (blanks, tabs, line breaks) at either end.
QString trimmedPath(const QString& typed);

// Why the path cannot name a file: it holds a line break or another control character. Empty
// when it can.
QString pathProblem(const QString& path);

// Whether the file's own name, the part after the last '/', contains text (case-sensitive);
// the names of the folders above it do not count.
bool fileNameContains(const QString& path, const QString& text);

// The reason for a failed system call with this errno value: the common ones in the
// interface's language, followed by the system's own text.
QString failureReason(int errorCode);

}  // namespace tf
