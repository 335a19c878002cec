#pragma once
// A large game log in the format the game writes (100,000 items, 2,000 liquids, 10,000 ore
// names, a few hundred of the other kinds), for the pack's benchmarks.

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QString>

namespace tf::bench {

inline constexpr int kPackItems = 100'000;
inline constexpr int kPackLiquids = 2'000;
inline constexpr int kPackOreNames = 10'000;

// Writes GAME/crafttweaker.log and GAME/scripts/; returns the log's size, or -1.
inline qint64 writeLargePack(const QString& game) {
  QDir().mkpath(game + QStringLiteral("/scripts"));
  QByteArray log;
  log.reserve(16 << 20);
  log += "[INITIALIZATION][CLIENT][INFO] CraftTweaker: Building registry\n";
  log += "List of all registered Items:\n\"REGISTRY_NAME\",\"DISPLAY_NAME\"\n";
  static const char* const kMods[] = {"minecraft",           "thermalfoundation", "mekanism",
                                      "appliedenergistics2", "exnihilocreatio",   "avaritia"};
  static const char* const kNames[] = {
      "石头", "Copper Ingot", "锇锭",          "Pure Certus Quartz",
      "铁网", "无尽锭",       "Machine Frame", "红色羊毛"};
  for (int i = 0; i < kPackItems; ++i) {
    const QByteArray mod = kMods[i % 6];
    log += "\"<" + mod + ":material_" + QByteArray::number(i / 16);
    if (i % 16) log += ':' + QByteArray::number(i % 16);
    log += ">\",\"" + QByteArray(kNames[i % 8]) + ' ' + QByteArray::number(i) + "\"\n";
  }
  log += "A total of 100000 unique Items registered by CraftTweaker.\n";
  log += "Liquids:\n";
  for (int i = 0; i < kPackLiquids; ++i) {
    const QByteArray name = "fluid_" + QByteArray::number(i);
    log += "<liquid:" + name + ">\n- Name: " + name + "\n- Display Name: 流体 " +
           QByteArray::number(i) +
           "\n- Luminosity:0\n- Density: 1000\n- Temperature: 300\n- Viscosity: 1000\n"
           "- Gaseous: false\n";
  }
  for (int i = 0; i < kPackOreNames; ++i) {
    log += "Ore entries for <ore:ingotMetal" + QByteArray::number(i) + "> :\n";
    log += "-<thermalfoundation:material_" + QByteArray::number(i) + ">\n";
    log += "-<mekanism:ingot:" + QByteArray::number(i % 7) + ">\n";
  }
  log += "Entities:\n";
  for (int i = 0; i < 300; ++i) log += "minecraft:mob_" + QByteArray::number(i) + " -- Mob\n";
  log += "Mods list:\n";
  for (int i = 0; i < 300; ++i)
    log += "mod" + QByteArray::number(i) + " - Mod " + QByteArray::number(i) + " - 1.0\n";
  log += "Gases:\n";
  for (int i = 0; i < 100; ++i) log += "<gas:gas" + QByteArray::number(i) + ">, 气体\n";
  log += "[SERVER_STARTED][SERVER][INFO] Fixing up CraftTweaker\n";
  QFile f(game + QStringLiteral("/crafttweaker.log"));
  if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate) || f.write(log) != log.size()) return -1;
  return log.size();
}

}  // namespace tf::bench
