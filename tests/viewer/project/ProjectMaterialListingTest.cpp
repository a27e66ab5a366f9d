// The material window's text for one material record.
#include "resultdata/TMaterialRecord.h"
#include "tests/viewer/LocaleGuard.h"
#include "viewer/project/MaterialListing.h"

#include <gtest/gtest.h>

namespace {

// A version-2 style record: pairs for the direction tables, triples for the
// moisture storage function.
TMaterialRecord Brick() {
  TMaterialRecord r;
  r.Name = QStringLiteral("Brick");
  r.Values = {1900, 0, 850, 0, 0, 0, 0.24F, 190, 0, 0, 0};
  r.Curves[0] = TMaterialCurve{2, {0, 0.6F, 190, 1.1F}};
  r.Curves[1] = TMaterialCurve{2, {0, 0.5F}};
  r.Curves[2] = TMaterialCurve{2, {0, 10, 50, 8, 190, 6}};
  r.Curves[3] = TMaterialCurve{2, {0, 12, 190, 7}};
  r.Curves[4] = TMaterialCurve{3, {0.5F, 5, 0, 0.8F, 9, 0, 1, 190, 0}};
  return r;
}

TEST(ProjectMaterialListing, ListsValuesStorageRowsAndDryWetPerDirection) {
  LocaleGuard locale(QLocale::c());
  const QStringList lines = MaterialLines(SummariseMaterial(Brick()));
  // The values, then storage rows (all but the last), then dry/wet per direction.
  const std::pair<int, const char*> expected[] = {
      {0, "Brick"},
      {2, "Bulk density [kg/m^3] ................. 1900.00"},
      {3, "Porosity [m^3/m^3] .................... 0.24"},
      {5, "Specific Heat capacity [J/(kg K)] ..... 850.00"},
      {7, "  R.H.[-] | W.C.[kg/m^3]"},
      {8, "   0.5000 | 5.00"},
      {9, "   0.8000 | 9.00"},
      {10, ""},
      {14, "  wet [W/(m K)] ..... 1.10"},
      {17, "  wet [-] ..... 6.00"},
      {19, "y-Direction"},
      {22, "  wet [W/(m K)] ..... 0.50"},
      {25, "  wet [-] ..... 7.00"}};
  ASSERT_EQ(lines.size(), 26);
  for (const auto& [i, text] : expected) EXPECT_EQ(lines[i], QString::fromLatin1(text)) << i;
}

TEST(ProjectMaterialListing, WideEntriesMissingTablesShortStorageAndLongNames) {
  LocaleGuard locale(QLocale::c());
  // Version 1 stores triples for conductivity x and diffusion x and nothing
  // for the y direction.
  TMaterialRecord r = Brick();
  r.Curves[0] = TMaterialCurve{3, {0, 0.7F, 99, 50, 1.3F, 99}};
  r.Curves[1] = TMaterialCurve{};
  r.Curves[2] = TMaterialCurve{3, {0, 20, 99}};
  r.Curves[3] = TMaterialCurve{};
  r.Curves[4] = TMaterialCurve{3, {1, 190, 0}};  // one row: no row listed
  r.Name = QStringLiteral("Mortar") + QChar(0) + QStringLiteral("garbage");
  const QStringList lines = MaterialLines(SummariseMaterial(r));
  EXPECT_EQ(lines[0], QStringLiteral("Mortar"));
  EXPECT_EQ(lines.mid(7, 3), (QStringList{QStringLiteral("  R.H.[-] | W.C.[kg/m^3]"), QString(),
                                          QStringLiteral("x-Direction")}));
  EXPECT_EQ(lines[11], QStringLiteral("  dry [W/(m K)] ..... 0.70"));
  EXPECT_EQ(lines[12], QStringLiteral("  wet [W/(m K)] ..... 1.30"));
  EXPECT_EQ(lines[14], QStringLiteral("  dry [-] ..... 20.00"));
  EXPECT_EQ(lines[15], QStringLiteral("  wet [-] ..... 20.00"));
  for (int i : {19, 20, 22, 23}) EXPECT_TRUE(lines[i].endsWith(QStringLiteral("..... -"))) << i;
  r.Name = QString(80, QLatin1Char('m'));  // at most fifty characters
  EXPECT_EQ(SummariseMaterial(r).Name.size(), 50);
}

}  // namespace
