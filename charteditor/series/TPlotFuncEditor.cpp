#include "charteditor/series/TPlotFuncEditor.h"

#include "chart/core/ChartClassRegistry.h"
#include "chart/core/ChartExceptions.h"
#include "chart/core/ChartMessages.h"
#include "chart/core/ChartPrompts.h"
#include "chart/model/SeriesByClass.h"
#include "chart/model/TChartSeries.h"
#include "chart/model/TCustomAxisPanel.h"
#include "chart/model/TPlotSeriesTypes.h"
#include "charteditor/common/EditorHelpers.h"
#include "charteditor/series/TFormPeriod.h"
#include "charteditor/series/TSelectListForm.h"

#include <QCollator>
#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSet>
#include <QTabWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace {

constexpr int kSourcePage = 0;
constexpr int kOptionsPage = 1;

const QMetaObject* classOf(const QComboBox& list, int index) {
  return reinterpret_cast<const QMetaObject*>(list.itemData(index).value<quintptr>());
}

void addClass(QComboBox& list, const QString& text, const QMetaObject* metaObject) {
  list.addItem(text, QVariant::fromValue(reinterpret_cast<quintptr>(metaObject)));
}

TCustomAxisPanel* chartOf(const TChartSeries& series) {
  return dynamic_cast<TCustomAxisPanel*>(series.ParentChart());
}

QString sourceText(const TChartSeries& series, QObject* source) {
  const auto* other = qobject_cast<TChartSeries*>(source);
  if (TCustomAxisPanel* chart = chartOf(series); chart && other)
    return chart->SeriesTitleOrName(*other);
  return source->objectName();
}

}  // namespace

TPlotFuncEditor::TPlotFuncEditor(QWidget* parent)
    : TBaseSourceEditor(parent),
      pages_(new QTabWidget(Body())),
      tabSource_(new QWidget),
      tabOptions_(new QWidget) {
  setObjectName(QStringLiteral("PlotFuncEditor"));
  Label()->setText(tr("&Functions:"));
  pages_->setObjectName(QStringLiteral("PageControl1"));
  tabSource_->setObjectName(QStringLiteral("TabSource"));
  tabOptions_->setObjectName(QStringLiteral("TabOptions"));
  pages_->addTab(tabSource_, tr("Source Series"));
  pages_->addTab(tabOptions_, tr("Options"));
  Body()->layout()->addWidget(pages_);

  // "Copy" and each function class once, in the collation users read by.
  std::vector<std::pair<QString, const QMetaObject*>> entries{
      {ChartText(ChartMsg::FunctionCopy), nullptr}};
  QSet<const QMetaObject*> seen;
  const TPlotSeriesTypes& types = PlotSeriesTypes();
  for (int i = 0; i < types.Count(); ++i) {
    const TPlotSeriesType& t = types[i];
    if (!t.FunctionClass || t.SeriesClass || seen.contains(t.FunctionClass)) continue;
    seen.insert(t.FunctionClass);
    entries.emplace_back(t.DescriptionText(), t.FunctionClass);
  }
  QCollator collator;
  collator.setCaseSensitivity(Qt::CaseInsensitive);
  std::stable_sort(entries.begin(), entries.end(), [&](const auto& a, const auto& b) {
    return collator.compare(a.first, b.first) < 0;
  });
  for (const auto& [text, metaObject] : entries) addClass(*Sources(), text, metaObject);

  connect(Sources(), &QComboBox::currentIndexChanged, this, &TPlotFuncEditor::FunctionChosen);
  connect(pages_, &QTabWidget::currentChanged, this, &TPlotFuncEditor::PageChanged);
}

TPlotFuncEditor::~TPlotFuncEditor() {
  // The period editor shows the stand-in: it goes first.
  delete period_;
}

const QMetaObject* TPlotFuncEditor::ChosenClass() const {
  const int index = Sources()->currentIndex();
  return index < 0 ? nullptr : classOf(*Sources(), index);
}

void TPlotFuncEditor::showEvent(QShowEvent* event) {
  TBaseSourceEditor::showEvent(event);
  // Shown again with changes pending (the page was left with them): they stay.
  if (Tag() != loadedFor_ || !Pending()) Load();
}

void TPlotFuncEditor::Load() {
  TChartSeries* series = Series();
  loadedFor_ = Tag();
  if (!series) return;
  LoadingScope loading(*this);
  if (!chooser_) {
    chooser_ = new TSelectListForm;
    chooser_->OnChange = [this] { FunctionChosen(); };
    AddEditorForm(chooser_, tabSource_, series, true);
  } else {
    chooser_->SetTag(series);
  }
  QListWidget& from = *chooser_->FromList();
  QListWidget& to = *chooser_->ToList();
  from.clear();
  to.clear();
  const std::vector<QObject*> current = series->DataSources();
  for (QObject* s : current) TSelectListForm::AddItem(to, sourceText(*series, s), s);
  if (TCustomAxisPanel* chart = chartOf(*series); chart && series->parent()) {
    for (QObject* child : series->parent()->children()) {
      auto* other = qobject_cast<TChartSeries*>(child);
      if (!other || other == series ||
          std::find(current.begin(), current.end(), child) != current.end() ||
          !chart->IsValidDataSource(*series, other))
        continue;
      TSelectListForm::AddItem(from, sourceText(*series, other), other);
    }
  }
  chooser_->EnableButtons();

  const QMetaObject* function = series->Function() ? series->Function()->metaObject() : nullptr;
  int index = Sources()->findData(QVariant::fromValue(reinterpret_cast<quintptr>(function)));
  if (index < 0) {
    // A function class nobody registered still shows as what it is.
    addClass(*Sources(), QString::fromLatin1(function->className()), function);
    index = Sources()->count() - 1;
  }
  Sources()->setCurrentIndex(index);
  pages_->setCurrentIndex(kSourcePage);
  pages_->setTabVisible(kOptionsPage, function != nullptr);
  if (period_) {
    period_->SetFunctionName(Sources()->currentText());
    period_->ShowFunction(series->Function(), SourceXDateTime());
    period_->Discard();
  }
  standIn_.reset();
  ApplyButton()->setEnabled(false);
}

void TPlotFuncEditor::FunctionChosen() {
  Changed();
  if (Loading()) return;
  const bool function = ChosenClass() != nullptr;
  if (!function && pages_->currentIndex() == kOptionsPage) pages_->setCurrentIndex(kSourcePage);
  pages_->setTabVisible(kOptionsPage, function);
  if (period_ && function) ShowPeriod();
}

void TPlotFuncEditor::PageChanged(int index) {
  if (Loading() || index != kOptionsPage || !Series() || !ChosenClass()) return;
  if (!period_) {
    period_ = new TFormPeriod;
    period_->OnChange = [this] { Changed(); };
    AddEditorForm(period_, tabOptions_, ChosenFunction(), true);
  }
  ShowPeriod();
}

void TPlotFuncEditor::ShowPeriod() {
  period_->SetFunctionName(Sources()->currentText());
  period_->ShowFunction(ChosenFunction(), SourceXDateTime());
}

TPlotFunction* TPlotFuncEditor::ChosenFunction() {
  const QMetaObject* chosen = ChosenClass();
  TChartSeries* series = Series();
  if (!chosen || !series) return nullptr;
  if (series->Function() && series->Function()->metaObject() == chosen) return series->Function();
  if (!standIn_ || standIn_->metaObject() != chosen) {
    TPlotPersistent* made = ChartClasses().Create(QString::fromLatin1(chosen->className()));
    standIn_.reset(qobject_cast<TPlotFunction*>(made));
    if (!standIn_) delete made;
  }
  return standIn_.get();
}

bool TPlotFuncEditor::SourceXDateTime() const {
  const std::vector<QObject*> listed = ListedSources();
  const auto* first = listed.empty() ? nullptr : qobject_cast<const TChartSeries*>(listed.front());
  return first && first->XValues()->DateTime();
}

std::vector<QObject*> TPlotFuncEditor::ListedSources() const {
  const TChartSeries* series = Series();
  if (!series) return {};
  if (!chooser_) return series->DataSources();
  // A listed object counts only while it is still a source or a child of
  // the owner: one freed since the list was made is left out unread.
  QSet<const QObject*> alive;
  for (QObject* s : series->DataSources()) alive.insert(s);
  if (series->parent())
    for (QObject* child : series->parent()->children()) alive.insert(child);
  std::vector<QObject*> listed;
  for (QObject* s : TSelectListForm::Objects(*chooser_->ToList()))
    if (alive.contains(s)) listed.push_back(s);
  return listed;
}

bool TPlotFuncEditor::CheckSources(const std::vector<QObject*>& sources, QString& error) const {
  const TChartSeries& series = *Series();
  TCustomAxisPanel* chart = chartOf(series);
  for (QObject* s : sources) {
    if (!chart) {
      error = ChartText(ChartMsg::NoParentChartDataSource);
      return false;
    }
    if (!chart->IsValidDataSource(series, s)) {
      error = ChartFormat(ChartMsg::InvalidDataSource, {s->objectName()});
      return false;
    }
    try {
      // Directly and through the source's own sources.
      series.CheckCircularSource(qobject_cast<const TChartSeries*>(s));
    } catch (const ChartException& e) {
      error = e.message();
      return false;
    }
  }
  return true;
}

bool TPlotFuncEditor::DoApply() {
  TChartSeries* series = Series();
  if (!series) return false;
  const QMetaObject* chosen = ChosenClass();
  const std::vector<QObject*> sources = ListedSources();
  QString error;
  const bool checked =
      CheckSources(sources, error) && (!period_ || !chosen || period_->CheckPeriod(error));
  if (!checked) {
    Prompts().Error(error);
    return false;
  }
  try {
    if (sources != series->DataSources()) SetSeriesSources(*series, sources);
    TPlotFunction* function = series->Function();
    if (!chosen) {
      if (function) series->SetFunction(nullptr);
      function = nullptr;  // freed: the period has nothing to go into
    } else if (!function || function->metaObject() != chosen) {
      function = CreateFunctionForSeries(*series, *chosen);
    }
    if (function && period_)
      period_->Apply(*function);
    else if (function)
      function->ReCalculate();
  } catch (const base::Exception& e) {
    Prompts().Error(e.message());
    return false;
  }
  // The options show the series' function from now on.
  if (period_ && series->Function()) period_->ShowFunction(series->Function(), SourceXDateTime());
  standIn_.reset();
  return true;
}

void TPlotFuncEditor::DropChanges() {
  Load();
}
