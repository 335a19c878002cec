#include "pack/resolver.h"

namespace tf::pack {
check::Problem PackResolver::resolve(QStringView bracket) const {
  check::Problem p;
  if (!pack_) return p;
  const Verdict v = judge(*pack_, bracket);
  if (!v.unknown) return p;
  p.kind = QStringLiteral("unknown-id");
  p.severity = v.errorInGame ? check::Severity::Error : check::Severity::Warning;
  p.args.append(bracket.toString());
  for (const QString& near : pack_->suggest(v.bracket.kind, v.bracket.id))
    p.args.append(v.bracket.prefix + near);
  return p;
}

}  // namespace tf::pack
