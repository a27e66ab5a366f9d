#include "viewer/project/TRunOne.h"

#include <utility>

TRunOne::TRunOne(std::function<void()> step, QObject* parent)
    : QObject(parent), step_(std::move(step)) {
  timer_.setInterval(0);
  timer_.setSingleShot(false);
  connect(&timer_, &QTimer::timeout, this, &TRunOne::RunStep);
}

TRunOne::~TRunOne() {
  Terminate();
}

void TRunOne::Resume() {
  if (terminated_) return;
  timer_.start();
}

void TRunOne::Suspend() {
  timer_.stop();
}

void TRunOne::Terminate() {
  terminated_ = true;
  timer_.stop();
}

void TRunOne::RunStep() {
  // A timeout may already be queued when Suspend or Terminate ran in the same
  // pass of the event loop; it must not start a step.
  if (terminated_ || !timer_.isActive()) return;
  step_();
}
