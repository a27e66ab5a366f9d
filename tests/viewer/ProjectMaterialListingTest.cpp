// The material window's text for one material record.
#include "resultdata/TMaterialRecord.h"
#include "viewer/MaterialListing.h"

#include <gtest/gtest.h>

#include <QLocale>

namespace {

class ProjectMaterialListing : public testing::Test {
 protected:
  void SetUp() override {
    saved_ = QLocale();
    QLocale::setDefault(QLocale::c());
  }
  void TearDown() override { QLocale::setDefault(saved_); }
  QLocale saved_;
};

TMaterialCurve Curve(int width, std::vector<float> data) {
  TMaterialCurve c;
  c.EntryWidth = width;
  c.Data = std::move(data);
  return c;
}

// A version-2 style record: pairs for the direction tables, triples for the
// moisture storage function.
TMaterialRecord Brick() {
  TMaterialRecord r;
  r.Name = QStringLiteral("Brick");
  r.Values = {1900, 0, 850, 0, 0, 0, 0.24F, 190, 0, 0, 0};
  r.Curves[0] = Curve(2, {0, 0.6F, 190, 1.1F});
  r.Curves[1] = Curve(2, {0, 0.5F});
  r.Curves[2] = Curve(2, {0, 10, 50, 8, 190, 6});
  r.Curves[3] = Curve(2, {0, 12, 190, 7});
  r.Curves[4] = Curve(3, {0.5F, 5, 0, 0.8F, 9, 0, 1, 190, 0});
  return r;
}

TEST_F(ProjectMaterialListing, ListsValuesStorageRowsAndDryWetPerDirection) {
  const QStringList lines = MaterialLines(SummariseMaterial(Brick()));
  const QStringList expected = {
      QStringLiteral("Brick"),
      QString(),
      QStringLiteral("Bulk density [kg/m^3] ................. 1900.00"),
      QStringLiteral("Porosity [m^3/m^3] .................... 0.24"),
      QStringLiteral("Free Water Saturation [kg/m^3] ........ 190.00"),
      QStringLiteral("Specific Heat capacity [J/(kg K)] ..... 850.00"),
      QStringLiteral("Moisture Storage Function"),
      QStringLiteral("  R.H.[-] | W.C.[kg/m^3]"),
      QStringLiteral("   0.5000 | 5.00"),
      QStringLiteral("   0.8000 | 9.00"),
      QString(),
      QStringLiteral("x-Direction"),
      QStringLiteral("Thermal conductivity"),
      QStringLiteral("  dry [W/(m K)] ..... 0.60"),
      QStringLiteral("  wet [W/(m K)] ..... 1.10"),
      QStringLiteral("Water Vapour Diffusion Resistance Factor"),
      QStringLiteral("  dry [-] ..... 10.00"),
      QStringLiteral("  wet [-] ..... 6.00"),
      QString(),
      QStringLiteral("y-Direction"),
      QStringLiteral("Thermal conductivity"),
      QStringLiteral("  dry [W/(m K)] ..... 0.50"),
      QStringLiteral("  wet [W/(m K)] ..... 0.50"),
      QStringLiteral("Water Vapour Diffusion Resistance Factor"),
      QStringLiteral("  dry [-] ..... 12.00"),
      QStringLiteral("  wet [-] ..... 7.00"),
  };
  EXPECT_EQ(lines, expected);
}

TEST_F(ProjectMaterialListing, VersionOneWideEntriesAndMissingTablesPrintADash) {
  // Version 1 stores triples for conductivity x and diffusion x and nothing
  // for the y direction.
  TMaterialRecord r = Brick();
  r.Curves[0] = Curve(3, {0, 0.7F, 99, 50, 1.3F, 99});
  r.Curves[1] = TMaterialCurve{};
  r.Curves[2] = Curve(3, {0, 20, 99});
  r.Curves[3] = TMaterialCurve{};
  const QStringList lines = MaterialLines(SummariseMaterial(r));
  EXPECT_EQ(lines[13], QStringLiteral("  dry [W/(m K)] ..... 0.70"));
  EXPECT_EQ(lines[14], QStringLiteral("  wet [W/(m K)] ..... 1.30"));
  EXPECT_EQ(lines[16], QStringLiteral("  dry [-] ..... 20.00"));
  EXPECT_EQ(lines[17], QStringLiteral("  wet [-] ..... 20.00"));
  for (int i : {21, 22, 24, 25}) EXPECT_TRUE(lines[i].endsWith(QStringLiteral("..... -"))) << i;
}

TEST_F(ProjectMaterialListing, OneRowStorageFunctionListsNoRow) {
  TMaterialRecord r = Brick();
  r.Curves[4] = Curve(3, {1, 190, 0});
  const QStringList lines = MaterialLines(SummariseMaterial(r));
  EXPECT_EQ(lines[7], QStringLiteral("  R.H.[-] | W.C.[kg/m^3]"));
  EXPECT_EQ(lines[8], QString());
  EXPECT_EQ(lines[9], QStringLiteral("x-Direction"));
}

TEST_F(ProjectMaterialListing, NameStopsAtNulAndFiftyCharacters) {
  TMaterialRecord r = Brick();
  r.Name = QStringLiteral("Mortar") + QChar(0) + QStringLiteral("garbage");
  EXPECT_EQ(SummariseMaterial(r).Name, QStringLiteral("Mortar"));
  r.Name = QString(80, QLatin1Char('m'));
  EXPECT_EQ(SummariseMaterial(r).Name.size(), 50);
}

}  // namespace
