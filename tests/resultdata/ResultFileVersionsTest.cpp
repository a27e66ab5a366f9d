#include "ResultFileSamples.h"

#include "resultdata/TResultFile.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace samples;

namespace {

std::array<TDataKind, 8> expectedSlots(int version) {
  std::array<TDataKind, 8> slots;
  slots.fill(dkEmpty);
  if (version == 0) {
    slots[0] = dkTemperature;
    slots[1] = dkCapillaryFlux;
  } else {
    slots[2] = dkTemperature;
    slots[4] = dkCapillaryFlux;
  }
  return slots;
}

void expectStep(const TResultFile& reader, int n) {
  SCOPED_TRACE(testing::Message() << "step " << n);
  EXPECT_EQ(reader.StepTime(), 3600.0 * (n + 1));
  const TFieldTable& table = reader.FieldTable();
  for (int k = 0; k < 12; ++k) {
    EXPECT_EQ(table[dkTemperature].Values[k], float(n * 100 + 2));
    EXPECT_EQ(table[dkCapillaryFlux].Values[k], float(n * 100 + 4));
    EXPECT_EQ(table[dkCapillaryFlux].Directions[k], float(n * 100 + 4) + 0.5F);
  }
}

}  // namespace

TEST(ReaderReadsEveryVersionAndFraming, HeaderBodyAndSteps) {
  TempFiles files;
  for (int version = 0; version <= 4; ++version) {
    for (Framing framing : framingsOf(version)) {
      SCOPED_TRACE(testing::Message() << "version " << version << ", " << framingName(framing));
      const ResultFileSpec spec = richSpec(version, framing);
      TResultFile reader(files.write(QStringLiteral("rich.vq3"), spec));

      EXPECT_EQ(reader.Version(), version);
      EXPECT_EQ(int(reader.Framing()), int(framing));
      const THeaderBlock& header = reader.HeaderBlock();
      EXPECT_EQ(header.StartDateText, QStringLiteral("24.12.1999_13.45"));
      EXPECT_DOUBLE_EQ(reader.StartDate(),
                       base::EncodeDate(1999, 12, 24) + base::EncodeTime(13, 45, 0, 0));
      EXPECT_EQ(header.KindSlots, expectedSlots(version));
      EXPECT_EQ(header.HasSlotNames, version == 0);
      if (version == 0) {
        EXPECT_EQ(header.SlotNames[0], QStringLiteral("Temperatur"));
        EXPECT_EQ(header.SlotNames[1], QStringLiteral("Kapillarstr\u00f6mung"));
        EXPECT_EQ(header.SlotNames[2], QString());
      }
      for (int k = 0; k < 8; ++k) {
        EXPECT_EQ(header.Ranges[k].Min, float(-k));
        EXPECT_EQ(header.Ranges[k].Max, float(10 * k + 5));
      }
      EXPECT_EQ(reader.HasRangeTrailer(), version <= 2);

      ASSERT_EQ(reader.Nx(), 4);
      ASSERT_EQ(reader.Ny(), 3);
      EXPECT_EQ(reader.X(), spec.x);
      EXPECT_EQ(reader.Y(), spec.y);
      if (version == 0) {
        EXPECT_EQ(reader.CellMaterials(),
                  (std::vector<std::int16_t>{0, 0, 0, 0, 1, 1, 0, 1, 1, 0, 1, 1}));
        EXPECT_EQ(reader.MaterialCount(), 0);
      } else {
        EXPECT_EQ(reader.CellMaterials(), spec.cellMaterials);
        ASSERT_EQ(reader.MaterialCount(), 2);
        EXPECT_EQ(reader.Materials()[0].Name, QStringLiteral("Brick"));
        EXPECT_EQ(reader.Materials()[1].Name, QStringLiteral("Lime plaster \u20ac"));
        EXPECT_EQ(reader.Materials()[0].Values[10], 1010.0F);
      }

      // 12 nodes: R = 48; temperature one array, capillary flux two.
      EXPECT_EQ(reader.ArraySize(), 48);
      EXPECT_EQ(reader.PayloadSize(), 8 + 3 * 48);
      EXPECT_EQ(reader.RecordSize(), framing == Framing::Records ? 16 + 3 * 56 : 8 + 3 * 48);
      EXPECT_EQ(reader.FieldTable()[dkWatercontent].Values, nullptr);
      EXPECT_EQ(reader.FieldTable()[dkTemperature].Directions, nullptr);
      ASSERT_EQ(reader.LastStepIndex(), 2);

      // Nothing is read before the first step.
      EXPECT_EQ(reader.StepTime(), 0.0);
      EXPECT_EQ(reader.FieldTable()[dkCapillaryFlux].Directions[11], 0.0F);
      EXPECT_EQ(reader.CurrentStepIndex(), -1);
      for (int n = 0; n < 3; ++n) {
        reader.NextStep();
        EXPECT_EQ(reader.CurrentStepIndex(), n);
        expectStep(reader, n);
      }
    }
  }
}

TEST(ReaderReadsMaterials, VersionTwoCurvesByCurveNumber) {
  TempFiles files;
  const ResultFileSpec spec = richSpec(2, Framing::Plain);
  TResultFile reader(files.write(QStringLiteral("v2.vq3"), spec));
  TMaterialRecord brick;
  ASSERT_TRUE(reader.GetMaterial(0, brick));
  // Curve c has c + 1 entries; curve 4, stored last, is the one of triples.
  for (int c = 0; c < 9; ++c) {
    SCOPED_TRACE(c);
    const TMaterialCurve& curve = brick.Curves[c];
    EXPECT_EQ(curve.EntryWidth, c == 4 ? 3 : 2);
    ASSERT_EQ(curve.EntryCount(), c + 1);
    EXPECT_EQ(curve.At(c, 0), float(c));
    EXPECT_EQ(curve.At(c, 1), float(c));
  }
  EXPECT_EQ(brick.Curves[4].At(2, 2), 2.5F);
  // Counts as stored: c0..c3 for curves 0..3, c4..c7 for curves 5..8, c8 for curve 4.
  EXPECT_EQ(brick.Counts, (std::array<std::int16_t, 9>{1, 2, 3, 4, 6, 7, 8, 9, 5}));
}

TEST(ReaderReadsMaterials, VersionOneKeepsTheCurvesItDoesNotStoreEmpty) {
  TempFiles files;
  for (Framing framing : framingsOf(1)) {
    SCOPED_TRACE(framingName(framing));
    TResultFile reader(files.write(QStringLiteral("v1.vq3"), richSpec(1, framing)));
    TMaterialRecord brick;
    ASSERT_TRUE(reader.GetMaterial(0, brick));
    EXPECT_EQ(brick.Counts, (std::array<std::int16_t, 9>{2, 0, 1, 0, 1, 0, 0, 0, 2}));
    for (int c : {1, 3, 6, 7, 8}) EXPECT_TRUE(brick.Curves[c].Data.empty()) << c;
    EXPECT_EQ(brick.Curves[0].EntryWidth, 3);
    EXPECT_EQ(brick.Curves[0].At(1, 1), 0.9F);
    EXPECT_EQ(brick.Curves[2].At(0, 1), 10.0F);
    EXPECT_EQ(brick.Curves[4].At(1, 1), 200.0F);
    EXPECT_EQ(brick.Curves[5].EntryWidth, 5);
    EXPECT_EQ(brick.Curves[5].At(0, 4), 5.0F);
  }
}

TEST(ReaderReadsMaterials, LookUpOutsideTheTableFindsNothing) {
  TempFiles files;
  TResultFile reader(files.write(QStringLiteral("m.vq3"), richSpec(2, Framing::Plain)));
  TMaterialRecord rec;
  rec.Name = QStringLiteral("unchanged");
  // The cell table names material 3, which the file does not hold.
  EXPECT_FALSE(reader.GetMaterial(2, rec));
  EXPECT_FALSE(reader.GetMaterial(-1, rec));
  EXPECT_EQ(rec.Name, QStringLiteral("unchanged"));

  TResultFile v0(files.write(QStringLiteral("v0.vq3"), richSpec(0, Framing::Plain)));
  EXPECT_FALSE(v0.GetMaterial(0, rec));
}

TEST(ReaderNormalisesTheSlotTable, VersionZeroKindPerSlot) {
  TempFiles files;
  ResultFileSpec spec = richSpec(0, Framing::Plain, 1);
  // Negative and above-range entries are empty; only the low byte counts.
  spec.slotTable = {-1, 9, 0x0102, 0x0100, 200, 5, -300, 1};
  spec.steps.clear();
  resultwriter::addNumberedSteps(spec, 1);
  TResultFile reader(files.write(QStringLiteral("slots.vq3"), spec));
  const std::array<TDataKind, 8> expected{dkEmpty, dkEmpty,         dkTemperature, dkWatercontent,
                                          dkEmpty, dkDiffusionFlux, dkEmpty,       dkRelHumidity};
  EXPECT_EQ(reader.HeaderBlock().KindSlots, expected);
  // Temperature, water content, diffusion flux (2 arrays), humidity.
  EXPECT_EQ(reader.RecordSize(), 8 + 5 * 48);
  reader.NextStep();
  EXPECT_EQ(reader.FieldTable()[dkRelHumidity].Values[0], 1.0F);
  EXPECT_EQ(reader.FieldTable()[dkDiffusionFlux].Directions[0], 5.5F);
}

TEST(ReaderNormalisesTheSlotTable, VersionZeroKindInTwoSlotsKeepsTheLaterArrays) {
  TempFiles files;
  ResultFileSpec spec;
  spec.version = 0;
  spec.x = {0, 1};
  spec.y = {0, 1};
  spec.slotTable = {3, 1, 3, -1, -1, -1, -1, -1};
  resultwriter::Step step;
  step.values[3] = {7, 7, 7, 7};  // the writer writes kind 3's array for both slots
  spec.steps.push_back(step);
  TResultFile reader(files.write(QStringLiteral("twice.vq3"), spec));
  EXPECT_EQ(reader.RecordSize(), 8 + 3 * 16);
  const auto* buffer = reinterpret_cast<const char*>(reader.StepBuffer());
  EXPECT_EQ(reinterpret_cast<const char*>(reader.FieldTable()[dkVapourPressure].Values),
            buffer + 8 + 2 * 16);
}

TEST(ReaderComputesStepSizes, TwelveNodesOneScalarKind) {
  TempFiles files;
  for (Framing framing : {Framing::Plain, Framing::Records}) {
    ResultFileSpec spec;
    spec.version = 1;
    spec.framing = framing;
    spec.setKinds({1});
    spec.x = {0, 1, 2};
    spec.y = {0, 1, 2, 3};
    resultwriter::addNumberedSteps(spec, 2);
    TResultFile reader(files.write(QStringLiteral("s.vq3"), spec));
    const bool records = framing == Framing::Records;
    EXPECT_EQ(reader.RecordSize(), records ? 72 : 56);
    const auto* buffer = reinterpret_cast<const char*>(reader.StepBuffer());
    EXPECT_EQ(reinterpret_cast<const char*>(reader.FieldTable()[dkRelHumidity].Values),
              buffer + (records ? 20 : 8));
    reader.NextStep();
    reader.NextStep();
    EXPECT_EQ(reader.StepTime(), 7200.0);
    EXPECT_EQ(reader.FieldTable()[dkRelHumidity].Values[11], 101.0F);
  }
}

TEST(ReaderParsesTheStartDate, TextOfTheFile) {
  TempFiles files;
  ResultFileSpec spec = richSpec(2, Framing::Plain, 1);
  spec.startDate = " 24.12_13.45 ";
  EXPECT_DOUBLE_EQ(TResultFile(files.write(QStringLiteral("a.vq3"), spec)).StartDate(),
                   base::EncodeDate(1991, 12, 24) + base::EncodeTime(13, 45, 0, 0));
  spec.startDate = "";
  EXPECT_EQ(TResultFile(files.write(QStringLiteral("b.vq3"), spec)).StartDate(), -1.0);
  spec.startDate = "24.12_13";
  EXPECT_THROW(TResultFile(files.write(QStringLiteral("c.vq3"), spec)), base::EConvertError);
}
