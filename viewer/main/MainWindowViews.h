#pragma once
// The real windows behind the main window's view and material factories, and
// the view commands of the View3D menu that act on one view window alone.
#include "viewer/main/TfrmMain.h"

class ProjectView;

TfrmMain::ViewFactory DefaultViewFactory();
TfrmMain::MaterialFactory DefaultMaterialFactory();

// Turns the view about axis 0 (x), 1 (y) or 2 (z) by `degrees`, on this view
// only, and repaints it. Does nothing for a view that cannot turn.
void RotateActiveView(ProjectView& view, int axis, float degrees);
// Angles to zero, scale fitted, translations zeroed; repaints.
void ResetActiveViewTransform(ProjectView& view);
