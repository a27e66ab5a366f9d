#include "resultdata/TDataKind.h"

#include <gtest/gtest.h>

#include <QStringConverter>

namespace {

TEST(DataKindNames, VectorKindsAreTheFourFluxesAndVelocity) {
  for (int k = 0; k < DataKindCount; ++k) {
    const auto kind = TDataKind(k);
    EXPECT_EQ(IsVectorKind(kind), k >= 4 && k <= 7) << k;
  }
  EXPECT_EQ(sizeof(TDataKind), 1u);
  EXPECT_EQ(int(dkEmpty), 8);
}

TEST(DataKindNames, TablesMatchTheSessionFileAndTitles) {
  EXPECT_EQ(DataKindUnit(dkWatercontent), QString::fromUtf8("[kg/m³]"));
  EXPECT_EQ(DataKindUnit(dkTemperature), QString::fromUtf8("[°C]"));
  EXPECT_TRUE(DataKindUnit(dkEmpty).isEmpty());
  EXPECT_EQ(DataKindLongName(dkVapourPressure), "part. Pressure of Vapour [Pa]");
  EXPECT_EQ(DataKindShortName(dkVapourPressure), "part. Pres. [Pa]");
  EXPECT_EQ(DataKindIniName(dkVapourPressure), "part.Pres.");
  EXPECT_EQ(DataKindShortName(dkAirVelocity), "Velocity [m/s]");
  EXPECT_EQ(DataKindIniName(dkRelHumidity), "rel.Humidity");
  EXPECT_EQ(DataKindIniName(dkHeatFlux), "HeatFlux");
  EXPECT_EQ(DataKindLongName(dkEmpty), "dkEmpty");
}

TEST(DataKindNames, UnitsAreSingleBytesInTheAnsiCodePage) {
  // ³, ² and ° must survive the trip to Windows-1252 as one byte each.
  auto toAnsi = QStringEncoder("windows-1252");
  ASSERT_TRUE(toAnsi.isValid());
  const QByteArray bytes = toAnsi(DataKindLongName(dkCapillaryFlux));
  EXPECT_EQ(bytes, QByteArray("Capillary Flux [kg/(m\xB2s)]"));
  const QByteArray degree = toAnsi(DataKindUnit(dkTemperature));
  EXPECT_EQ(degree, QByteArray("[\xB0"
                               "C]"));
}

TEST(DataKindNames, ByteBeyondTheTableReadsTheEmptyEntry) {
  EXPECT_EQ(DataKindIniName(TDataKind(200)), "dkEmpty");
  EXPECT_TRUE(DataKindUnit(TDataKind(9)).isEmpty());
}

}  // namespace
