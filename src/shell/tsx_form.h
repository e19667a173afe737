// The plug-in's form classes. Every window of the plug-in is a top-level tool window
// owned by the host's main view window (so it stays in front of it and has no task
// bar entry), and a press on its bare client area drags it like its caption.
#pragma once

#include <functional>
#include <string>

#include "shell/tsx_types.h"
#include "widgets/form.h"
#include "widgets/window_params.h"

namespace qm {

// The extended style of the plug-in's windows: a tool window whose controls take part
// in keyboard navigation (WS_EX_TOOLWINDOW | WS_EX_CONTROLPARENT).
inline constexpr std::uint32_t kToolWindowExStyle =
    widgets::kWsExToolWindow | widgets::kWsExControlParent;

// What the framework computes for a form given a parent window: a child window of
// that parent, owned by it.
widgets::WindowParams FrameworkWindowParams(tsxHWND parentWindow);

// Turns the framework's parameters into those of an owned top-level tool window:
// the extended style becomes exactly kToolWindowExStyle and WS_CHILD is cleared; the
// owner stays.
widgets::WindowParams ToolWindowParams(widgets::WindowParams params);

// The common root of the plug-in's forms.
class TtsxCustomForm : public widgets::Form {
public:
  TtsxCustomForm(std::string name, tsxHWND parentWindow);

  // The window the form was created for (the host's main view).
  tsxHWND ParentWindow() const { return parentWindow_; }

  // Runs when the form's memory goes, so that a module-level variable holding the
  // form never outlives it (see ShowToolForm).
  std::function<void()> OnDestroyed;

protected:
  ~TtsxCustomForm() override;

private:
  tsxHWND parentWindow_;
};

// Takes the framework's window-creation parameters and makes the window an owned
// top-level tool window.
class TtsxToolForm : public TtsxCustomForm {
public:
  TtsxToolForm(std::string name, tsxHWND parentWindow);
};

// The base of the four windows: adds dragging by the client area.
class TtsxForm : public TtsxToolForm {
public:
  // Sets AutoDrag; the derived form's constructor then lays out its controls, and
  // none of the layouts touches AutoDrag.
  TtsxForm(std::string name, tsxHWND parentWindow);

  // While true, a press that would land on the bare client area, or on a window-less
  // control lying directly on the form, grabs the window as its caption would.
  bool AutoDrag = false;

  int NonClientHitTest(int x, int y) const override;
};

} // namespace qm
