#include "api/call_log.h"

#include <charconv>

namespace qm::standin {

namespace {

template <typename T> std::string ToChars(T value) {
  char buffer[64];
  const auto [end, error] = std::to_chars(buffer, buffer + sizeof buffer, value);
  return error == std::errc() ? std::string(buffer, end) : std::string("?");
}

} // namespace

std::string FormatNumber(float value) { return ToChars(value); }
std::string FormatNumber(int value) { return ToChars(value); }

std::string FormatVector(const tsxVec3f& value) {
  // Appended piece by piece: GCC 12 warns falsely (-Wrestrict) about "(" + string.
  std::string text = "(";
  text += FormatNumber(value.x);
  text += ", ";
  text += FormatNumber(value.y);
  text += ", ";
  text += FormatNumber(value.z);
  text += ")";
  return text;
}

std::string FormatVector(const tsxVec3f* value) {
  return value == nullptr ? "null" : FormatVector(*value);
}

std::string FormatText(const char* text) {
  if (text == nullptr) return "null";
  std::string quoted = "\"";
  for (const char* c = text; *c != '\0'; ++c) {
    if (*c == '"' || *c == '\\') quoted += '\\';
    quoted += *c;
  }
  return quoted + "\"";
}

std::string FormatOut(const void* place) { return place == nullptr ? "null" : "out"; }

std::string FormatList(const std::vector<std::string>& items) {
  std::string text;
  for (const std::string& item : items) {
    if (!text.empty()) text += ", ";
    text += item;
  }
  return text;
}

} // namespace qm::standin
