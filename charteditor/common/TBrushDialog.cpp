#include "charteditor/common/TBrushDialog.h"

#include "chart/canvas/TChartBrush.h"
#include "chart/core/ChartMessages.h"
#include "chart/core/ChartPrompts.h"
#include "chart/core/PublishedProperties.h"
#include "chart/widget/TButtonColor.h"
#include "charteditor/common/EditorResources.h"
#include "charteditor/common/PictureFiles.h"
#include "charteditor/common/SampleItemDelegate.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

QImage patternOf(int entry) {
  return EditorBitmap(EditorPatternName(entry - TBrushDialog::kFirstPattern + 1));
}

// Each entry shows a sample of its fill in the brush's colour.
class PatternDelegate final : public SampleItemDelegate {
 public:
  PatternDelegate(TBrushDialog* dialog, QObject* parent)
      : SampleItemDelegate({QMargins(34, 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter, 36, 18},
                           parent),
        dialog_(dialog) {}

 protected:
  void PaintSample(QPainter& painter, const QRect& item, int row,
                   const QColor& /*back*/) const override {
    QColor color = Qt::black;
    if (const TChartBrush* brush = dialog_->Brush(); brush && brush->Color() != base::clDefault)
      color = base::ToQColor(brush->Color());
    // Samples sit on white: a white brush would leave every one of them
    // blank, as a line in the list's colour would in the pen dialog.
    if (color.rgb() == QColor(Qt::white).rgb()) color = Qt::black;
    QBrush sample;
    if (row >= TBrushDialog::kFirstPattern) {
      QImage pattern = patternOf(row);
      pattern.setColor(0, color.rgb());
      sample = QBrush(pattern);
    } else {
      static const Qt::BrushStyle styles[] = {
          Qt::SolidPattern, Qt::NoBrush,      Qt::HorPattern,   Qt::VerPattern,
          Qt::FDiagPattern, Qt::BDiagPattern, Qt::CrossPattern, Qt::DiagCrossPattern};
      sample = QBrush(color, styles[std::clamp(row, 0, 7)]);
    }
    const QRect box(item.left() + 2, item.top() + 2, 26, item.height() - 4);
    painter.fillRect(box, Qt::white);
    painter.fillRect(box, sample);
    painter.setPen(Qt::black);
    painter.drawRect(box.adjusted(0, 0, -1, -1));
  }

 private:
  TBrushDialog* dialog_;
};

}  // namespace

TBrushDialog::TBrushDialog(QWidget* parent)
    : TEditorForm(parent),
      styleList_(new QListWidget(Body())),
      colorButton_(new TButtonColor(Body())),
      imageGroup_(new QGroupBox(tr("Image:"), Body())),
      image_(new QLabel(imageGroup_)),
      imageButton_(new QPushButton(imageGroup_)) {
  setObjectName(QStringLiteral("BrushDialog"));
  setWindowTitle(tr("Pattern Color Editor"));
  styleList_->setObjectName(QStringLiteral("LStyle"));
  styleList_->addItems({tr("Solid"),          tr("None"),
                        tr("Horizontal"),     tr("Vertical"),
                        tr("Diagonal"),       tr("Back Diagonal"),
                        tr("Cross"),          tr("Diagonal Cross"),
                        tr("Fill 80%"),       tr("Fill 60%"),
                        tr("Fill 40%"),       tr("Fill 20%"),
                        tr("Fill 10%"),       tr("Zig zag"),
                        tr("Vertical small"), tr("Horiz. small"),
                        tr("Diag. small"),    tr("Back Diag. small"),
                        tr("Cross small"),    tr("Diag. Cross small")});
  styleList_->setItemDelegate(new PatternDelegate(this, styleList_));
  styleList_->setMinimumHeight(200);
  colorButton_->setObjectName(QStringLiteral("BColor"));
  colorButton_->setText(tr("&Color..."));
  imageGroup_->setObjectName(QStringLiteral("GroupBox1"));
  image_->setObjectName(QStringLiteral("Image1"));
  image_->setFixedSize(64, 64);
  image_->setFrameShape(QFrame::Box);
  imageButton_->setObjectName(QStringLiteral("Button1"));
  imageButton_->setText(tr("&Image..."));

  auto* imageLayout = new QVBoxLayout(imageGroup_);
  imageLayout->addWidget(image_, 0, Qt::AlignHCenter);
  imageLayout->addWidget(imageButton_);
  auto* side = new QVBoxLayout;
  side->addWidget(colorButton_);
  side->addWidget(imageGroup_);
  side->addStretch();
  auto* layout = new QHBoxLayout(Body());
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(styleList_);
  layout->addLayout(side);

  connect(styleList_, &QListWidget::currentRowChanged, this, &TBrushDialog::EntryChanged);
  connect(imageButton_, &QPushButton::clicked, this, &TBrushDialog::ImageClicked);
  connect(colorButton_, &QAbstractButton::clicked, styleList_->viewport(),
          [this] { styleList_->viewport()->update(); });
}

TBrushDialog::~TBrushDialog() = default;

TChartBrush* TBrushDialog::Brush() const {
  return qobject_cast<TChartBrush*>(Tag());
}

int TBrushDialog::PatternEntryOf(const TChartBrush& brush) {
  const QImage& picture = brush.Image()->Image();
  if (picture.isNull() || picture.size() != QSize(8, 8)) return -1;
  const QImage mine = picture.convertToFormat(QImage::Format_RGB32);
  for (int entry = kFirstPattern; entry < kEntries; ++entry) {
    if (patternOf(entry).convertToFormat(QImage::Format_RGB32) == mine) return entry;
  }
  return -1;
}

void TBrushDialog::EditBrush(TChartBrush* brush) {
  SetTag(brush);
  backup_.reset();
  if (brush) {
    backup_ = std::make_unique<TChartBrush>();
    CopyPublished(*brush, *backup_);
  }
  Load();
}

void TBrushDialog::Load() {
  LoadingScope loading(*this);
  TChartBrush* brush = Brush();
  colorButton_->LinkProperty(brush, QStringLiteral("Color"));
  if (!brush) return;
  const int pattern = PatternEntryOf(*brush);
  styleList_->setCurrentRow(pattern >= 0 ? pattern : brush->Style());
  colorButton_->setEnabled(brush->Style() != Graphics::bsClear);
  ShowPicture();
}

void TBrushDialog::ShowPicture() {
  const TChartBrush* brush = Brush();
  const bool has = brush && !brush->Image()->Empty();
  // A pattern bitmap is chosen in the list; only a picture of the user's own is shown here.
  const bool own = has && PatternEntryOf(*brush) < 0;
  image_->setPixmap(own ? QPixmap::fromImage(brush->Image()->Image().scaled(
                              image_->size(), Qt::KeepAspectRatio, Qt::SmoothTransformation))
                        : QPixmap());
  imageButton_->setText(ChartText(own ? ChartMsg::ButtonClear : ChartMsg::ButtonBrowse));
}

void TBrushDialog::EntryChanged(int row) {
  if (!CanWrite() || row < 0) return;
  TChartBrush* brush = Brush();
  if (row < kFirstPattern) {
    brush->SetStyle(static_cast<TBrushStyle>(row));
    if (PatternEntryOf(*brush) >= 0) brush->Image()->Clear();
  } else {
    // The pattern picture is what draws, but a clear style would leave the
    // brush counted as empty (shadows, wall shading) and its colour locked:
    // a pattern is solid. One change, so the chart hears of it once.
    TChartBrush next;
    CopyPublished(*brush, next);
    next.SetStyle(Graphics::bsSolid);
    next.Image()->SetImage(patternOf(row));
    brush->Assign(next);
  }
  colorButton_->setEnabled(brush->Style() != Graphics::bsClear);
  ShowPicture();
}

void TBrushDialog::ImageClicked() {
  TChartBrush* brush = Brush();
  if (!brush) return;
  if (!brush->Image()->Empty() && PatternEntryOf(*brush) < 0) {
    brush->Image()->Clear();
  } else {
    QString fileName;
    if (!Prompts().OpenPictureFileName(fileName)) return;
    QString error;
    if (!LoadPictureFile(*brush->Image(), fileName, error)) {
      Prompts().Error(error);
      return;
    }
    LoadingScope loading(*this);
    styleList_->setCurrentRow(brush->Style());
  }
  ShowPicture();
}

void TBrushDialog::reject() {
  if (TChartBrush* brush = Brush(); brush && backup_) brush->Assign(*backup_);
  TEditorForm::reject();
}

bool EditChartBrush(QWidget* owner, TChartBrush* brush) {
  if (!brush) return false;
  TBrushDialog dialog(owner);
  dialog.EditBrush(brush);
  return dialog.exec() == QDialog::Accepted;
}
