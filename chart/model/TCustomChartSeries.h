#pragma once
// What a series adds to a chart element: whether and how it shows in the
// legend, and its stored identity (an identifier text and a six-member
// style set), which the chart file keeps as extra stored values.
#include "chart/model/TCustomChartElement.h"

#include <QString>
#include <QStringList>
#include <QVariant>

class TCustomChartSeries : public TCustomChartElement {
  Q_OBJECT
  Q_PROPERTY(bool ShowInLegend READ ShowInLegend WRITE SetShowInLegend)
  Q_CLASSINFO("default:ShowInLegend", "true")
  Q_PROPERTY(QString Title READ Title WRITE SetTitle)
  Q_CLASSINFO("default:Title", "")

 public:
  // Member k of the style set is bit k of its stored integer.
  static constexpr int StyleMembers = 6;
  static constexpr int StyleMask = (1 << StyleMembers) - 1;

  explicit TCustomChartSeries(ChangeHandler onChange = {}, QObject* owner = nullptr);
  // Leaves the chart while still a series.
  ~TCustomChartSeries() override;

  // Stores the flag, then has the chart tell its listeners (series event
  // seActiveChanged), changed or not.
  void SetActive(bool value) override;
  bool ShowInLegend() const { return showInLegend_; }
  void SetShowInLegend(bool value) { SetBooleanProperty(showInLegend_, value); }
  QString Title() const { return title_; }
  // Stores the text, then has the chart tell its listeners (seChanged).
  void SetTitle(const QString& value);

  QString Identifier() const { return identifier_; }
  void SetIdentifier(const QString& value) { SetStringProperty(identifier_, value); }
  // The style set as bits 0..5; other bits are dropped.
  int Style() const { return style_; }
  void SetStyle(int value) { SetIntegerProperty(style_, value & StyleMask); }
  bool HasStyleMember(int k) const { return k >= 0 && k < StyleMembers && (style_ >> k & 1) != 0; }

  // Margins the series needs around the chart, in pixels; none here.
  virtual void CalcHorizMargins(int& left, int& right);
  virtual void CalcVertMargins(int& top, int& bottom);
  // Called before the chart draws; nothing here.
  virtual void DoBeforeDrawChart() {}

  // The element's values plus ShowInLegend, Title, the style set and the
  // identifier.
  void Assign(const TCustomChartElement& source) override;

  // "Identifier" (a string) and "Style" (an integer).
  QStringList ExtraStoredNames() const override;
  QVariant ExtraStoredValue(const QString& name) const override;
  bool ReadExtraStored(const QString& name, const QVariant& value) override;

 private:
  bool showInLegend_ = true;
  QString title_;
  QString identifier_;
  int style_ = 0;
};
