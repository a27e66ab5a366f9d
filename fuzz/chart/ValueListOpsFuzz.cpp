// Bytes drive a value list through adds, inserts, deletes, exchanges and
// sorts with arbitrary indices, next to a std::vector that says what the list
// must hold. A second list carries each point's identity, exchanged with it
// by the owner, so a sort that loses or splits points shows.
#include "chart/core/ChartExceptions.h"
#include "chart/core/TChartValueLists.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <vector>

namespace {

class Reader {
 public:
  Reader(const uint8_t* data, size_t size) : data_(data), size_(size) {}
  bool More() const { return pos_ < size_; }
  uint8_t Byte() { return pos_ < size_ ? data_[pos_++] : 0; }
  int Index() {
    // Mostly near the list, sometimes anywhere.
    const int8_t b = static_cast<int8_t>(Byte());
    if (b != -128) return b;
    uint32_t wide = 0;
    for (int k = 0; k < 4; ++k) wide = wide << 8 | Byte();
    return static_cast<int>(wide);
  }
  double Value() {
    const uint8_t b = Byte();
    switch (b & 7) {
      case 0:
        return std::numeric_limits<double>::quiet_NaN();
      case 1:
        return b & 8 ? std::numeric_limits<double>::infinity()
                     : -std::numeric_limits<double>::infinity();
      case 2:
        return b & 8 ? 0.0 : -0.0;
      default:
        return static_cast<double>(b >> 3) - 8.0;  // few values: many equal
    }
  }

 private:
  const uint8_t* data_;
  size_t size_;
  size_t pos_ = 0;
};

class Series : public TChartValueListOwner {
 public:
  void SwapValueIndex(int a, int b) override {
    for (int i = 0; i < lists.Count(); ++i) lists[i].Exchange(a, b);
  }
  void ValueChanged(int) override {}
  void CheckDataSource() override {}
  TChartValueLists lists{this};
};

void Check(bool ok) {
  if (!ok) std::abort();
}

bool SameBits(double a, double b) {
  return std::memcmp(&a, &b, sizeof a) == 0;
}

// Runs `op`; an index outside the model must raise and leave the list as the
// model (not yet updated) holds it; one inside must not raise.
template <class Op>
void Guarded(bool inside, const TChartValueList& v, const std::vector<double>& model, Op op) {
  try {
    op();
    Check(inside);
  } catch (const ChartException&) {
    Check(!inside);
    Check(v.Count() == static_cast<int>(model.size()));
    for (size_t i = 0; i < model.size(); ++i) Check(SameBits(v.Values()[i], model[i]));
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  Reader in(data, size);
  Series s;
  TChartValueList& v = s.lists.Add(QStringLiteral("X"));
  TChartValueList& id = s.lists.Add(QStringLiteral("Id"));
  v.SetOrder(static_cast<TChartListOrder>(in.Byte() % 3));
  std::vector<double> model;
  std::vector<double> ids;
  double nextId = 0;
  auto inRange = [&](int i, int extra) { return i >= 0 && i < int(model.size()) + extra; };

  for (int step = 0; in.More() && step < 4096; ++step) {
    const uint8_t op = in.Byte() % 8;
    if (op == 0) {
      const double x = in.Value();
      const int at = v.AddChartValue(x);
      Check(at >= 0 && at <= int(model.size()));
      id.InsertChartValue(at, nextId);
      model.insert(model.begin() + at, x);
      ids.insert(ids.begin() + at, nextId++);
    } else if (op == 1) {
      const int at = in.Index();
      const double x = in.Value();
      const bool ok = inRange(at, 1);
      Guarded(ok, v, model, [&] { v.InsertChartValue(at, x); });
      if (ok) {
        id.InsertChartValue(at, nextId);
        model.insert(model.begin() + at, x);
        ids.insert(ids.begin() + at, nextId++);
      }
    } else if (op == 2) {
      const int at = in.Index();
      const bool ok = inRange(at, 0);
      Guarded(ok, v, model, [&] { v.Delete(at); });
      if (ok) {
        id.Delete(at);
        model.erase(model.begin() + at);
        ids.erase(ids.begin() + at);
      }
    } else if (op == 3) {
      const int a = in.Index();
      const int b = in.Index();
      const bool ok = inRange(a, 0) && inRange(b, 0);
      Guarded(ok, v, model, [&] { s.SwapValueIndex(a, b); });
      if (ok) {
        std::swap(model[size_t(a)], model[size_t(b)]);
        std::swap(ids[size_t(a)], ids[size_t(b)]);
      }
    } else if (op == 4) {
      v.Sort();
      // Every point kept its value; without NaNs the values are in order.
      std::vector<double> before = ids;
      std::vector<double> after(id.Values().begin(), id.Values().end());
      std::sort(before.begin(), before.end());
      std::sort(after.begin(), after.end());
      Check(before == after);  // no point lost or doubled
      std::vector<size_t> was(static_cast<size_t>(nextId));
      for (size_t i = 0; i < ids.size(); ++i) was[size_t(ids[i])] = i;
      std::vector<double> sorted(model.size());
      bool nan = false;
      for (int i = 0; i < v.Count(); ++i) {
        Check(SameBits(v[i], model[was[size_t(id[i])]]));
        sorted[size_t(i)] = v[i];
        nan = nan || std::isnan(v[i]);
      }
      if (!nan && v.Order() != loNone) {
        for (int i = 1; i < v.Count(); ++i) Check(v.CompareValueIndex(i - 1, i) <= 0);
      }
      if (v.Order() == loNone) {
        Check(std::equal(sorted.begin(), sorted.end(), model.begin(), SameBits));
      }
      model = sorted;
      ids.assign(id.Values().begin(), id.Values().end());
    } else if (op == 5) {
      const int at = in.Index();
      Guarded(inRange(at, 0), v, model,
              [&] { Check(SameBits(v.GetValue(at), model[size_t(at)])); });
    } else if (op == 6) {
      double lo = 0, hi = 0, sum = 0;
      bool any = false;
      for (double x : model) {
        if (std::isnan(x)) continue;
        lo = any ? std::min(lo, x) : x;
        hi = any ? std::max(hi, x) : x;
        any = true;
        sum += x;
      }
      Check(v.Minimum() == lo && v.Maximum() == hi);
      Check(SameBits(v.Sum(), sum) || (std::isnan(v.Sum()) && std::isnan(sum)));
    } else {
      v.SetOrder(static_cast<TChartListOrder>(in.Byte() % 3));
    }
    Check(v.Count() == int(model.size()) && id.Count() == int(ids.size()));
  }
  for (size_t i = 0; i < model.size(); ++i) Check(SameBits(v[int(i)], model[i]));
  return 0;
}
