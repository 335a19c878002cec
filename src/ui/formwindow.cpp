#include "ui/formwindow.h"

#include <QCheckBox>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QScrollBar>
#include <QStyleOptionButton>
#include <QStylePainter>
#include <QTextCursor>
#include <QTextDocument>

#include <limits>

#include "forms/text.h"
#include "ui/captionfit.h"
#include "ui/dialogfolder.h"
#include "ui/focusorder.h"
#include "ui/idassist.h"
#include "ui/language.h"
#include "ui/platform.h"
#include "ui/screenfit.h"
#include "ui/scriptedit.h"

namespace tf {
namespace {

// Buttons and labels keep their caption exactly as declared ("\r\n" line breaks included) as
// their text, and draw it wrapped inside their box, as captions of fixed-size controls are.
class CaptionButton : public QPushButton {
 public:
  using QPushButton::QPushButton;

 protected:
  void paintEvent(QPaintEvent*) override {
    QStylePainter p(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    option.text.clear();
    p.drawControl(QStyle::CE_PushButton, option);
    const QRect box = style()->subElementRect(QStyle::SE_PushButtonContents, &option, this);
    p.setPen(
        palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::ButtonText));
    p.drawText(box, Qt::AlignCenter | Qt::TextWordWrap, fromCrLf(text()));
  }
};

// A label shows its caption without leading and trailing blank lines, so that a caption padded
// with line breaks still shows its text inside the label.
class CaptionLabel : public QLabel {
 public:
  using QLabel::QLabel;

 protected:
  void paintEvent(QPaintEvent*) override {
    QString shown = fromCrLf(text());
    while (shown.startsWith(u'\n')) shown.remove(0, 1);
    while (shown.endsWith(u'\n')) shown.chop(1);
    QPainter p(this);
    p.setPen(palette().color(QPalette::WindowText));
    p.drawText(contentsRect(), Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, shown);
  }
};

// Scrolls a multi-line box to its end, so that the line just appended is in sight.
void showEnd(QPlainTextEdit* m) {
  static const char* const kFollowsEnd = "tessaformFollowsEnd";
  QScrollBar* bar = m->verticalScrollBar();
  // The text may be laid out again after the append (colouring, a scroll bar that appears and
  // narrows the box): the box keeps showing its end until the user scrolls or moves the cursor.
  if (!m->property(kFollowsEnd).isValid()) {
    QObject::connect(bar, &QScrollBar::rangeChanged, m, [m, bar](int, int maximum) {
      if (m->property(kFollowsEnd).toBool()) bar->setValue(maximum);
    });
    QObject::connect(bar, &QScrollBar::actionTriggered, m,
                     [m](int) { m->setProperty(kFollowsEnd, false); });
    QObject::connect(m, &QPlainTextEdit::cursorPositionChanged, m,
                     [m] { m->setProperty(kFollowsEnd, false); });
  }
  m->setProperty(kFollowsEnd, true);
  bar->setValue(bar->maximum());
}

void whiteBoxBlackText(QWidget* w) {
  QPalette p = w->palette();
  p.setColor(QPalette::Base, Qt::white);
  p.setColor(QPalette::Text, Qt::black);
  w->setPalette(p);
}

// Stacking, lowest first: big multi-line boxes, separator bars (caption-less buttons that only
// draw a bar), pictures and labels, input boxes, then buttons and check boxes, so that a button
// lying on a box stays clickable and a bar never hides a caption.
int layer(const ControlDeclaration& c) {
  switch (c.kind) {
    case ControlKind::Memo: return 0;
    case ControlKind::Picture:
    case ControlKind::Label: return 2;
    case ControlKind::Edit:
    case ControlKind::Combo:
    case ControlKind::ComboList:
    case ControlKind::Progress: return 3;
    case ControlKind::Button: return c.text.isEmpty() ? 1 : 4;
    case ControlKind::Check: return 4;
    case ControlKind::FileDialog: return -1;
  }
  return -1;
}

// A file dialog's filter "label|pattern" as shown: the label translated, the pattern as declared.
QString shownFilter(const QString& windowName, const QString& filter) {
  const qsizetype bar = filter.indexOf(u'|');
  if (bar < 0) return shownText(windowName, filter);
  return shownText(windowName, filter.left(bar)) + filter.mid(bar);
}

}  // namespace

FormWindow::FormWindow(const FormDeclaration& declaration, QWidget* parent)
    : QDialog(parent), declaration_(declaration) {
  // A window without an opener is the program's main window: an ordinary top-level window that
  // desktops list and can minimise, not a dialog.
  if (parent == nullptr) setWindowFlags(Qt::Window);
  setObjectName(declaration_.windowName);
  setWindowTitle(shownText(declaration_.windowName, declaration_.title));
  setFixedSize(declaration_.width, declaration_.height);
  move(50, 50);
  build();
  placeOnScrollingCanvas(*this);
  arrangeFocus(*this);
  watchCaptionFit(*this);
  connectScriptKeeping();
}

void FormWindow::build() {
  for (qsizetype i = 0; i < qsizetype(declaration_.controls.size()); ++i) {
    const ControlDeclaration& c = declaration_.controls[size_t(i)];
    if (controlIndex_.contains(c.name))
      qFatal("%s: the control name %s is declared twice", qPrintable(declaration_.windowName),
             qPrintable(c.name));
    controlIndex_.insert(c.name, i);
    QWidget* w = nullptr;
    // Captions, items and hints show their translation; the handle keeps reading and writing
    // the declared texts, so that the scripts do not depend on the interface language.
    const QString shown = shownText(declaration_.windowName, c.text);
    switch (c.kind) {
      case ControlKind::Label: {
        auto* l = new CaptionLabel(shown, this);
        // A label never takes a click meant for a control it lies across.
        l->setAttribute(Qt::WA_TransparentForMouseEvents);
        w = l;
        break;
      }
      case ControlKind::Button: {
        auto* b = new CaptionButton(shown, this);
        // Enter in an edit box must not press a button.
        b->setAutoDefault(false);
        b->setDefault(false);
        w = b;
        break;
      }
      case ControlKind::Edit: {
        auto* e = new QLineEdit(this);
        e->setMaxLength(std::numeric_limits<int>::max());  // no length limit (Qt's is 32767)
        e->setText(shown);
        e->setCursorPosition(0);
        whiteBoxBlackText(e);
        attachIdAssist(e, e, c.id);
        w = e;
        break;
      }
      case ControlKind::Memo: {
        auto* m = (c.options & kScript) ? new ScriptEdit((c.options & kTerminal) != 0, this)
                                        : new QPlainTextEdit(this);
        m->setPlainText(fromCrLf(c.text));
        m->setReadOnly((c.options & kReport) != 0);
        // A box without a declared scroll bar still shows one once its text is taller.
        m->setVerticalScrollBarPolicy((c.options & kScrollV) ? Qt::ScrollBarAlwaysOn
                                                             : Qt::ScrollBarAsNeeded);
        // Tab moves on to the next control; only the code terminal takes it as an indent.
        m->setTabChangesFocus(!(c.options & kTerminal));
        m->setHorizontalScrollBarPolicy((c.options & kScrollH) ? Qt::ScrollBarAlwaysOn
                                                               : Qt::ScrollBarAlwaysOff);
        m->setLineWrapMode((c.options & kScrollH) ? QPlainTextEdit::NoWrap
                                                  : QPlainTextEdit::WidgetWidth);
        if (c.options & kTerminal) {
          QPalette p = m->palette();
          p.setColor(QPalette::Base, Qt::black);
          p.setColor(QPalette::Text, QColor(0, 255, 0));
          m->setPalette(p);
        } else {
          whiteBoxBlackText(m);
        }
        w = m;
        break;
      }
      case ControlKind::Combo:
      case ControlKind::ComboList: {
        auto* cb = new QComboBox(this);
        for (const QString& item : c.items)
          cb->addItem(shownText(declaration_.windowName, item), item);
        if (c.kind == ControlKind::Combo) {
          cb->setEditable(true);
          cb->setInsertPolicy(QComboBox::NoInsert);
        }
        cb->setCurrentIndex(-1);
        if (cb->isEditable()) cb->clearEditText();
        if (cb->isEditable()) attachIdAssist(cb->lineEdit(), cb, c.id);
        w = cb;
        break;
      }
      case ControlKind::Check: w = new QCheckBox(shown, this); break;
      case ControlKind::Progress: {
        auto* p = new QProgressBar(this);
        p->setRange(0, 100);
        p->setValue(0);
        w = p;
        break;
      }
      case ControlKind::Picture: {
        auto* l = new QLabel(this);
        l->setPixmap(QPixmap(c.text));
        l->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        w = l;
        break;
      }
      case ControlKind::FileDialog: break;  // not drawn; chooseFile() shows it
    }
    if (w == nullptr) continue;
    w->setObjectName(c.name);
    w->setGeometry(c.x, c.y, c.w, c.h);
    controls_.insert(c.name, w);
  }
  for (int level = 0; level <= 4; ++level)
    for (const ControlDeclaration& c : declaration_.controls)
      if (layer(c) == level) controls_.value(c.name)->raise();
}

void FormWindow::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Escape) {
    event->accept();
    return;
  }
  QDialog::keyPressEvent(event);
}

const ControlDeclaration& FormWindow::controlDeclaration(const QString& name) const {
  const auto it = controlIndex_.constFind(name);
  if (it == controlIndex_.constEnd())
    qFatal("%s has no control named %s", qPrintable(declaration_.windowName), qPrintable(name));
  return declaration_.controls[size_t(*it)];
}

QWidget* FormWindow::control(const QString& name) const {
  QWidget* w = controls_.value(name);
  if (w == nullptr)
    qFatal("%s has no visible control named %s", qPrintable(declaration_.windowName),
           qPrintable(name));
  return w;
}

QString FormWindow::text(const QString& name) const {
  const ControlDeclaration& c = controlDeclaration(name);
  switch (c.kind) {
    case ControlKind::Edit: {
      // A box still showing the translation of its declared text, untouched, holds that text.
      auto* e = static_cast<QLineEdit*>(control(name));
      if (!c.text.isEmpty() && !e->isModified() && e->text() != c.text &&
          e->text() == shownText(declaration_.windowName, c.text))
        return c.text;
      return e->text();
    }
    case ControlKind::Memo: {
      // The document's own characters: toPlainText() would turn no-break spaces into blanks and
      // line separators into line breaks. Its paragraph separators are the box's line breaks.
      QString raw = static_cast<QPlainTextEdit*>(control(name))->document()->toRawText();
      raw.replace(QChar::ParagraphSeparator, QChar(u'\n'));
      return toCrLf(raw);
    }
    case ControlKind::Combo:
    case ControlKind::ComboList: {
      // An item shown translated is read as declared; typed text as it is.
      auto* cb = static_cast<QComboBox*>(control(name));
      const QString current = cb->currentText();
      int index = cb->currentIndex();
      if (index < 0 || cb->itemText(index) != current)
        index = cb->findText(current, Qt::MatchExactly | Qt::MatchCaseSensitive);
      return index >= 0 ? cb->itemData(index).toString() : current;
    }
    default: return c.text;
  }
}

void FormWindow::setText(const QString& name, const QString& text) {
  const ControlDeclaration& c = controlDeclaration(name);
  switch (c.kind) {
    case ControlKind::Edit: static_cast<QLineEdit*>(control(name))->setText(text); return;
    case ControlKind::Memo:
      // CR LF is one line break to the document; a lone CR or LF is one too.
      static_cast<QPlainTextEdit*>(control(name))->setPlainText(text);
      return;
    case ControlKind::Combo: {
      // A declared item shows as its translation.
      auto* cb = static_cast<QComboBox*>(control(name));
      const int index = cb->findData(text, Qt::UserRole, Qt::MatchExactly | Qt::MatchCaseSensitive);
      cb->setEditText(index >= 0 ? cb->itemText(index) : text);
      return;
    }
    case ControlKind::ComboList: {
      auto* cb = static_cast<QComboBox*>(control(name));
      cb->setCurrentIndex(
          cb->findData(text, Qt::UserRole, Qt::MatchExactly | Qt::MatchCaseSensitive));
      return;
    }
    default:
      qFatal("%s: %s holds no text that can be written", qPrintable(declaration_.windowName),
             qPrintable(name));
  }
}

void FormWindow::append(const QString& name, const QString& text) {
  const ControlDeclaration& c = controlDeclaration(name);
  if (text.isEmpty()) return;
  if (c.kind == ControlKind::Memo) {
    auto* m = static_cast<QPlainTextEdit*>(control(name));
    QTextCursor end(m->document());
    end.movePosition(QTextCursor::End);
    end.insertText(text);  // CR LF, as a lone CR or LF, starts one new line
    showEnd(m);
    return;
  }
  if (c.kind == ControlKind::Edit) {
    // From the box's text as the handle reads it: a translated initial text is its declared one.
    auto* e = static_cast<QLineEdit*>(control(name));
    e->setText(this->text(name) + text);
    return;
  }
  qFatal("%s: cannot append to %s", qPrintable(declaration_.windowName), qPrintable(name));
}

bool FormWindow::checked(const QString& name) const {
  if (controlDeclaration(name).kind != ControlKind::Check)
    qFatal("%s: %s is not a check box", qPrintable(declaration_.windowName), qPrintable(name));
  return static_cast<QCheckBox*>(control(name))->isChecked();
}

void FormWindow::setChecked(const QString& name, bool on) {
  if (controlDeclaration(name).kind != ControlKind::Check)
    qFatal("%s: %s is not a check box", qPrintable(declaration_.windowName), qPrintable(name));
  static_cast<QCheckBox*>(control(name))->setChecked(on);
}

void FormWindow::setProgress(const QString& name, int position) {
  if (controlDeclaration(name).kind != ControlKind::Progress)
    qFatal("%s: %s is not a progress bar", qPrintable(declaration_.windowName), qPrintable(name));
  static_cast<QProgressBar*>(control(name))->setValue(position);
}

int FormWindow::progress(const QString& name) const {
  if (controlDeclaration(name).kind != ControlKind::Progress)
    qFatal("%s: %s is not a progress bar", qPrintable(declaration_.windowName), qPrintable(name));
  return static_cast<QProgressBar*>(control(name))->value();
}

void FormWindow::onClick(const QString& name, std::function<void()> handler) {
  auto* b = qobject_cast<QPushButton*>(control(name));
  if (b == nullptr)
    qFatal("%s: %s is not a button", qPrintable(declaration_.windowName), qPrintable(name));
  connect(b, &QPushButton::clicked, this, [h = std::move(handler)] { h(); });
}

QString FormWindow::chooseFile(const QString& dialogName) {
  const ControlDeclaration& c = controlDeclaration(dialogName);
  if (c.kind != ControlKind::FileDialog)
    qFatal("%s: %s is not a file dialog", qPrintable(declaration_.windowName),
           qPrintable(dialogName));
  const QString chosen =
      platform().askFileName(this, shownFilter(declaration_.windowName, c.text.trimmed()),
                             dialogStartFolder(windowName()));
  if (!chosen.isEmpty()) {
    dialogFileNames_.insert(dialogName, chosen);
    rememberDialogFolder(windowName(), chosen);
  }
  return dialogFileNames_.value(dialogName);
}

}  // namespace tf
