// Checking a script: 10 MB made of the line shapes the windows write, checked whole, against
// splitting the same text into lines. Checking must stay within a small multiple of reading
// the text once, whatever its size.

#include <QStringList>

#include "check/checker.h"
#include "forms/text.h"
#include "support/benchkit.h"

using namespace tf;
using namespace tf::bench;

namespace {

constexpr qsizetype kBytes = 10 * 1024 * 1024;
constexpr int kRuns = 5;

const char* const kShapes[] = {
    "recipes.addShaped(\"torch_4\", <minecraft:torch> * 4, [[<minecraft:coal>, null, null], "
    "[<minecraft:stick>, null, null], [null, null, null]]);",
    "recipes.addShapeless(\"dust\", <thermal:material:1>, [<ore:ingotIron>, <minecraft:flint>]);",
    "recipes.remove(<minecraft:bread>);",
    "furnace.addRecipe(<minecraft:glass>,<minecraft:sand>,0.5);",
    "furnace.setFuel(<minecraft:coal_block>,16000);",
    "mods.ItemStages.addItemStage('iron_age',<ore:ingotIron>);",
    "mods.DimensionStages.addDimensionStage('nether_access',-1);",
    "mods.mekanism.chemical.infuser.addRecipe(<gas:hydrogen>,<gas:oxygen>,<gas:water vapor>);",
    "mods.mekanism.sawmill.addRecipe(<minecraft:log>, <minecraft:planks> *6, <minecraft:stick> "
    "*1);",
    "mods.inworldcrafting.ExplosionCrafting.explodeItemRecipe(<minecraft:diamond>.firstItem, "
    "<minecraft:coal_block>,50);",
    "mods.appliedenergistics2.Inscriber.addRecipe(<appliedenergistics2:material:22>, "
    "<minecraft:iron_ingot>, false, <appliedenergistics2:material:13>);",
    "mods.exnihilocreatio.Sieve.addStringMeshRecipe(<minecraft:gravel>, <minecraft:flint>, "
    "0.25);",
};

QString script() {
  QString text = QStringLiteral(
      "import crafttweaker.item.IItemStack;\r\nimport mods.exnihilocreatio.Sieve;\r\n");
  for (size_t i = 0; text.size() * 2 < kBytes; ++i) {
    text += QLatin1String(kShapes[i % std::size(kShapes)]);
    text += QLatin1String("\r\n");
  }
  return text;
}

}  // namespace

int main() {
  Report report("checking 10 MB of script against splitting it into lines");
  const QString text = script();
  std::vector<double> split, check;
  for (int run = 0; run < kRuns; ++run) {
    qint64 start = nowNs();
    const QStringList lines = splitLines(text);
    split.push_back(double(nowNs() - start));
    if (lines.size() < 10000) report.fail("the script is not split into its lines");

    start = nowNs();
    const check::CheckResult result = check::checkText(text);
    check.push_back(double(nowNs() - start));
    if (!result.problems.empty()) report.fail("the windows' line shapes do not pass the checker");
  }
  report.figure("splitting into lines", median(split) / 1e6, "ms");
  report.figure("checking", median(check) / 1e6, "ms");
  report.ratio("checking / splitting", median(check) / median(split), 4.0);
  return report.exitCode();
}
