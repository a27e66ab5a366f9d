#include "tests/charteditor/serieseditors/SeriesPage.h"

#include "chart/model/ModelClassRegistrations.h"
#include "chart/model/SeriesByClass.h"
#include "chart/model/TChart.h"
#include "chart/series/SeriesTypeRegistrations.h"
#include "charteditor/series/SourceEditorForms.h"
#include "charteditor/serieseditors/SeriesEditorRegistrations.h"
#include "tests/charteditor/common/EditedChart.h"

#include <QAbstractButton>
#include <QAbstractSpinBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>

SeriesEditorsScope::SeriesEditorsScope()
    : scope_({RegisterSourceEditorForms, RegisterSeriesEditorForms},
             {RegisterModelClasses, RegisterSeriesTypes}) {}

SeriesPage::SeriesPage(const QMetaObject& seriesClass, int points)
    : chart_(std::make_unique<TChart>()) {
  chart_->SetBufferedDisplay(false);
  chart_->SetWidth(400);
  chart_->SetHeight(300);
  for (int s = 0; s < 2; ++s) {
    TChartSeries* series = CreateSeriesOfClass(nullptr, chart_.get(), seriesClass);
    EXPECT_NE(series, nullptr) << seriesClass.className();
    if (!series) continue;
    series->SetSampleRandom([](int n) { return n / 2; });
    series->FillSampleValues(points > 0 ? points : 1);
    if (points == 0) series->ClearValues();
  }
  QObject::connect(chart_.get(), &TCustomPlotPanel::repaintRequested, [this] { ++repaints; });
  form_ = std::make_unique<TFormPlotSeries>();
  form_->resize(560, 420);
  form_->show();
  form_->RefreshSeries(Series(0));
  Mark();
}

// The form goes before the chart it edits.
SeriesPage::~SeriesPage() {
  form_.reset();
}

TChartSeries* SeriesPage::Series(int index) const {
  return index < chart_->SeriesCount() ? chart_->GetSeries(index) : nullptr;
}

QStringList SeriesPage::SheetCaptions() const {
  QStringList captions;
  QTabWidget* pages = form_->Pages();
  for (int i = 0; i < pages->count(); ++i)
    if (pages->isTabVisible(i)) captions << pages->tabText(i);
  return captions;
}

bool SeriesPage::ShowSheet(const QString& caption) {
  QTabWidget* pages = form_->Pages();
  for (int i = 0; i < pages->count(); ++i) {
    if (!pages->isTabVisible(i) || pages->tabText(i) != caption) continue;
    QTabBar* bar = pages->tabBar();
    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(i).center());
    return pages->currentIndex() == i;
  }
  return false;
}

QMap<QString, QVariant> SeriesPage::Snapshot() const {
  QMap<QString, QVariant> out = PublishedSnapshot(*chart_);
  for (int i = 0; i < chart_->SeriesCount(); ++i) {
    const TChartSeries* s = chart_->GetSeries(i);
    const QString prefix = QStringLiteral("Series%1.").arg(i);
    const QMap<QString, QVariant> own = PublishedSnapshot(*s);
    for (auto it = own.begin(); it != own.end(); ++it) out.insert(prefix + it.key(), it.value());
    QVariantList points;
    for (int p = 0; p < s->PointCount(); ++p) {
      for (int l = 0; l < s->ValuesList().Count(); ++l) points << s->ValuesList()[l].GetValue(p);
      points << QVariant::fromValue(static_cast<uint>(s->PointOwnColor(p))) << s->GetXLabel(p);
    }
    out.insert(prefix + QStringLiteral("Points"), points);
  }
  return out;
}

void SeriesPage::Mark() {
  marked_ = Snapshot();
  repaints = 0;
}

QStringList SeriesPage::Changed() const {
  return ChangedPaths(marked_, Snapshot());
}

void Click(QWidget& w, const char* name) {
  if (auto* button = Control<QAbstractButton>(w, name)) ClickButton(button);
}

void StepUp(QWidget& w, const char* name) {
  auto* box = Control<QAbstractSpinBox>(w, name);
  if (!box) return;
  box->setFocus();
  QTest::keyClick(box, Qt::Key_Up);
}

void TypeText(QWidget& w, const char* name, const QString& text) {
  QWidget* target = Control<QWidget>(w, name);
  if (!target) return;
  if (auto* memo = qobject_cast<QPlainTextEdit*>(target)) {
    memo->setFocus();
    memo->selectAll();
    QTest::keyClicks(memo, text);
    return;
  }
  QLineEdit* edit = qobject_cast<QLineEdit*>(target);
  if (!edit) edit = target->findChild<QLineEdit*>();
  ASSERT_NE(edit, nullptr) << name;
  edit->setFocus();
  edit->selectAll();
  QTest::keyClick(edit, Qt::Key_Delete);
  QTest::keyClicks(edit, text);
  QTest::keyClick(edit, Qt::Key_Return);
}

void Choose(QWidget& w, const char* name, int index) {
  auto* box = Control<QComboBox>(w, name);
  if (!box) return;
  // What a pick from the list does: the index, then the user-choice signals.
  box->setCurrentIndex(index);
  Q_EMIT box->activated(index);
  Q_EMIT box->textActivated(box->itemText(index));
}
