#pragma once
// Paces the playback of one project. Every step runs on the GUI thread from a
// zero-interval timer: one step per pass of the event loop, as fast as reading
// and painting allow, with input and repaints handled between steps. Nothing
// waits on anything, so pausing takes effect before the next step and
// destroying the player (or its project) mid-playback cannot deadlock and
// leaves no step to run afterwards.
#include <QObject>
#include <QTimer>

#include <functional>

class TRunOne : public QObject {
  Q_OBJECT

 public:
  // `step` reads and shows the next step; it must not throw.
  explicit TRunOne(std::function<void()> step, QObject* parent = nullptr);
  ~TRunOne() override;

  TRunOne(const TRunOne&) = delete;
  TRunOne& operator=(const TRunOne&) = delete;

  void Resume();
  void Suspend();
  bool IsRunning() const { return timer_.isActive(); }

  // Ends playback for good: no further step runs, Resume does nothing.
  void Terminate();
  bool IsTerminated() const { return terminated_; }

 private:
  void RunStep();

  std::function<void()> step_;
  QTimer timer_;
  bool terminated_ = false;
};
