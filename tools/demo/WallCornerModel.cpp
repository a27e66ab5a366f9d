#include "tools/demo/WallCornerModel.h"

#include <QtGlobal>
#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <stdexcept>
#include <vector>

namespace demo {
namespace {

constexpr double kPi = 3.14159265358979323846;
constexpr double kYearDays = 365.0;
constexpr double kWaterHeatCapacity = 4187.0;     // J/(kg K)
constexpr double kAirVapourPermeability = 2e-10;  // kg/(m s Pa)

// Field kinds written (numbers of the result format).
constexpr int kWater = 0, kHumidity = 1, kTemperature = 2, kVapourPressure = 3, kDiffusion = 5,
              kHeat = 6;

struct MaterialData {
  const char* name;
  double density;       // kg/m³
  double heatCapacity;  // J/(kg K)
  double conductivity;  // W/(m K), dry
  double mu;            // vapour diffusion resistance factor
  double porosity;      // m³/m³
  double freeWater;     // kg/m³, water content at saturation (wf)
  double w80;           // kg/m³ at 80 % relative humidity
  // Sorption isotherm w(φ) = wf (b - 1) φ / (b - φ), b fitted to w(0.8) = w80.
  double b() const { return 0.8 * (freeWater - w80) / (0.8 * freeWater - w80); }
  double waterContent(double phi) const {
    const double bb = b();
    return freeWater * (bb - 1.0) * phi / (bb - phi);
  }
  double humidity(double w) const {
    const double bb = b();
    return bb * w / (freeWater * (bb - 1.0) + w);
  }
  double storageSlope(double phi) const {  // dw/dφ
    const double bb = b();
    return freeWater * (bb - 1.0) * bb / ((bb - phi) * (bb - phi));
  }
  // Moist materials conduct better: +0.6 mW/(m K) per kg/m³ of water.
  double conductivityAt(double w) const { return conductivity + 0.0006 * w; }
  double permeability() const { return kAirVapourPermeability / mu; }
};

// Cell material numbers in the file are 1-based.
const std::array<MaterialData, 3> kMaterials = {{
    {"Wood fibre insulation", 150, 2000, 0.042, 3, 0.90, 350, 10},
    {"Solid brick", 1900, 850, 0.60, 10, 0.24, 190, 1.8},
    {"Lime plaster", 1600, 1000, 0.70, 7, 0.30, 280, 25},
}};

constexpr double kInsulation = 0.08, kWallThickness = 0.39, kPlaster = 0.03;  // m
constexpr double kHeatOut = 17.0, kHeatIn = 8.0;           // surface heat transfer, W/(m² K)
constexpr double kVapourOut = 7.5e-8, kVapourIn = 2.5e-8;  // kg/(m² s Pa)

// Saturation vapour pressure over water (above 0 °C) or ice, Pa.
double SaturationPressure(double t) {
  return t >= 0 ? 610.5 * std::exp(17.269 * t / (237.3 + t))
                : 610.5 * std::exp(21.875 * t / (265.5 + t));
}

struct Climate {
  double tOut, phiOut, tIn, phiIn;
};

// `days` since the start (1 October): a seasonal cycle coldest in mid
// January, a daily cycle warmest at 15:00, and a few slow "weather" waves.
Climate ClimateAt(double days) {
  const double dayOfYear = 274.0 + days;
  const double season = std::cos(2 * kPi * (dayOfYear - 15.0) / kYearDays);  // +1 mid January
  const double hour = (days - std::floor(days)) * 24.0;
  const double daily = std::cos(2 * kPi * (hour - 3.0) / 24.0);  // +1 at 03:00
  const double weather =
      std::sin(2 * kPi * days / 5.3) + 0.6 * std::sin(2 * kPi * days / 11.7 + 1.3);
  Climate c;
  c.tOut = 9.5 - 9.5 * season - 4.0 * daily + 3.0 * weather;
  c.phiOut = std::clamp(0.78 + 0.10 * season + 0.12 * daily - 0.05 * weather, 0.35, 0.98);
  c.tIn = 20.0 + 1.25 * (1.0 - season);
  c.phiIn = 0.45 - 0.12 * season;
  return c;
}

class Model {
 public:
  Model() {
    // Cells of 40 mm through insulation and brick, one 30 mm plaster cell,
    // then 80 mm cells along the legs of the L (and over the room). The
    // explicit step scales with the smallest cell, so the cells are no finer
    // than the picture needs.
    auto lines = [] {
      std::vector<float> v;
      for (int i = 0; i <= 9; ++i) v.push_back(0.04F * static_cast<float>(i));
      v.push_back(static_cast<float>(kWallThickness));
      for (int i = 1; i <= 5; ++i)
        v.push_back(static_cast<float>(kWallThickness) + 0.08F * static_cast<float>(i));
      return v;
    };
    x_ = lines();
    y_ = lines();
    nx_ = static_cast<int>(x_.size());
    ny_ = static_cast<int>(y_.size());
    const std::size_t n = static_cast<std::size_t>(nx_ * ny_);
    material_.assign(n, 0);
    t_.assign(n, 0);
    w_.assign(n, 0);
    for (int i = 1; i < nx_; ++i) {
      for (int j = 1; j < ny_; ++j) {
        const double xc = 0.5 * (x_[i - 1] + x_[i]), yc = 0.5 * (y_[j - 1] + y_[j]);
        const double depth = std::min(xc, yc);  // distance from the outside surface
        if (depth >= kWallThickness) continue;  // the room
        const int m = depth < kInsulation ? 1 : depth < kWallThickness - kPlaster ? 2 : 3;
        const std::size_t k = Index(i, j);
        material_[k] = static_cast<std::int16_t>(m);
        t_[k] = 15.0;
        w_[k] = Mat(k).waterContent(0.6);
      }
    }
  }

  int nx() const { return nx_; }
  int ny() const { return ny_; }
  const std::vector<float>& x() const { return x_; }
  const std::vector<float>& y() const { return y_; }
  const std::vector<std::int16_t>& materials() const { return material_; }

  // The largest stable time step of the explicit scheme, with margin.
  double StableStep() const {
    double dt = 1e9;
    for (int i = 1; i < nx_; ++i) {
      for (int j = 1; j < ny_; ++j) {
        const std::size_t k = Index(i, j);
        if (!material_[k]) continue;
        const MaterialData& m = Mat(k);
        const double wMax = m.waterContent(0.99);
        const double lambda = m.conductivityAt(wMax);
        const double dx = x_[i] - x_[i - 1], dy = y_[j] - y_[j - 1];
        // Upper bounds of the summed conductances: full cell-to-cell terms.
        const double gHeat = 2 * (dy / (dx / lambda) + dx / (dy / lambda));
        const double gVap = 2 * (dy / (dx / m.permeability()) + dx / (dy / m.permeability()));
        const double heat = m.density * m.heatCapacity * dx * dy / gHeat;
        const double vap = m.storageSlope(0.0) / SaturationPressure(45.0) * dx * dy / gVap;
        dt = std::min({dt, heat, vap});
      }
    }
    return 0.8 * dt;
  }

  void Advance(double dt, double days) {
    const Climate c = ClimateAt(days);
    const double pOut = c.phiOut * SaturationPressure(c.tOut);
    const double pIn = c.phiIn * SaturationPressure(c.tIn);
    const std::size_t n = t_.size();
    std::vector<double> pv(n, 0), lambda(n, 0);
    for (std::size_t k = 0; k < n; ++k) {
      if (!material_[k]) continue;
      const MaterialData& m = Mat(k);
      pv[k] = m.humidity(w_[k]) * SaturationPressure(t_[k]);
      lambda[k] = m.conductivityAt(w_[k]);
    }
    std::vector<double> dT(n, 0), dW(n, 0);
    qx_.assign(n, 0);
    qy_.assign(n, 0);
    gx_.assign(n, 0);
    gy_.assign(n, 0);
    for (int i = 1; i < nx_; ++i) {
      for (int j = 1; j < ny_; ++j) {
        const std::size_t k = Index(i, j);
        if (!material_[k]) continue;
        const MaterialData& m = Mat(k);
        const double dx = x_[i] - x_[i - 1], dy = y_[j] - y_[j - 1];
        // Heat and vapour gained through each face; face flow in +x or +y
        // direction (per metre of face) goes into the cell's flux vector.
        double heat = 0, vapour = 0;
        auto face = [&](int ni, int nj, double half, double faceLength, double sign, bool alongX) {
          double hq = 0, vq = 0;  // flow into this cell, W and kg/s per metre depth
          const bool outside = ni == 0 || nj == 0;
          const bool cut = ni >= nx_ || nj >= ny_;
          if (cut) return;  // the section ends: no flow
          if (outside) {
            hq = faceLength * (c.tOut - t_[k]) / (1 / kHeatOut + half / lambda[k]);
            vq = faceLength * (pOut - pv[k]) / (1 / kVapourOut + half / m.permeability());
          } else {
            const std::size_t o = Index(ni, nj);
            if (!material_[o]) {  // the room
              hq = faceLength * (c.tIn - t_[k]) / (1 / kHeatIn + half / lambda[k]);
              vq = faceLength * (pIn - pv[k]) / (1 / kVapourIn + half / m.permeability());
            } else {
              const MaterialData& mo = Mat(o);
              const double otherHalf =
                  alongX ? 0.5 * (x_[ni] - x_[ni - 1]) : 0.5 * (y_[nj] - y_[nj - 1]);
              hq = faceLength * (t_[o] - t_[k]) / (half / lambda[k] + otherHalf / lambda[o]);
              vq = faceLength * (pv[o] - pv[k]) /
                   (half / m.permeability() + otherHalf / mo.permeability());
            }
          }
          heat += hq;
          vapour += vq;
          // A flow into the cell through its low face runs in + direction.
          (alongX ? qx_[k] : qy_[k]) += 0.5 * sign * hq / faceLength;
          (alongX ? gx_[k] : gy_[k]) += 0.5 * sign * vq / faceLength;
        };
        face(i - 1, j, 0.5 * dx, dy, +1, true);
        face(i + 1, j, 0.5 * dx, dy, -1, true);
        face(i, j - 1, 0.5 * dy, dx, +1, false);
        face(i, j + 1, 0.5 * dy, dx, -1, false);
        const double volume = dx * dy;
        const double capacity = m.density * m.heatCapacity + w_[k] * kWaterHeatCapacity;
        dT[k] = dt * heat / (capacity * volume);
        dW[k] = dt * vapour / volume;
      }
    }
    for (std::size_t k = 0; k < n; ++k) {
      if (!material_[k]) continue;
      const MaterialData& m = Mat(k);
      t_[k] += dT[k];
      // No liquid water in this model: humidity stays below saturation.
      w_[k] = std::clamp(w_[k] + dW[k], m.waterContent(0.01), m.waterContent(0.99));
    }
  }

  void Store(resultwriter::Step& step, double seconds) const {
    step.time = seconds;
    const std::size_t n = t_.size();
    for (int kind : {kWater, kHumidity, kTemperature, kVapourPressure, kDiffusion, kHeat})
      step.values[static_cast<std::size_t>(kind)].assign(n, 0.0F);
    for (int kind : {kDiffusion, kHeat})
      step.directions[static_cast<std::size_t>(kind)].assign(n, 0.0F);
    for (std::size_t k = 0; k < n; ++k) {
      if (!material_[k]) continue;
      const MaterialData& m = Mat(k);
      const double phi = m.humidity(w_[k]);
      step.values[kWater][k] = static_cast<float>(w_[k]);
      step.values[kHumidity][k] = static_cast<float>(phi);
      step.values[kTemperature][k] = static_cast<float>(t_[k]);
      step.values[kVapourPressure][k] = static_cast<float>(phi * SaturationPressure(t_[k]));
      step.values[kHeat][k] = static_cast<float>(std::hypot(qx_[k], qy_[k]));
      step.directions[kHeat][k] = static_cast<float>(std::atan2(qy_[k], qx_[k]) * 180.0 / kPi);
      step.values[kDiffusion][k] = static_cast<float>(std::hypot(gx_[k], gy_[k]));
      step.directions[kDiffusion][k] = static_cast<float>(std::atan2(gy_[k], gx_[k]) * 180.0 / kPi);
    }
  }

 private:
  std::size_t Index(int i, int j) const { return static_cast<std::size_t>(i * ny_ + j); }
  const MaterialData& Mat(std::size_t k) const {
    return kMaterials[static_cast<std::size_t>(material_[k] - 1)];
  }

  int nx_ = 0, ny_ = 0;
  std::vector<float> x_, y_;
  std::vector<std::int16_t> material_;
  std::vector<double> t_, w_;              // °C, kg/m³ per cell
  std::vector<double> qx_, qy_, gx_, gy_;  // heat (W/m²) and vapour (kg/(m² s)) flux
};

resultwriter::Material MaterialRecord(const MaterialData& m) {
  resultwriter::Material r;
  r.name = m.name;
  r.values[0] = static_cast<float>(m.density);
  r.values[2] = static_cast<float>(m.heatCapacity);
  r.values[6] = static_cast<float>(m.porosity);
  r.values[7] = static_cast<float>(m.freeWater);
  // Conductivity and resistance factor over water content: dry and at 99 %.
  const double wet = m.waterContent(0.99);
  for (int c : {0, 1})
    r.curves[static_cast<std::size_t>(c)] = {0.0F, static_cast<float>(m.conductivity),
                                             static_cast<float>(wet),
                                             static_cast<float>(m.conductivityAt(wet))};
  for (int c : {2, 3})
    r.curves[static_cast<std::size_t>(c)] = {0.0F, static_cast<float>(m.mu),
                                             static_cast<float>(wet), static_cast<float>(m.mu)};
  for (double phi : {0.0, 0.3, 0.5, 0.65, 0.8, 0.9, 0.95, 0.99, 1.0}) {
    r.curves[4].push_back(static_cast<float>(phi));
    r.curves[4].push_back(static_cast<float>(phi < 1.0 ? m.waterContent(phi) : m.freeWater));
    r.curves[4].push_back(0.0F);
  }
  return r;
}

}  // namespace

resultwriter::ResultFileSpec SimulateWallCorner(const WallCornerOptions& options) {
  if (options.days < 1 || options.stepHours <= 0)
    throw std::invalid_argument("the demo needs at least one day and a positive step");
  Model model;
  resultwriter::ResultFileSpec spec;
  spec.version = 3;
  spec.startDate = options.startDate;
  spec.setKinds({kWater, kHumidity, kTemperature, kVapourPressure, kDiffusion, kHeat});
  spec.x = model.x();
  spec.y = model.y();
  spec.cellMaterials = model.materials();
  for (const MaterialData& m : kMaterials) spec.materials.push_back(MaterialRecord(m));

  const double interval = options.stepHours * 3600.0;
  const int stored = static_cast<int>(std::lround(options.days * 24.0 / options.stepHours));
  const int substeps = static_cast<int>(std::ceil(interval / model.StableStep()));
  const double dt = interval / substeps;
  if (qEnvironmentVariableIsSet("VELTRANO_DEMO_DEBUG"))
    std::fprintf(stderr, "dt %g substeps %d\n", dt, substeps);

  // Step 0 is the initial state, with the fluxes of the first moment.
  model.Advance(0.0, 0.0);
  spec.steps.resize(static_cast<std::size_t>(stored) + 1);
  model.Store(spec.steps[0], 0.0);
  double seconds = 0;
  for (int s = 1; s <= stored; ++s) {
    for (int k = 0; k < substeps; ++k) {
      model.Advance(dt, seconds / 86400.0);
      seconds += dt;
    }
    seconds = s * interval;  // no drift from summing dt
    model.Store(spec.steps[static_cast<std::size_t>(s)], seconds);
  }

  // Value ranges over every stored step, active cells only.
  resultwriter::Ranges ranges{};
  for (int kind = 0; kind < 8; ++kind) {
    bool any = false;
    float lo = 0, hi = 0;
    for (const resultwriter::Step& st : spec.steps) {
      const auto& v = st.values[static_cast<std::size_t>(kind)];
      for (std::size_t k = 0; k < v.size(); ++k) {
        if (!spec.cellMaterials[k]) continue;
        if (!any) lo = hi = v[k];
        lo = std::min(lo, v[k]);
        hi = std::max(hi, v[k]);
        any = true;
      }
    }
    ranges[static_cast<std::size_t>(kind)] = {lo, hi};
  }
  spec.ranges = ranges;
  return spec;
}

}  // namespace demo
