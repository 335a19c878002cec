#pragma once
// The program-wide values: they live from start to end of the program, start empty, and
// carry text from one window to another and from one opening of a window to the next.

#include <QByteArray>
#include <QString>

namespace tf {

struct ProgramValues {
  QByteArray exportBuffer;  // "总变量": the bytes the export windows write
  QString mekanismScript;   // every Mekanism window appends here
  QString lastExportPath;   // the file chosen last in ExportWindow
  QString batchList;        // the list stored last by BatchImportWindow
  QString batchCount;       // its number of lines, in decimal digits; empty until stored
  QString todayMonthDay;    // "MMDD", set when the main window is created

  // Kept by single windows across their openings.
  QString fusionResultLine;
  QString fusionCatalystLine;
  QString fusionEnergyLine;
  QString fusionTierLine;
  QString fusionMiddleIngredients;
  QString fusionLastIngredient;
  QString treeName;
  QString treeQuote;
  QString treePrefix;
  QString armorGroupVar;
  QString armorEntityVar;

  // What successful exports wrote, so that closing the program asks only about text that no
  // file holds yet. ExportBuffer's bytes as an export last wrote them; MekanismScript's and the
  // fusion JSON's bytes as an export of them last wrote them.
  QByteArray exportBufferWritten;
  QByteArray mekanismScriptWritten;
  QString fusionJson;  // the fusion window's JSON box, kept when the window was closed
  QByteArray fusionJsonWritten;
};

ProgramValues& values();

// Releases every value; the exit clean-up, and each test's fresh start.
void resetValues();

}  // namespace tf
