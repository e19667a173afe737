#include "widgets/buttons.h"

namespace qm::widgets {

void Button::SetPicture(widgets::Picture picture) { Update(picture_, std::move(picture)); }

} // namespace qm::widgets
