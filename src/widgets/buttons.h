// Buttons: the plain push button, the bitmap button and the flat picture button
// (window-less, drawn by its container). All of them run OnClick on the program's
// press (Control::Click) whatever their state.
#pragma once

#include "widgets/control.h"
#include "widgets/picture.h"

namespace qm::widgets {

class Button : public Control {
public:
  Button(Form& owner, Container* parent, std::string name)
      : Button(owner, parent, std::move(name), ComponentKind::Button) {}

  // The glyph drawn on the button; plain buttons leave it empty.
  const widgets::Picture& Picture() const { return picture_; }
  void SetPicture(widgets::Picture picture);

protected:
  Button(Form& owner, Container* parent, std::string name, ComponentKind kind)
      : Control(owner, parent, std::move(name), kind) {}

private:
  widgets::Picture picture_;
};

class BitBtn final : public Button {
public:
  BitBtn(Form& owner, Container* parent, std::string name)
      : Button(owner, parent, std::move(name), ComponentKind::BitBtn) {}
};

class PictureButton final : public Button {
public:
  PictureButton(Form& owner, Container* parent, std::string name)
      : Button(owner, parent, std::move(name), ComponentKind::PictureButton) {}
};

} // namespace qm::widgets
