// Numbers as text for scene files and qmhost's output: the shortest decimal that
// reads back as exactly the same float, so that what is printed or saved is what the
// host holds, to the last bit, and no longer than it needs to be.
#pragma once

#include <string>

namespace qm::io {

// "0.5", "-0.6374993", "1e-06", "0", "-0"; "inf", "-inf" and "nan" for values that
// are not finite (which JSON cannot hold: the scene writer refuses them).
std::string FloatText(float value);

} // namespace qm::io
