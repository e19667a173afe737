// Controls that show something and take no typing: labels, static texts, link
// labels, shapes and images. Labels, link labels, shapes and images have no
// window of their own; static texts do.
#pragma once

#include <string>

#include "widgets/control.h"
#include "widgets/picture.h"

namespace qm::widgets {

enum class Alignment { Left, Right, Center };
enum class BorderStyle { None, Single, Sunken };

class Label final : public Control {
public:
  Label(Form& owner, Container* parent, std::string name)
      : Control(owner, parent, std::move(name), ComponentKind::Label) {}

  Alignment TextAlignment() const { return alignment_; }
  void SetAlignment(Alignment alignment);

private:
  Alignment alignment_ = Alignment::Left;
};

class StaticText final : public Control {
public:
  StaticText(Form& owner, Container* parent, std::string name)
      : Control(owner, parent, std::move(name), ComponentKind::StaticText) {}

  Alignment TextAlignment() const { return alignment_; }
  void SetAlignment(Alignment alignment);
  widgets::BorderStyle Border() const { return border_; }
  void SetBorder(widgets::BorderStyle border);

private:
  Alignment alignment_ = Alignment::Left;
  widgets::BorderStyle border_ = widgets::BorderStyle::None;
};

// A caption that stands for an address (web or mail); the click handler decides
// what opening it means.
class LinkLabel final : public Control {
public:
  LinkLabel(Form& owner, Container* parent, std::string name);

  const std::string& Url() const { return url_; }
  void SetUrl(const std::string& url);

private:
  std::string url_;
};

enum class ShapeType { Rectangle, Square, RoundRect, RoundSquare, Ellipse, Circle };

class Shape final : public Control {
public:
  Shape(Form& owner, Container* parent, std::string name)
      : Control(owner, parent, std::move(name), ComponentKind::Shape) {}

  ShapeType Type() const { return type_; }
  void SetType(ShapeType type);
  // The fill is the control's Color; the outline has its own colour.
  ColorRef PenColor() const { return penColor_; }
  void SetPenColor(ColorRef color);

private:
  ShapeType type_ = ShapeType::Rectangle;
  ColorRef penColor_ = clBlack;
};

class Image final : public Control {
public:
  Image(Form& owner, Container* parent, std::string name)
      : Control(owner, parent, std::move(name), ComponentKind::Image) {}

  const widgets::Picture& Picture() const { return picture_; }
  void SetPicture(widgets::Picture picture);
  // Stretched pictures fill the control's whole area.
  bool Stretch() const { return stretch_; }
  void SetStretch(bool stretch);

private:
  widgets::Picture picture_;
  bool stretch_ = false;
};

} // namespace qm::widgets
