#include "ResultFileSamples.h"

#include "resultdata/TResultFile.h"

#include <gtest/gtest.h>

using namespace samples;

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
      EXPECT_DOUBLE_EQ(reader.StartDate(),
                       base::EncodeDate(1999, 12, 24) + base::EncodeTime(13, 45, 0, 0));
      std::array<TDataKind, 8> slots;
      slots.fill(dkEmpty);
      slots[version == 0 ? 0 : 2] = dkTemperature;
      slots[version == 0 ? 1 : 4] = dkCapillaryFlux;
      EXPECT_EQ(header.KindSlots, slots);
      EXPECT_EQ(header.HasSlotNames, version == 0);
      if (version == 0) {
        EXPECT_EQ(header.SlotNames[1], QStringLiteral("Kapillarstr\u00f6mung"));
      }
      for (int k = 0; k < 8; ++k) {
        EXPECT_EQ(header.Ranges[k].Min, float(-k));
        EXPECT_EQ(header.Ranges[k].Max, float(10 * k + 5));
      }
      EXPECT_EQ(reader.HasRangeTrailer(), version <= 2);
      EXPECT_EQ(reader.X(), spec.x);
      EXPECT_EQ(reader.Y(), spec.y);
      if (version == 0) {
        // No cell table in version 0: every cell of column >= 1 and row >= 1 is material 1.
        EXPECT_EQ(reader.CellMaterials(),
                  (std::vector<std::int16_t>{0, 0, 0, 0, 1, 1, 0, 1, 1, 0, 1, 1}));
        EXPECT_EQ(reader.MaterialCount(), 0);
      } else {
        EXPECT_EQ(reader.CellMaterials(), spec.cellMaterials);
        ASSERT_EQ(reader.MaterialCount(), 2);
        EXPECT_EQ(reader.Materials()[1].Name, QStringLiteral("Lime plaster \u20ac"));
        EXPECT_EQ(reader.Materials()[0].Values[10], 1010.0F);
      }
      // 12 nodes: R = 48; temperature one array, capillary flux two.
      EXPECT_EQ(reader.RecordSize(), framing == Framing::Records ? 16 + 3 * 56 : 8 + 3 * 48);
      EXPECT_EQ(reader.FieldTable()[dkWatercontent].Values, nullptr);
      ASSERT_EQ(reader.LastStepIndex(), 2);
      EXPECT_EQ(reader.CurrentStepIndex(), -1);  // nothing read yet
      EXPECT_EQ(reader.StepTime(), 0.0);
      for (int n = 0; n < 3; ++n) {
        reader.NextStep();
        EXPECT_EQ(reader.CurrentStepIndex(), n);
        EXPECT_EQ(reader.StepTime(), 3600.0 * (n + 1));  // unaligned in records
        const TFieldTable& table = reader.FieldTable();
        for (int k = 0; k < 12; ++k) {
          EXPECT_EQ(table[dkTemperature].Values[k], float(n * 100 + 2));
          EXPECT_EQ(table[dkCapillaryFlux].Values[k], float(n * 100 + 4));
          EXPECT_EQ(table[dkCapillaryFlux].Directions[k], float(n * 100 + 4) + 0.5F);
        }
      }
    }
  }
}

TEST(ReaderReadsMaterials, CurvesOfEachVersionAndLookUpsOutsideTheTable) {
  TempFiles files;
  TResultFile v2(files.write(QStringLiteral("v2.vq3"), richSpec(2, Framing::Plain)));
  TMaterialRecord brick;
  ASSERT_TRUE(v2.GetMaterial(0, brick));
  for (int c = 0; c < 9; ++c) {
    SCOPED_TRACE(c);
    EXPECT_EQ(brick.Curves[c].EntryWidth, c == 4 ? 3 : 2);
    ASSERT_EQ(brick.Curves[c].EntryCount(), c + 1);
    EXPECT_EQ(brick.Curves[c].At(c, 1), float(c));
  }
  EXPECT_EQ(brick.Curves[4].At(2, 2), 2.5F);
  // Counts as stored: curves 0..3, then 5..8, then curve 4 last.
  EXPECT_EQ(brick.Counts, (std::array<std::int16_t, 9>{1, 2, 3, 4, 6, 7, 8, 9, 5}));

  // The cell table names material 3, which the file does not hold.
  TMaterialRecord rec;
  rec.Name = QStringLiteral("unchanged");
  EXPECT_FALSE(v2.GetMaterial(2, rec));
  EXPECT_FALSE(v2.GetMaterial(-1, rec));
  EXPECT_EQ(rec.Name, QStringLiteral("unchanged"));
  TResultFile v0(files.write(QStringLiteral("v0.vq3"), richSpec(0, Framing::Plain)));
  EXPECT_FALSE(v0.GetMaterial(0, rec));

  for (Framing framing : framingsOf(1)) {
    SCOPED_TRACE(framingName(framing));
    TResultFile v1(files.write(QStringLiteral("v1.vq3"), richSpec(1, framing)));
    ASSERT_TRUE(v1.GetMaterial(0, brick));
    EXPECT_EQ(brick.Counts, (std::array<std::int16_t, 9>{2, 0, 1, 0, 1, 0, 0, 0, 2}));
    for (int c : {1, 3, 6, 7, 8}) EXPECT_TRUE(brick.Curves[c].Data.empty()) << c;
    EXPECT_EQ(brick.Curves[0].EntryWidth, 3);
    EXPECT_EQ(brick.Curves[0].At(1, 1), 0.9F);
    EXPECT_EQ(brick.Curves[4].At(1, 1), 200.0F);
    EXPECT_EQ(brick.Curves[5].EntryWidth, 5);
    EXPECT_EQ(brick.Curves[5].At(0, 4), 5.0F);
  }
}

TEST(ReaderLaysOutSteps, VersionZeroSlotTableAndTwelveNodesOneScalarKind) {
  TempFiles files;
  // Negative and above-range entries are empty; only the low byte counts.
  ResultFileSpec spec = richSpec(0, Framing::Plain, 0);
  spec.slotTable = {-1, 9, 0x0102, 0x0100, 200, 5, -300, 1};
  resultwriter::addNumberedSteps(spec, 1);
  TResultFile slots(files.write(QStringLiteral("slots.vq3"), spec));
  EXPECT_EQ(slots.HeaderBlock().KindSlots,
            (std::array<TDataKind, 8>{dkEmpty, dkEmpty, dkTemperature, dkWatercontent, dkEmpty,
                                      dkDiffusionFlux, dkEmpty, dkRelHumidity}));
  EXPECT_EQ(slots.RecordSize(), 8 + 5 * 48);
  slots.NextStep();
  EXPECT_EQ(slots.FieldTable()[dkRelHumidity].Values[0], 1.0F);
  EXPECT_EQ(slots.FieldTable()[dkDiffusionFlux].Directions[0], 5.5F);

  // A kind named by two slots keeps the arrays of the later slot.
  spec = plainSpec(0, {}, 2, 2, 0);
  spec.slotTable = {3, 1, 3, -1, -1, -1, -1, -1};
  spec.steps.emplace_back();
  TResultFile twice(files.write(QStringLiteral("twice.vq3"), spec));
  EXPECT_EQ(twice.RecordSize(), 8 + 3 * 16);
  EXPECT_EQ(reinterpret_cast<const std::byte*>(twice.FieldTable()[dkVapourPressure].Values),
            twice.StepBuffer() + 8 + 2 * 16);

  for (Framing framing : {Framing::Plain, Framing::Records}) {
    const bool records = framing == Framing::Records;
    TResultFile reader(files.write(QStringLiteral("s.vq3"), plainSpec(1, {1}, 3, 4, 2, framing)));
    EXPECT_EQ(reader.RecordSize(), records ? 72 : 56);
    EXPECT_EQ(reinterpret_cast<const std::byte*>(reader.FieldTable()[dkRelHumidity].Values),
              reader.StepBuffer() + (records ? 20 : 8));
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
