#include "viewer/view/DataExtractor.h"

#include "base/Exceptions.h"
#include "base/Format.h"
#include "base/FormatSettings.h"
#include "resultdata/TResultFile.h"

#include <QSaveFile>

#include <cmath>

DataExtractor::DataExtractor(const QString& fileName, TDataKind kind, std::vector<float> dx,
                             std::vector<float> dy, base::TDateTime startDate)
    : reader_(std::make_unique<TResultFile>(fileName)),
      kind_(kind),
      dx_(std::move(dx)),
      dy_(std::move(dy)),
      startDate_(startDate) {}

DataExtractor::~DataExtractor() = default;

std::int64_t DataExtractor::StepCount() const {
  return reader_->LastStepIndex() + 1;
}

int DataExtractor::ProgressPercent() const {
  const std::int64_t count = StepCount();
  if (count <= 0) return running_ ? 0 : 100;
  return static_cast<int>(std::min<std::int64_t>(100, stepsRead_ * 100 / count));
}

QString DataExtractor::Start(const DataExtractorRect& cells, base::TDateTime from,
                             base::TDateTime to) {
  running_ = false;
  if (MaxCellX() < MinCell || MaxCellY() < MinCell)
    return QStringLiteral("The grid is too small: it has no inner cell to extract from.");
  if (cells.Right < cells.Left || cells.Top < cells.Bottom)
    return QStringLiteral(
        "The rectangle is empty: its upper-right cell lies below or left "
        "of its lower-left cell.");
  if (cells.Left < MinCell || cells.Bottom < MinCell || cells.Right > MaxCellX() ||
      cells.Top > MaxCellY())
    return QStringLiteral("The rectangle reaches beyond cells %1..%2 by %1..%3.")
        .arg(MinCell)
        .arg(MaxCellX())
        .arg(MaxCellY());
  const std::size_t kind = static_cast<std::size_t>(kind_);
  if (kind >= static_cast<std::size_t>(FieldKindCount) ||
      reader_->FieldTable()[kind].Values == nullptr)
    return QStringLiteral("The file holds no values of this field.");
  if (!std::isfinite(from) || !std::isfinite(to))
    return QStringLiteral("The span of dates is not valid.");
  columnWeights_.clear();
  double columns = 0;
  for (int j = cells.Bottom; j <= cells.Top; ++j)
    columnWeights_.push_back(double(dy_[static_cast<std::size_t>(j)]));
  for (double w : columnWeights_) columns += w;
  double rows = 0;
  for (int i = cells.Left; i <= cells.Right; ++i) rows += double(dx_[static_cast<std::size_t>(i)]);
  weightSum_ = rows * columns;
  if (!(weightSum_ != 0) || !std::isfinite(weightSum_))
    return QStringLiteral("The rectangle has no area: its cells have zero total weight.");

  cells_ = cells;
  t0_ = (from - startDate_) * 86400 - 3600;
  t1_ = (to - startDate_) * 86400;
  seeking_ = true;
  stepsRead_ = 0;
  skipped_ = 0;
  points_.clear();
  taken_ = 0;
  error_.clear();
  cancelled_ = false;
  reader_->Rewind(false);
  running_ = StepCount() > 0;
  return {};
}

double DataExtractor::Mean(const float* values) const {
  const std::int64_t ny = Ny();
  double sum = 0;
  for (int i = cells_.Left; i <= cells_.Right; ++i) {
    const float* column = values + std::int64_t(i) * ny + cells_.Bottom;
    // Four running sums: one would wait on each addition before the next.
    const std::size_t n = columnWeights_.size();
    const double* w = columnWeights_.data();
    double s0 = 0, s1 = 0, s2 = 0, s3 = 0;
    std::size_t j = 0;
    for (; j + 4 <= n; j += 4) {
      s0 += double(column[j]) * w[j];
      s1 += double(column[j + 1]) * w[j + 1];
      s2 += double(column[j + 2]) * w[j + 2];
      s3 += double(column[j + 3]) * w[j + 3];
    }
    for (; j < n; ++j) s0 += double(column[j]) * w[j];
    sum += double(dx_[static_cast<std::size_t>(i)]) * ((s0 + s1) + (s2 + s3));
  }
  return sum / weightSum_;
}

void DataExtractor::ReadOne() {
  // NextStep wraps to the first step after the last: count instead.
  reader_->NextStep();
  ++stepsRead_;
  const double time = reader_->StepTime();
  if (seeking_) {
    // The step that reaches the span opens it without a point.
    if (time >= t0_) seeking_ = false;
  } else if (time > t1_) {
    running_ = false;
    return;
  } else {
    const double mean = Mean(reader_->FieldTable()[static_cast<std::size_t>(kind_)].Values);
    if (std::isfinite(mean))
      points_.emplace_back(startDate_ + time / 86400, mean);
    else
      ++skipped_;
  }
  if (stepsRead_ >= StepCount()) running_ = false;
}

bool DataExtractor::RunSlice(std::chrono::nanoseconds budget) {
  using Clock = std::chrono::steady_clock;
  const Clock::time_point end = Clock::now() + budget;
  try {
    do {
      ReadOne();
    } while (running_ && Clock::now() < end);
  } catch (const base::Exception& e) {
    running_ = false;
    error_ = e.message();
  }
  return running_;
}

void DataExtractor::Cancel() {
  if (running_) cancelled_ = true;
  running_ = false;
}

std::vector<QPointF> DataExtractor::TakeNewPoints() {
  std::vector<QPointF> out(points_.begin() + static_cast<std::ptrdiff_t>(taken_), points_.end());
  taken_ = points_.size();
  return out;
}

void WriteDataExtractorText(QIODevice& device, const std::vector<QPointF>& points,
                            base::TDateTime startDate) {
  const base::FormatSettings& invariant = base::FormatSettings::Invariant();
  for (const QPointF& p : points) {
    const QByteArray line =
        base::Format(QStringLiteral("%6.0f %8.5f"), {(p.x() - startDate) * 1440, p.y()}, invariant)
            .toLatin1() +
        "\r\n";
    if (device.write(line) != line.size())
      throw base::EFileError(QStringLiteral("Cannot write the file: %1").arg(device.errorString()));
  }
}

void SaveDataExtractorText(const QString& path, const std::vector<QPointF>& points,
                           base::TDateTime startDate) {
  QSaveFile file(path);
  if (!file.open(QIODevice::WriteOnly))
    throw base::EFileError(QStringLiteral("Cannot create %1: %2").arg(path, file.errorString()));
  WriteDataExtractorText(file, points, startDate);
  if (!file.commit())
    throw base::EFileError(QStringLiteral("Cannot write %1: %2").arg(path, file.errorString()));
}
