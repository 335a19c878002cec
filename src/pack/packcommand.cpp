#include "pack/packcommand.h"

#include <QCoreApplication>
#include <QFileInfo>

#include "check/commandline.h"
#include "pack/resolver.h"

namespace tf::packcli {

std::unique_ptr<check::BracketResolver> openPack(const QString& gameFolder, QTextStream& err) {
  if (!QFileInfo(gameFolder).isDir()) {
    err << "tessaform: "
        << QCoreApplication::translate("PackCommandLine", "找不到游戏文件夹「%1」").arg(gameFolder)
        << '\n';
    return nullptr;
  }
  const pack::SnapshotPtr snapshot = pack::readPack(gameFolder);
  const pack::LoadSummary& summary = snapshot->summary();
  if (!summary.anyList()) {
    err << "tessaform: "
        << QCoreApplication::translate("PackCommandLine", "整合包「%1」里没有可用的 id 列表：")
               .arg(gameFolder)
        << '\n'
        << pack::describeSummary(summary) << '\n';
    return nullptr;
  }
  if (summary.unreadableLines > 0 || !summary.zsrcError.isEmpty())
    err << "tessaform: " << pack::describeSummary(summary) << '\n';
  return std::make_unique<pack::PackResolver>(snapshot);
}

int runCheckWithPack(const QStringList& args, QTextStream& out, QTextStream& err) {
  return cli::runCheckCommand(args, out, err, &openPack);
}

}  // namespace tf::packcli
