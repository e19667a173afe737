// Reads what an ELF shared object exports, straight from the file: its SONAME and
// the names of its defined global dynamic symbols.
#pragma once

#include <set>
#include <string>

namespace qm::standin::testing {

struct ElfExports {
  std::string soname;
  std::set<std::string> defined; // global or weak, defined in the object
};

// Throws std::runtime_error when the file is not a 64-bit ELF shared object.
ElfExports ReadElfExports(const std::string& path);

} // namespace qm::standin::testing
