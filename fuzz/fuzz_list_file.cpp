// The list file's reader on any bytes: invalid UTF-8, GBK, zero bytes, lone CR or LF, huge
// lines. It never crashes or reads outside the file, line n read alone is line n of the whole
// list, any other n gives the empty text, valid UTF-8 reads back byte for byte, and a list
// written from what was read reads back the same.

#include <QByteArray>
#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>
#include <QTemporaryDir>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <limits>
#include <vector>

#include "forms/model.h"
#include "fuzz_check.h"

namespace {

QTemporaryDir* dir = nullptr;

void writeRaw(const QByteArray& bytes) {
  QFile file(tf::listFilePath());
  FUZZ_CHECK(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
  FUZZ_CHECK(file.write(bytes) == bytes.size());
}

bool isUtf8WithoutZero(const QByteArray& bytes) {
  if (bytes.contains('\0')) return false;
  QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
  const QString decoded = utf8.decode(bytes);  // decodes only when converted
  return !decoded.isNull() && !utf8.hasError();
}

// The first byte 0xFF: the rest repeated to about 64 KiB, for huge lines and long lists.
bool isHuge(const uint8_t* data, size_t size) { return size > 1 && data[0] == 0xFF; }

QByteArray bytesOf(const uint8_t* data, size_t size) {
  QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
  if (isHuge(data, size)) {
    const QByteArray unit = bytes.mid(1);
    bytes = unit.repeated(qMax<qsizetype>(1, (1 << 16) / unit.size()));
  }
  return bytes;
}

}  // namespace

void removeDir() { delete dir; }

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  // In memory where the machine has it: every input is written several times, synced.
  dir = QFileInfo(QStringLiteral("/dev/shm")).isWritable()
            ? new QTemporaryDir(QStringLiteral("/dev/shm/tessaform-fuzz-XXXXXX"))
            : new QTemporaryDir;
  std::atexit(removeDir);
  tf::setListFilePath(dir->filePath(QStringLiteral("临时文件.txt")));
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const QByteArray bytes = bytesOf(data, size);
  writeRaw(bytes);
  const QStringList lines = tf::readListLines();
  const QString crlf = QStringLiteral("\r\n");
  for (const QString& line : lines) FUZZ_CHECK(!line.contains(crlf));

  // Line n alone, for the first, a middle and the last line; nothing outside the list. Each
  // call reads the whole file, so a huge list is asked only at its end.
  const qint64 count = lines.size();
  const bool huge = isHuge(data, size);
  const std::vector<qint64> inside =
      huge ? std::vector<qint64>{count} : std::vector<qint64>{1, count / 2, count};
  const std::vector<qint64> outside =
      huge ? std::vector<qint64>{count + 1}
           : std::vector<qint64>{0, count + 1, std::numeric_limits<qint64>::max(),
                                 std::numeric_limits<qint64>::min()};
  for (const qint64 n : inside)
    if (n >= 1 && n <= count) FUZZ_CHECK(tf::readListLine(n) == lines.at(n - 1));
  for (const qint64 n : outside) FUZZ_CHECK(tf::readListLine(n).isEmpty());

  // A list of valid UTF-8 is the text it holds, line for line (a leading byte-order mark, as
  // some editors save one, is not part of the first line).
  if (isUtf8WithoutZero(bytes)) {
    const QByteArray text = bytes.startsWith("\xEF\xBB\xBF") ? bytes.mid(3) : bytes;
    QString back = lines.join(crlf);
    if (text.endsWith("\r\n")) back += crlf;
    FUZZ_CHECK(tf::toBytes(back) == text);
  }

  // Nothing after a zero byte is read.
  const qsizetype zero = bytes.indexOf('\0');
  if (zero >= 0) {
    writeRaw(bytes.left(zero));
    FUZZ_CHECK(tf::readListLines() == lines);
  }

  // Storing what was read, one line break after each line, reads back the same lines; only a
  // U+FEFF that begins the list is read as a byte-order mark.
  QString stored;
  for (const QString& line : lines) stored += line + crlf;
  FUZZ_CHECK(tf::writeListFile(stored).isEmpty());
  QStringList expected = lines;
  if (!expected.isEmpty() && expected.front().startsWith(QChar(0xFEFF)))
    expected.front().remove(0, 1);
  FUZZ_CHECK(tf::readListLines() == expected);
  return 0;
}
