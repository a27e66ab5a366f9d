#pragma once
// The numbers of a scrolling text window: which lines show, where they go and
// how far the scroll bar reaches, from the line height and the window height.
// TViewer draws it.
#include <QStringList>

class TextViewerModel {
 public:
  // Left margin of every line, in pixels.
  static constexpr int LeftMargin = 3;
  // A page step keeps this many lines of the previous page in view.
  static constexpr int PageOverlap = 8;

  const QStringList& Lines() const { return lines_; }
  void SetLines(const QStringList& lines) { lines_ = lines; }
  int LineCount() const { return static_cast<int>(lines_.size()); }

  // Line height in pixels (at least 1) and the height of the window.
  void SetMetrics(int lineHeight, int clientHeight);
  int LineHeight() const { return lineHeight_; }
  int LinesPerPage() const { return linesPerPage_; }

  // Largest scroll position: the first line of the last full page.
  int ScrollMax() const;
  // A page up or down moves by a page less the overlap, but always by at least
  // one line, however short the window.
  int PageStep() const;

  // Index of the first line drawn at scroll position `position`, and how many
  // lines are drawn from there; line k of them goes to y = k * LineHeight().
  int FirstLine(int position) const;
  int VisibleLineCount(int position) const;

 private:
  QStringList lines_;
  int lineHeight_ = 1;
  int linesPerPage_ = 0;
};
