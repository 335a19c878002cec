#include "ui/idassist.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QCompleter>
#include <QCoreApplication>
#include <QEvent>
#include <QLineEdit>
#include <QRegularExpression>
#include <QStandardItemModel>

#include "pack/brackets.h"
#include "ui/packservice.h"

namespace tf {
namespace {

static_assert(kIdItem == pack::kindBit(pack::Kind::Item));
static_assert(kIdLiquid == pack::kindBit(pack::Kind::Liquid));
static_assert(kIdOre == pack::kindBit(pack::Kind::OreName));
static_assert(kIdGas == pack::kindBit(pack::Kind::Gas));
static_assert(kIdEntity == pack::kindBit(pack::Kind::Entity));
static_assert(kIdBlock == pack::kindBit(pack::Kind::Block));
static_assert(kIdMod == pack::kindBit(pack::Kind::Mod));

// The popup shows this many matches at most; typing more narrows them.
constexpr int kPopupRows = 50;
constexpr int kInsertRole = Qt::UserRole + 1;

std::vector<pack::Kind> kindsOf(unsigned bits) {
  std::vector<pack::Kind> kinds;
  for (int k = 0; k < pack::kKindCount; ++k)
    if (bits & pack::kindBit(pack::Kind(k))) kinds.push_back(pack::Kind(k));
  return kinds;
}

// A single id holds no blanks, brackets, quotes or separators.
bool singleId(const QString& t) {
  static const QRegularExpression kNotId(QStringLiteral(R"([\s<>"',;()\[\]{}*+=])"));
  return !t.isEmpty() && !t.contains(kNotId);
}

class IdAssist : public QObject {
 public:
  IdAssist(QLineEdit* edit, QWidget* framed, const IdBox& box)
      : QObject(edit), edit_(edit), framed_(framed), box_(box) {
    connect(edit_, &QLineEdit::textEdited, this, [this] { showMatches(); });
    connect(edit_, &QLineEdit::textChanged, this, [this] { check(); });
    connect(&PackService::instance(), &PackService::snapshotChanged, this, [this] { check(); });
    edit_->installEventFilter(this);
    check();
  }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    // The suggestions are looked for only when the tooltip is about to show.
    if (watched == edit_ && event->type() == QEvent::ToolTip) updateTooltip();
    return false;
  }

 private:
  // The popup is made when first needed: a window of many id boxes opens without a popup each.
  void makePopup() {
    model_ = new QStandardItemModel(this);
    completer_ = new QCompleter(model_, this);
    completer_->setWidget(edit_);
    completer_->setCompletionMode(QCompleter::UnfilteredPopupCompletion);
    completer_->setMaxVisibleItems(12);
    completer_->popup()->setObjectName(QStringLiteral("idPopup"));
    connect(completer_, qOverload<const QModelIndex&>(&QCompleter::activated), this,
            [this](const QModelIndex& index) { choose(index); });
  }

  void showMatches() {
    const pack::SnapshotPtr pack = PackService::instance().snapshot();
    const QString query = queryOfBox(edit_->text(), box_);
    if (completer_ == nullptr) {
      if (!pack || query.isEmpty()) return;
      makePopup();
    }
    model_->clear();
    if (!pack || query.isEmpty()) {
      completer_->popup()->hide();
      return;
    }
    for (const pack::Match& m : pack->match(box_.kinds, query, kPopupRows)) {
      const pack::KindList& list = pack->list(m.kind);
      const QString insert = idForBox(m.kind, list.id(m.index), list.extra(m.index), box_.form);
      const QStringView name = list.name(m.index);
      auto* item = new QStandardItem(
          name.isEmpty() ? insert : name.toString() + QStringLiteral("  ") + insert);
      item->setData(insert, kInsertRole);
      item->setToolTip(pack::kindName(m.kind));
      model_->appendRow(item);
    }
    if (model_->rowCount() == 0) {
      completer_->popup()->hide();
      return;
    }
    completer_->setCompletionPrefix(QString());
    completer_->complete();
  }

  void choose(const QModelIndex& index) {
    const QString insert = index.data(kInsertRole).toString();
    if (insert.isEmpty()) return;
    edit_->setText(insert);
    edit_->setCursorPosition(int(insert.size()));
  }

  void check() {
    const pack::SnapshotPtr pack = PackService::instance().snapshot();
    bool unknown = false;
    if (pack) unknown = !unknownIdMessage(edit_->text(), box_, *pack, false).isEmpty();
    if (unknown != framed_->property("unknownId").toBool()) {
      framed_->setProperty("unknownId", unknown);
      const char* type = qobject_cast<QComboBox*>(framed_) ? "QComboBox" : "QLineEdit";
      framed_->setStyleSheet(unknown ? QStringLiteral("%1 { border: 2px solid red; }").arg(type)
                                     : QString());
    }
    updateTooltip(/*withSuggestions=*/false);
  }

  void updateTooltip(bool withSuggestions = true) {
    const pack::SnapshotPtr pack = PackService::instance().snapshot();
    QString tip = idBoxTooltip(box_, pack.get());
    if (pack && framed_->property("unknownId").toBool() && withSuggestions)
      tip = unknownIdMessage(edit_->text(), box_, *pack) + u'\n' + tip;
    edit_->setToolTip(tip);
    if (framed_ != edit_) framed_->setToolTip(tip);
  }

  QLineEdit* edit_;
  QWidget* framed_;
  IdBox box_;
  QStandardItemModel* model_ = nullptr;
  QCompleter* completer_ = nullptr;
};

}  // namespace

void attachIdAssist(QLineEdit* edit, QWidget* framed, const IdBox& box) {
  if (box.kinds == kNoIds) return;
  new IdAssist(edit, framed, box);
}

QString idForBox(pack::Kind kind, QStringView id, QStringView extra, IdForm form) {
  switch (form) {
    case IdForm::Plain: return id.toString();
    case IdForm::Inside: return QString::fromLatin1(pack::bracketPrefix(kind)) + id.toString();
    case IdForm::Bracketed:
      return u'<' + QString::fromLatin1(pack::bracketPrefix(kind)) + id.toString() + u'>' +
             (kind == pack::Kind::Item ? extra.toString() : QString());
  }
  return QString();
}

QString bracketOfBox(const QString& text, const IdBox& box) {
  const QString t = text.trimmed();
  const std::vector<pack::Kind> kinds = kindsOf(box.kinds);
  if (kinds.empty() || t.isEmpty()) return QString();
  switch (box.form) {
    case IdForm::Plain:
      if (kinds.front() == pack::Kind::Mod || !singleId(t)) return QString();
      return QLatin1String(pack::bracketPrefix(kinds.front())) + t;
    case IdForm::Inside: return singleId(t) ? t : QString();
    case IdForm::Bracketed: {
      // "<id>", perhaps followed by ".withTag(...)" or another call on it.
      static const QRegularExpression kBracket(QStringLiteral(R"(^<([^<>\s]+)>(\..*)?$)"));
      const QRegularExpressionMatch m = kBracket.match(t);
      return m.hasMatch() && singleId(m.captured(1).remove(u'*')) ? m.captured(1) : QString();
    }
  }
  return QString();
}

QString queryOfBox(const QString& text, const IdBox&) {
  QString q = text.trimmed();
  if (q.startsWith(u'<')) q.remove(0, 1);
  const qsizetype close = q.indexOf(u'>');
  if (close >= 0) q.truncate(close);
  return q.trimmed();
}

QString idBoxTooltip(const IdBox& box, const pack::Snapshot* pack) {
  QStringList names;
  QString example;
  for (pack::Kind kind : kindsOf(box.kinds)) {
    names.append(pack::kindName(kind));
    if (example.isEmpty() && pack) {
      const QString id = pack->example(kind);
      if (!id.isEmpty()) example = idForBox(kind, id, {}, box.form);
    }
  }
  const QString what = QCoreApplication::translate("IdAssist", "%1 id")
                           .arg(names.join(QCoreApplication::translate("IdAssist", "或")));
  return example.isEmpty()
             ? what
             : QCoreApplication::translate("IdAssist", "%1，例如 %2").arg(what, example);
}

QString unknownIdMessage(const QString& text, const IdBox& box, const pack::Snapshot& pack,
                         bool withSuggestions) {
  const QString t = text.trimmed();
  const std::vector<pack::Kind> kinds = kindsOf(box.kinds);
  if (kinds.size() == 1 && kinds.front() == pack::Kind::Mod) {
    if (!singleId(t) || !pack.list(pack::Kind::Mod).loaded() || pack.knows(pack::Kind::Mod, t))
      return QString();
    return pack::describeUnknown(
        t, withSuggestions ? pack.suggest(pack::Kind::Mod, t) : QStringList());
  }
  const QString bracket = bracketOfBox(t, box);
  if (bracket.isEmpty()) return QString();
  const pack::Verdict v = pack::judge(pack, bracket);
  if (!v.unknown) return QString();
  QStringList near;
  if (withSuggestions)
    for (const QString& id : pack.suggest(v.bracket.kind, v.bracket.id))
      near.append(box.form == IdForm::Plain ? id : idForBox(v.bracket.kind, id, {}, box.form));
  return pack::describeUnknown(t, near);
}

}  // namespace tf
