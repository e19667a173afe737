// The texts of the shell's messages to the user, composed from their pieces.
#pragma once

#include <cstdint>
#include <string>

namespace qm {

// "This Plugin requires trueSpace version %5.2f, but version %5.2f is installed."
// with each level in hundredths of a version (310 reads " 3.10").
std::string VersionMessage(std::uint16_t requiredLevel, std::uint16_t installedLevel);

// The report of an error caught at one of the exported entry points.
std::string EntryPointErrorMessage(const std::string& pluginName, const std::string& errorType,
                                   const std::string& errorText);

// The report of an error caught in a module notification (codes 0 to 3).
std::string NotificationErrorMessage(std::int32_t code, const std::string& pluginName,
                                     const std::string& errorType, const std::string& errorText);

} // namespace qm
