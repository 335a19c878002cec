// The pack's lists: reading the game's log (the sample and damaged copies of it), matching,
// suggestions and the checker's bracket lookups. No windows.

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include "pack/pack.h"
#include "pack/resolver.h"

using namespace tf::pack;

namespace {

QByteArray sampleLog() {
  QFile f(QStringLiteral(TESSAFORM_TEST_DATA "/pack/crafttweaker.log"));
  if (!f.open(QIODevice::ReadOnly)) qFatal("the sample log is missing");
  return f.readAll();
}

SnapshotPtr read(const QByteArray& log, const QString& zsrc = QString()) {
  QByteArray copy = log;
  QBuffer buffer(&copy);
  buffer.open(QIODevice::ReadOnly);
  return readLog(buffer, copy.size(), zsrc);
}

// Counts per kind in summary order; -1 for a kind that was not listed.
QList<int> counts(const Snapshot& s) {
  QList<int> out;
  for (int k = 0; k < kKindCount; ++k)
    out.append(s.summary().kinds[k].source == Source::None ? -1 : int(s.list(Kind(k)).size()));
  return out;
}

QStringList ids(const Snapshot& s, Kind kind) {
  QStringList out;
  for (qsizetype i = 0; i < s.list(kind).size(); ++i) out.append(s.list(kind).id(i).toString());
  return out;
}

}  // namespace

class PackLists : public QObject {
  Q_OBJECT

 private slots:
  // Counts are items, liquids, ore names, gases, entities, blocks, mods.
  void reading_data() {
    QTest::addColumn<QByteArray>("log");
    QTest::addColumn<QList<int>>("counts");
    QTest::addColumn<int>("unreadable");
    const QByteArray sample = sampleLog();
    QTest::newRow("the sample") << sample << QList<int>{17, 3, 3, 4, 3, 2, 4} << 0;
    QTest::newRow("CR LF line ends")
        << QByteArray(sample).replace("\n", "\r\n") << QList<int>{17, 3, 3, 4, 3, 2, 4} << 0;
    const qsizetype cut = sample.indexOf("\"<mekanism:dust:2>\",\"") + 22;
    QTest::newRow("cut short inside an item")
        << sample.left(cut) << QList<int>{10, -1, -1, -1, -1, -1, -1} << 1;
    QTest::newRow("cut short after an item") << sample.left(sample.indexOf("\"<mekanism:dust:2>\""))
                                             << QList<int>{10, -1, -1, -1, -1, -1, -1} << 0;
    QTest::newRow("a list repeated: the last copy wins")
        << sample + "Gases:\n<gas:oxygen>, 氧气\n[SERVER][INFO] x\nMods list:\nmekanism - M - 1\n"
        << QList<int>{17, 3, 3, 1, 3, 2, 1} << 0;
    QTest::newRow("ore names listed twice")
        << sample + "Ore entries for <ore:ingotIron> :\n-<minecraft:iron_ingot>\n"
        << QList<int>{17, 3, 1, 4, 3, 2, 4} << 0;
    QTest::newRow("no lists") << QByteArray(
                                     "[INIT][CLIENT][INFO] Loading\n[INIT][CLIENT][INFO] done\n")
                              << QList<int>{-1, -1, -1, -1, -1, -1, -1} << 0;
    QTest::newRow("empty file") << QByteArray() << QList<int>{-1, -1, -1, -1, -1, -1, -1} << 0;
    QByteArray bad = sample;
    bad.replace("锇粉", "\xff\xfe粉");
    QTest::newRow("invalid UTF-8 in an item") << bad << QList<int>{16, 3, 3, 4, 3, 2, 4} << 1;
    QByteArray overlong = sample;
    overlong.replace("\"<minecraft:diamond>\",\"钻石\"",
                     "\"<minecraft:diamond>\",\"" + QByteArray(3 << 20, 'x') + "\"");
    QTest::newRow("a line too long to be an entry")
        << overlong << QList<int>{16, 3, 3, 4, 3, 2, 4} << 1;
    QTest::newRow("a damaged item line")
        << QByteArray(sample).replace("\"<minecraft:planks>\",\"橡木木板\"",
                                      "\"<minecraft:planks>\",\"橡木")
        << QList<int>{16, 3, 3, 4, 3, 2, 4} << 1;
    QTest::newRow("NUL bytes and binary junk between lists")
        << QByteArray(sample).replace("Blocks:\n", QByteArray("\0\x01\x02zz\n", 6) + "Blocks:\n")
        << QList<int>{17, 3, 3, 4, 3, 2, 4} << 0;
  }
  void reading() {
    QFETCH(QByteArray, log);
    QFETCH(QList<int>, counts);
    QFETCH(int, unreadable);
    const SnapshotPtr s = read(log);
    QCOMPARE(::counts(*s), counts);
    QCOMPARE(int(s->summary().unreadableLines), unreadable);
    // Whatever was read, the summary says it in words, a line per kind at least.
    QVERIFY(describeSummary(s->summary()).count(u'\n') >= kKindCount - 1);
  }

  void entries() {
    const SnapshotPtr s = read(sampleLog());
    const KindList& items = s->list(Kind::Item);
    QCOMPARE(items.id(1).toString(), QString("minecraft:stone:1"));
    QCOMPARE(items.name(1).toString(), QString("花岗岩"));
    const qsizetype book = ids(*s, Kind::Item).indexOf("minecraft:written_book");
    QVERIFY(book >= 0);
    QCOMPARE(items.extra(book).toString(),
             QString(R"(.withTag({title: "Guide", author: "Pack"}))"));
    QCOMPARE(items.name(book).toString(), QString("成书"));
    QCOMPARE(ids(*s, Kind::Liquid), (QStringList{"water", "lava", "brine"}));
    QCOMPARE(s->list(Kind::Liquid).name(1).toString(), QString("熔岩"));
    QCOMPARE(ids(*s, Kind::OreName), (QStringList{"ingotIron", "ingotOsmium", "plankWood"}));
    QCOMPARE(s->list(Kind::OreName).name(2).toString(), QString("minecraft:planks:*"));
    QCOMPARE(ids(*s, Kind::Entity).first(), "minecraft:zombie");
    QCOMPARE(s->list(Kind::Entity).name(0).toString(), QString("Zombie"));
    QCOMPARE(ids(*s, Kind::Block), (QStringList{"minecraft:stone", "mekanism:oreblock"}));
    QCOMPARE(s->list(Kind::Block).name(1).toString(), QString("锇矿石"));
    QCOMPARE(ids(*s, Kind::Mod).at(2), "mekanism");
    QCOMPARE(s->list(Kind::Mod).name(2).toString(), QString("Mekanism"));
    QCOMPARE(s->list(Kind::Gas).name(3).toString(), QString("硫酸"));
  }

  void csvQuotesAndColumns() {
    const QByteArray log =
        "List of all registered Items:\n"
        "\"REGISTRY_NAME\",\"UNLOCALIZED_NAME\",\"DISPLAY_NAME\"\n"
        "\"<minecraft:name_tag>\",\"item.nameTag\",\"Tag \"\"A\"\", B\"\n"
        "A total of 1 unique Items registered by CraftTweaker.\n";
    const SnapshotPtr s = read(log);
    QCOMPARE(s->list(Kind::Item).size(), 1);
    QCOMPARE(s->list(Kind::Item).id(0).toString(), QString("minecraft:name_tag"));
    QCOMPARE(s->list(Kind::Item).name(0).toString(), QString("Tag \"A\", B"));
  }

  void zsrcFillsWhatTheLogLacks() {
    QTemporaryDir h;
    QFile zsrc(h.filePath(".zsrc"));
    QVERIFY(zsrc.open(QIODevice::WriteOnly));
    zsrc.write(R"({"items":[{"name":"Nope","resourceLocation":{"domain":"x","path":"y"}}],
      "fluids":[{"name":"steam"},{"name":"oil"}],
      "entities":[{"name":"Cow","resourceLocation":{"domain":"minecraft","path":"cow"}}],
      "oredictionary":["ingotCopper"]})");
    zsrc.close();
    const SnapshotPtr s = read("Gases:\n<gas:oxygen>, 氧气\n", h.filePath(".zsrc"));
    QCOMPARE(s->summary().kinds[int(Kind::Liquid)].source, Source::Zsrc);
    QCOMPARE(ids(*s, Kind::Liquid), (QStringList{"steam", "oil"}));
    QCOMPARE(ids(*s, Kind::Entity), QStringList{"minecraft:cow"});
    QCOMPARE(ids(*s, Kind::OreName), QStringList{"ingotCopper"});
    QCOMPARE(ids(*s, Kind::Item), QStringList{"x:y"});
    QCOMPARE(s->summary().kinds[int(Kind::Gas)].source, Source::Log);

    // The log's own list wins over the .zsrc's.
    const SnapshotPtr both = read(sampleLog(), h.filePath(".zsrc"));
    QCOMPARE(both->summary().kinds[int(Kind::Liquid)].source, Source::Log);
    QCOMPARE(both->list(Kind::Liquid).size(), 3);

    // A damaged .zsrc is said, never fatal.
    QVERIFY(zsrc.open(QIODevice::WriteOnly | QIODevice::Truncate));
    zsrc.write("{\"fluids\": [");
    zsrc.close();
    const SnapshotPtr damaged = read(sampleLog(), h.filePath(".zsrc"));
    QVERIFY(!damaged->summary().zsrcError.isEmpty());
    QVERIFY(describeSummary(damaged->summary()).contains("scripts/.zsrc"));
  }

  void gameFolder() {
    QTemporaryDir h;
    QVERIFY(QDir(h.path()).mkpath("game/scripts"));
    const QString game = h.filePath("game");
    const SnapshotPtr missing = readPack(game);
    QVERIFY(!missing->summary().logError.isEmpty());
    QVERIFY(!missing->summary().anyList());
    QVERIFY(QFile::copy(QStringLiteral(TESSAFORM_TEST_DATA "/pack/crafttweaker.log"),
                        h.filePath("game/crafttweaker.log")));
    int lastPercent = -1;
    const SnapshotPtr s = readPack(game, [&](int percent) {
      lastPercent = percent;
      return true;
    });
    QCOMPARE(lastPercent, 100);
    QCOMPARE(s->list(Kind::Item).size(), 17);
    QCOMPARE(s->scriptsFolder(), QDir(game).filePath("scripts"));
    const QString words = describeSummary(s->summary());
    QVERIFY(words.contains("物品：17 个"));
    QVERIFY(!words.contains("/ct "));
    // Kinds that the log lacks name the command that lists them.
    const SnapshotPtr noLists = read("[A][B][INFO] x\n");
    QVERIFY(describeSummary(noLists->summary()).contains("/ct names display"));
    QVERIFY(describeSummary(noLists->summary()).contains("/ct gases"));
  }

  void matching_data() {
    QTest::addColumn<unsigned>("kinds");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("first");
    const unsigned items = kindBit(Kind::Item);
    const unsigned itemsOres = items | kindBit(Kind::OreName);
    QTest::newRow("display name prefix first")
        << items << "花岗岩" << QStringList{"minecraft:stone:1", "minecraft:stone:2"};
    QTest::newRow("the id itself, then prefixes, any case")
        << items << "MINECRAFT:STONE"
        << QStringList{"minecraft:stone", "minecraft:stone:1", "minecraft:stone:2"};
    QTest::newRow("the name after the mod is a prefix")
        << items << "diamond" << QStringList{"minecraft:diamond", "minecraft:diamond_pickaxe"};
    QTest::newRow("prefix before substring, items before ore names")
        << itemsOres << "ingot"
        << QStringList{"mekanism:ingot:1", "ingotIron", "ingotOsmium", "minecraft:iron_ingot",
                       "thermalfoundation:material:128"};
    QTest::newRow("ore: picks ore names") << itemsOres << "ore:plank" << QStringList{"plankWood"};
    QTest::newRow("a liquid by its name")
        << unsigned(kindBit(Kind::Liquid)) << "盐" << QStringList{"brine"};
    QTest::newRow("nothing") << items << "zzz" << QStringList{};
    QTest::newRow("empty text") << items << "" << QStringList{};
  }
  void matching() {
    QFETCH(unsigned, kinds);
    QFETCH(QString, text);
    QFETCH(QStringList, first);
    const SnapshotPtr s = read(sampleLog());
    qsizetype total = 0;
    const std::vector<Match> found = s->match(kinds, text, 50, &total);
    QStringList got;
    for (const Match& m : found) got.append(s->list(m.kind).id(m.index).toString());
    QCOMPARE(got.mid(0, first.size()), first);
    QCOMPARE(total, qsizetype(found.size()));
    // The limit holds.
    QVERIFY(s->match(kinds, text, 1).size() <= 1);
  }

  void suggestions_data() {
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("id");
    QTest::addColumn<QString>("nearest");
    QTest::newRow("a letter too many") << int(Kind::Item) << "minecraft:stonee"
                                       << "minecraft:stone";
    QTest::newRow("meta kept") << int(Kind::Item) << "minecraft:stonee:1"
                               << "minecraft:stone:1";
    QTest::newRow("swapped letters") << int(Kind::Item) << "minecraft:daimond"
                                     << "minecraft:diamond";
    QTest::newRow("a liquid") << int(Kind::Liquid) << "lavaa"
                              << "lava";
    QTest::newRow("a gas, any case") << int(Kind::Gas) << "Hydrogn"
                                     << "hydrogen";
    QTest::newRow("an entity") << int(Kind::Entity) << "minecraft:zombi"
                               << "minecraft:zombie";
    QTest::newRow("nothing near") << int(Kind::Liquid) << "quicksilver_extra"
                                  << "";
  }
  void suggestions() {
    QFETCH(int, kind);
    QFETCH(QString, id);
    QFETCH(QString, nearest);
    const SnapshotPtr s = read(sampleLog());
    const QStringList near = s->suggest(Kind(kind), id);
    QCOMPARE(near.value(0), nearest);
    QVERIFY(near.size() <= 3);
    QVERIFY(!s->knows(Kind(kind), id));
    if (!nearest.isEmpty()) QVERIFY(s->knows(Kind(kind), nearest));
  }

  void words() {
    QCOMPARE(describeUnknown(u"minecraft:stonee", {"minecraft:stone"}),
             "整合包里没有 minecraft:stonee，是不是 minecraft:stone？");
    QCOMPARE(describeUnknown(u"x:y", {}), "整合包里没有 x:y");
  }

  // kind "" = resolves; else the severity and the first suggestion.
  void brackets_data() {
    QTest::addColumn<QString>("bracket");
    QTest::addColumn<QString>("kind");
    QTest::addColumn<int>("severity");
    QTest::addColumn<QString>("suggestion");
    const int error = int(tf::check::Severity::Error), warning = int(tf::check::Severity::Warning);
    QTest::newRow("item") << "minecraft:stone"
                          << "" << 0 << "";
    QTest::newRow("item with meta") << "minecraft:stone:1"
                                    << "" << 0 << "";
    QTest::newRow("meta not checked") << "minecraft:stone:99"
                                      << "" << 0 << "";
    QTest::newRow("any meta") << "minecraft:planks:*"
                              << "" << 0 << "";
    QTest::newRow("item: prefix") << "item:minecraft:diamond"
                                  << "" << 0 << "";
    QTest::newRow("an item listed with a tag") << "minecraft:written_book"
                                               << "" << 0 << "";
    QTest::newRow("a block taken as an item") << "mekanism:oreblock"
                                              << "" << 0 << "";
    QTest::newRow("unknown item") << "minecraft:stonee"
                                  << "unknown-id" << error << "minecraft:stone";
    QTest::newRow("unknown item, item: prefix") << "item:minecraft:stonee"
                                                << "unknown-id" << error << "item:minecraft:stone";
    QTest::newRow("namespace no mod has") << "foo:bar"
                                          << "unknown-id" << warning << "";
    QTest::newRow("liquid") << "liquid:water"
                            << "" << 0 << "";
    QTest::newRow("fluid") << "fluid:lava"
                           << "" << 0 << "";
    QTest::newRow("unknown liquid") << "liquid:wter"
                                    << "unknown-id" << error << "liquid:water";
    QTest::newRow("gas in any case") << "gas:HYDROGEN"
                                     << "" << 0 << "";
    QTest::newRow("unknown gas") << "gas:hydrogn"
                                 << "unknown-id" << error << "gas:hydrogen";
    QTest::newRow("ore name") << "ore:ingotIron"
                              << "" << 0 << "";
    QTest::newRow("unknown ore name is a warning") << "ore:ingotIronn"
                                                   << "unknown-id" << warning << "ore:ingotIron";
    QTest::newRow("entity") << "entity:minecraft:zombie"
                            << "" << 0 << "";
    QTest::newRow("unknown entity") << "entity:minecraft:zombi"
                                    << "unknown-id" << error << "entity:minecraft:zombie";
    QTest::newRow("block state") << "blockstate:minecraft:stone"
                                 << "" << 0 << "";
    QTest::newRow("block state with properties") << "blockstate:minecraft:stone:variant=granite"
                                                 << "" << 0 << "";
    QTest::newRow("other handlers are not ours") << "potion:minecraft:strength"
                                                 << "" << 0 << "";
    QTest::newRow("any item") << "*"
                              << "" << 0 << "";
  }
  void brackets() {
    QFETCH(QString, bracket);
    QFETCH(QString, kind);
    QFETCH(int, severity);
    QFETCH(QString, suggestion);
    const PackResolver resolver(read(sampleLog()));
    const tf::check::Problem p = resolver.resolve(bracket);
    QCOMPARE(p.kind, kind);
    if (kind.isEmpty()) return;
    QCOMPARE(int(p.severity), severity);
    QCOMPARE(p.args.value(0), bracket);
    QCOMPARE(p.args.value(1), suggestion);
  }

  void onlyLoadedKindsAreChecked() {
    const PackResolver resolver(read("Gases:\n<gas:oxygen>, 氧气\n"));
    QVERIFY(resolver.resolve(u"minecraft:anything").kind.isEmpty());
    QVERIFY(resolver.resolve(u"liquid:anything").kind.isEmpty());
    QVERIFY(resolver.resolve(u"ore:anything").kind.isEmpty());
    QCOMPARE(resolver.resolve(u"gas:nitrogen").kind, "unknown-id");
    const PackResolver none(nullptr);
    QVERIFY(none.resolve(u"minecraft:stonee").kind.isEmpty());
  }
};

QTEST_MAIN(PackLists)
#include "test_pack.moc"
