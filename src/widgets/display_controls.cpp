#include "widgets/display_controls.h"

namespace qm::widgets {

void Label::SetAlignment(Alignment alignment) { Update(alignment_, alignment); }

void StaticText::SetAlignment(Alignment alignment) { Update(alignment_, alignment); }

void StaticText::SetBorder(widgets::BorderStyle border) { Update(border_, border); }

LinkLabel::LinkLabel(Form& owner, Container* parent, std::string name)
    : Control(owner, parent, std::move(name), ComponentKind::LinkLabel) {
  TextFont font = Font();
  font.color = clBlue;
  font.underline = true;
  SetFont(font);
}

void LinkLabel::SetUrl(const std::string& url) { Update(url_, url); }

void Shape::SetType(ShapeType type) { Update(type_, type); }

void Shape::SetPenColor(ColorRef color) { Update(penColor_, color); }

void Image::SetPicture(widgets::Picture picture) { Update(picture_, std::move(picture)); }

void Image::SetStretch(bool stretch) { Update(stretch_, stretch); }

} // namespace qm::widgets
