// A form: a top-level window with its controls and main menu, and its life from
// creation through showing and hiding to closing.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <type_traits>
#include <vector>

#include "widgets/colors.h"
#include "widgets/control.h"
#include "widgets/events.h"
#include "widgets/menu.h"
#include "widgets/text_font.h"
#include "widgets/window_params.h"

namespace qm::widgets {

class Container;

// What closing a form does after OnClose: nothing, hide it, or destroy it.
enum class CloseAction { None, Hide, Free };

// Answers of NonClientHitTest, by the window system's values.
inline constexpr int kHtNowhere = 0;
inline constexpr int kHtClient = 1;
inline constexpr int kHtCaption = 2;

class Form {
public:
  // Forms are built through CreateForm (application.h), which runs OnCreate once
  // the derived form's constructor has laid out its controls. A form joins the
  // live forms as its construction starts.
  explicit Form(std::string name);
  Form(const Form&) = delete;
  Form& operator=(const Form&) = delete;

  const std::string& Name() const { return name_; }
  const std::string& Caption() const { return caption_; }
  void SetCaption(const std::string& caption);

  // Outer position and size, in screen pixels.
  int Left() const { return left_; }
  int Top() const { return top_; }
  int Width() const { return width_; }
  int Height() const { return height_; }
  void SetLeft(int left) { SetBounds(left, top_, width_, height_); }
  void SetTop(int top) { SetBounds(left_, top, width_, height_); }
  void SetWidth(int width) { SetBounds(left_, top_, width, height_); }
  void SetHeight(int height) { SetBounds(left_, top_, width_, height); }
  void SetBounds(int left, int top, int width, int height);

  // The client area: the outer size less the frame, the caption and the menu
  // strip; never negative.
  int ClientWidth() const;
  int ClientHeight() const;
  void SetClientWidth(int width);
  void SetClientHeight(int height);
  const FrameMetrics& Frame() const { return frame_; }
  void SetFrame(const FrameMetrics& frame);

  bool Visible() const { return visible_; }
  bool Enabled() const { return enabled_; }
  void SetEnabled(bool enabled);
  ColorRef Color() const { return color_; }
  void SetColor(ColorRef color);
  const TextFont& Font() const { return font_; }
  void SetFont(const TextFont& font);

  // Plain data for the shell and a native backend.
  WindowParams& Params() { return params_; }
  const WindowParams& Params() const { return params_; }

  // Makes the form visible and brings it to the front. OnShow runs only when the
  // form becomes visible: showing a visible form only brings it to the front.
  void Show();
  void Hide();
  void SetVisible(bool visible) { visible ? Show() : Hide(); }
  // Runs OnClose with the action Hide, then does what the handler left in the
  // action. A handler error passes to the caller and the form stays as it was.
  void Close();
  // Destroys the form: it leaves the live forms and the backend at once; its
  // memory goes when the outermost running handler returns (at once when none
  // runs), so code that is still running on it stays safe.
  void Free();
  bool Freed() const { return freed_; }
  // Whether the backend knows this form (from its creation until Free).
  bool Announced() const { return announced_; }

  // The window system asks which part of the window lies at (x, y), in client
  // coordinates. kHtClient for the bare client area and for window-less controls
  // lying directly on the form; kHtNowhere outside the client area and where a
  // child window takes the press: an enabled, visible control with its own
  // window lying directly on the form, which covers everything inside it.
  // Disabled windows let the press through to the form, as native ones do.
  virtual int NonClientHitTest(int x, int y) const;

  MainMenu& Menu() { return menu_; }
  const MainMenu& Menu() const { return menu_; }

  // Creates a control of type T named `name` inside `parent` (null: directly on
  // the form). Raises qm::Exception for a name already used on this form or a
  // parent of another form.
  template <class T> T& Add(std::string name, Container* parent = nullptr) {
    static_assert(std::is_base_of_v<Control, T>);
    CheckParent(parent);
    return static_cast<T&>(Adopt(std::make_unique<T>(*this, parent, std::move(name))));
  }
  // Takes ownership of a component built for this form and lists it last.
  Component& Adopt(std::unique_ptr<Component> component);

  // Controls and menu items in creation order.
  const std::vector<std::unique_ptr<Component>>& Components() const { return components_; }
  // By component name, ignoring letter case; null when there is none (and for an
  // empty name: unnamed components cannot be looked up).
  Component* FindComponent(std::string_view name) const;
  template <class T> T* Find(std::string_view name) const {
    return dynamic_cast<T*>(FindComponent(name));
  }

  Event OnCreate;
  Event OnShow;
  std::function<void(CloseAction&)> OnClose;

protected:
  // Forms are destroyed through Free only.
  virtual ~Form();

private:
  friend void FinishFormCreation(Form& form);
  void Changed();
  int NonClientWidth() const;
  int NonClientHeight() const;
  void CheckParent(const Container* parent) const;

  std::string name_;
  std::string caption_;
  int left_ = 0;
  int top_ = 0;
  int width_ = 320;
  int height_ = 240;
  FrameMetrics frame_;
  bool visible_ = false;
  bool enabled_ = true;
  ColorRef color_ = clBtnFace;
  TextFont font_;
  WindowParams params_;
  MainMenu menu_{*this};
  std::vector<std::unique_ptr<Component>> components_;
  bool announced_ = false;
  bool freed_ = false;
};

// Tells the backend about a constructed form and runs its OnCreate; when OnCreate
// raises, frees the form and passes the error on. Used by CreateForm.
void FinishFormCreation(Form& form);

} // namespace qm::widgets
