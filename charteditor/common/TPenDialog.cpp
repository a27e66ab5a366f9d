#include "charteditor/common/TPenDialog.h"

#include "chart/canvas/TChartPen.h"
#include "chart/core/ChartMessages.h"
#include "chart/core/PublishedProperties.h"
#include "chart/widget/TButtonColor.h"
#include "charteditor/common/NamedControls.h"
#include "charteditor/common/SampleItemDelegate.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QPainter>
#include <QSpinBox>

namespace {

constexpr int kSmallDotsEntry = 5;

// Each style entry shows a line of that style in the pen's colour.
class PenStyleDelegate final : public SampleItemDelegate {
 public:
  PenStyleDelegate(TPenDialog* dialog, QObject* parent)
      : SampleItemDelegate({QMargins(34, 2, 0, 0), Qt::AlignLeft | Qt::AlignTop, 36, 18}, parent),
        dialog_(dialog) {}

 protected:
  void PaintSample(QPainter& painter, const QRect& item, int row,
                   const QColor& back) const override {
    QColor color = Qt::black;
    if (const TChartPen* pen = dialog_->Pen()) color = base::ToQColor(pen->Color());
    // A line in the background's colour would vanish.
    if (color.rgb() == back.rgb()) color = back.lightness() > 127 ? Qt::black : Qt::white;
    QPen line(color);
    static const Qt::PenStyle styles[] = {Qt::SolidLine,   Qt::DashLine,       Qt::DotLine,
                                          Qt::DashDotLine, Qt::DashDotDotLine, Qt::DotLine};
    line.setStyle(row >= 0 && row <= kSmallDotsEntry ? styles[row] : Qt::SolidLine);
    if (row == kSmallDotsEntry) line.setDashPattern({1, 1});
    painter.setPen(line);
    const int x = item.left();
    const int y = item.top();
    painter.drawLine(x + 2, y + 8, x + 30, y + 8);
  }

 private:
  TPenDialog* dialog_;
};

}  // namespace

TPenDialog::TPenDialog(QWidget* parent)
    : TEditorForm(parent),
      visibleBox_(new QCheckBox(tr("&Visible"), Body())),
      widthBox_(MakeSpin(Body(), "SEWidth", 1, 100)),
      styleBox_(new QComboBox(Body())),
      endStyleBox_(new QComboBox(Body())),
      colorButton_(new TButtonColor(Body())) {
  setObjectName(QStringLiteral("PenDialog"));
  setWindowTitle(tr("Border Editor"));
  visibleBox_->setObjectName(QStringLiteral("CBVisible"));
  styleBox_->setObjectName(QStringLiteral("CBStyle"));
  styleBox_->addItems({tr("Solid"), tr("Dash"), tr("Dot"), tr("Dash Dot"), tr("Dash Dot Dot"),
                       ChartText(ChartMsg::StyleSmallDots)});
  styleBox_->setItemDelegate(new PenStyleDelegate(this, styleBox_));
  FitListToEntries(*styleBox_);
  endStyleBox_->setObjectName(QStringLiteral("CBEndStyle"));
  endStyleBox_->addItems({tr("Round"), tr("Square"), tr("Flat")});
  // Its design width, or what its longest entry needs at the font in use.
  endStyleBox_->setMinimumWidth(68);
  endStyleBox_->setSizePolicy(QSizePolicy::Fixed, endStyleBox_->sizePolicy().verticalPolicy());
  colorButton_->setObjectName(QStringLiteral("BColor"));
  colorButton_->setText(tr("&Color..."));

  auto* widthLabel = new QLabel(tr("&Width:"), Body());
  widthLabel->setBuddy(widthBox_);
  auto* styleLabel = new QLabel(tr("&Style:"), Body());
  styleLabel->setBuddy(styleBox_);
  auto* grid = new QGridLayout(Body());
  grid->setContentsMargins(0, 0, 0, 0);
  grid->addWidget(visibleBox_, 0, 0);
  grid->addWidget(endStyleBox_, 0, 1);
  grid->addWidget(widthLabel, 1, 0);
  grid->addWidget(widthBox_, 1, 1);
  grid->addWidget(styleLabel, 2, 0);
  grid->addWidget(styleBox_, 2, 1);
  grid->addWidget(colorButton_, 3, 1);

  connect(visibleBox_, &QCheckBox::toggled, this, &TPenDialog::VisibleChanged);
  connect(widthBox_, &QSpinBox::valueChanged, this, &TPenDialog::WidthChanged);
  connect(styleBox_, &QComboBox::currentIndexChanged, this, &TPenDialog::StyleChanged);
  connect(endStyleBox_, &QComboBox::currentIndexChanged, this, &TPenDialog::EndStyleChanged);
  // The samples of the style list are drawn in the pen's colour.
  connect(colorButton_, &QAbstractButton::clicked, styleBox_, [this] { styleBox_->update(); });
}

TPenDialog::~TPenDialog() = default;

TChartPen* TPenDialog::Pen() const {
  return qobject_cast<TChartPen*>(Tag());
}

void TPenDialog::EditPen(TChartPen* pen) {
  SetTag(pen);
  backup_.reset();
  if (pen) {
    backup_ = std::make_unique<TChartPen>();
    CopyPublished(*pen, *backup_);
  }
  Load();
}

void TPenDialog::Load() {
  LoadingScope loading(*this);
  TChartPen* pen = Pen();
  colorButton_->LinkProperty(pen, QStringLiteral("Color"));
  if (!pen) return;
  visibleBox_->setChecked(pen->Visible());
  widthBox_->setValue(std::max(1, pen->Width()));
  if (pen->SmallDots()) {
    styleBox_->setCurrentIndex(kSmallDotsEntry);
  } else {
    const int style = pen->Style();
    styleBox_->setCurrentIndex(style < kSmallDotsEntry ? style : -1);
  }
  widthBox_->setEnabled(!pen->SmallDots());
  endStyleBox_->setCurrentIndex(pen->EndStyle());
}

void TPenDialog::VisibleChanged(bool on) {
  if (CanWrite()) Pen()->SetVisible(on);
}

void TPenDialog::WidthChanged(int value) {
  if (CanWrite()) Pen()->SetWidth(value);
}

void TPenDialog::StyleChanged(int index) {
  if (!CanWrite() || index < 0) return;
  TChartPen* pen = Pen();
  if (index == kSmallDotsEntry) {
    pen->SetSmallDots(true);
  } else {
    pen->SetSmallDots(false);
    pen->SetStyle(static_cast<TPenStyle>(index));
  }
  widthBox_->setEnabled(index != kSmallDotsEntry);
}

void TPenDialog::EndStyleChanged(int index) {
  if (CanWrite() && index >= 0) Pen()->SetEndStyle(static_cast<TPenEndStyle>(index));
}

void TPenDialog::reject() {
  if (TChartPen* pen = Pen(); pen && backup_) pen->Assign(*backup_);
  TEditorForm::reject();
}

bool EditChartPen(QWidget* owner, TChartPen* pen) {
  if (!pen) return false;
  TPenDialog dialog(owner);
  dialog.EditPen(pen);
  return dialog.exec() == QDialog::Accepted;
}
