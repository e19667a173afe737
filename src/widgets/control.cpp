#include "widgets/control.h"

namespace qm::widgets {

Control::Control(Form& owner, Container* parent, std::string name, ComponentKind kind)
    : Component(owner, std::move(name), kind), parent_(parent) {}

void Control::SetBounds(int left, int top, int width, int height) {
  if (left == left_ && top == top_ && width == width_ && height == height_) return;
  left_ = left;
  top_ = top;
  width_ = width;
  height_ = height;
  Changed();
}

void Control::SetEnabled(bool enabled) { Update(enabled_, enabled); }

void Control::SetVisible(bool visible) { Update(visible_, visible); }

void Control::SetTabStop(bool tabStop) { Update(tabStop_, tabStop); }

void Control::SetText(const std::string& text) {
  if (text == text_) return;
  text_ = text;
  Changed();
  TextChanged();
}

void Control::SetFont(const TextFont& font) { Update(font_, font); }

void Control::SetFontColor(ColorRef color) {
  TextFont font = font_;
  font.color = color;
  SetFont(font);
}

void Control::SetColor(ColorRef color) { Update(color_, color); }

void Control::Click() { Fire(OnClick); }

} // namespace qm::widgets
