#include "charteditor/editor/TFormPlotAxis.h"

#include "base/FormatDateTime.h"
#include "base/FormatFloat.h"
#include "base/FormatSettings.h"
#include "chart/core/ChartMessages.h"
#include "chart/model/TChartAxisTitle.h"
#include "chart/model/TCustomChart.h"
#include "charteditor/common/EditorHelpers.h"
#include "charteditor/common/TButtonPen.h"
#include "charteditor/common/TPlotFontEditor.h"
#include "charteditor/editor/PageControls.h"
#include "charteditor/editor/TAxisMaxMin.h"
#include "charteditor/editor/TRadioGroup.h"
#include "charteditor/series/TAxisIncrement.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QShowEvent>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QTabWidget>

namespace {

constexpr int StandardAxisCount = 5;

QString LimitText(const TChartAxis& axis, double value) {
  if (!axis.IsDateTime()) return base::FormatFloat(axis.AxisValuesFormat(), value);
  return value >= 1 ? base::DateTimeToStr(value) : base::TimeToStr(value);
}

}  // namespace

TFormPlotAxis::TFormPlotAxis(QWidget* parent) : TEditorForm(parent) {
  setObjectName(QStringLiteral("FormPlotAxis"));
  SetOkCancelVisible(false);
  auto* left = new QWidget(Body());
  auto* axesLabel = new QLabel(tr("A&xes:"), left);
  axesList_ = new QListWidget(left);
  axesList_->setObjectName(QStringLiteral("LBAxes"));
  axesLabel->setBuddy(axesList_);
  showBox_ = new QCheckBox(tr("Visible"), left);
  showBox_->setObjectName(QStringLiteral("CBShow"));
  behindBox_ = new QCheckBox(tr("&Behind"), left);
  behindBox_->setObjectName(QStringLiteral("CBAxisBeh"));
  addButton_ = new QPushButton(QStringLiteral("+"), left);
  addButton_->setObjectName(QStringLiteral("BAdd"));
  deleteButton_ = new QPushButton(QStringLiteral("-"), left);
  deleteButton_->setObjectName(QStringLiteral("BDelete"));
  auto* leftLayout = new QGridLayout(left);
  leftLayout->setContentsMargins(0, 0, 0, 0);
  leftLayout->addWidget(showBox_, 0, 0, 1, 2);
  leftLayout->addWidget(behindBox_, 1, 0, 1, 2);
  leftLayout->addWidget(axesLabel, 2, 0, 1, 2);
  leftLayout->addWidget(axesList_, 3, 0, 1, 2);
  leftLayout->addWidget(addButton_, 4, 0);
  leftLayout->addWidget(deleteButton_, 4, 1);
  pages_ = new QTabWidget(Body());
  pages_->setObjectName(QStringLiteral("PageAxis"));
  auto* body = new QHBoxLayout(Body());
  body->setContentsMargins(0, 0, 0, 0);
  body->addWidget(left);
  body->addWidget(pages_, 1);

  PageGrid scales(AddSheet(pages_, "TabScales", tr("Scales")));
  visibleBox_ = scales.Check("CBVisible", tr("&Visible"));
  automaticBox_ = scales.Check("CBAutomatic", tr("&Automatic"));
  autoMaxBox_ = scales.Check("CBAutoMax", tr("A&uto"));
  maxLabel_ = new QLabel(tr("(max)"));
  maxLabel_->setObjectName(QStringLiteral("LAxisMax"));
  scales.Add(maxLabel_);
  maxButton_ = scales.Button("BAxisMax", tr("C&hange..."));
  autoMinBox_ = scales.Check("CBAutoMin", tr("Aut&o"));
  minLabel_ = new QLabel(tr("(min)"));
  minLabel_->setObjectName(QStringLiteral("LAxisMin"));
  scales.Add(minLabel_);
  minButton_ = scales.Button("BAxisMin", tr("Cha&nge..."));
  incrementLabel_ = new QLabel(tr("(increment)"));
  incrementLabel_->setObjectName(QStringLiteral("LAxisIncre"));
  scales.Add(incrementLabel_);
  incrementButton_ = scales.Button("BIncre", tr("&Change..."));
  logarithmicBox_ = scales.Check("CBLogarithmic", tr("Logarith&mic"));
  logBaseBox_ = scales.Spin("ELogBase", tr("L&og Base:"), 2);
  invertedBox_ = scales.Check("CBInverted", tr("&Inverted"));
  scales.Finish();

  QTabWidget* titlePages = AddPageTabs(AddSheet(pages_, "TabTitle", tr("Title")), "PageTitle");
  PageGrid titleStyle(AddSheet(titlePages, "TabTitleStyle", tr("Style")));
  titleEdit_ = titleStyle.Edit("ETitle", tr("T&itle:"));
  titleAngleBox_ = titleStyle.Spin("SETitleAngle", tr("&Angle:"), 0, 360, 90);
  titleSizeBox_ = titleStyle.Spin("SETitleSize", tr("Si&ze:"), 0, 1000);
  titleVisibleBox_ = titleStyle.Check("CBTitleVisible", tr("&Visible"));
  titleStyle.Finish();
  titleFontEditor_ = new TPlotFontEditor(AddSheet(titlePages, "TabTitleText", tr("Text")));
  titleFontEditor_->setObjectName(QStringLiteral("TitleFontEditor"));

  QTabWidget* labelPages = AddPageTabs(AddSheet(pages_, "TabLabels", tr("Labels")), "PageLabels");
  PageGrid labelStyle(AddSheet(labelPages, "TabLabelsStyle", tr("Style")));
  labelsBox_ = labelStyle.Check("CBLabels", tr("V&isible"));
  multilineBox_ = labelStyle.Check("CBMultiline", tr("Multi-lin&e"));
  onAxisBox_ = labelStyle.Check("CBOnAxis", tr("Label On A&xis"));
  roundFirstBox_ = labelStyle.Check("CBRoundFirst", tr("Ro&und First"));
  labelsSizeBox_ = labelStyle.Spin("SELabelsSize", tr("Si&ze:"), 0, 1000);
  labelsAngleBox_ = labelStyle.Spin("SELabelsAngle", tr("An&gle:"), 0, 360, 90);
  separationBox_ = labelStyle.Spin("SESepar", tr("Min. Se&paration %:"), 0, OpenSpinMaximum, 10);
  labelStyleGroup_ = labelStyle.Radio(
      "RGLabelStyle", tr("St&yle:"), {tr("Auto"), tr("None"), tr("Value"), tr("Mark"), tr("Text")});
  labelStyle.Finish();
  PageGrid labelFormat(AddSheet(labelPages, "TabLabelsFormat", tr("Format")));
  formatBox_ = labelFormat.Combo("CBFormat", ChartText(ChartMsg::ValuesFormatCaption), {}, true);
  formatLabel_ = qobject_cast<QLabel*>(labelFormat.Layout()->itemAtPosition(0, 0)->widget());
  exponentBox_ = labelFormat.Check("CBExpo", tr("&Exponential"));
  alignBox_ = labelFormat.Check("CBLabelAlign", tr("&Default Alignment"));
  labelFormat.Finish();
  labelsFontEditor_ = new TPlotFontEditor(AddSheet(labelPages, "TabLabelsText", tr("Text")));
  labelsFontEditor_->setObjectName(QStringLiteral("LabelsFontEditor"));

  PageGrid ticks(AddSheet(pages_, "TabTicks", tr("Ticks")));
  axisPenButton_ = ticks.PenButton("BAxisPen", tr("&Axis..."));
  ticksPenButton_ = ticks.PenButton("BTickPen", tr("T&icks..."));
  tickLengthBox_ = ticks.Spin("SEAxisTickLength", tr("Len:"), 0, 1000);
  innerPenButton_ = ticks.PenButton("BTickInner", tr("I&nner..."));
  innerLengthBox_ = ticks.Spin("SEInnerTicksLength", tr("Len:"), 0, 1000);
  tickOnLabelsBox_ = ticks.Check("CBTickOnLabels", tr("At Labels Onl&y"));
  gridPenButton_ = ticks.PenButton("BAxisGrid", tr("&Grid..."));
  gridCenteredBox_ = ticks.Check("CBGridCentered", tr("C&entered"));
  ticks.Finish();

  PageGrid minor(AddSheet(pages_, "TabMinor", tr("Minor")));
  minorTicksPenButton_ = minor.PenButton("BTickMinor", tr("&Ticks..."));
  minorLengthBox_ = minor.Spin("SEAxisMinorTickLen", tr("Length:"), 0, 1000);
  minorCountBox_ = minor.Spin("SEMinorCount", tr("&Count:"), 0, 1000);
  minorGridPenButton_ = minor.PenButton("BMinorGrid", tr("&Grid..."));
  minor.Finish();

  PageGrid position(AddSheet(pages_, "TabPositions", tr("Position")));
  positionBox_ = position.Spin("EPos", tr("&Position %:"), -100);
  startBox_ = position.Spin("EStart", tr("St&art %:"), 0);
  endBox_ = position.Spin("EEnd", tr("&End %:"), 0);
  otherSideBox_ = position.Check("CBOtherSide", tr("&Other side"));
  horizontalBox_ = position.Check("CBHorizAxis", tr("&Horizontal"));
  position.Finish();

  connect(axesList_, &QListWidget::currentRowChanged, this, [this](int row) {
    if (!Loading()) ChooseAxis(row);
  });
  connect(pages_, &QTabWidget::currentChanged, this, [this] { Load(); });
  connect(showBox_, &QCheckBox::clicked, this, [this](bool on) {
    if (CanWrite() && chart_) chart_->SetAxisVisible(on);
  });
  connect(behindBox_, &QCheckBox::clicked, this, [this](bool on) {
    if (CanWrite() && chart_) chart_->SetAxisBehind(on);
  });
  connect(addButton_, &QPushButton::clicked, this, &TFormPlotAxis::AddAxis);
  connect(deleteButton_, &QPushButton::clicked, this, &TFormPlotAxis::DeleteAxis);

  auto check = [this](QCheckBox* box, const std::function<void(TChartAxis&, bool)>& set) {
    connect(box, &QCheckBox::clicked, this,
            [this, set](bool on) { Write([&](TChartAxis& a) { set(a, on); }); });
  };
  auto spin = [this](QSpinBox* box, const std::function<void(TChartAxis&, int)>& set) {
    connect(box, &QSpinBox::valueChanged, this,
            [this, set](int v) { Write([&](TChartAxis& a) { set(a, v); }); });
  };
  check(visibleBox_, [](TChartAxis& a, bool on) { a.SetVisible(on); });
  connect(automaticBox_, &QCheckBox::clicked, this, &TFormPlotAxis::AutomaticClicked);
  // A limit's "Change..." follows its Auto box.
  connect(autoMaxBox_, &QCheckBox::clicked, this, [this](bool on) {
    Write([&](TChartAxis& a) { a.SetAutomaticMaximum(on); });
    LoadScales();
  });
  connect(autoMinBox_, &QCheckBox::clicked, this, [this](bool on) {
    Write([&](TChartAxis& a) { a.SetAutomaticMinimum(on); });
    LoadScales();
  });
  connect(maxButton_, &QPushButton::clicked, this, [this] { EditLimit(true); });
  connect(minButton_, &QPushButton::clicked, this, [this] { EditLimit(false); });
  connect(incrementButton_, &QPushButton::clicked, this, &TFormPlotAxis::EditIncrement);
  check(logarithmicBox_, [](TChartAxis& a, bool on) { a.SetLogarithmic(on); });
  spin(logBaseBox_, [](TChartAxis& a, int v) { a.SetLogarithmicBase(v); });
  check(invertedBox_, [](TChartAxis& a, bool on) { a.SetInverted(on); });
  connect(titleEdit_, &QLineEdit::textEdited, this, [this](const QString& text) {
    Write([&](TChartAxis& a) { a.Title()->SetCaption(text); });
  });
  spin(titleAngleBox_, [](TChartAxis& a, int v) { a.Title()->SetAngle(v); });
  spin(titleSizeBox_, [](TChartAxis& a, int v) { a.SetTitleSize(v); });
  check(titleVisibleBox_, [](TChartAxis& a, bool on) { a.Title()->SetVisible(on); });
  check(labelsBox_, [](TChartAxis& a, bool on) { a.SetLabels(on); });
  check(multilineBox_, [](TChartAxis& a, bool on) { a.SetLabelsMultiLine(on); });
  check(onAxisBox_, [](TChartAxis& a, bool on) { a.SetLabelsOnAxis(on); });
  check(roundFirstBox_, [](TChartAxis& a, bool on) { a.SetRoundFirstLabel(on); });
  spin(labelsSizeBox_, [](TChartAxis& a, int v) { a.SetLabelsSize(v); });
  spin(labelsAngleBox_, [](TChartAxis& a, int v) { a.SetLabelsAngle(v); });
  spin(separationBox_, [](TChartAxis& a, int v) { a.SetLabelsSeparation(v); });
  connect(labelStyleGroup_, &TRadioGroup::itemClicked, this, [this](int i) {
    Write([&](TChartAxis& a) { a.SetLabelStyle(static_cast<TChartAxis::TAxisLabelStyle>(i)); });
  });
  connect(formatBox_, &QComboBox::textActivated, this, &TFormPlotAxis::FormatChosen);
  connect(formatBox_->lineEdit(), &QLineEdit::textEdited, this, &TFormPlotAxis::FormatChosen);
  check(exponentBox_, [](TChartAxis& a, bool on) { a.SetLabelsExponent(on); });
  check(alignBox_, [](TChartAxis& a, bool on) {
    a.SetLabelsAlign(on ? TChartAxis::alDefault : TChartAxis::alOpposite);
  });
  spin(tickLengthBox_, [](TChartAxis& a, int v) { a.SetTickLength(v); });
  spin(innerLengthBox_, [](TChartAxis& a, int v) { a.SetTickInnerLength(v); });
  check(tickOnLabelsBox_, [](TChartAxis& a, bool on) { a.SetTickOnLabelsOnly(on); });
  check(gridCenteredBox_, [](TChartAxis& a, bool on) { a.SetGridCentered(on); });
  spin(minorLengthBox_, [](TChartAxis& a, int v) { a.SetMinorTickLength(v); });
  spin(minorCountBox_, [](TChartAxis& a, int v) { a.SetMinorTickCount(v); });
  spin(positionBox_, [](TChartAxis& a, int v) { a.SetPositionPercent(v); });
  connect(startBox_, &QSpinBox::valueChanged, this, &TFormPlotAxis::StartChanged);
  connect(endBox_, &QSpinBox::valueChanged, this, &TFormPlotAxis::EndChanged);
  check(otherSideBox_, [](TChartAxis& a, bool on) { a.SetOtherSide(on); });
  check(horizontalBox_, [](TChartAxis& a, bool on) { a.SetHorizontal(on); });
}

TChartAxis* TFormPlotAxis::Axis() const {
  return qobject_cast<TChartAxis*>(Tag());
}

void TFormPlotAxis::EditAxis(TCustomChart* chart, TChartAxis* axis) {
  chart_ = chart;
  if (!axis && chart) axis = chart->LeftAxis();
  SetTag(axis);
  FillAxesList();
  Load();
}

void TFormPlotAxis::showEvent(QShowEvent* event) {
  TEditorForm::showEvent(event);
  if (event->spontaneous() || !chart_ || TagGone()) return;
  FillAxesList();
  Load();
}

void TFormPlotAxis::FillAxesList() {
  LoadingScope loading(*this);
  axesList_->clear();
  if (!chart_) return;
  for (ChartMsg msg : {ChartMsg::LeftAxis, ChartMsg::RightAxis, ChartMsg::TopAxis,
                       ChartMsg::BottomAxis, ChartMsg::DepthAxis})
    axesList_->addItem(ChartText(msg));
  for (int i = 0; i < chart_->CustomAxes()->Count(); ++i)
    axesList_->addItem(ChartText(ChartMsg::CustomAxisPrefix) + QString::number(i));
  const std::vector<TChartAxis*> axes = chart_->Axes();
  for (int i = 0; i < static_cast<int>(axes.size()); ++i)
    if (axes[i] == Axis()) axesList_->setCurrentRow(i);
}

void TFormPlotAxis::ChooseAxis(int row) {
  if (!chart_ || row < 0 || TagGone()) return;
  const std::vector<TChartAxis*> axes = chart_->Axes();
  if (row >= static_cast<int>(axes.size())) return;
  SetTag(axes[row]);
  Load();
}

bool TFormPlotAxis::IsCustom() const {
  return axesList_->currentRow() >= StandardAxisCount;
}

bool TFormPlotAxis::IsDepth() const {
  return chart_ && Axis() == chart_->DepthAxis();
}

void TFormPlotAxis::Write(const std::function<void(TChartAxis&)>& write) {
  if (!CanWrite()) return;
  WriteChecked([&] { write(*Axis()); }, [this] { Load(); });
}

void TFormPlotAxis::Load() {
  LoadingScope loading(*this);
  TChartAxis* axis = Axis();
  // The embedded editors follow the axis chosen.
  if (axis && titleFontEditor_->Tag() != axis->Title()->Font())
    AddEditorForm(titleFontEditor_, titleFontEditor_->parentWidget(), axis->Title()->Font(), true);
  if (axis && labelsFontEditor_->Tag() != axis->LabelsFont())
    AddEditorForm(labelsFontEditor_, labelsFontEditor_->parentWidget(), axis->LabelsFont(), true);
  titleFontEditor_->EditFont(axis ? axis->Title()->Font() : nullptr);
  labelsFontEditor_->EditFont(axis ? axis->LabelsFont() : nullptr);
  LinkButtonPen(*axisPenButton_, axis ? axis->Axis() : nullptr);
  LinkButtonPen(*ticksPenButton_, axis ? axis->Ticks() : nullptr);
  LinkButtonPen(*innerPenButton_, axis ? axis->TicksInner() : nullptr);
  LinkButtonPen(*gridPenButton_, axis ? axis->Grid() : nullptr);
  LinkButtonPen(*minorTicksPenButton_, axis ? axis->MinorTicks() : nullptr);
  LinkButtonPen(*minorGridPenButton_, axis ? axis->MinorGrid() : nullptr);
  if (!axis || !chart_) return;
  showBox_->setChecked(chart_->AxisVisible());
  behindBox_->setChecked(chart_->AxisBehind());
  deleteButton_->setEnabled(IsCustom());
  LoadScales();
  titleEdit_->setText(axis->Title()->Caption());
  titleAngleBox_->setValue(axis->Title()->Angle());
  titleSizeBox_->setValue(axis->TitleSize());
  titleVisibleBox_->setChecked(axis->Title()->Visible());
  labelsBox_->setChecked(axis->Labels());
  multilineBox_->setChecked(axis->LabelsMultiLine());
  onAxisBox_->setChecked(axis->LabelsOnAxis());
  roundFirstBox_->setChecked(axis->RoundFirstLabel());
  labelsSizeBox_->setValue(axis->LabelsSize());
  labelsAngleBox_->setValue(axis->LabelsAngle());
  separationBox_->setValue(axis->LabelsSeparation());
  labelStyleGroup_->SetItemIndex(axis->LabelStyle());
  LoadFormats();
  exponentBox_->setChecked(axis->LabelsExponent());
  alignBox_->setChecked(axis->LabelsAlign() == TChartAxis::alDefault);
  tickLengthBox_->setValue(axis->TickLength());
  innerLengthBox_->setValue(axis->TickInnerLength());
  tickOnLabelsBox_->setChecked(axis->TickOnLabelsOnly());
  gridCenteredBox_->setChecked(axis->GridCentered());
  minorLengthBox_->setValue(axis->MinorTickLength());
  minorCountBox_->setValue(axis->MinorTickCount());
  LoadPosition();
}

void TFormPlotAxis::LoadScales() {
  LoadingScope loading(*this);
  TChartAxis* axis = Axis();
  if (!axis) return;
  visibleBox_->setChecked(axis->Visible());
  automaticBox_->setChecked(axis->Automatic());
  autoMaxBox_->setChecked(axis->AutomaticMaximum());
  autoMinBox_->setChecked(axis->AutomaticMinimum());
  autoMaxBox_->setEnabled(!axis->Automatic());
  autoMinBox_->setEnabled(!axis->Automatic());
  maxButton_->setEnabled(!axis->Automatic() && !axis->AutomaticMaximum());
  minButton_->setEnabled(!axis->Automatic() && !axis->AutomaticMinimum());
  maxLabel_->setText(LimitText(*axis, ShownLimit(true)));
  minLabel_->setText(LimitText(*axis, ShownLimit(false)));
  incrementLabel_->setText(AxisIncrementText(axis->Increment(), axis->IsDateTime()));
  logarithmicBox_->setChecked(axis->Logarithmic());
  logarithmicBox_->setEnabled(!IsDepth());
  logBaseBox_->setValue(axis->LogarithmicBase());
  invertedBox_->setChecked(axis->Inverted());
}

double TFormPlotAxis::ShownLimit(bool maximum) const {
  // A limit the axis finds itself is shown as the data give it now: the
  // chart may not have been drawn since they changed. The axis is left as
  // it is; its next drawing takes the same value.
  const TChartAxis* axis = Axis();
  const bool automatic =
      axis->Automatic() || (maximum ? axis->AutomaticMaximum() : axis->AutomaticMinimum());
  if (automatic && chart_) return chart_->MinMax(*axis, maximum);
  return maximum ? axis->Maximum() : axis->Minimum();
}

void TFormPlotAxis::LoadFormats() {
  TChartAxis* axis = Axis();
  const bool dateTime = axis->IsDateTime();
  formatLabel_->setText(
      ChartText(dateTime ? ChartMsg::DateTimeFormat : ChartMsg::ValuesFormatCaption));
  formatBox_->clear();
  if (!dateTime) {
    AddValueFormats(*formatBox_);
    formatBox_->setEditText(axis->AxisValuesFormat());
    return;
  }
  const auto fs = base::FormatSettings::Current();
  const bool underADay = ShownLimit(true) - ShownLimit(false) < 1;
  if (underADay) {
    formatBox_->addItems({fs->ShortTimeFormat, fs->LongTimeFormat, QStringLiteral("hh:mm"),
                          QStringLiteral("hh:mm:ss"), QStringLiteral("hh:mm:ss.zzz")});
  } else {
    formatBox_->addItems({fs->ShortDateFormat, fs->LongDateFormat, QStringLiteral("yyyy-mm-dd"),
                          QStringLiteral("mm-dd-yyyy"), QStringLiteral("dd-mm-yyyy"),
                          QStringLiteral("ddd"), QStringLiteral("dddd"), QStringLiteral("mmm"),
                          QStringLiteral("mmmm")});
  }
  // An empty format means the axis picks one for its range, as it draws.
  const QString automatic = underADay ? fs->ShortTimeFormat : fs->ShortDateFormat;
  formatBox_->setEditText(axis->DateTimeFormat().isEmpty() ? automatic : axis->DateTimeFormat());
}

void TFormPlotAxis::LoadPosition() {
  LoadingScope loading(*this);
  TChartAxis* axis = Axis();
  if (!axis) return;
  positionBox_->setValue(static_cast<int>(axis->PositionPercent()));
  startBox_->setValue(static_cast<int>(axis->StartPosition()));
  endBox_->setValue(static_cast<int>(axis->EndPosition()));
  otherSideBox_->setChecked(axis->OtherSide());
  horizontalBox_->setChecked(axis->Horizontal());
  otherSideBox_->setEnabled(IsCustom());
  horizontalBox_->setEnabled(IsCustom());
  for (QSpinBox* box : {positionBox_, startBox_, endBox_}) box->setEnabled(!IsDepth());
}

void TFormPlotAxis::AutomaticClicked(bool on) {
  Write([&](TChartAxis& a) {
    a.SetAutomatic(on);
    if (!on) {
      a.SetAutomaticMaximum(false);
      a.SetAutomaticMinimum(false);
    } else {
      a.RecalcMinMax();
    }
  });
  LoadScales();
}

void TFormPlotAxis::EditLimit(bool maximum) {
  if (!CanWrite() || !chart_) return;
  TChartAxis* axis = Axis();
  const QString caption = ChartText(maximum ? ChartMsg::Maximum : ChartMsg::Minimum) +
                          QLatin1Char(' ') + chart_->AxisTitleOrName(*axis);
  double value = maximum ? axis->Maximum() : axis->Minimum();
  if (!EditAxisLimit(this, caption, axis->IsDateTime(), value) || !Axis()) return;
  // A limit the axis refuses leaves the limit and its Auto box as they were.
  WriteChecked(
      [&] {
        if (maximum) {
          axis->SetMaximum(value);
          axis->SetAutomaticMaximum(false);
        } else {
          axis->SetMinimum(value);
          axis->SetAutomaticMinimum(false);
        }
      },
      {});
  LoadScales();
}

void TFormPlotAxis::EditIncrement() {
  if (!CanWrite() || !chart_) return;
  TChartAxis* axis = Axis();
  bool exact = axis->ExactDateTime();
  double increment = axis->Increment();
  const QString caption = ChartFormat(ChartMsg::DesiredIncrement, {chart_->AxisTitleOrName(*axis)});
  if (!EditAxisIncrement(this, caption, axis->IsDateTime(), exact, increment) || !Axis()) return;
  WriteChecked(
      [&] {
        axis->SetIncrement(increment);
        axis->SetExactDateTime(exact);
      },
      {});
  LoadScales();
}

void TFormPlotAxis::StartChanged(int value) {
  if (!CanWrite()) return;
  TChartAxis* axis = Axis();
  if (value < axis->EndPosition()) {
    Write([&](TChartAxis& a) { a.SetStartPosition(value); });
    return;
  }
  LoadingScope loading(*this);
  startBox_->setValue(static_cast<int>(axis->StartPosition()));
}

void TFormPlotAxis::EndChanged(int value) {
  if (!CanWrite()) return;
  TChartAxis* axis = Axis();
  if (value > axis->StartPosition()) {
    Write([&](TChartAxis& a) { a.SetEndPosition(value); });
    return;
  }
  LoadingScope loading(*this);
  endBox_->setValue(static_cast<int>(axis->EndPosition()));
}

void TFormPlotAxis::FormatChosen(const QString& text) {
  Write([&](TChartAxis& a) {
    if (a.IsDateTime())
      a.SetDateTimeFormat(text);
    else
      a.SetAxisValuesFormat(text);
  });
}

void TFormPlotAxis::AddAxis() {
  if (!chart_ || TagGone()) return;
  SetTag(chart_->CustomAxes()->Add());
  FillAxesList();
  Load();
}

void TFormPlotAxis::DeleteAxis() {
  if (!chart_ || !IsCustom() || TagGone()) return;
  const int row = axesList_->currentRow();
  const int index = row - StandardAxisCount;
  TChartAxis* axis = chart_->CustomAxes()->Get(index);
  // Series still on the axis go back to the standard axes before it is freed.
  for (TChartSeries* series : chart_->SeriesList()) {
    if (series->CustomHorizAxis() == axis) series->SetCustomHorizAxis(nullptr);
    if (series->CustomVertAxis() == axis) series->SetCustomVertAxis(nullptr);
  }
  chart_->CustomAxes()->Delete(index);
  SetTag(chart_->Axes()[row - 1]);
  FillAxesList();
  Load();
}
