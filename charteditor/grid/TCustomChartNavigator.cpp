#include "charteditor/grid/TCustomChartNavigator.h"

#include "charteditor/grid/NavigatorGlyphs.h"

#include <QKeyEvent>
#include <QStyleOptionFocusRect>
#include <QStylePainter>

namespace {

const char* const kKinds[TCustomChartNavigator::kButtonCount] = {
    "FIRST", "PRIOR", "NEXT", "LAST", "INSERT", "DELETE", "EDIT", "POST", "CANCEL"};
const char* const kDefaultHints[TCustomChartNavigator::kButtonCount] = {
    "First", "Prior", "Next", "Last", "Insert", "Delete", "Edit", "Post", "Cancel"};

QIcon Glyphs(int index) {
  const QString name = QStringLiteral("PlotNav_%1").arg(QLatin1String(kKinds[index]));
  QIcon icon;
  icon.addPixmap(QPixmap::fromImage(NavigatorGlyph(name, true)), QIcon::Normal);
  icon.addPixmap(QPixmap::fromImage(NavigatorGlyph(name, false)), QIcon::Disabled);
  return icon;
}

}  // namespace

TChartNavButton::TChartNavButton(TCustomChartNavigator& navigator, int index)
    : QToolButton(&navigator), navigator_(navigator), index_(index) {
  setAutoRaise(true);
  setAutoRepeat(true);
  setAutoRepeatDelay(TCustomChartNavigator::kRepeatDelay);
  setAutoRepeatInterval(TCustomChartNavigator::kRepeatInterval);
  setFocusPolicy(Qt::NoFocus);
  setIcon(Glyphs(index));
}

void TChartNavButton::paintEvent(QPaintEvent* event) {
  QToolButton::paintEvent(event);
  if (!navigator_.hasFocus() || navigator_.FocusedButton() != index_) return;
  QStylePainter p(this);
  QStyleOptionFocusRect option;
  option.initFrom(this);
  const int shift = isDown() ? 1 : 0;
  option.rect = rect().adjusted(3, 3, -3, -3).translated(shift, shift);
  p.drawPrimitive(QStyle::PE_FrameFocusRect, option);
}

TCustomChartNavigator::TCustomChartNavigator(QWidget* parent) : QWidget(parent) {
  setFocusPolicy(Qt::StrongFocus);
  for (int i = 0; i < kButtonCount; ++i) {
    auto* button = new TChartNavButton(*this, i);
    buttons_[static_cast<std::size_t>(i)] = button;
    connect(button, &QToolButton::clicked, this, [this, i] { ClickButton(i); });
  }
  ApplyHints();
  resize(sizeHint());
  LayoutButtons();
}

void TCustomChartNavigator::SetHints(const QStringList& hints) {
  hints_ = hints;
  ApplyHints();
}

void TCustomChartNavigator::ApplyHints() {
  for (int i = 0; i < kButtonCount; ++i) {
    const QString user = i < hints_.size() ? hints_[i] : QString();
    Button(i)->setToolTip(user.isEmpty() ? QString::fromLatin1(kDefaultHints[i]) : user);
  }
}

void TCustomChartNavigator::SetAligned(bool value) {
  aligned_ = value;
  LayoutButtons();
}

int TCustomChartNavigator::VisibleButtonCount() const {
  int n = 0;
  for (const TChartNavButton* b : buttons_)
    if (!b->isHidden()) ++n;
  return n;
}

void TCustomChartNavigator::SetButtonVisible(int index, bool visible) {
  Button(index)->setVisible(visible);
  if (!visible && focused_ == index) MoveFocus(1);
  LayoutButtons();
}

void TCustomChartNavigator::LayoutButtons() {
  if (laying_) return;
  laying_ = true;
  const int n = std::max(1, VisibleButtonCount());
  setMinimumSize(n * kMinButtonWidth, kMinButtonHeight);
  int w = std::max(width(), n * kMinButtonWidth);
  const int h = std::max(height(), kMinButtonHeight);
  buttonWidth_ = w / n;
  if (!aligned_) {
    w = n * buttonWidth_;
    if (w != width() || h != height()) resize(w, h);
  }
  // The leftover pixels go one by one to the buttons an error counter picks.
  const int remain = w - n * buttonWidth_;
  int counter = n / 2;
  int x = 0;
  for (TChartNavButton* b : buttons_) {
    if (b->isHidden()) {
      b->setGeometry(w + 1, 0, buttonWidth_, h);
      continue;
    }
    int space = 0;
    if (remain != 0) {
      counter -= remain;
      if (counter < 0) {
        counter += n;
        space = 1;
      }
    }
    b->setGeometry(x, 0, buttonWidth_ + space, h);
    x += buttonWidth_ + space;
  }
  laying_ = false;
}

void TCustomChartNavigator::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  LayoutButtons();
}

void TCustomChartNavigator::ClickButton(int index) {
  if (index < 0 || index >= kButtonCount) return;
  BtnClick(index);
  if (OnButtonClicked) OnButtonClicked(*this, index);
}

void TCustomChartNavigator::MoveFocus(int step) {
  for (int k = 1; k <= kButtonCount; ++k) {
    const int i = focused_ + step * k;
    if (i < 0 || i >= kButtonCount) return;
    if (!Button(i)->isHidden()) {
      Button(focused_)->update();
      focused_ = i;
      Button(focused_)->update();
      return;
    }
  }
}

void TCustomChartNavigator::keyPressEvent(QKeyEvent* event) {
  switch (event->key()) {
    case Qt::Key_Space:
      if (Button(focused_)->isEnabled()) Button(focused_)->click();
      break;
    case Qt::Key_Left:
      MoveFocus(-1);
      break;
    case Qt::Key_Right:
      MoveFocus(1);
      break;
    default:
      QWidget::keyPressEvent(event);
  }
}

void TCustomChartNavigator::focusInEvent(QFocusEvent* event) {
  QWidget::focusInEvent(event);
  Button(focused_)->update();
}

void TCustomChartNavigator::focusOutEvent(QFocusEvent* event) {
  QWidget::focusOutEvent(event);
  Button(focused_)->update();
}
