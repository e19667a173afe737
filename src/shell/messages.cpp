#include "shell/messages.h"

#include <cstdio>

namespace qm {
namespace {

std::string ErrorReport(const char* opening, const std::string& pluginName, const char* situation,
                        const std::string& errorType, const std::string& errorText) {
  return std::string(opening) + '"' + pluginName + '"' + situation + "\r\n" +
         "The exception is classified as: " + "\r\n\r\n" + errorType + " : " + errorText;
}

const char* NotificationSituation(std::int32_t code) {
  switch (code) {
  case 0: return " tSX plugin while detaching the process.";
  case 1: return " tSX plugin while attaching the process.";
  case 2: return " tSX plugin while attaching a thread.";
  case 3: return " tSX plugin while detaching a thread.";
  default: return " tSX plugin.";
  }
}

} // namespace

std::string VersionMessage(std::uint16_t requiredLevel, std::uint16_t installedLevel) {
  char text[128];
  std::snprintf(text, sizeof text,
                "This Plugin requires trueSpace version %5.2f, but version %5.2f is installed.",
                requiredLevel * 0.01, installedLevel * 0.01);
  return text;
}

std::string EntryPointErrorMessage(const std::string& pluginName, const std::string& errorType,
                                   const std::string& errorText) {
  return ErrorReport("Unhandled exception in ", pluginName, " tSX plugin.", errorType, errorText);
}

std::string NotificationErrorMessage(std::int32_t code, const std::string& pluginName,
                                     const std::string& errorType, const std::string& errorText) {
  return ErrorReport("Exception occurred in ", pluginName, NotificationSituation(code), errorType,
                     errorText);
}

} // namespace qm
