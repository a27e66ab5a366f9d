#include "chart/core/TChartValueList.h"

#include "base/Format.h"
#include "chart/core/ChartExceptions.h"
#include "chart/core/ChartPrompts.h"
#include "chart/core/PlotSort.h"

#include <cmath>
#include <utility>

TChartValueList::TChartValueList(TChartValueListOwner* owner, const QString& name,
                                 ChangeHandler onChange)
    : TPlotPersistent(std::move(onChange)), owner_(owner), name_(name) {}

// Axes read these flags: the owner's chart repaints, as for changed values.
void TChartValueList::SetDateTime(bool value) {
  if (Store(dateTime_, value) && owner_) owner_->ValueChanged(-1);
}

void TChartValueList::SetOrder(TChartListOrder value) {
  if (Store(order_, value) && owner_) owner_->ValueChanged(-1);
}

void TChartValueList::SetValueSource(const QString& value) {
  if (Store(valueSource_, value) && owner_) owner_->CheckDataSource();
}

void TChartValueList::RaiseIndex(int index) {
  throw ChartException(base::Format(QStringLiteral("List index out of bounds (%d)"), {index}));
}

double TChartValueList::GetValue(int index) const {
  CheckIndex(index);
  return values_[static_cast<std::size_t>(index)];
}

int TChartValueList::Locate(double value) const {
  for (std::size_t i = 0; i < values_.size(); ++i) {
    if (values_[i] == value) return static_cast<int>(i);
  }
  return -1;
}

int TChartValueList::AddOutOfOrder(double value) {
  modified_ = true;
  ++revision_;
  // The value comes before the last one (or one of them is a NaN): scan down
  // for its place. The comparisons are written so that a NaN, new or stored,
  // stops the scan: it then goes (or the new value goes) after it.
  std::size_t at = values_.size();
  if (order_ == loAscending) {
    while (at > 0 && values_[at - 1] > value) --at;
  } else {
    while (at > 0 && values_[at - 1] < value) --at;
  }
  values_.insert(values_.begin() + static_cast<std::ptrdiff_t>(at), value);
  return static_cast<int>(at);
}

void TChartValueList::InsertChartValue(int index, double value) {
  if (index != Count()) CheckIndex(index);  // the end is a place to insert
  values_.insert(values_.begin() + index, value);
  modified_ = true;
  ++revision_;
}

void TChartValueList::SetValue(int index, double value) {
  CheckIndex(index);
  double& v = values_[static_cast<std::size_t>(index)];
  if (v == value || (std::isnan(v) && std::isnan(value))) return;
  v = value;
  modified_ = true;
  ++revision_;
  if (owner_) owner_->ValueChanged(index);
}

void TChartValueList::Delete(int index) {
  CheckIndex(index);
  values_.erase(values_.begin() + index);
  modified_ = true;
  ++revision_;
}

void TChartValueList::ClearValues() {
  // A cleared series of millions of points gives its memory back.
  std::vector<double>().swap(values_);
  modified_ = true;
  ++revision_;
}

void TChartValueList::FillSequence() {
  for (std::size_t i = 0; i < values_.size(); ++i) values_[i] = static_cast<double>(i);
  modified_ = true;
  ++revision_;
  if (owner_) owner_->ValueChanged(-1);
}

void TChartValueList::Exchange(int a, int b) {
  CheckIndex(a);
  CheckIndex(b);
  std::swap(values_[static_cast<std::size_t>(a)], values_[static_cast<std::size_t>(b)]);
  modified_ = true;
  ++revision_;
  if (owner_) owner_->ValueChanged(a);
}

void TChartValueList::Reserve(int count) {
  if (count > 0) values_.reserve(static_cast<std::size_t>(count));
  ++revision_;
}

void TChartValueList::ShrinkToFit() {
  values_.shrink_to_fit();
  ++revision_;
}

void TChartValueList::Recalculate() const {
  if (!modified_) return;
  double minimum = 0.0;
  double maximum = 0.0;
  double sum = 0.0;
  double sumOfAbsolutes = 0.0;
  bool any = false;
  for (double v : values_) {
    if (std::isnan(v)) continue;
    if (!any) {
      minimum = maximum = v;
      any = true;
    } else if (v < minimum) {
      minimum = v;
    } else if (v > maximum) {
      maximum = v;
    }
    sum += v;
    sumOfAbsolutes += std::fabs(v);
  }
  minimum_ = minimum;
  maximum_ = maximum;
  sum_ = sum;
  sumOfAbsolutes_ = sumOfAbsolutes;
  modified_ = false;
}

double TChartValueList::Maximum() const {
  Recalculate();
  return maximum_;
}

double TChartValueList::Minimum() const {
  Recalculate();
  return minimum_;
}

double TChartValueList::Sum() const {
  Recalculate();
  return sum_;
}

double TChartValueList::SumOfAbsolutes() const {
  Recalculate();
  return sumOfAbsolutes_;
}

int TChartValueList::CompareValueIndex(int a, int b) const {
  CheckIndex(a);
  CheckIndex(b);
  const double va = values_[static_cast<std::size_t>(a)];
  const double vb = values_[static_cast<std::size_t>(b)];
  const int result = va < vb ? -1 : (va > vb ? 1 : 0);
  return order_ == loDescending ? -result : result;
}

void TChartValueList::Sort() {
  if (order_ == loNone) return;
  const int count = Count();
  const bool descending = order_ == loDescending;
  // Comparisons read the values unchecked (they are the hot part of a sort of
  // millions of points); the count is checked after every exchange instead,
  // so an owner that removes points meanwhile ends the sort before a read
  // past the values.
  PlotSort(
      0, count - 1,
      [this, descending](int a, int b) {
        const double va = values_[static_cast<std::size_t>(a)];
        const double vb = values_[static_cast<std::size_t>(b)];
        const int result = (va > vb) - (va < vb);
        return descending ? -result : result;
      },
      [this, count](int a, int b) {
        if (owner_) {
          owner_->SwapValueIndex(a, b);
        } else {
          Exchange(a, b);
        }
        if (Count() < count) {
          RaiseIndex(count - 1);
        }
      });
}

void TChartValueList::Assign(const TChartValueList& source) {
  order_ = source.order_;
  dateTime_ = source.dateTime_;
  valueSource_ = source.valueSource_;
}

bool TChartValueList::ReadExtraStored(const QString& name, const QVariant& value) {
  if (name.compare(QLatin1String("Multiplier"), Qt::CaseInsensitive) != 0) return false;
  switch (value.typeId()) {
    case QMetaType::Double:
    case QMetaType::Float:
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
      if (value.toDouble() != 1.0) {
        Prompts().Warning(
            QStringLiteral("Error: Multiplier property is obsolete.\r"
                           "Modify RerOzur.odo (enable Multiplier) and recompile."));
      }
      break;
    default:
      break;  // not a number: nothing was stored that could be meant
  }
  return true;
}
