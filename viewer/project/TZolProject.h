#pragma once
// One opened result file: the reader, the grid, one view per field kind the
// file holds, the playback pacer and, while open, the material window. The
// main window keeps the projects and sends playback commands here; the views
// call back through ViewHost for stepping, sessions and the material window.
//
// All reading and painting run on the GUI thread. Playback states: no player
// (after opening), playing, paused; Play goes to playing, Pause and Rewind to
// paused. A step never runs an event loop.
//
// The project holds no widget: views and the material window come from its
// owner through ProjectView and MaterialView.
#include "resultdata/TDataKind.h"
#include "viewer/view/ViewHost.h"

#include <QString>
#include <QStringList>

#include <array>
#include <chrono>
#include <cstdint>
#include <memory>
#include <vector>

class MaterialView;
class ProjectOwner;
class ProjectView;
class TGrid;
class TResultFile;
class TRunOne;

// What the project keeps of the reader's header block.
struct ProjectHeader {
  QString StartDateText;
  std::array<TDataKind, 8> KindSlots{};  // normalised: a kind or dkEmpty per slot
  bool HasSlotNames = false;             // version-0 files name their slots
  std::array<QString, 8> SlotNames;      // at most 32 characters each
  std::array<float, 8> Min{}, Max{};     // value range by kind
};

class TZolProject : public ViewHost {
 public:
  // Opens `fileName`, builds the grid, makes the views (kind slots 7 down to
  // 0, so the lowest kind is made last and is active) and shows the first
  // step. Throws base::Exception (the reader's message) for a file that cannot
  // be shown; nothing is left behind then.
  TZolProject(ProjectOwner& owner, const QString& fileName);
  // Ends playback for good, then frees the views (last first), the material
  // window, the reader and the grid.
  ~TZolProject() override;

  TZolProject(const TZolProject&) = delete;
  TZolProject& operator=(const TZolProject&) = delete;

  // ---- ViewHost ----
  const TGrid* Grid() const override;
  float RangeMin(TDataKind kind) const override;
  float RangeMax(TDataKind kind) const override;
  const float* FieldValues(TDataKind kind) const override;
  const float* FieldDirections(TDataKind kind) const override;
  const TResultFile* Reader() const override;
  QString FileName() const override { return fileName_; }
  bool IsLoaded() const override { return loaded_; }
  void Pause() override;
  // Next step; after the last step the first follows (with a short pause on
  // the last one so that the end of the film is seen).
  void StepForward() override;
  // Previous step; from the first step to the last.
  void StepBack() override;
  // Asks for the step index and goes there (clamped to 0 .. last).
  void GotoStep() override;
  void RereadStep() override { GotoStep(CurrentStepIndex()); }
  // Sets every view to the current step's date and repaints it.
  void UpdateViews() override;
  bool LoadSession() override;
  void SaveSession() override;
  void SavePosition() override;
  void RestorePosition() override;
  void ShowMaterial(int index) override;

  // ---- playback ----
  void Play();
  bool IsPlaying() const;
  // Back to the first step (read, not painted: callers UpdateViews). Pauses.
  void Rewind();
  // Goes to step `index` clamped to 0 .. LastStepIndex, and repaints.
  void GotoStep(std::int64_t index);
  std::int64_t CurrentStepIndex() const;
  std::int64_t LastStepIndex() const;
  // Date of the step on screen (days since 30 December 1899).
  double CurrentDate() const;
  double StartDate() const;
  // StartDate + the last step's time.
  double EndDate() const { return endDate_; }
  // How long the last step stays before StepForward wraps (100 ms).
  void SetEndOfFilmPause(std::chrono::milliseconds pause) { endPause_ = pause; }

  // ---- material window ----
  void ToggleMaterialWindow();
  MaterialView* MaterialWindow() const { return materialWindow_.get(); }
  int ShownMaterial() const { return shownMaterial_; }

  // ---- the rest ----
  const ProjectHeader& Header() const { return header_; }
  // In creation order (kind 7 first); the last is the active one after opening.
  const std::vector<std::unique_ptr<ProjectView>>& Views() const { return views_; }
  ProjectOwner& Owner() const { return owner_; }
  // Number of steps shown so far (by playback and commands alike).
  std::uint64_t StepsShown() const { return stepsShown_; }

 private:
  void CopyHeader();
  void PlaybackStep();
  void ShowCurrentStep();
  QStringList MaterialText(int index) const;

  ProjectOwner& owner_;
  const QString fileName_;
  // Members are destroyed in reverse order: the views (which read the grid and
  // the step buffer) go before the reader and the grid.
  std::unique_ptr<TGrid> grid_;
  std::unique_ptr<TResultFile> reader_;
  ProjectHeader header_;
  std::vector<std::unique_ptr<ProjectView>> views_;
  std::unique_ptr<MaterialView> materialWindow_;
  std::unique_ptr<TRunOne> player_;
  bool loaded_ = false;
  int shownMaterial_ = -1;
  double endDate_ = 0;
  std::chrono::milliseconds endPause_{100};
  std::uint64_t stepsShown_ = 0;
};
