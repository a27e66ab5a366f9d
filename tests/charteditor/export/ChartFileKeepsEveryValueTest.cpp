// Every value a chart holds survives a save and a read-back: each writable
// published value of every registered series, function and tool and of the
// chart's own parts, set on its own to a value the object is not built
// with, comes back from the file through the test reader and loader.
#include "StorageFixture.h"
#include "StoredChartLoad.h"
#include "base/Exceptions.h"
#include "chart/core/ChartClassRegistry.h"
#include "chart/core/PublishedProperties.h"
#include "chart/model/TChartAxis.h"
#include "chart/model/TChartCustomAxes.h"
#include "charteditor/export/ChartFile.h"
#include "tests/support/ChartFileReader.h"

#include <QMap>
#include <QMetaEnum>
#include <QSet>

#include <functional>
#include <iostream>

namespace {

using Path = QList<QByteArray>;

QByteArray Save(const TCustomAxisPanel& chart) {
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  SaveChartToStream(chart, buffer, true);
  return bytes;
}

std::unique_ptr<TCustomAxisPanel> Reload(const TCustomAxisPanel& chart, QString* error) {
  const auto file = storedchart::Read(Save(chart), error);
  return file ? LoadStoredChart(*file, error) : nullptr;
}

QObject* Resolve(QObject* root, const Path& path) {
  QObject* at = root;
  for (qsizetype i = 0; at && i + 1 < path.size(); ++i)
    at = at->property(path[i].constData()).value<QObject*>();
  return at;
}

// The writable plain values under `object`, nested objects walked into
// (collections are items of their own, kept by other tests).
void Paths(const QObject& object, const Path& prefix, QSet<const QObject*>& seen,
           QList<Path>& out) {
  if (seen.contains(&object)) return;
  seen.insert(&object);
  for (const PublishedProperty& p : PublishedProperties(object)) {
    if (!p.meta.isStored()) continue;
    const Path path = Path(prefix) << QByteArray(p.meta.name());
    if (p.nested) {
      if (p.kind == PublishedKind::Collection) continue;
      if (const QObject* nested = PublishedObject(object, p)) Paths(*nested, path, seen, out);
    } else if (p.meta.isWritable()) {
      out << path;
    }
  }
}

QList<QVariant> Candidates(const PublishedProperty& p, const QVariant& now) {
  QList<QVariant> list;
  // First what the property declares: where the object is built with
  // another value, that is the value a careless writer leaves out.
  if (p.defaultSource == DefaultSource::Declared && p.defaultValue.isValid())
    list << p.defaultValue;
  if (p.kind == PublishedKind::Color) return list << 0x00123456u << 0x00654321u;
  if (p.meta.isEnumType()) {
    const QMetaEnum e = p.meta.enumerator();
    for (int k = 0; k < e.keyCount(); ++k)
      list << (e.isFlag() ? (now.toInt() ^ e.value(k)) : e.value(k));
    return list;
  }
  switch (now.metaType().id()) {
    case QMetaType::Bool:
      return list << !now.toBool();
    case QMetaType::Double:
    case QMetaType::Float:
      return list << now.toDouble() + 1.5 << now.toDouble() - 0.75 << 0.5;
    case QMetaType::QString:
      return list << now.toString() + QStringLiteral("#0.0") << QStringLiteral("x");
    case QMetaType::QStringList:
      return list << (now.toStringList() << QStringLiteral("one more line"));
    default:
      return list << now.toLongLong() + 1 << now.toLongLong() - 1 << now.toLongLong() + 10;
  }
}

// Sets the value at `path` of `root` to the first candidate it takes that
// differs from what it holds; false when it takes none.
bool ChangeValue(QObject* root, const Path& path) {
  QObject* object = Resolve(root, path);
  if (!object) return false;
  for (const PublishedProperty& p : PublishedProperties(*object)) {
    if (p.meta.name() != path.last()) continue;
    const QVariant before = PublishedValue(*object, p);
    for (QVariant value : Candidates(p, before)) {
      if (SamePublishedValue(value, before)) continue;
      if (!value.convert(p.meta.metaType()) && !p.meta.isEnumType()) continue;
      try {
        p.meta.write(object, value);
      } catch (const base::Exception&) {
        continue;
      }
      if (!SamePublishedValue(PublishedValue(*object, p), before)) return true;
    }
    return false;
  }
  return false;
}

QString Name(const QString& owner, const Path& path) {
  QStringList parts{owner};
  for (const QByteArray& part : path) parts << QString::fromLatin1(part);
  return parts.join(QLatin1Char('.'));
}

// A fresh chart holding the object to change; the object itself is the
// root the paths start from.
struct Subject {
  QString owner;
  std::function<QObject*(TChart&)> build;
  std::function<const QObject*(const TCustomAxisPanel&)> find;
};

class ChartFileKeepsEveryValue : public StorageTest {
 protected:
  // Changes every value of one object of `subject` at a time (its own,
  // or a nested one's) and round trips it; answers how many values were
  // changed. One object at a time keeps a setter's effect on a sibling
  // value in the test, as a user's edits have it.
  int RoundTripEach(const Subject& subject, QStringList& lost) {
    QList<Path> paths;
    {
      TChart probe;
      QSet<const QObject*> seen;
      Paths(*subject.build(probe), {}, seen, paths);
    }
    QMap<Path, QList<Path>> byObject;
    for (const Path& path : paths) byObject[path.first(path.size() - 1)] << path;
    int tried = 0;
    for (const QList<Path>& group : byObject) {
      TChart saved;
      QObject* root = subject.build(saved);
      QStringList changed;
      for (const Path& path : group)
        if (ChangeValue(root, path)) changed << Name(subject.owner, path);
      if (changed.isEmpty()) continue;
      tried += static_cast<int>(changed.size());
      QString error;
      const auto loaded = Reload(saved, &error);
      const QObject* back = loaded ? subject.find(*loaded) : nullptr;
      if (!back) {
        lost << changed.join(QLatin1Char(' ')) + QStringLiteral(": ") + error;
      } else if (!SamePublished(*root, *back)) {
        lost << subject.owner + QStringLiteral(": ") +
                    StoredDifferences(*root, *back).join(QStringLiteral(", "));
      }
    }
    return tried;
  }
};

TEST_F(ChartFileKeepsEveryValue, EverySeriesValueComesBack) {
  QStringList lost;
  int tried = 0;
  for (const ChartClassEntry* entry : ChartClasses().Entries(ChartClassKind::Series)) {
    const Subject subject{entry->name,
                          [entry](TChart& chart) -> QObject* {
                            auto* s = qobject_cast<TChartSeries*>(entry->create(&chart));
                            s->setObjectName(QStringLiteral("Series1"));
                            chart.AddSeries(s);
                            return s;
                          },
                          [](const TCustomAxisPanel& chart) -> const QObject* {
                            return chart.SeriesCount() == 1 ? chart.GetSeries(0) : nullptr;
                          }};
    tried += RoundTripEach(subject, lost);
  }
  std::cout << tried << " series values stored and read back\n";
  EXPECT_GT(tried, 500);
  EXPECT_TRUE(lost.isEmpty()) << lost.join(QLatin1Char('\n')).toStdString();
}

TEST_F(ChartFileKeepsEveryValue, EveryChartFunctionAndToolValueComesBack) {
  QStringList lost;
  int tried = RoundTripEach({QStringLiteral("TChart"), [](TChart& chart) { return &chart; },
                             [](const TCustomAxisPanel& chart) { return &chart; }},
                            lost);
  // A custom axis is an item of the chart's collection, built by adding it.
  tried += RoundTripEach({QStringLiteral("CustomAxes[0]"),
                          [](TChart& chart) -> QObject* { return chart.CustomAxes()->Add(); },
                          [](const TCustomAxisPanel& chart) -> const QObject* {
                            return chart.CustomAxes()->Count() == 1 ? chart.CustomAxes()->Get(0)
                                                                    : nullptr;
                          }},
                         lost);
  for (const ChartClassEntry* entry : ChartClasses().Entries(ChartClassKind::Function)) {
    const Subject subject{entry->name,
                          [entry](TChart& chart) -> QObject* {
                            auto* s = new TStoreLineSeries(&chart);
                            s->setObjectName(QStringLiteral("Calculated"));
                            chart.AddSeries(s);
                            auto* f = qobject_cast<TPlotFunction*>(entry->create(s));
                            s->SetFunction(f);
                            return f;
                          },
                          [](const TCustomAxisPanel& chart) -> const QObject* {
                            return chart.SeriesCount() == 1 ? chart.GetSeries(0)->Function()
                                                            : nullptr;
                          }};
    tried += RoundTripEach(subject, lost);
  }
  for (const ChartClassEntry* entry : ChartClasses().Entries(ChartClassKind::Tool)) {
    const Subject subject{entry->name,
                          [entry](TChart& chart) -> QObject* {
                            auto* tool = qobject_cast<TChartTool*>(entry->create(nullptr));
                            chart.Tools().Add(std::unique_ptr<TChartTool>(tool));
                            return tool;
                          },
                          [](const TCustomAxisPanel& chart) -> const QObject* {
                            return chart.Tools().Count() == 1 ? chart.Tools().Get(0) : nullptr;
                          }};
    tried += RoundTripEach(subject, lost);
  }
  std::cout << tried << " chart, function and tool values stored and read back\n";
  EXPECT_GT(tried, 200);
  EXPECT_TRUE(lost.isEmpty()) << lost.join(QLatin1Char('\n')).toStdString();
}

TEST_F(ChartFileKeepsEveryValue, ASeriesStaysOnItsCustomAxes) {
  chart.CustomAxes()->Add();
  TChartAxis* second = chart.CustomAxes()->Add();
  TChartAxis* third = chart.CustomAxes()->Add();
  second->SetHorizontal(true);
  auto* plain = Add<TStoreLineSeries>();
  auto* custom = Add<TStoreLineSeries>();
  custom->SetCustomHorizAxis(second);
  custom->SetCustomVertAxis(third);
  QString error;
  const auto loaded = Reload(chart, &error);
  ASSERT_TRUE(loaded) << error.toStdString();
  const TChartSeries* back = loaded->GetSeries(1);
  EXPECT_EQ(back->CustomHorizAxis(), loaded->CustomAxes()->Get(1));
  EXPECT_EQ(back->CustomVertAxis(), loaded->CustomAxes()->Get(2));
  EXPECT_EQ(back->GetVertAxis(), loaded->CustomAxes()->Get(2));
  EXPECT_EQ(loaded->GetSeries(0)->CustomVertAxis(), nullptr);
  EXPECT_EQ(plain->CustomVertAxis(), nullptr);
}

TEST_F(ChartFileKeepsEveryValue, StoredPlacesOfNoAxisAreIgnored) {
  // Files are untrusted: a place the chart has no custom axis for, or no
  // whole number, leaves the series on its standard axis.
  chart.CustomAxes()->Add();
  auto* s = Add<TStoreLineSeries>();
  for (const QVariant& place : {QVariant(5), QVariant(-1), QVariant(0.5), QVariant("x")}) {
    s->SetCustomVertAxis(nullptr);
    s->ReadExtraStored(QStringLiteral("CustomVertAxis"), place);
    EXPECT_EQ(s->CustomVertAxis(), nullptr) << place.toString().toStdString();
  }
  s->ReadExtraStored(QStringLiteral("CustomVertAxis"), QVariant(qlonglong(0)));
  EXPECT_EQ(s->CustomVertAxis(), chart.CustomAxes()->Get(0));
}

}  // namespace
