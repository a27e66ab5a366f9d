#pragma once
// The two popup menus of a view window: PopupMenu1 on the drawing (drawing
// mode, shading, grid, material borders, side panel, boundaries, zoom,
// exports) and pmcsb on the legend (colours, interval, clipboard, legend
// files), with the legend's colour-box click. Entries carry the form's names
// as objectName. Opening PopupMenu1 pauses playback and sets every check mark
// and visibility from the view; the click handlers change the view's model
// and repaint. Dialogs go through ViewDialogs and the legend's colour chooser,
// so tests drive the menus without a modal dialog.
//
// A handler's failure (a number that does not convert, a file that cannot be
// written) ends that command and is shown by the application's handler.
#include "viewer/view/ViewDialogs.h"

#include <QObject>
#include <QPointer>
#include <QString>

#include <functional>
#include <memory>

class QAction;
class QMenu;
class QPoint;
class TColorScrollBox;
class TfrmGLBase;

class ViewPopupMenus : public QObject {
  Q_OBJECT

 public:
  // Builds both menus as children of `view` and routes its context-menu
  // requests to them (the legend's to pmcsb, the rest of the window's to
  // PopupMenu1). The real dialogs until SetDialogs replaces them.
  explicit ViewPopupMenus(TfrmGLBase& view);
  ~ViewPopupMenus() override;

  QMenu* PopupMenu1() const { return popupMenu1_; }
  QMenu* pmcsb() const { return pmcsb_; }
  // The entry (or submenu entry) of either menu named `name`; nullptr if none.
  QAction* Item(const QString& name) const;

  void SetDialogs(std::unique_ptr<ViewDialogs> dialogs);
  ViewDialogs& Dialogs() const { return *dialogs_; }

  // Reads the displayed step again after an export moved the reader; by
  // default the project's RereadStep.
  std::function<void()> RereadStep;

  // ---- on opening ----
  // Pauses the project, then sets check marks, visibility and enabling.
  void PopupMenu1Popup();
  void pmcsbPopup();

  // ---- click handlers of PopupMenu1 ----
  void normalized1Click();
  void threshold1Click();
  void logarithmic2Click();
  void scaling1Click();
  void fill1Click();
  void ShadeModelClick(unsigned shadeModel);
  void Grid1Click();
  void depthtest1Click();
  void visible2Click();
  void depthtest2Click();
  void GridDepthClick(unsigned depthFunc);
  void MatDepthClick(unsigned depthFunc);
  void visible1Click();
  void lighted1Click();
  void enabled1Click();
  void format1Click();
  void BoundaryClick(int bit);
  void ZoomFactorClick(int axis);  // 0 x, 1 y, 2 z
  void ZoomClick(bool out);
  // Opens the data extractor for the view's project and field, modal over
  // the program without a loop of its own.
  void Data1Click();
  void initialconditions1Click();

  // ---- click handlers of pmcsb ----
  void numberofcolors1Click();
  void deletecolor1Click();
  void linearizecolors1Click();
  void lowerbound1Click();
  void upperbound1Click();
  void copytoclipboard1Click();
  void export1Click();
  void import1Click();

  // The legend's colour-box click: the colour dialog with the legend's custom
  // colours; on OK the colour and the dialog's custom colours come back.
  void csbColorBoxClick(int index, unsigned& color, QStringList& customColors);

  // Dialog texts.
  static const QString LegendFilter;  // "Norbex Legend|*.leg"
  static const QString TextFilter;    // "Textfiles (*.txt)|*.txt|All Files|*.*"

 private:
  void buildPopupMenu1();
  void buildPmcsb();
  QAction* addItem(QMenu* menu, const char* name, const QString& caption,
                   std::function<void()> handler, bool checkable = false);
  QMenu* addSubmenu(QMenu* menu, const char* name, const QString& caption);
  void repaint();
  bool querySingle(const QString& caption, const QString& prompt, float& value);
  void setCheck(const char* name, bool checked);
  void setVisible(const char* name, bool visible);
  void showMenu(QMenu* menu, const QPoint& globalPos);

  TfrmGLBase& view_;
  QPointer<TColorScrollBox> legend_;
  std::unique_ptr<ViewDialogs> dialogs_;
  QMenu* popupMenu1_ = nullptr;
  QMenu* pmcsb_ = nullptr;
};

// Gives `view` its popup menus (the view's form calls this once, when built).
ViewPopupMenus& InstallViewPopupMenus(TfrmGLBase& view);
// The menus of `view`; nullptr before InstallViewPopupMenus.
ViewPopupMenus* ViewPopupMenusOf(const TfrmGLBase& view);
