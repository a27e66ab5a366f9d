#pragma once
// One column of numbers of a series: its X values, its Y values or a further
// value of series types that have more (bar ends, Gantt ends, bubble radii).
// The list keeps its sort order while points are added, answers minimum,
// maximum and sums lazily, and exchanges whole points through its owner when
// sorted, so that the other columns of a point move with it.
//
// Indices are checked at this boundary: an index outside the list raises
// ChartException "List index out of bounds (<index>)" and changes nothing.
// Hot loops read the values through Values() instead of per-index calls.
#include "chart/core/TPlotPersistent.h"

#include <QString>

#include <cstddef>
#include <span>
#include <vector>

// What a value list asks of the series that holds it.
class TChartValueListOwner {
 public:
  virtual ~TChartValueListOwner() = default;
  // Exchanges points a and b in every list of the series (values, colours,
  // labels). Sorting moves points only through here.
  virtual void SwapValueIndex(int a, int b) = 0;
  // Values of the list changed: at `valueIndex`, or at many places (-1).
  virtual void ValueChanged(int valueIndex) = 0;
  // The list's source field changed: the series refills from its source.
  virtual void CheckDataSource() = 0;
};

class TChartValueList : public TPlotPersistent {
  Q_OBJECT
  Q_PROPERTY(bool DateTime READ DateTime WRITE SetDateTime)
  Q_CLASSINFO("default:DateTime", "false")
  Q_PROPERTY(QString Name READ Name WRITE SetName)
  Q_CLASSINFO("default:Name", "@owner")
  Q_PROPERTY(TChartListOrder Order READ Order WRITE SetOrder)
  Q_CLASSINFO("default:Order", "@owner")
  Q_PROPERTY(QString ValueSource READ ValueSource WRITE SetValueSource)
  Q_CLASSINFO("default:ValueSource", "")

 public:
  enum TChartListOrder { loNone, loAscending, loDescending };
  Q_ENUM(TChartListOrder)

  // `owner` may be null (a list of its own: sorting then exchanges values in
  // this list only). `onChange` repaints whatever shows the list.
  TChartValueList(TChartValueListOwner* owner, const QString& name, ChangeHandler onChange = {});

  bool DateTime() const { return dateTime_; }
  void SetDateTime(bool value);
  QString Name() const { return name_; }
  void SetName(const QString& value) { Store(name_, value); }
  TChartListOrder Order() const { return order_; }
  void SetOrder(TChartListOrder value);
  QString ValueSource() const { return valueSource_; }
  // A new source field makes the owner refill the series.
  void SetValueSource(const QString& value);

  TChartValueListOwner* Owner() const { return owner_; }
  // The value of the point being added, filled by the series before it adds.
  double TempValue() const { return tempValue_; }
  void SetTempValue(double value) { tempValue_ = value; }

  int Count() const { return static_cast<int>(values_.size()); }
  std::span<const double> Values() const { return values_; }
  double GetValue(int index) const;
  double operator[](int index) const { return GetValue(index); }
  double First() const { return GetValue(0); }
  double Last() const { return GetValue(Count() - 1); }
  // Index of the first value equal to `value`, or -1.
  int Locate(double value) const;

  // Adds in the list's order: after the last value when it keeps the order,
  // otherwise after the nearest value from the end that does not come after
  // `value` (so after equal ones), or at 0. A NaN keeps no order and goes
  // last. Returns the index used; the series inserts the point's other
  // values there.
  int AddChartValue(double value) {
    // Appending is the common case (points arrive in order): kept inline.
    const std::size_t count = values_.size();
    if (order_ == loNone || count == 0 ||
        (order_ == loAscending ? value >= values_.back() : value <= values_.back())) {
      values_.push_back(value);
      modified_ = true;
      ++revision_;
      return static_cast<int>(count);
    }
    return AddOutOfOrder(value);
  }
  void InsertChartValue(int index, double value);  // 0 <= index <= Count()
  // Replaces the value at `index` in place (the order is not restored) and
  // tells the owner; the same value (NaN for NaN) changes nothing.
  void SetValue(int index, double value);
  void Delete(int index);
  void ClearValues();
  void FillSequence();  // value i := i
  void Exchange(int a, int b);
  // Storage: capacity grows geometrically; these let a filler that knows its
  // count allocate once and a finished list give back the slack.
  void Reserve(int count);
  void ShrinkToFit();
  std::size_t Capacity() const { return values_.capacity(); }
  // Counts every change of the values or of their storage: whatever a
  // caller keeps about Values() (a span, an index over them) holds while
  // the revision is the one it was made at.
  unsigned long long Revision() const { return revision_; }

  // Statistics over the values that are numbers: NaNs are skipped, and a list
  // without numbers answers 0.
  double Maximum() const;
  double Minimum() const;
  double Sum() const;
  double SumOfAbsolutes() const;
  double Range() const { return Maximum() - Minimum(); }

  // -1, 0 or 1 as the value at a comes before, with or after the one at b in
  // the list's order (ascending for loNone).
  int CompareValueIndex(int a, int b) const;
  // Sorts by the list's order, exchanging whole points; loNone keeps them.
  void Sort();

  // Takes Order, DateTime and ValueSource (not the name or values).
  void Assign(const TChartValueList& source);

  // Older files carry "Multiplier", which no longer has an effect: a value
  // other than 1 warns that the chart will not look as it was saved.
  bool ReadExtraStored(const QString& name, const QVariant& value) override;

 private:
  void CheckIndex(int index) const {
    if (static_cast<std::size_t>(static_cast<unsigned>(index)) >= values_.size()) {
      RaiseIndex(index);
    }
  }
  [[noreturn]] static void RaiseIndex(int index);
  int AddOutOfOrder(double value);
  void Recalculate() const;

  TChartValueListOwner* owner_;
  std::vector<double> values_;
  QString name_;
  QString valueSource_;
  double tempValue_ = 0.0;
  TChartListOrder order_ = loNone;
  bool dateTime_ = false;
  // Statistics cache, rebuilt on the first question after a change.
  mutable bool modified_ = true;
  unsigned long long revision_ = 0;
  mutable double maximum_ = 0.0;
  mutable double minimum_ = 0.0;
  mutable double sum_ = 0.0;
  mutable double sumOfAbsolutes_ = 0.0;
};

using TChartListOrder = TChartValueList::TChartListOrder;
inline constexpr TChartListOrder loNone = TChartValueList::loNone;
inline constexpr TChartListOrder loAscending = TChartValueList::loAscending;
inline constexpr TChartListOrder loDescending = TChartValueList::loDescending;
