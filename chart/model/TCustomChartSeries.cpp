#include "chart/model/TCustomChartSeries.h"

namespace {

const QString kIdentifier = QStringLiteral("Identifier");
const QString kStyle = QStringLiteral("Style");

}  // namespace

TCustomChartSeries::TCustomChartSeries(ChangeHandler onChange, QObject* owner)
    : TCustomChartElement(std::move(onChange), owner) {}

TCustomChartSeries::~TCustomChartSeries() {
  TCustomChartElement::SetParentChart(nullptr);
}

void TCustomChartSeries::SetActive(bool value) {
  TCustomChartElement::SetActive(value);
  if (ChartHost* chart = ParentChart()) chart->BroadcastSeriesEvent(seActiveChanged, this);
}

void TCustomChartSeries::SetTitle(const QString& value) {
  SetStringProperty(title_, value);
  if (ChartHost* chart = ParentChart()) chart->BroadcastSeriesEvent(seChanged, this);
}

void TCustomChartSeries::CalcHorizMargins(int& left, int& right) {
  left = 0;
  right = 0;
}

void TCustomChartSeries::CalcVertMargins(int& top, int& bottom) {
  top = 0;
  bottom = 0;
}

void TCustomChartSeries::Assign(const TCustomChartElement& source) {
  TCustomChartElement::Assign(source);
  const auto* series = qobject_cast<const TCustomChartSeries*>(&source);
  if (!series || series == this) return;
  SetShowInLegend(series->showInLegend_);
  SetTitle(series->title_);
  SetStyle(series->style_);
  SetIdentifier(series->identifier_);
}

QStringList TCustomChartSeries::ExtraStoredNames() const {
  return {kIdentifier, kStyle};
}

QVariant TCustomChartSeries::ExtraStoredValue(const QString& name) const {
  if (name == kIdentifier) return identifier_;
  if (name == kStyle) return style_;
  return {};
}

bool TCustomChartSeries::ReadExtraStored(const QString& name, const QVariant& value) {
  if (name == kIdentifier) {
    if (value.typeId() == QMetaType::QString) SetIdentifier(value.toString());
    return true;
  }
  if (name == kStyle) {
    // Stored files are untrusted: only an integer counts, and only the
    // set's six bits of it.
    bool ok = false;
    const qlonglong stored = value.typeId() == QMetaType::Double ? 0 : value.toLongLong(&ok);
    if (ok) SetStyle(static_cast<int>(stored & StyleMask));
    return true;
  }
  return TCustomChartElement::ReadExtraStored(name, value);
}
