// What the substitute dialog remembers between a missed lookup and the user's choice.
#pragma once

#include <string>

namespace qm {

// The channel (0 the original, 1 to 19 the targets) that the substitute dialog's Load
// fills: written by its store on every missed lookup, so the last miss of a load wins.
// Module state: kept while the plug-in is loaded.
extern int substitutechannel;

namespace scene {

// The dialog's caption and first line for a wanted name that no top-level object bears.
std::string SubstituteCaption(const std::string& name);
std::string SubstituteNotice(const std::string& name);

} // namespace scene
} // namespace qm
