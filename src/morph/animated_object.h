// The animated object: the scene object that the blend writes and that recording
// keys. Either a copy of the original or an object that the user picks.
#pragma once

namespace qm {

class TForm1;

// Makes a copy of the original at the origin location, adds it to the scene with a
// script for vertex keys, binds it and shows its name. Raises an error when the host
// makes no copy.
void CreateAnimatedObject(TForm1& panel);

} // namespace qm
