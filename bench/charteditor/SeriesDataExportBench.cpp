// Series data and chart files of 10^6 points against plain writes of the
// same size, timed in turns in one run. The text export is held against
// snprintf("%.15g") rows through buffered stdio ("ratio" should stay at or
// below 2; XML and HTML are reported against the same baseline), the chart
// file against a buffer of its size through QSaveFile (at or below 2).
// "peakRiseMB" is how far a 10^7-point text export raises the process's
// peak memory above what the chart already holds (below 64).
#include "bench/support/OffscreenBenchmarks.h"
#include "chart/core/ChartEngine.h"
#include "chart/model/TChart.h"
#include "charteditor/export/ChartFile.h"
#include "charteditor/export/TSeriesDataHTML.h"
#include "charteditor/export/TSeriesDataText.h"
#include "charteditor/export/TSeriesDataXML.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QSaveFile>

#include <benchmark/benchmark.h>

#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <memory>

namespace {

using Clock = std::chrono::steady_clock;

QString TempPath(const char* name) {
  return QDir::temp().filePath(QStringLiteral("veltrano-bench-") + QLatin1String(name));
}

struct BenchChart {
  explicit BenchChart(int points) {
    series = new TChartSeries(&chart);
    chart.AddSeries(series);
    series->BeginUpdate();
    for (int i = 0; i < points; ++i) series->AddPointXY(i * 0.25, std::sin(i * 0.001) * 1234.5678);
    series->EndUpdate();
  }
  TChart chart;
  TChartSeries* series;
};

BenchChart& Million() {
  static BenchChart chart(1000000);
  return chart;
}

void PlainText(const TChartSeries& s, const char* path) {
  std::FILE* f = std::fopen(path, "wb");
  const auto x = s.XValues()->Values();
  const auto y = s.YValues()->Values();
  char line[80];
  for (std::size_t i = 0; i < x.size(); ++i) {
    const int n = std::snprintf(line, sizeof line, "%.15g\t%.15g\r\n", x[i], y[i]);
    std::fwrite(line, 1, static_cast<std::size_t>(n), f);
  }
  std::fclose(f);
}

template <class Exporter>
void BM_ExportOverStdio(benchmark::State& state) {
  BenchChart& c = Million();
  const QString path = TempPath("export");
  const QByteArray plain = TempPath("plain.txt").toLocal8Bit();
  Clock::duration exportTime{}, plainTime{};
  for (auto _ : state) {
    const auto t0 = Clock::now();
    Exporter exporter(&c.chart, c.series);
    exporter.SaveToFile(path);
    const auto t1 = Clock::now();
    PlainText(*c.series, plain.constData());
    const auto t2 = Clock::now();
    exportTime += t1 - t0;
    plainTime += t2 - t1;
  }
  state.counters["ratio"] = std::chrono::duration<double>(exportTime).count() /
                            std::chrono::duration<double>(plainTime).count();
  state.counters["bytes"] = static_cast<double>(QFile(path).size());
  QFile::remove(path);
  QFile::remove(QString::fromLocal8Bit(plain));
}

void BM_ChartFileOverSaveFile(benchmark::State& state) {
  BenchChart& c = Million();
  const QString path = TempPath("chart.plc");
  const QString plainPath = TempPath("plain.bin");
  Clock::duration chartTime{}, plainTime{};
  for (auto _ : state) {
    const auto t0 = Clock::now();
    SaveChartToFile(c.chart, path, true);
    const auto t1 = Clock::now();
    QByteArray same(QFile(path).size(), 'x');
    const auto t2 = Clock::now();
    QSaveFile file(plainPath);
    file.open(QIODevice::WriteOnly);
    file.write(same);
    file.commit();
    const auto t3 = Clock::now();
    chartTime += t1 - t0;
    plainTime += t3 - t2;
  }
  state.counters["ratio"] = std::chrono::duration<double>(chartTime).count() /
                            std::chrono::duration<double>(plainTime).count();
  state.counters["bytes"] = static_cast<double>(QFile(path).size());
  QFile::remove(path);
  QFile::remove(plainPath);
}

// Kilobytes of a line of /proc/self/status ("VmRSS:", "VmHWM:").
double StatusMB(const char* key) {
  QFile status(QStringLiteral("/proc/self/status"));
  if (!status.open(QIODevice::ReadOnly)) return -1;
  for (const QByteArray& line : status.readAll().split('\n')) {
    if (line.startsWith(key))
      return line.mid(qsizetype(std::strlen(key))).trimmed().split(' ')[0].toDouble() / 1024.0;
  }
  return -1;
}

// Starts a new peak at the current resident size (VmHWM); false where the
// kernel does not offer it.
bool ResetPeak() {
  QFile clear(QStringLiteral("/proc/self/clear_refs"));
  return clear.open(QIODevice::WriteOnly) && clear.write("5") == 1;
}

void BM_TextExportPeakMemory(benchmark::State& state) {
  auto c = std::make_unique<BenchChart>(10000000);
  const QString path = TempPath("ten-million.txt");
  if (!ResetPeak()) {
    state.SkipWithError("the peak resident size cannot be reset here");
    return;
  }
  const double before = StatusMB("VmRSS:");
  for (auto _ : state) {
    TSeriesDataText text(&c->chart, c->series);
    text.SaveToFile(path);
  }
  state.counters["peakRiseMB"] = StatusMB("VmHWM:") - before;
  QFile::remove(path);
}

BENCHMARK(BM_ExportOverStdio<TSeriesDataText>)->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK(BM_ExportOverStdio<TSeriesDataXML>)->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK(BM_ExportOverStdio<TSeriesDataHTML>)->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK(BM_ChartFileOverSaveFile)->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK(BM_TextExportPeakMemory)->Unit(benchmark::kMillisecond)->Iterations(1);

}  // namespace

int main(int argc, char** argv) {
  return RunOffscreenBenchmarks<QGuiApplication, ChartEngineScope>(argc, argv);
}
