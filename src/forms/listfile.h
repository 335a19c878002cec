#pragma once
// The list file "临时文件.txt": the pasted list of ids that batch rows loop over.

#include <QString>
#include <QStringList>

namespace tf {

// The list file's full path. It lives beside the program when that folder can be written
// (a portable copy), otherwise in the user's application-data folder.
QString listFilePath();

// Whether the list file goes beside the program: its folder is writable and is not the folder
// the program is installed to.
bool isPortableFolder(const QString& programDir, const QString& installDir);

// Tests point the list file elsewhere; an empty path restores the default.
void setListFilePath(const QString& path);

// Writes the list file atomically; empty on success, otherwise the reason.
QString writeListFile(const QString& text);

// Every line of the list file, read once. Missing file: no line.
QStringList readListLines();

// Line n (from 1) of the list file, read afresh; the empty text for any n outside its lines.
QString readListLine(qint64 n);

}  // namespace tf
