#pragma once
// The list file "临时文件.txt": the pasted list of ids that batch rows loop over.

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace tf {

// The list file's full path. It lives beside the program in a portable copy, otherwise (an
// installed program, or a folder that cannot be written) in the user's application-data folder.
QString listFilePath();

// Whether the program in programDir is a portable copy, whose list file goes beside it: its
// folder is writable and is not an install folder, a "bin" folder of an install prefix that
// holds "share" beside it (/usr/bin, /usr/local/bin, ~/.local/bin, /opt/x/bin, ...). This is
// decided from where the program runs, whatever prefix it was built for.
bool isPortableFolder(const QString& programDir);

// Where the list file of a program in programDir goes (listFilePath() gives it for this one).
QString listFilePathFor(const QString& programDir);

// Tests point the list file elsewhere; an empty path restores the default. Either forgets what
// this copy last stored or read.
void setListFilePath(const QString& path);

// Writes the list file atomically; empty on success, otherwise the reason. On success the
// stored bytes are what this copy last stored.
QString writeListFile(const QString& text);

// The list file as it is now. Another copy of the program may have stored its own list in the
// same file since this copy last stored or read one: asLastSeen says whether it still holds
// exactly that list.
struct ListFileContent {
  bool exists = false;
  bool asLastSeen = false;
  QByteArray bytes;
};
ListFileContent readListFile();

// This copy takes these bytes, read from the list file, as its list: asLastSeen holds for them
// from now on.
void acceptListFile(const QByteArray& bytes);

// Every line of the list file, read once. Missing file: no line.
QStringList readListLines();

// Line n (from 1) of the list file, read afresh; the empty text for any n outside its lines.
QString readListLine(qint64 n);

}  // namespace tf
