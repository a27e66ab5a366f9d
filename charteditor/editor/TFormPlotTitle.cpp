#include "charteditor/editor/TFormPlotTitle.h"

#include "chart/model/TCustomChart.h"
#include "charteditor/common/TFormPlotShape.h"
#include "charteditor/editor/PageControls.h"
#include "charteditor/editor/TRadioGroup.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QShowEvent>
#include <QSpinBox>
#include <QTabWidget>

namespace {

// The list's order: Title, SubTitle, SubFoot, Foot.
TChartTitle* TitleAt(const TCustomChart& chart, int index) {
  switch (index) {
    case 1:
      return chart.SubTitle();
    case 2:
      return chart.SubFoot();
    case 3:
      return chart.Foot();
    default:
      return chart.Title();
  }
}

// Radio items left, centre, right against the alignment's stored order.
constexpr TChartTitle::TAlignment alignments[] = {TChartTitle::taLeftJustify, TChartTitle::taCenter,
                                                  TChartTitle::taRightJustify};

}  // namespace

TFormPlotTitle::TFormPlotTitle(QWidget* parent) : TEditorForm(parent) {
  setObjectName(QStringLiteral("FormPlotTitle"));
  SetOkCancelVisible(false);
  titlesBox_ = new QComboBox(Body());
  titlesBox_->setObjectName(QStringLiteral("CBTitles"));
  titlesBox_->addItems({tr("Title"), tr("SubTitle"), tr("SubFoot"), tr("Foot")});
  pages_ = AddPageTabs(Body(), "PageControl1", titlesBox_);

  PageGrid style(AddSheet(pages_, "TabStyle", tr("Style")));
  visibleBox_ = style.Check("CBVisible", tr("&Visible"));
  adjustBox_ = style.Check("CBAdjust", tr("&Adjust Frame"));
  alignGroup_ =
      style.Radio("RGAlign", tr("Alignment:"), {tr("&Left"), tr("&Center"), tr("&Right")});
  textBox_ = new QPlainTextEdit(style.Sheet());
  textBox_->setObjectName(QStringLiteral("MText"));
  textBox_->setTabChangesFocus(false);
  auto* textLabel = new QLabel(tr("&Text:"), style.Sheet());
  textLabel->setBuddy(textBox_);
  style.Add(textLabel);
  style.Add(textBox_);
  style.Finish();

  PageGrid position(AddSheet(pages_, "TabPosition", tr("Position")));
  customBox_ = position.Check("CBCustPos", tr("&Custom:"));
  customLeftBox_ = position.Spin("ECustLeft", tr("L&eft:"), -1000, 1000, 5);
  customTopBox_ = position.Spin("ECustTop", tr("T&op:"), -1000, 1000, 5);
  position.Finish();

  shapeEditor_ = InsertShapeEditor(pages_, nullptr);

  connect(titlesBox_, &QComboBox::activated, this, &TFormPlotTitle::ChooseTitle);
  connect(visibleBox_, &QCheckBox::clicked, this,
          [this](bool on) { Write([&](TChartTitle& t) { t.SetVisible(on); }); });
  connect(adjustBox_, &QCheckBox::clicked, this,
          [this](bool on) { Write([&](TChartTitle& t) { t.SetAdjustFrame(on); }); });
  connect(alignGroup_, &TRadioGroup::itemClicked, this,
          [this](int i) { Write([&](TChartTitle& t) { t.SetAlignment(alignments[i]); }); });
  connect(textBox_, &QPlainTextEdit::textChanged, this, &TFormPlotTitle::TextChanged);
  connect(customBox_, &QCheckBox::clicked, this, [this](bool on) {
    Write([&](TChartTitle& t) { t.SetCustomPosition(on); });
    LoadCustomPosition();
  });
  // A position is stored only when it moved.
  connect(customLeftBox_, &QSpinBox::valueChanged, this, [this](int v) {
    Write([&](TChartTitle& t) {
      if (t.Left() != v) t.SetLeft(v);
    });
  });
  connect(customTopBox_, &QSpinBox::valueChanged, this, [this](int v) {
    Write([&](TChartTitle& t) {
      if (t.Top() != v) t.SetTop(v);
    });
  });
}

TChartTitle* TFormPlotTitle::Title() const {
  return qobject_cast<TChartTitle*>(Tag());
}

void TFormPlotTitle::EditTitle(TCustomChart* chart, TChartTitle* title) {
  chart_ = chart;
  if (!title && chart) title = chart->Title();
  int index = 0;
  while (chart && index < 3 && TitleAt(*chart, index) != title) ++index;
  titlesBox_->setCurrentIndex(index);
  SetTag(title);
  shapeEditor_->EditShape(title);
  Load();
}

void TFormPlotTitle::ChooseTitle(int index) {
  if (!chart_ || TagGone()) return;
  TChartTitle* title = TitleAt(*chart_, index);
  SetTag(title);
  // The shape editor and its font editor follow the title chosen.
  shapeEditor_->EditShape(title);
  Load();
}

void TFormPlotTitle::showEvent(QShowEvent* event) {
  TEditorForm::showEvent(event);
  if (event->spontaneous() || TagGone() || !Title()) return;
  shapeEditor_->EditShape(Title());
  Load();
}

void TFormPlotTitle::Write(const std::function<void(TChartTitle&)>& write) {
  if (!CanWrite()) return;
  WriteChecked([&] { write(*Title()); }, [this] { Load(); });
}

void TFormPlotTitle::TextChanged() {
  if (!CanWrite()) return;
  QStringList lines = textBox_->toPlainText().split(QLatin1Char('\n'));
  if (lines.size() == 1 && lines[0].isEmpty()) lines.clear();
  if (lines != Title()->Text()) Write([&](TChartTitle& t) { t.SetText(lines); });
}

void TFormPlotTitle::Load() {
  LoadingScope loading(*this);
  TChartTitle* title = Title();
  if (!title) return;
  visibleBox_->setChecked(title->Visible());
  adjustBox_->setChecked(title->AdjustFrame());
  int align = 0;
  while (align < 2 && alignments[align] != title->Alignment()) ++align;
  alignGroup_->SetItemIndex(align);
  textBox_->setPlainText(title->Text().join(QLatin1Char('\n')));
  customBox_->setChecked(title->CustomPosition());
  LoadCustomPosition();
}

void TFormPlotTitle::LoadCustomPosition() {
  LoadingScope loading(*this);
  TChartTitle* title = Title();
  const bool custom = title && title->CustomPosition();
  if (custom) {
    customLeftBox_->setValue(title->Left());
    customTopBox_->setValue(title->Top());
  }
  customLeftBox_->setEnabled(custom);
  customTopBox_->setEnabled(custom);
}
