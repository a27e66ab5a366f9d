#include "charteditor/export/ComponentStreamWriter.h"

#include "chart/core/ChartClassRegistry.h"
#include "chart/core/ChartExceptions.h"
#include "chart/core/PublishedProperties.h"
#include "chart/core/TPlotPersistent.h"
#include "chart/model/TChart.h"
#include "chart/model/TChartCustomAxes.h"
#include "chart/model/TChartTool.h"
#include "chart/model/TCustomAxisPanel.h"
#include "chart/model/TPlotFunction.h"
#include "charteditor/export/ChartFileSeries.h"
#include "charteditor/export/LittleEndianBuffer.h"

#include <QBuffer>
#include <QImage>
#include <QMetaEnum>

#include <bit>
#include <functional>
#include <memory>

using namespace chartfile;

namespace {

class RecordWriter {
 public:
  QByteArray Bytes() const { return out_.toByteArray(); }
  LittleEndianBuffer& Out() { return out_; }

  void String(const QString& text) { Bytes(text.toUtf8()); }
  void Bytes(const QByteArray& bytes) {
    out_.u32(static_cast<std::uint32_t>(bytes.size()));
    out_.raw(bytes.constData(), static_cast<std::size_t>(bytes.size()));
  }
  void I64(qint64 v) {
    out_.u32(static_cast<std::uint32_t>(static_cast<quint64>(v)));
    out_.u32(static_cast<std::uint32_t>(static_cast<quint64>(v) >> 32));
  }
  void F64(double v) { I64(std::bit_cast<qint64>(v)); }

  // Opens a length-prefixed span and answers where its length goes.
  std::size_t Open() {
    const std::size_t at = out_.size();
    out_.u32(0);
    return at;
  }
  void Close(std::size_t at) { out_.patch32(at, static_cast<std::uint32_t>(out_.size() - at - 4)); }

  using Children = std::function<int()>;  // writes child records, answers their count

  // `reference` is the object as a reader has it when it comes to this
  // record: newly built by the same owner, with the values stored before
  // applied. Null: only the declared defaults are known.
  void Object(const QObject& object, const QString& name, QObject* reference,
              const Children& children = {}, int furtherLists = -1) {
    const std::size_t at = Open();
    String(QString::fromLatin1(object.metaObject()->className()));
    String(name);
    const std::size_t countAt = out_.size();
    out_.u32(0);
    std::uint32_t count = Properties(object, reference);
    if (furtherLists >= 0) {
      Property(QString::fromLatin1(kFurtherValueLists), tagInteger, [&] { I64(furtherLists); });
      ++count;
    }
    out_.patch32(countAt, count);
    const std::size_t childAt = out_.size();
    out_.u32(0);
    if (children) out_.patch32(childAt, static_cast<std::uint32_t>(children()));
    Close(at);
  }

 private:
  template <class F>
  void Property(const QString& name, Tag tag, F&& value) {
    String(name);
    out_.u8(tag);
    const std::size_t at = Open();
    value();
    Close(at);
  }

  std::uint32_t Properties(const QObject& object, QObject* reference) {
    std::uint32_t count = 0;
    for (const PublishedProperty& p : PublishedProperties(object)) {
      if (!p.meta.isStored()) continue;  // follows from stored ones
      if (p.nested) {
        const QObject* nested = PublishedObject(object, p);
        if (!nested) continue;
        QObject* nestedReference = reference ? PublishedObject(*reference, p) : nullptr;
        if (p.kind == PublishedKind::Collection) {
          Property(p.name, tagCollection, [&] { Items(*nested, nestedReference); });
        } else {
          Property(p.name, tagObject, [&] { Object(*nested, QString(), nestedReference); });
        }
        ++count;
        continue;
      }
      const QVariant value = PublishedValue(object, p);
      if (reference) {
        // The built value can differ from the declared one (a title's font
        // colour), and a setter stored before may have changed it: what
        // the reader's object holds decides.
        if (SamePublishedValue(value, PublishedValue(*reference, p))) continue;
        Value(object, p.name, value, &p);
        ++count;
        Follow(*reference, p, value);
        continue;
      }
      if (IsDefaultValue(object, p)) continue;
      Value(object, p.name, value, &p);
      ++count;
    }
    if (const auto* persistent = qobject_cast<const TPlotPersistent*>(&object)) {
      for (const QString& name : persistent->ExtraStoredNames()) {
        const QVariant value = persistent->ExtraStoredValue(name);
        if (!value.isValid()) continue;
        Value(object, name, value, nullptr);
        ++count;
      }
    }
    return count;
  }

  // Applies a stored value to the reference as a reader would.
  static void Follow(QObject& reference, const PublishedProperty& p, const QVariant& value) {
    if (!p.meta.isWritable()) return;
    try {
      p.meta.write(&reference, value);
    } catch (const base::Exception&) {
      // Refused here as it would be when read: the reference keeps its value.
    }
  }

  void Items(const QObject& collection, QObject* reference) {
    const auto* axes = qobject_cast<const TChartCustomAxes*>(&collection);
    auto* referenceAxes = qobject_cast<TChartCustomAxes*>(reference);
    // A reader empties the collection and adds an item per record.
    if (referenceAxes) referenceAxes->Clear();
    const int n = axes ? axes->Count() : 0;
    out_.u32(static_cast<std::uint32_t>(n));
    for (int i = 0; i < n; ++i)
      Object(*axes->Get(i), QString(), referenceAxes ? referenceAxes->Add() : nullptr);
  }

  void Value(const QObject& object, const QString& name, const QVariant& value,
             const PublishedProperty* p) {
    if (p && p->kind == PublishedKind::Color) {
      Property(name, tagColor, [&] { out_.u32(value.toUInt()); });
      return;
    }
    if (p && p->meta.isEnumType()) {
      const QMetaEnum e = p->meta.enumerator();
      const int v = value.toInt();
      const QByteArray keys = e.isFlag() ? e.valueToKeys(v) : QByteArray(e.valueToKey(v));
      // A number the enumeration does not name stays a number.
      if (e.isFlag() ? e.keysToValue(keys.constData()) == v || (v == 0 && keys.isEmpty())
                     : !keys.isEmpty()) {
        Property(name, tagIdentifier,
                 [&] { out_.raw(keys.constData(), std::size_t(keys.size())); });
      } else {
        Property(name, tagInteger, [&] { I64(v); });
      }
      return;
    }
    switch (value.metaType().id()) {
      case QMetaType::Bool:
        Property(name, tagBoolean, [&] { out_.u8(value.toBool() ? 1 : 0); });
        return;
      case QMetaType::Int:
      case QMetaType::UInt:
      case QMetaType::LongLong:
      case QMetaType::Short:
      case QMetaType::UShort:
      case QMetaType::Char:
      case QMetaType::UChar:
      case QMetaType::SChar:
        Property(name, tagInteger, [&] { I64(value.toLongLong()); });
        return;
      case QMetaType::Double:
      case QMetaType::Float:
        Property(name, tagDouble, [&] { F64(value.toDouble()); });
        return;
      case QMetaType::QString: {
        const QByteArray utf8 = value.toString().toUtf8();
        Property(name, tagString, [&] { out_.raw(utf8.constData(), std::size_t(utf8.size())); });
        return;
      }
      case QMetaType::QStringList: {
        const QStringList list = value.toStringList();
        Property(name, tagStringList, [&] {
          out_.u32(static_cast<std::uint32_t>(list.size()));
          for (const QString& s : list) String(s);
        });
        return;
      }
      case QMetaType::QImage: {
        const QImage image = value.value<QImage>();
        QByteArray png;
        if (!image.isNull()) {
          QBuffer buffer(&png);
          buffer.open(QIODevice::WriteOnly);
          if (!image.save(&buffer, "PNG")) {
            throw ChartException(
                QStringLiteral("Cannot store the picture %1 of %2")
                    .arg(name, QString::fromLatin1(object.metaObject()->className())));
          }
        }
        Property(name, tagPicture, [&] { out_.raw(png.constData(), std::size_t(png.size())); });
        return;
      }
      default:
        throw ChartException(QStringLiteral("Cannot store %1 of %2: no layout for type %3")
                                 .arg(name, QString::fromLatin1(object.metaObject()->className()),
                                      QString::fromLatin1(value.metaType().name())));
    }
  }

  LittleEndianBuffer out_;
};

}  // namespace

namespace {

// A newly built object of the class of `like`, made as a reader makes it, or
// null for a class the registry does not know.
template <class T>
std::unique_ptr<T> Built(const QObject& like, QObject* owner = nullptr) {
  std::unique_ptr<TPlotPersistent> made(
      ChartClasses().Create(QString::fromLatin1(like.metaObject()->className()), owner));
  if (qobject_cast<T*>(made.get()) && made->metaObject() == like.metaObject())
    return std::unique_ptr<T>(static_cast<T*>(made.release()));
  return nullptr;
}

std::unique_ptr<TCustomAxisPanel> BuiltChart(const TCustomAxisPanel& chart) {
  if (auto built = Built<TCustomAxisPanel>(chart)) return built;
  // The plain chart is built by every reader without the registry.
  if (chart.metaObject() == &TChart::staticMetaObject) return std::make_unique<TChart>();
  return nullptr;
}

}  // namespace

QByteArray ComponentStream(const TCustomAxisPanel& chart, const QString& rootName) {
  // The reader's chart, followed record by record: a value is left out
  // only when the reader's object already holds it.
  const std::unique_ptr<TCustomAxisPanel> reference = BuiltChart(chart);
  RecordWriter w;
  w.Out().raw(kSignature, sizeof kSignature);
  w.Object(chart, rootName, reference.get(), [&] {
    int n = 0;
    for (TChartSeries* s : ChartFileSeries(chart)) {
      const int further = std::max(0, s->ValuesList().Count() - 2);
      TChartSeries* built = nullptr;
      if (reference) {
        if (auto made = Built<TChartSeries>(*s, reference.get())) {
          built = made.release();  // owned by the reference chart
          built->setObjectName(s->objectName());
          reference->AddSeries(built);
        }
      }
      w.Object(
          *s, s->objectName(), built,
          [&] {
            TPlotFunction* function = s->Function();
            if (!function) return 0;
            std::unique_ptr<TPlotFunction> builtFunction =
                built ? Built<TPlotFunction>(*function, built) : nullptr;
            w.Object(*function, function->objectName(), builtFunction.get());
            if (builtFunction) built->SetFunction(builtFunction.release());
            return 1;
          },
          further);
      ++n;
    }
    for (const auto& tool : chart.Tools().Items()) {
      std::unique_ptr<TChartTool> builtTool =
          reference ? Built<TChartTool>(*tool, reference.get()) : nullptr;
      if (builtTool) builtTool->setParent(nullptr);
      w.Object(*tool, tool->objectName(), builtTool.get());
      if (builtTool) reference->Tools().Add(std::move(builtTool));
      ++n;
    }
    return n;
  });
  w.Out().u32(0);  // end mark
  return w.Bytes();
}

QByteArray PanelComponentStream(const QObject& panel, const QString& rootName) {
  const std::unique_ptr<TPlotPersistent> reference = Built<TPlotPersistent>(panel);
  RecordWriter w;
  w.Out().raw(kSignature, sizeof kSignature);
  w.Object(panel, rootName, reference.get());
  w.Out().u32(0);  // end mark
  return w.Bytes();
}
