#include "forms/files.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace tf {
namespace {

// An open descriptor that is closed when it goes out of scope, unless closed before.
class Descriptor {
 public:
  explicit Descriptor(int fd) : fd_(fd) {}
  ~Descriptor() {
    if (fd_ >= 0) ::close(fd_);
  }
  Descriptor(const Descriptor&) = delete;
  Descriptor& operator=(const Descriptor&) = delete;
  int get() const { return fd_; }
  // Closes it; false (errno set) when the close reports an error of the writes before it.
  bool close() {
    const int fd = fd_;
    fd_ = -1;
    return ::close(fd) == 0;
  }

 private:
  int fd_;
};

// A new, empty file with a short random name in folder, opened for writing; its name goes to
// name. The name stays short whatever the target's name, so that a target whose name is as
// long as the system allows can still be replaced. -1 (errno set) when none can be made.
int createBeside(const QByteArray& folder, QByteArray& name) {
  static constexpr char kLetters[] = "abcdefghijklmnopqrstuvwxyz0123456789";
  for (int attempt = 0; attempt < 100; ++attempt) {
    QByteArray random(8, 'a');
    for (char& c : random)
      c = kLetters[QRandomGenerator::global()->bounded(int(sizeof kLetters - 1))];
    name = folder + "/.tessaform-" + random + ".tmp";
    const int fd = ::open(name.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd >= 0 || errno != EEXIST) return fd;
  }
  return -1;
}

// Writes all bytes; false (errno set) on the first failed call.
bool writeAll(int fd, const QByteArray& bytes) {
  const char* p = bytes.constData();
  qint64 left = bytes.size();
  while (left > 0) {
    const ssize_t n = ::write(fd, p, size_t(std::min<qint64>(left, qint64(1) << 30)));
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) return false;
    if (n == 0) {  // a regular file never takes nothing; do not spin
      errno = EIO;
      return false;
    }
    p += n;
    left -= n;
  }
  return true;
}

// The new file takes over the old one's permissions and, where allowed, its owner (a file of
// the user's written by a program run as root stays the user's).
void keepModeAndOwner(int fd, const struct stat& old) {
  ::fchmod(fd, old.st_mode & 07777);
  struct stat now {};
  if (::fstat(fd, &now) == 0 && (now.st_uid != old.st_uid || now.st_gid != old.st_gid)) {
    if (::fchown(fd, old.st_uid, old.st_gid) != 0) {
      // Not allowed for an ordinary user: the file is then theirs, as any new file would be.
    }
  }
}

// The rename is made lasting too; a folder that cannot be synced changes nothing written.
void syncFolder(const QByteArray& folder) {
  const int fd = ::open(folder.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return;
  ::fsync(fd);
  ::close(fd);
}

}  // namespace

QString failureReason(int errorCode) {
  QString reason;
  switch (errorCode) {
    case EACCES:
    case EPERM: reason = QCoreApplication::translate("Files", "没有写入权限"); break;
    case ENOSPC: reason = QCoreApplication::translate("Files", "磁盘空间不足"); break;
    case EDQUOT: reason = QCoreApplication::translate("Files", "超出了磁盘配额"); break;
    case ENAMETOOLONG: reason = QCoreApplication::translate("Files", "文件名或路径太长"); break;
    case EROFS: reason = QCoreApplication::translate("Files", "磁盘是只读的"); break;
    case ENOENT: reason = QCoreApplication::translate("Files", "文件夹不存在"); break;
    case ENOTDIR: reason = QCoreApplication::translate("Files", "路径中有一部分不是文件夹"); break;
    case EISDIR: reason = QCoreApplication::translate("Files", "这个路径是一个文件夹"); break;
    case EIO: reason = QCoreApplication::translate("Files", "读写磁盘时出错"); break;
    case EBUSY:
    case ETXTBSY: reason = QCoreApplication::translate("Files", "文件正在被使用"); break;
    case EFBIG: reason = QCoreApplication::translate("Files", "文件太大"); break;
    case ELOOP: reason = QCoreApplication::translate("Files", "路径中的符号链接太多"); break;
    case EMFILE:
    case ENFILE: reason = QCoreApplication::translate("Files", "打开的文件太多"); break;
    default: reason = QCoreApplication::translate("Files", "无法写入文件"); break;
  }
  // the reason in the user's words, then the system's own text
  return QCoreApplication::translate("Files", "%1（%2）").arg(reason, qt_error_string(errorCode));
}

QString writeWholeFile(const QString& path, const QByteArray& bytes) {
  if (path.isEmpty()) return QCoreApplication::translate("Files", "没有指定文件路径");
  const QString problem = pathProblem(path);
  if (!problem.isEmpty()) return problem;
  // A link is followed: the file it points to gets the new bytes, and the link stays a link.
  QString target = path;
  const QFileInfo link(path);
  if (link.isSymLink()) target = link.exists() ? link.canonicalFilePath() : link.symLinkTarget();
  const QFileInfo info(target);
  if (info.isDir()) return QCoreApplication::translate("Files", "这个路径是一个文件夹");
  const QString folder = info.absolutePath();
  if (!QFileInfo(folder).isDir()) return QCoreApplication::translate("Files", "文件夹不存在");

  const QByteArray targetName = QFile::encodeName(info.absoluteFilePath());
  const QByteArray folderName = QFile::encodeName(folder);
  struct stat old {};
  const bool exists = ::stat(targetName.constData(), &old) == 0;
  // Only a regular file is replaced: never a device, a pipe or a socket.
  if (exists && !S_ISREG(old.st_mode))
    return QCoreApplication::translate("Files", "这个路径不是普通文件");
  // A file the user made read-only stays as it is.
  if (exists && ::access(targetName.constData(), W_OK) != 0) return failureReason(errno);

  QByteArray tempName;
  Descriptor file(createBeside(folderName, tempName));
  if (file.get() < 0) return failureReason(errno);
  if (exists) keepModeAndOwner(file.get(), old);
  // Every step is checked before the next: the disk may fill up at the write, at the sync that
  // puts the bytes on it, or at the close.
  const bool written = writeAll(file.get(), bytes) && ::fdatasync(file.get()) == 0 &&
                       file.close() && ::rename(tempName.constData(), targetName.constData()) == 0;
  if (!written) {
    const int reason = errno;
    ::unlink(tempName.constData());
    return failureReason(reason);
  }
  syncFolder(folderName);
  return {};
}

QByteArray readWholeFile(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return {};
  return file.readAll();
}

QString trimmedPath(const QString& typed) { return typed.trimmed(); }

QString pathProblem(const QString& path) {
  for (const QChar c : path)
    if (c.category() == QChar::Other_Control)
      return QCoreApplication::translate("Files", "路径中有换行符或其他控制字符，不能用作文件名");
  return {};
}

bool fileNameContains(const QString& path, const QString& text) {
  return path.mid(path.lastIndexOf(u'/') + 1).contains(text, Qt::CaseSensitive);
}

}  // namespace tf
