#include "viewer/widgets/TColorScrollBox.h"

#include "base/Convert.h"
#include "base/MathUtil.h"
#include "viewer/widgets/TColorBox.h"

#include <QApplication>
#include <QClipboard>
#include <QColorDialog>
#include <QEvent>
#include <QFontInfo>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>

#include <algorithm>

namespace {

using TColor = base::TColor;

// A colour dialog keeps 16 custom colours, lettered A..P in the legend's lists.
constexpr int CustomColorSlots = 16;

QString CustomColorLine(int slot, TColor c) {
  return QStringLiteral("Color%1=%2").arg(QChar(u'A' + slot)).arg(base::IntToHex(c & 0xFFFFFF, 6));
}

// Lines "ColorX=hex" into the process-wide custom colours of the dialog;
// lines of other names or with values that do not parse are skipped.
void LoadCustomColors(const QStringList& lines) {
  for (const QString& line : lines) {
    const int eq = line.indexOf(u'=');
    if (eq != 6 || !line.startsWith(QStringLiteral("Color"), Qt::CaseInsensitive)) continue;
    const int slot = line.at(5).toUpper().unicode() - u'A';
    bool ok = false;
    const uint value = line.mid(eq + 1).trimmed().toUInt(&ok, 16);
    if (ok && slot >= 0 && slot < CustomColorSlots)
      QColorDialog::setCustomColor(slot, base::ToQColor(value & 0xFFFFFF));
  }
}

QStringList SaveCustomColors() {
  QStringList lines;
  for (int slot = 0; slot < CustomColorSlots; ++slot)
    lines << CustomColorLine(slot, base::FromQColor(QColorDialog::customColor(slot)));
  return lines;
}

bool DialogChooseColor(QWidget* parent, TColor& color, QStringList& customColors) {
  LoadCustomColors(customColors);
  const QColor chosen = QColorDialog::getColor(base::ToQColor(color), parent);
  if (!chosen.isValid()) return false;
  color = base::FromQColor(chosen);
  customColors = SaveCustomColors();
  return true;
}

// Size of a font in points; fonts given in pixels are converted at 96 dpi.
int FontPoints(const QFont& font) {
  if (font.pointSizeF() > 0) return base::Round(font.pointSizeF());
  return base::Round(QFontInfo(font).pixelSize() * 72.0 / 96.0);
}

QFont TitleFont(const QFont& font) {
  QFont bold = font;
  bold.setBold(true);
  return bold;
}

}  // namespace

// The scrolled content: background in the legend's colour, rows placed by
// the layout whenever its width changes.
class TColorScrollBox::Canvas : public QWidget {
 public:
  explicit Canvas(TColorScrollBox* legend) : legend_(legend) {}

 protected:
  void resizeEvent(QResizeEvent*) override { legend_->ArrangeBoxes(); }
  void paintEvent(QPaintEvent*) override {
    QPainter p(this);
    p.fillRect(rect(), base::ToQColor(legend_->Model().Color()));
  }

 private:
  TColorScrollBox* legend_;
};

TColorScrollBox::TColorScrollBox(QWidget* parent) : QScrollArea(parent), model_(&ownModel_) {
  setObjectName(QStringLiteral("csb"));
  setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  setWidgetResizable(true);
  canvas_ = new Canvas(this);
  title_ = new QLabel(canvas_);
  title_->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
  title_->setAutoFillBackground(true);
  title_->installEventFilter(this);
  setWidget(canvas_);
  ChooseColor = [this](TColor& color, QStringList& custom) {
    return DialogChooseColor(this, color, custom);
  };
  ConnectModel();
  Sync();
}

TColorScrollBox::~TColorScrollBox() {
  if (model_ != &ownModel_) model_->OnChanged = nullptr;
}

void TColorScrollBox::AttachModel(ColorLegendModel* model) {
  if (model_ != &ownModel_) model_->OnChanged = nullptr;
  model_ = model ? model : &ownModel_;
  ConnectModel();
  Sync();
}

void TColorScrollBox::ConnectModel() {
  model_->OnChanged = [this] { Sync(); };
}

ColorLegendLayout TColorScrollBox::Layout() const {
  ColorLegendLayout layout;
  layout.titleHeight = QFontMetrics(TitleFont(font())).height();
  layout.fontPoints = FontPoints(font());
  return layout;
}

TColorBox* TColorScrollBox::Row(int i) const {
  if (i < 1 || i > static_cast<int>(rows_.size())) return nullptr;
  return rows_[static_cast<size_t>(i - 1)];
}

void TColorScrollBox::Sync() {
  // A row's click handler may change the model while that row is on the
  // stack; removed rows are therefore deleted later, never here.
  if (syncing_) return;
  syncing_ = true;
  const int n = model_->BoxCount();
  while (static_cast<int>(rows_.size()) > n) {
    TColorBox* row = rows_.back();
    rows_.pop_back();
    row->hide();
    row->deleteLater();
  }
  while (static_cast<int>(rows_.size()) < n) {
    auto* row = new TColorBox(this, static_cast<int>(rows_.size()) + 1);
    rows_.push_back(row);
    row->show();
  }
  title_->setText(model_->Caption());
  QPalette pal = title_->palette();
  pal.setColor(QPalette::Window, base::ToQColor(model_->Color()));
  pal.setColor(QPalette::WindowText,
               base::ToQColor(ColorLegendModel::ContrastColor(model_->Color())));
  title_->setPalette(pal);
  ArrangeBoxes();
  canvas_->update();
  for (TColorBox* row : rows_) row->update();
  syncing_ = false;
  Q_EMIT TextsChanged();
}

int TColorScrollBox::WidthForTexts() const {
  const ColorLegendLayout layout = Layout();
  const QFontMetrics title(TitleFont(font())), rows(font());
  int width = title.horizontalAdvance(model_->Caption());
  const int captionLeft = layout.CaptionPos(false).x();
  for (int i = 1; i <= model_->BoxCount(); ++i)
    width = std::max(width, captionLeft + rows.horizontalAdvance(model_->BoxCaption(i)));
  // Two pixels keep the last glyph clear of the edge.
  return width + 2 + 2 * frameWidth() + verticalScrollBar()->sizeHint().width();
}

void TColorScrollBox::ArrangeBoxes() {
  const ColorLegendLayout layout = Layout();
  const int width = canvas_->width();
  title_->setFont(TitleFont(font()));
  title_->setGeometry(0, 0, width, layout.titleHeight);
  for (size_t k = 0; k < rows_.size(); ++k)
    rows_[k]->setGeometry(0, layout.RowTop(static_cast<int>(k) + 1), width, layout.RowHeight());
  const int height = layout.ClientHeight(model_->BoxCount());
  if (canvas_->minimumHeight() != height) canvas_->setMinimumHeight(height);
}

QImage TColorScrollBox::RenderImage() const {
  const ColorLegendLayout layout = Layout();
  const int width = std::max(1, canvas_->width());
  const int height = std::max(1, layout.ClientHeight(model_->BoxCount()));
  QImage image(width, height, QImage::Format_RGB32);
  image.fill(base::ToQColor(model_->Color()));
  QPainter p(&image);
  const QFont titleFont = TitleFont(font());
  p.setFont(titleFont);
  p.setPen(base::ToQColor(ColorLegendModel::ContrastColor(model_->Color())));
  const QFontMetrics fm(titleFont);
  const int x = (width - fm.horizontalAdvance(model_->Caption())) / 2;
  p.drawText(QRect(x, 0, width, layout.titleHeight), Qt::AlignLeft | Qt::AlignTop,
             model_->Caption());
  p.setFont(font());
  for (int i = 1; i <= model_->BoxCount(); ++i) {
    const TColorBox* row = Row(i);
    TColorBox::Draw(p, QPoint(0, layout.RowTop(i)), width, *model_, layout, i, row && row->Active(),
                    false);
  }
  return image;
}

void TColorScrollBox::CopyToClipboard() const {
  QClipboard* clipboard = QGuiApplication::clipboard();
  clipboard->clear();
  clipboard->setImage(RenderImage());
}

void TColorScrollBox::TitleClick() {
  TColor color = model_->Color();
  QStringList custom = model_->CustomColor();
  if (ChooseColor && ChooseColor(color, custom)) {
    model_->CustomColor() = custom;
    if (color != model_->Color()) {
      model_->SetColor(color);  // fires OnColorChanged
      return;
    }
  }
  if (model_->OnColorChanged) model_->OnColorChanged();
}

bool TColorScrollBox::RequestBoxColor(int index, TColor current) {
  if (!model_->CanEdit()) return false;
  const int n = model_->BoxCount();
  if (model_->ColorsLinear() && index > 1 && index < n) return true;
  QStringList custom;
  for (int i = 1; i <= std::min(n, CustomColorSlots); ++i)
    custom << CustomColorLine(i - 1, model_->GetBoxColor(i));
  TColor color = current;
  if (ChooseColor && ChooseColor(color, custom)) model_->SetBoxColor(index, color);
  return true;
}

void TColorScrollBox::RowEntered(int index) {
  model_->SetActiveRow(index);
}

void TColorScrollBox::RowLeft(int index) {
  // Opening a popup menu takes the mouse from the row, but the popup's
  // commands act on the row it was opened over.
  if (QApplication::activePopupWidget() != nullptr) return;
  if (model_->ActiveRow() == index) model_->SetActiveRow(0);
}

void TColorScrollBox::RowClicked(int index) {
  model_->ColorBoxClick(index);
}

void TColorScrollBox::changeEvent(QEvent* event) {
  QScrollArea::changeEvent(event);
  if (event->type() == QEvent::FontChange) {
    canvas_->setFont(font());
    Sync();
  }
}

void TColorScrollBox::leaveEvent(QEvent* event) {
  QScrollArea::leaveEvent(event);
  if (QApplication::activePopupWidget() == nullptr) model_->SetActiveRow(0);
}

bool TColorScrollBox::eventFilter(QObject* watched, QEvent* event) {
  if (watched == title_ && event->type() == QEvent::MouseButtonRelease &&
      static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
    TitleClick();
    return true;
  }
  return QScrollArea::eventFilter(watched, event);
}
