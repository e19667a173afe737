#include "widgets/text_field.h"

namespace qm::widgets {

TextField::TextField(Form& owner, Container* parent, std::string name, ComponentKind kind)
    : Control(owner, parent, std::move(name), kind) {
  SetColor(clWindow);
}

void TextField::SetReadOnly(bool readOnly) { Update(readOnly_, readOnly); }

void TextField::Leave() { Fire(OnExit); }

void TextField::TextChanged() { Fire(OnChange); }

} // namespace qm::widgets
