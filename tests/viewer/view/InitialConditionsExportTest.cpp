// The "initial conditions" text of a field: compared byte for byte with
// golden files made independently of this code, on a 4 x 4 grid written by
// the test writer (two inner cells of material 1, one of material 2, one
// without material).
#include "tests/support/writer/ResultFileWriter.h"
#include "tests/viewer/LocaleGuard.h"
#include "tests/viewer/ViewFileHost.h"
#include "viewer/view/InitialConditionsExport.h"

#include <gtest/gtest.h>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

namespace {

constexpr int N = 4;

std::size_t cell(int i, int j) {
  return std::size_t(i * N + j);
}

QByteArray readAll(const QString& path) {
  QFile file(path);
  EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
  return file.readAll();
}

QByteArray golden(const char* name) {
  return readAll(QFileInfo(QStringLiteral(__FILE__)).absolutePath() + "/data/" + name);
}

// Kinds 0 and 2; the cell without material holds 99, which must never be written.
QString writeGridFile(const QString& dir) {
  resultwriter::ResultFileSpec content;
  content.version = 2;
  content.setKinds({0, 2});
  content.x = {0.0f, 0.1f, 0.35f, 0.6f};
  content.y = {0.0f, 0.05f, 0.2f, 0.3f};
  content.cellMaterials.assign(N * N, 0);
  content.cellMaterials[cell(1, 1)] = 1;
  content.cellMaterials[cell(1, 2)] = 2;
  content.cellMaterials[cell(2, 1)] = 1;
  for (const char* name : {"brick", "plaster"}) content.materials.emplace_back().name = name;
  resultwriter::Step step;
  step.time = 3600;
  step.values[0].assign(N * N, 7.0f);
  step.values[2].assign(N * N, 7.0f);
  step.values[0][cell(1, 1)] = 12.5f;
  step.values[0][cell(1, 2)] = 80.25f;
  step.values[0][cell(2, 1)] = 0.001f;
  step.values[0][cell(2, 2)] = 99.0f;
  step.values[2][cell(1, 1)] = 20.5f;
  step.values[2][cell(1, 2)] = -3.7f;
  step.values[2][cell(2, 1)] = 18.1f;
  step.values[2][cell(2, 2)] = 99.0f;
  content.steps.push_back(step);
  const QString path = dir + "/wall.res";
  resultwriter::writeFile(content, path);
  return path;
}

class InitialConditionsExport : public testing::Test {
 protected:
  QString out(const char* name) const { return dir_.filePath(QString::fromLatin1(name)); }
  QTemporaryDir dir_;
};

TEST_F(InitialConditionsExport, MatchesGoldenFilesForWaterContentAndTemperatureOnAnyLocale) {
  ViewFileHost host(writeGridFile(dir_.path()));
  for (const QLocale& locale : {LocaleGuard::English(), LocaleGuard::German()}) {
    LocaleGuard guard(locale);
    ASSERT_TRUE(RunInitialConditionsExport(host, dkWatercontent, [&] { return out("wc.txt"); }));
    EXPECT_EQ(readAll(out("wc.txt")), golden("InitialConditionsKind0.txt"));
    ASSERT_TRUE(RunInitialConditionsExport(host, dkTemperature, [&] { return out("t.txt"); }));
    EXPECT_EQ(readAll(out("t.txt")), golden("InitialConditionsKind2.txt"));
  }
  EXPECT_EQ(InitialConditionsNumber(-2.5e-250), "-2.50000000000000E-0250") << "four-digit exponent";
}

TEST_F(InitialConditionsExport, FillsWithZeroWhenNoCellHasMaterial) {
  const std::vector<float> x{0, 1, 2, 3}, y{0, 1, 2, 3};
  const std::vector<std::int16_t> materials(N * N, 0);
  const std::vector<float> values(N * N, 25.0f);
  for (TDataKind kind : {dkWatercontent, dkRelHumidity, dkTemperature}) {
    const InitialConditionsInput in{N, N, x, y, materials, values, kind};
    EXPECT_EQ(InitialConditionsFill(in), 0.0) << int(kind);
    const QByteArray text = InitialConditionsText(in);
    const QByteArray zero = " 0.00000000000000E+0000 ";
    EXPECT_TRUE(text.endsWith(zero + zero + "\r\n" + zero + zero + "\r\n")) << text.constData();
    EXPECT_FALSE(text.contains("2.5")) << "a value outside the material was written";
  }
}

}  // namespace
