#include "animation/morph_info.h"

namespace qm {

tsxSOBJ* morphinfo = nullptr;
std::array<tsxSOBJ*, morph::kChannelCount> nullobj{};

} // namespace qm
