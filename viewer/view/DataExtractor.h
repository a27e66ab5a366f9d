#pragma once
// The data extractor's work, without a window: for every time step within a
// span of dates, the area-weighted mean of one field over a rectangle of
// cells, as points (date, mean) for a line chart, and those points as text.
//
// It reads through its own reader on the project's file, so the project's
// step and buffer (which every view shows) stay as they are. The caller
// drives a run in slices (RunSlice), each bounded in time, and takes the
// new points after each; a run can be cancelled between slices and keeps
// the points so far.
//
// Steps are walked once, from the first: the first step at or after one
// hour before the span's first date is consumed without a point, each
// later step up to the span's last date gives one. Points stand at
// S + Time / 86400 (S the file's start date).
#include "base/DateTime.h"
#include "resultdata/TDataKind.h"

#include <QPointF>
#include <QString>

#include <chrono>
#include <cstdint>
#include <memory>
#include <vector>

class QIODevice;
class TResultFile;

// Cells i = Left..Right, j = Bottom..Top (cell k = i * ny + j lies between
// nodes i-1..i and j-1..j).
struct DataExtractorRect {
  int Left = 2, Bottom = 2, Right = 2, Top = 2;
};

class DataExtractor {
 public:
  // `dx` and `dy` are the grid's cell widths and heights (nx and ny
  // entries), `startDate` the file's start date. Raises base::Exception
  // when the file cannot be opened.
  DataExtractor(const QString& fileName, TDataKind kind, std::vector<float> dx,
                std::vector<float> dy, base::TDateTime startDate);
  ~DataExtractor();
  DataExtractor(const DataExtractor&) = delete;
  DataExtractor& operator=(const DataExtractor&) = delete;

  int Nx() const { return static_cast<int>(dx_.size()); }
  int Ny() const { return static_cast<int>(dy_.size()); }
  base::TDateTime StartDate() const { return startDate_; }
  // The highest cell a rectangle may name (the spin edits' maxima).
  int MaxCellX() const { return Nx() - 2; }
  int MaxCellY() const { return Ny() - 2; }
  static constexpr int MinCell = 2;

  // Checks the request and starts a run from the first step. Answers the
  // reason it was refused (nothing started), or an empty text.
  QString Start(const DataExtractorRect& cells, base::TDateTime from, base::TDateTime to);
  // Reads steps until `budget` has passed (at least one step) or the run
  // ends. Answers whether the run goes on.
  bool RunSlice(std::chrono::nanoseconds budget);
  // Ends the run; the points so far stay.
  void Cancel();
  bool Running() const { return running_; }
  // The last run went through its span (neither cancelled nor failed).
  bool Completed() const { return !running_ && !cancelled_ && error_.isEmpty(); }

  // Points of the run, in order; TakeNewPoints answers those added since
  // its last call.
  const std::vector<QPointF>& Points() const { return points_; }
  std::vector<QPointF> TakeNewPoints();
  std::int64_t StepsRead() const { return stepsRead_; }
  std::int64_t StepCount() const;
  // Steps read over steps in the file, 0..100.
  int ProgressPercent() const;
  // Steps in the span left out because their mean is not a number.
  std::int64_t SkippedSteps() const { return skipped_; }
  // Why the run ended early (a read error), or empty.
  const QString& Error() const { return error_; }

  // The mean over `cells` of one step's values (nx * ny, k = i * ny + j).
  double Mean(const float* values) const;

 private:
  void ReadOne();

  std::unique_ptr<TResultFile> reader_;
  TDataKind kind_;
  std::vector<float> dx_, dy_;
  base::TDateTime startDate_;

  DataExtractorRect cells_;
  std::vector<double> columnWeights_;  // dy[j] for j in the rectangle
  double weightSum_ = 0;
  double t0_ = 0, t1_ = 0;
  bool seeking_ = true;
  bool running_ = false;
  bool cancelled_ = false;
  std::int64_t stepsRead_ = 0;
  std::int64_t skipped_ = 0;
  std::vector<QPointF> points_;
  std::size_t taken_ = 0;
  QString error_;
};

// One line per point: minutes since `startDate` right-aligned in 6 without
// decimals, a blank, the mean right-aligned in 8 with 5 decimals, CR LF;
// always '.' as decimal separator. Raises base::EFileError when the device
// does not take the bytes.
void WriteDataExtractorText(QIODevice& device, const std::vector<QPointF>& points,
                            base::TDateTime startDate);
// The same into `path`, atomically: on failure (raised) the old file stays.
void SaveDataExtractorText(const QString& path, const std::vector<QPointF>& points,
                           base::TDateTime startDate);
