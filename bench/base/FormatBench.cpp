// Format, FormatFloat and FloatToStr against Qt's own number texts as the
// baseline (same values, same run): the ratio shows what the class-library
// rules cost per legend row or status text.
#include "base/Format.h"
#include "base/FormatFloat.h"

#include <QLocale>
#include <QString>

#include <benchmark/benchmark.h>

namespace {

double value(int64_t i) {
  return 273.15 + static_cast<double>(i % 1000) * 0.731;
}

void BM_StatusText_Format(benchmark::State& state) {
  int64_t i = 0;
  for (auto _ : state) {
    ++i;
    benchmark::DoNotOptimize(base::Format("(%d,%d)=(%2.3fm,%2.3fm)",
                                          {static_cast<int>(i % 97), 12, value(i), value(i + 1)}));
  }
}
BENCHMARK(BM_StatusText_Format);

void BM_StatusText_QtArgBaseline(benchmark::State& state) {
  int64_t i = 0;
  const QLocale locale;
  for (auto _ : state) {
    ++i;
    benchmark::DoNotOptimize(QStringLiteral("(%1,%2)=(%3m,%4m)")
                                 .arg(static_cast<int>(i % 97))
                                 .arg(12)
                                 .arg(locale.toString(value(i), 'f', 3))
                                 .arg(locale.toString(value(i + 1), 'f', 3)));
  }
}
BENCHMARK(BM_StatusText_QtArgBaseline);

void BM_LegendValue_FormatFloat(benchmark::State& state) {
  int64_t i = 0;
  for (auto _ : state) benchmark::DoNotOptimize(base::FormatFloat("#,##0.###", value(++i) * 1000));
}
BENCHMARK(BM_LegendValue_FormatFloat);

void BM_LegendValue_QtBaseline(benchmark::State& state) {
  int64_t i = 0;
  const QLocale locale;
  for (auto _ : state) benchmark::DoNotOptimize(locale.toString(value(++i) * 1000, 'f', 3));
}
BENCHMARK(BM_LegendValue_QtBaseline);

void BM_FloatToStr(benchmark::State& state) {
  int64_t i = 0;
  for (auto _ : state) benchmark::DoNotOptimize(base::FloatToStr(value(++i)));
}
BENCHMARK(BM_FloatToStr);

void BM_FloatToStr_QtBaseline(benchmark::State& state) {
  int64_t i = 0;
  const QLocale locale;
  for (auto _ : state) benchmark::DoNotOptimize(locale.toString(value(++i), 'g', 15));
}
BENCHMARK(BM_FloatToStr_QtBaseline);

}  // namespace
