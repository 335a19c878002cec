// The licence travels with the program: LICENSE in the source, the same text in the Debian
// package's copyright file (Debian's machine-readable format), the AppStream licence, a real
// maintainer contact and Qt's translations among the package's dependencies.

#include <QFile>
#include <QRegularExpression>
#include <QTest>

namespace {

QString read(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) qFatal("cannot read %s", qPrintable(path));
  return QString::fromUtf8(file.readAll());
}

QString source(const char* path) { return read(QStringLiteral(TESSAFORM_SOURCE_DIR "/") + path); }
QString built(const char* path) { return read(QStringLiteral(TESSAFORM_BINARY_DIR "/") + path); }

// The value of a CMake set() in a generated file.
QString cmakeValue(const QString& text, const QString& name) {
  const QRegularExpression re(QStringLiteral("set\\(%1 \"([^\"]*)\"\\)").arg(name));
  return re.match(text).captured(1);
}

}  // namespace

class Licence : public QObject {
  Q_OBJECT

 private slots:
  void licenceFile() {
    const QString licence = source("LICENSE");
    QVERIFY(licence.startsWith(QLatin1String("MIT License\n")));
    QVERIFY(licence.contains(QLatin1String("Copyright (c) 2026 The Tessaform developers\n")));
    QVERIFY(licence.contains(QLatin1String("Permission is hereby granted, free of charge")));
  }

  // Header, one stanza for every file, and the licence text as LICENSE has it (" ." for an
  // empty line, each line indented by one space).
  void debianCopyright() {
    const QStringList lines = source("packaging/copyright").split(u'\n');
    QCOMPARE(lines.value(0), QStringLiteral("Format: https://www.debian.org/doc/packaging-manuals/"
                                            "copyright-format/1.0/"));
    QVERIFY(lines.contains(QStringLiteral("Files: *")));
    QVERIFY(lines.contains(QStringLiteral("Copyright: 2026 The Tessaform developers")));
    const qsizetype stanza = lines.lastIndexOf(QStringLiteral("License: Expat"));
    QVERIFY(stanza > lines.indexOf(QStringLiteral("Files: *")) + 2);
    QStringList body;
    for (qsizetype i = stanza + 1; i < lines.size() && lines.at(i).startsWith(u' '); ++i)
      body << (lines.at(i) == QLatin1String(" .") ? QString() : lines.at(i).mid(1));
    const QString licence = source("LICENSE");
    const QString permission = licence.mid(licence.indexOf(QLatin1String("Permission")));
    QCOMPARE(body.join(u'\n'), permission.trimmed());
  }

  void packageSettings() {
    QVERIFY(built("io.github.tessaform.Tessaform.metainfo.xml")
                .contains(QLatin1String("<project_license>MIT</project_license>")));
    const QString cpack = built("CPackConfig.cmake");
    const QString contact = cmakeValue(cpack, QStringLiteral("CPACK_PACKAGE_CONTACT"));
    QCOMPARE(contact, QStringLiteral("Tessaform developers <tessaform@users.noreply.github.com>"));
    QVERIFY(cmakeValue(cpack, QStringLiteral("CPACK_DEBIAN_PACKAGE_DEPENDS"))
                .contains(QLatin1String("qt6-translations-l10n")));
    for (const QString& line :
         cmakeValue(cpack, QStringLiteral("CPACK_PACKAGE_DESCRIPTION")).split(u'\n'))
      QVERIFY2(line.size() <= 80, qPrintable(line));
    QVERIFY(built("cmake_install.cmake").contains(QLatin1String("/doc/tessaform")));
  }
};

QTEST_MAIN(Licence)
#include "test_licence.moc"
