#pragma once
// What a view window (TfrmGLBase and its ViewModel) needs from the project that
// owns it. TZolProject implements it; tests implement it with a few arrays.
//
// The data getters describe things that stay put for the life of the project:
// the grid is built once, the header ranges are copied once, and the field
// pointers point into the reader's single step buffer, whose contents change
// with every step but whose address does not. A view keeps the pointers and
// reads the current step's values in place at its next paint.
//
// Every call arrives on the GUI thread. The commands below are made by keys
// and menus of a view; none of them is called while the project paints.
#include "resultdata/TDataKind.h"

#include <QString>

#include <algorithm>
#include <vector>

class TGrid;
class TResultFile;
class ViewModel;

class ViewHost {
 public:
  virtual ~ViewHost() = default;

  // ---- data ----

  // The grid geometry shared by all views of the project; nullptr while the
  // project has none (a view then draws nothing).
  virtual const TGrid* Grid() const = 0;

  // The value range of a kind from the project's copy of the header block
  // (its Ranges entry): legend bounds, z scale, arrow length factor.
  virtual float RangeMin(TDataKind kind) const = 0;
  virtual float RangeMax(TDataKind kind) const = 0;

  // The current step's values of a kind, Nx * Ny floats indexed by cell
  // (i * Ny + j), inside the reader's step buffer; nullptr when the file does
  // not hold the kind. Directions (degrees) exist for the vector kinds only.
  virtual const float* FieldValues(TDataKind kind) const = 0;
  virtual const float* FieldDirections(TDataKind kind) const = 0;

  // The result file: cell materials, line coordinates and material records,
  // for picking and the material report. nullptr in tests without a file.
  virtual const TResultFile* Reader() const = 0;

  // Full path of the result file (window captions).
  virtual QString FileName() const = 0;

  // True once the first step has been read and shown; before that a view's
  // transform change repaints only itself.
  virtual bool IsLoaded() const = 0;

  // ---- commands of the view's keys and menus ----

  // Stops playback between steps (no effect when not playing).
  virtual void Pause() = 0;
  virtual void StepForward() = 0;
  virtual void StepBack() = 0;
  // Asks for a step number and goes there.
  virtual void GotoStep() = 0;
  // Reads the displayed step again and repaints (after an export moved the
  // reader through the steps).
  virtual void RereadStep() = 0;
  // Marks every view dirty and repaints it (after a legend change).
  virtual void UpdateViews() = 0;
  // Session file of all views of the project; LoadSession returns false when
  // there is no session file.
  virtual bool LoadSession() = 0;
  virtual void SaveSession() = 0;
  // Reader position around exports that walk the steps.
  virtual void SavePosition() = 0;
  virtual void RestorePosition() = 0;
  // Lists material `index` (0-based record index) in the material window when
  // that window is open.
  virtual void ShowMaterial(int index) = 0;

  // ---- the views of the project ----

  // The models of all views of this project, this view's included, in the
  // order they were created (the project's view list order). A ViewModel adds
  // itself when constructed and removes itself when destroyed, so the project
  // does nothing to keep this list; the views use it for the rule that
  // rotations and translations of a scalar view move every scalar view.
  const std::vector<ViewModel*>& ViewModels() const { return viewModels_; }

 private:
  friend class ViewModel;
  void attachViewModel(ViewModel* model) { viewModels_.push_back(model); }
  void detachViewModel(ViewModel* model) {
    viewModels_.erase(std::remove(viewModels_.begin(), viewModels_.end(), model),
                      viewModels_.end());
  }

  std::vector<ViewModel*> viewModels_;
};
