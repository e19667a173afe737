#include "widgets/form.h"

#include <algorithm>

#include "platform/exception.h"
#include "widgets/application.h"
#include "widgets/backend.h"
#include "widgets/containers.h"
#include "widgets/names.h"

namespace qm::widgets {

Form::Form(std::string name) : name_(std::move(name)) { detail::RegisterForm(this); }

Form::~Form() { detail::UnregisterForm(this); }

void Form::Changed() {
  if (announced_) CurrentBackend().FormChanged(*this);
}

void Form::SetCaption(const std::string& caption) {
  if (caption == caption_) return;
  caption_ = caption;
  Changed();
}

void Form::SetBounds(int left, int top, int width, int height) {
  bool moved = left != left_ || top != top_;
  bool resized = width != width_ || height != height_;
  left_ = left;
  top_ = top;
  width_ = width;
  height_ = height;
  if (!announced_) return;
  if (moved) CurrentBackend().FormMoved(*this);
  if (resized) CurrentBackend().FormResized(*this);
}

int Form::NonClientWidth() const { return 2 * frame_.border; }

int Form::NonClientHeight() const {
  return 2 * frame_.border + frame_.caption + (menu_.Empty() ? 0 : frame_.menu);
}

int Form::ClientWidth() const { return std::max(0, width_ - NonClientWidth()); }

int Form::ClientHeight() const { return std::max(0, height_ - NonClientHeight()); }

void Form::SetClientWidth(int width) { SetWidth(width + NonClientWidth()); }

void Form::SetClientHeight(int height) { SetHeight(height + NonClientHeight()); }

void Form::SetFrame(const FrameMetrics& frame) {
  if (frame == frame_) return;
  frame_ = frame;
  Changed();
}

void Form::SetEnabled(bool enabled) {
  if (enabled == enabled_) return;
  enabled_ = enabled;
  Changed();
}

void Form::SetColor(ColorRef color) {
  if (color == color_) return;
  color_ = color;
  Changed();
}

void Form::SetFont(const TextFont& font) {
  if (font == font_) return;
  font_ = font;
  Changed();
}

void Form::Show() {
  if (freed_) return;
  detail::BringToFront(this);
  if (announced_) CurrentBackend().FormRaised(*this);
  if (visible_) return;
  visible_ = true;
  if (announced_) CurrentBackend().FormShown(*this);
  Fire(OnShow);
}

void Form::Hide() {
  if (!visible_) return;
  visible_ = false;
  if (announced_) CurrentBackend().FormHidden(*this);
}

void Form::Close() {
  if (freed_) return;
  DispatchScope scope; // a handler that frees the form must not pull it from under us
  CloseAction action = CloseAction::Hide;
  if (OnClose) {
    std::function<void(CloseAction&)> handler = OnClose;
    handler(action);
  }
  if (action == CloseAction::Hide) Hide();
  if (action == CloseAction::Free) Free();
}

void Form::Free() {
  if (freed_) return;
  freed_ = true;
  visible_ = false;
  detail::UnregisterForm(this);
  if (announced_) {
    announced_ = false;
    CurrentBackend().FormDestroyed(*this);
  }
  RunWhenIdle([this] { delete this; });
}

int Form::NonClientHitTest(int x, int y) const {
  if (x < 0 || y < 0 || x >= ClientWidth() || y >= ClientHeight()) return kHtNowhere;
  for (const auto& component : components_) {
    const auto* control = dynamic_cast<const Control*>(component.get());
    if (!control || control->Parent() || !control->HasOwnWindow()) continue;
    if (!control->Visible() || !control->Enabled()) continue;
    if (x >= control->Left() && x < control->Left() + control->Width() && y >= control->Top() &&
        y < control->Top() + control->Height()) {
      return kHtNowhere;
    }
  }
  return kHtClient;
}

void Form::CheckParent(const Container* parent) const {
  if (parent && &parent->Owner() != this) {
    throw Exception("Container " + parent->Path() + " does not belong to form " + name_);
  }
}

Component& Form::Adopt(std::unique_ptr<Component> component) {
  if (!component->Name().empty() && FindComponent(component->Name())) {
    throw Exception("A component named " + component->Name() + " already exists");
  }
  components_.push_back(std::move(component));
  return *components_.back();
}

Component* Form::FindComponent(std::string_view name) const {
  if (name.empty()) return nullptr; // unnamed components cannot be looked up
  for (const auto& component : components_) {
    if (SameName(component->Name(), name)) return component.get();
  }
  return nullptr;
}

void FinishFormCreation(Form& form) {
  form.announced_ = true;
  CurrentBackend().FormCreated(form);
  try {
    Fire(form.OnCreate);
  } catch (...) {
    form.Free();
    throw;
  }
}

} // namespace qm::widgets
