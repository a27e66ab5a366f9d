#pragma once
// A row of small flat buttons that move through something (the rows of a
// chart grid, the pages of a chart) and, for a grid, edit it. The buttons
// share the width evenly, the pixels left over spread one by one; a held
// button repeats. The navigator keeps the keyboard focus itself and marks
// the button Space would click.
#include <QStringList>
#include <QToolButton>
#include <QWidget>

#include <array>
#include <functional>

class TCustomChartNavigator;

// One button of a navigator: a flat tool button that draws the style's
// focus frame while it is the navigator's focused button.
class TChartNavButton : public QToolButton {
  Q_OBJECT

 public:
  TChartNavButton(TCustomChartNavigator& navigator, int index);
  int Index() const { return index_; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  TCustomChartNavigator& navigator_;
  int index_;
};

class TCustomChartNavigator : public QWidget {
  Q_OBJECT

 public:
  enum TNavigateBtn {
    nbFirst,
    nbPrior,
    nbNext,
    nbLast,
    nbInsert,
    nbDelete,
    nbEdit,
    nbPost,
    nbCancel
  };
  static constexpr int kButtonCount = 9;
  static constexpr int kMinButtonWidth = 20;
  static constexpr int kMinButtonHeight = 18;
  static constexpr int kRepeatDelay = 400;
  static constexpr int kRepeatInterval = 100;

  explicit TCustomChartNavigator(QWidget* parent = nullptr);

  TChartNavButton* Button(int index) const { return buttons_.at(static_cast<std::size_t>(index)); }
  // Each non-empty line i (up to 8) replaces the default hint of button i.
  QStringList Hints() const { return hints_; }
  void SetHints(const QStringList& hints);
  // Whether a layout sizes the navigator (its width then stays as given);
  // otherwise the width shrinks to a whole number of buttons.
  bool Aligned() const { return aligned_; }
  void SetAligned(bool value);
  int ButtonWidth() const { return buttonWidth_; }
  int FocusedButton() const { return focused_; }
  int VisibleButtonCount() const;

  // Runs the button's action, then OnButtonClicked.
  void ClickButton(int index);
  std::function<void(TCustomChartNavigator&, int index)> OnButtonClicked;

  // Enables each button as the navigated thing allows.
  virtual void EnableButtons() {}

  QSize sizeHint() const override { return {241, 25}; }

 protected:
  virtual void BtnClick(int /*index*/) {}
  void SetButtonVisible(int index, bool visible);
  // Places the buttons for the current size.
  void LayoutButtons();
  void resizeEvent(QResizeEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;

 private:
  void ApplyHints();
  void MoveFocus(int step);

  std::array<TChartNavButton*, kButtonCount> buttons_{};
  QStringList hints_;
  bool aligned_ = false;
  int buttonWidth_ = 0;
  int focused_ = 0;
  bool laying_ = false;
};
