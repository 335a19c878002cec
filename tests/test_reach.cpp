// Every control can be reached and seen: only controls in sight take focus, Tab follows
// reading order, the newest line of a script box is in sight, multi-line boxes show a scroll
// bar once their text is taller, captions that do not fit show their whole text as tooltip,
// and the export dialogs open in the folder used last.

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QFontDatabase>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QStyleOptionButton>
#include <QTest>
#include <QTextBlock>
#include <QToolTip>

#include "forms/text.h"
#include "support/harness.h"
#include "ui/dialogfolder.h"
#include "ui/focusorder.h"
#include "ui/language.h"

using namespace tf;

namespace {

void everyWindow() {
  QTest::addColumn<QString>("window");
  for (const QString& name : registeredWindows()) QTest::newRow(qPrintable(name)) << name;
}

// The control of the form that w is or lies in, by name; empty for none.
QString formNameOf(const FormWindow& f, QWidget* w) {
  for (; w != nullptr && w != &f; w = w->parentWidget())
    for (const ControlDeclaration& c : f.declaration().controls)
      if (c.kind != ControlKind::FileDialog && f.control(c.name) == w) return c.name;
  return QString();
}

// The rectangle w covers on the window's canvas (where the declared places are).
QRect onCanvas(const FormWindow& f, QWidget* w) {
  QWidget* canvas = f.control(f.declaration().controls.front().name)->parentWidget();
  return QRect(w->mapTo(canvas, QPoint(0, 0)), w->size());
}

// The form names that Tab visits from the first control on, once round.
QStringList tabRound(FormWindow& f, int limit) {
  QStringList visited;
  for (int i = 0; i < limit; ++i) {
    // The code terminal takes Tab as an indent; Ctrl+Tab leaves it.
    auto* box = qobject_cast<QPlainTextEdit*>(QApplication::focusWidget());
    const bool indents = box != nullptr && !box->tabChangesFocus();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab,
                    indents ? Qt::ControlModifier : Qt::NoModifier);
    const QString name = formNameOf(f, QApplication::focusWidget());
    if (!visited.isEmpty() && name == visited.front()) break;
    visited << name;
  }
  return visited;
}

bool activate(FormWindow& f) {
  f.activateWindow();
  return QTest::qWaitForWindowActive(&f);
}

}  // namespace

class Reach : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() {
    // Captions are measured at the size a Chinese desktop uses: a 10.5-point CJK font.
    QVERIFY2(QFontDatabase::hasFamily(QStringLiteral("Noto Sans CJK SC")),
             "a Chinese font is needed: install fonts-noto-cjk");
    QFont font(QStringLiteral("Noto Sans CJK SC"));
    font.setPointSizeF(10.5);
    QApplication::setFont(font);
  }

  // No widget that takes focus by Tab or click lies outside the window's area or is hidden,
  // and Tab, going once round, never lands on one.
  void focusInSight_data() { everyWindow(); }
  void focusInSight() {
    QFETCH(QString, window);
    test::Harness h;
    auto f = test::open(window);
    const QRect area(0, 0, f->declaration().width, f->declaration().height);
    for (QWidget* w : f->findChildren<QWidget*>()) {
      if (w->focusPolicy() == Qt::NoFocus || w->window() != f.get()) continue;  // not popups
      if (!w->isVisibleTo(f.get()))
        QFAIL(qPrintable(w->objectName() + u'/' + formNameOf(*f, w) + " is hidden"));
      if (!area.contains(onCanvas(*f, w).center()))
        QFAIL(qPrintable(formNameOf(*f, w) + " takes focus outside the window"));
    }
  }

  // Tab visits every control that takes focus once, in reading order.
  void tabOrder_data() { everyWindow(); }
  void tabOrder() {
    QFETCH(QString, window);
    test::Harness h;
    auto f = test::open(window);
    const QStringList order = readingOrder(f->declaration());
    if (order.isEmpty()) return;
    QVERIFY(activate(*f));
    f->control(order.back())->setFocus();
    const QStringList visited = tabRound(*f, int(order.size()) + 2);
    QCOMPARE(visited, order);
    // Reading order never goes back up: no control is entirely above the one before it.
    for (qsizetype i = 1; i < order.size(); ++i) {
      const ControlDeclaration& before = f->controlDeclaration(order[i - 1]);
      const ControlDeclaration& after = f->controlDeclaration(order[i]);
      if (after.y + after.h <= before.y)
        QFAIL(qPrintable(order[i] + " comes after " + order[i - 1] + " but lies above it"));
    }
  }

  // Rows where reading order is plain to see: boxes left to right, then the row's buttons.
  void readingOrderRows_data() {
    QTest::addColumn<QString>("window");
    QTest::addColumn<QStringList>("order");
    QTest::newRow("oxidizer") << "ChemicalOxidizerWindow"
                              << QStringList{"编辑框1", "编辑框2",         "修改工作台配方1",
                                             "编辑框4", "编辑框3",         "修改工作台配方2",
                                             "编辑框5", "修改工作台配方3", "修改工作台配方4"};
    QTest::newRow("code terminal")
        << "CodeTerminalWindow" << QStringList{"编辑框1", "按钮1", "按钮2"};
    QTest::newRow("export") << "ExportWindow"
                            << QStringList{"编辑框4", "添加一个配方2", "添加一个配方1"};
  }
  void readingOrderRows() {
    QFETCH(QString, window);
    QFETCH(QStringList, order);
    test::Harness h;
    auto f = test::open(window);
    QCOMPARE(readingOrder(f->declaration()), order);
  }

  // The fusion window's template boxes lie beyond its right edge: Shift+Tab from the first
  // box never reaches them, so typing cannot change a template.
  void hiddenTemplatesTakeNoTyping() {
    test::Harness h;
    auto f = test::open("FusionRecipeWindow");
    QVERIFY(activate(*f));
    f->control("编辑框1")->setFocus();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
    QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("x"));
    for (const char* name : {"导入头部", "导入尾部", "输出头部", "输出尾部", "添加", "移除", "能量",
                             "材料", "材料头部", "材料尾部"}) {
      QCOMPARE(f->control(name)->focusPolicy(), Qt::NoFocus);
      QCOMPARE(f->text(name), f->controlDeclaration(name).text);
    }
  }

  // Tab in a script box moves on; in the code terminal it indents.
  void tabInScriptBox_data() {
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("box");
    QTest::addColumn<bool>("indents");
    QTest::newRow("crafting") << "CraftingWindow"
                              << "编辑框1" << false;
    QTest::newRow("batch") << "BatchImportWindow"
                           << "编辑框1" << false;
    QTest::newRow("terminal") << "CodeTerminalWindow"
                              << "编辑框1" << true;
  }
  void tabInScriptBox() {
    QFETCH(QString, window);
    QFETCH(QString, box);
    QFETCH(bool, indents);
    test::Harness h;
    auto f = test::open(window);
    QVERIFY(activate(*f));
    f->control(box)->setFocus();
    QTest::keyClick(f->control(box), Qt::Key_Tab);
    QCOMPARE(f->text(box), indents ? QStringLiteral("\t") : QString());
    QCOMPARE(QApplication::focusWidget() == f->control(box), indents);
  }

  // After a button appends, the newest line is in sight, however many lines came before.
  void newestLineInSight_data() {
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("button");
    QTest::newRow("crafting") << "CraftingWindow"
                              << "编辑框1"
                              << "移除一个配方";
    QTest::newRow("ae2") << "Ae2Window"
                         << "编辑框1"
                         << "修改工作台配方1";
    QTest::newRow("stage 2 (no declared scroll bar)") << "GameStage2Window"
                                                      << "编辑框2"
                                                      << "添加维度限制3";
  }
  void newestLineInSight() {
    QFETCH(QString, window);
    QFETCH(QString, box);
    QFETCH(QString, button);
    test::Harness h;
    auto f = test::open(window);
    if (window == QLatin1String("CraftingWindow"))
      f->setText("组合框1", QStringLiteral("移除这个物品的所有合成方式"));
    auto* m = static_cast<QPlainTextEdit*>(f->control(box));
    for (int i = 0; i < 60; ++i) test::click(*f, button);
    f->append(box, QStringLiteral("the newest line\r\n"));
    test::click(*f, button);
    QCoreApplication::processEvents();
    QVERIFY(m->verticalScrollBar()->maximum() > 0);
    QCOMPARE(m->verticalScrollBar()->value(), m->verticalScrollBar()->maximum());
    // The last line that holds text lies inside the box's viewport.
    const QTextBlock last = m->document()->lastBlock().previous();
    QVERIFY(last.isVisible());
    QTextCursor at(last);
    const QRect shown = m->cursorRect(at);
    QVERIFY2(m->viewport()->rect().contains(shown), "the newest line is out of sight");
  }

  // Every multi-line box of every window shows a vertical scroll bar once its text is taller
  // than the box, and a declared one always.
  void scrollBars_data() { everyWindow(); }
  void scrollBars() {
    QFETCH(QString, window);
    test::Harness h;
    auto f = test::open(window);
    for (const ControlDeclaration& c : f->declaration().controls) {
      if (c.kind != ControlKind::Memo) continue;
      auto* m = static_cast<QPlainTextEdit*>(f->control(c.name));
      const QString tall = QStringLiteral("line\r\n").repeated(80);
      f->setText(c.name, QString());
      QCoreApplication::processEvents();
      QCOMPARE(m->verticalScrollBar()->isVisible(), bool(c.options & kScrollV));
      f->setText(c.name, tall);
      QCoreApplication::processEvents();
      QVERIFY2(m->verticalScrollBar()->isVisible(), qPrintable(c.name + " shows no scroll bar"));
    }
  }

  // Each caption that does not fit its control at the font shows its whole text as tooltip,
  // measured here with the font's metrics; one that fits has none. In both languages: English
  // captions are longer.
  void captionFit_data() {
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("language");
    for (const char* language : {"zh_CN", "en"})
      for (const QString& name : registeredWindows())
        QTest::newRow(qPrintable(name + " " + language)) << name << QString(language);
  }
  void captionFit() {
    QFETCH(QString, window);
    QFETCH(QString, language);
    test::Harness h;
    QVERIFY(useLanguage(language));
    auto f = test::open(window);
    useLanguage(QStringLiteral("zh_CN"));  // the next test starts in the program's own language
    for (const ControlDeclaration& c : f->declaration().controls) {
      if (c.kind != ControlKind::Label && c.kind != ControlKind::Button) continue;
      QWidget* w = f->control(c.name);
      // The caption as the control shows it, translated or not.
      QString shown = fromCrLf(c.kind == ControlKind::Label ? static_cast<QLabel*>(w)->text()
                                                            : static_cast<QPushButton*>(w)->text());
      QRect box;
      int flags = Qt::TextWordWrap;
      if (c.kind == ControlKind::Label) {
        while (shown.startsWith(u'\n')) shown.remove(0, 1);
        while (shown.endsWith(u'\n')) shown.chop(1);
        box = static_cast<QLabel*>(w)->contentsRect();
        flags |= Qt::AlignLeft | Qt::AlignTop;
      } else if (c.kind == ControlKind::Button && !c.text.isEmpty()) {
        QStyleOptionButton option;
        option.initFrom(w);
        box = w->style()->subElementRect(QStyle::SE_PushButtonContents, &option, w);
        flags |= Qt::AlignCenter;
      } else {
        continue;
      }
      QVERIFY2(!c.text.contains(QStringLiteral("minecaft")), qPrintable(c.name));
      const QRect needed = w->fontMetrics().boundingRect(box, flags, shown);
      const bool fits = needed.width() <= box.width() && needed.height() <= box.height();
      // The tooltip is the caption without the blank lines around it.
      QString tip = shown;
      while (tip.startsWith(u'\n')) tip.remove(0, 1);
      while (tip.endsWith(u'\n')) tip.chop(1);
      QCOMPARE(w->toolTip(), fits ? QString() : tip);
    }
  }

  // The captions the users found cut off do not fit at this font.
  void cutCaptions_data() {
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("label");
    QTest::newRow("recipe name") << "CraftingWindow"
                                 << "标签6";
    QTest::newRow("at most ten") << "FusionRecipeWindow"
                                 << "标签1";
  }
  void cutCaptions() {
    QFETCH(QString, window);
    QFETCH(QString, label);
    test::Harness h;
    auto f = test::open(window);
    QWidget* w = f->control(label);
    QCOMPARE(w->toolTip(), f->text(label));
    // Labels let the mouse through; the help event reaches what lies under them, and the
    // tooltip shown there is the label's.
    const QPoint at = w->geometry().center();
    QHelpEvent help(QEvent::ToolTip, at, w->parentWidget()->mapToGlobal(at));
    QCoreApplication::sendEvent(w->parentWidget(), &help);
    QCOMPARE(QToolTip::text(), f->text(label));
    QToolTip::hideText();
  }

  // A caption shown in another language is measured as shown.
  void translatedCaption() {
    test::Harness h;
    auto f = test::open("MainWindow");
    auto* b = static_cast<QPushButton*>(f->control("修改工作台配方2"));
    QCOMPARE(b->toolTip(), QString());
    b->setText(QStringLiteral("Change furnace recipes and fuel values"));
    QEvent change(QEvent::LanguageChange);
    QCoreApplication::sendEvent(f.get(), &change);
    QTRY_COMPARE(b->toolTip(), b->text());
  }

  // The export dialogs open in the folder used last, per window and across runs (settings),
  // unless the hook names a folder that applies.
  void exportFolders() {
    test::Harness h;
    QVERIFY(QDir(h.dir.path()).mkpath(QStringLiteral("scripts")));
    const QString folder = h.path("scripts");
    h.fake.fileAnswers = {folder + QStringLiteral("/a.zs")};
    {
      auto f = test::open("ExportWindow");
      test::click(*f, "添加一个配方1");
    }
    auto again = test::open("ExportWindow");
    test::click(*again, "添加一个配方1");
    auto json = test::open("JsonExportWindow");
    test::click(*json, "添加一个配方1");
    QCOMPARE(h.fake.folders, (QStringList{QString(), folder, QString()}));

    setDialogFolderHook([](const QString& window) {
      return window == QLatin1String("ExportWindow") ? QStringLiteral("/pack/scripts") : QString();
    });
    test::click(*again, "添加一个配方1");
    setDialogFolderHook(nullptr);
    QCOMPARE(h.fake.folders.back(), QStringLiteral("/pack/scripts"));

    // A folder removed since is no place to open in.
    QVERIFY(QDir(folder).removeRecursively());
    test::click(*again, "添加一个配方1");
    QCOMPARE(h.fake.folders.back(), QString());
  }
};

QTEST_MAIN(Reach)
#include "test_reach.moc"
