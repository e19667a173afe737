#include "app/checks.h"

namespace qm::host {

bool OutputHasLine(std::string_view output, std::string_view text) {
  while (!output.empty()) {
    const std::size_t end = output.find('\n');
    std::string_view line = output.substr(0, end);
    output.remove_prefix(end == std::string_view::npos ? output.size() : end + 1);
    const std::size_t start = line.find_first_not_of(" \t");
    line.remove_prefix(start == std::string_view::npos ? line.size() : start);
    if (line == text) return true;
  }
  return false;
}

std::string Quoted(std::string_view text) {
  std::string quoted = "\"";
  for (char c : text) {
    switch (c) {
    case '\\': quoted += "\\\\"; break;
    case '"': quoted += "\\\""; break;
    case '\r': quoted += "\\r"; break;
    case '\n': quoted += "\\n"; break;
    default: quoted += c;
    }
  }
  return quoted + "\"";
}

} // namespace qm::host
