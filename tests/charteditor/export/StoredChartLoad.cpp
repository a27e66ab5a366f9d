#include "StoredChartLoad.h"

#include "base/Cp1252.h"
#include "chart/core/ChartClassRegistry.h"
#include "chart/core/PublishedProperties.h"
#include "chart/model/TChart.h"
#include "chart/model/TChartCustomAxes.h"
#include "chart/model/TChartTool.h"

#include <QMetaEnum>

#include <stdexcept>

using namespace storedchart;

namespace {

struct LoadError : std::runtime_error {
  using std::runtime_error::runtime_error;
};

[[noreturn]] void Fail(const QString& text) {
  throw LoadError(text.toStdString());
}

void Apply(QObject& object, const Record& record);

void ApplyValue(QObject& object, const Property& stored) {
  const QMetaObject* mo = object.metaObject();
  const int index = mo->indexOfProperty(stored.name.toLatin1().constData());
  if (index < 0) {
    auto* persistent = qobject_cast<TPlotPersistent*>(&object);
    if (stored.name == QLatin1String("FurtherValueLists")) return;  // the record's own
    if (!persistent || !persistent->ReadExtraStored(stored.name, stored.value))
      Fail(QStringLiteral("%1 has no %2").arg(QString::fromLatin1(mo->className()), stored.name));
    return;
  }
  const QMetaProperty p = mo->property(index);
  if (stored.tag == Object) {
    QObject* nested = p.read(&object).value<QObject*>();
    if (!nested) Fail(QStringLiteral("no object under %1").arg(stored.name));
    Apply(*nested, *stored.object);
    return;
  }
  if (stored.tag == Collection) {
    auto* axes = qobject_cast<TChartCustomAxes*>(p.read(&object).value<QObject*>());
    if (!axes) Fail(QStringLiteral("no collection under %1").arg(stored.name));
    axes->Clear();
    for (const Record& item : stored.items) Apply(*axes->Add(), item);
    return;
  }
  QVariant value = stored.value;
  if (stored.tag == Identifier && p.isEnumType()) {
    bool ok = false;
    const QByteArray keys = value.toString().toLatin1();
    const int v = keys.isEmpty() ? 0 : p.enumerator().keysToValue(keys.constData(), &ok);
    if (!keys.isEmpty() && !ok)
      Fail(QStringLiteral("%1: unknown %2").arg(stored.name, value.toString()));
    value = v;
  }
  if (!value.convert(p.metaType()) && !p.isEnumType())
    Fail(QStringLiteral("%1 cannot take %2")
             .arg(stored.name, QString::fromLatin1(stored.value.typeName())));
  if (!p.write(&object, value)) Fail(QStringLiteral("%1 refused its value").arg(stored.name));
}

void Apply(QObject& object, const Record& record) {
  if (record.className != QLatin1String(object.metaObject()->className()))
    Fail(QStringLiteral("%1 stored as %2")
             .arg(QString::fromLatin1(object.metaObject()->className()), record.className));
  for (const Property& p : record.properties) ApplyValue(object, p);
}

// Whether the stored positions already follow `order`. Files written while
// horizontal series kept their points as added hold them out of order: the
// series then puts each point in its place.
bool InOrder(const Block& block, TChartListOrder order) {
  for (std::size_t i = 1; i < block.points.size(); ++i) {
    const double a = block.points[i - 1].x, b = block.points[i].x;
    if ((order == loAscending && b < a) || (order == loDescending && b > a)) return false;
  }
  return true;
}

void Points(TChartSeries& series, const Block& block, int further) {
  const bool horizontal = series.MandatoryValueList() == series.XValues();
  const bool inPlace = InOrder(block, series.NotMandatoryValueList()->Order());
  series.BeginUpdate();
  series.ClearValues();
  for (std::size_t i = 0; i < block.points.size(); ++i) {
    const Point& p = block.points[i];
    for (int f = 0; f < further; ++f)
      series.ValuesList()[2 + f].SetTempValue(p.further[static_cast<std::size_t>(f)]);
    const int at = horizontal ? series.AddPointXY(p.y, p.x) : series.AddPointXY(p.x, p.y);
    if (at < 0 || (inPlace && at != static_cast<int>(i)))
      Fail(QStringLiteral("point %1 landed at %2").arg(i).arg(at));
    if (block.flags & 2) series.SetPointColor(at, p.color);
    if (block.flags & 4) series.SetXLabel(at, base::FromCp1252(p.label));
    if (p.position) {
      const auto& f = *p.position;
      TSeriesMarkPosition pos;
      pos.ArrowStart = QPoint(f[0], f[1]);
      pos.KeepArrowStart = f[2] != 0;
      pos.ArrowEnd = QPoint(f[3], f[4]);
      pos.BoxHeight = f[6];
      pos.BoxTopLeft = QPoint(f[7], f[8]);
      pos.BoxWidth = f[9];
      series.Marks()->Positions().Automatic(at, pos);
      TSeriesMarkPosition* kept = series.Marks()->Positions().GetPosition(at);
      kept->MovedByHand = f[5] != 0;
    }
  }
  series.EndUpdate();
}

}  // namespace

std::unique_ptr<TCustomAxisPanel> LoadStoredChart(const ChartFile& file, QString* error) {
  try {
    std::unique_ptr<TCustomAxisPanel> chart;
    if (TPlotPersistent* made = ChartClasses().Create(file.root.className)) {
      chart.reset(qobject_cast<TCustomAxisPanel*>(made));
      if (!chart) {
        delete made;
        Fail(QStringLiteral("%1 is no chart").arg(file.root.className));
      }
    } else if (file.root.className == QLatin1String("TChart")) {
      chart = std::make_unique<TChart>();
    } else {
      Fail(QStringLiteral("unknown chart class %1").arg(file.root.className));
    }
    Apply(*chart, file.root);
    std::vector<std::pair<TChartSeries*, const Record*>> series;
    std::vector<std::pair<std::unique_ptr<TChartTool>, const Record*>> tools;
    for (const Record& child : file.root.children) {
      TPlotPersistent* made = ChartClasses().Create(child.className, chart.get());
      if (!made) Fail(QStringLiteral("unknown class %1").arg(child.className));
      made->setObjectName(child.name);
      if (auto* s = qobject_cast<TChartSeries*>(made)) {
        series.emplace_back(s, &child);
        continue;
      }
      auto* tool = qobject_cast<TChartTool*>(made);
      if (!tool) Fail(QStringLiteral("%1 is neither series nor tool").arg(child.className));
      tool->setParent(nullptr);
      tools.emplace_back(tool, &child);
    }
    // In the documented order: series, then tools.
    for (auto& [s, record] : series) {
      chart->AddSeries(s);
      Apply(*s, *record);
      for (const Record& f : record->children) {
        auto* function = qobject_cast<TPlotFunction*>(ChartClasses().Create(f.className, s));
        if (!function) Fail(QStringLiteral("unknown function %1").arg(f.className));
        function->setObjectName(f.name);
        Apply(*function, f);
        s->SetFunction(function);
      }
    }
    for (auto& [tool, record] : tools) {
      Apply(*tool, *record);
      chart->Tools().Add(std::move(tool));
    }
    for (auto& [s, record] : series) s->Loaded();
    if (file.hasData) {
      for (std::size_t i = 0; i < series.size(); ++i)
        Points(*series[i].first, file.blocks[i], series[i].second->FurtherValueLists());
    }
    return chart;
  } catch (const std::exception& e) {
    if (error) *error = QString::fromStdString(e.what());
    return nullptr;
  }
}

QStringList StoredDifferences(const QObject& saved, const QObject& loaded, const QString& path) {
  QStringList out;
  for (const PublishedProperty& p : PublishedProperties(saved)) {
    if (!p.meta.isStored()) continue;
    const QString name = path + p.name;
    if (p.nested) {
      const QObject* x = PublishedObject(saved, p);
      const QObject* y = PublishedObject(loaded, p);
      if (x && y) {
        out << StoredDifferences(*x, *y, name + QLatin1Char('.'));
      } else if (x != y) {
        out << name;
      }
    } else if (!SamePublishedValue(PublishedValue(saved, p), PublishedValue(loaded, p))) {
      out << name + QLatin1Char('=') + PublishedValue(saved, p).toString() + QLatin1Char('/') +
                 PublishedValue(loaded, p).toString();
    }
  }
  return out;
}
