#include "elf_exports.h"

#include <elf.h>

#include <cstring>
#include <fstream>
#include <stdexcept>
#include <vector>

namespace qm::standin::testing {

namespace {

template <typename T> T At(const std::vector<char>& file, std::size_t offset) {
  if (offset + sizeof(T) > file.size()) throw std::runtime_error("truncated ELF file");
  T value;
  std::memcpy(&value, file.data() + offset, sizeof value);
  return value;
}

std::string StringAt(const std::vector<char>& file, std::size_t table, std::size_t index) {
  if (table + index >= file.size()) throw std::runtime_error("bad ELF string index");
  return std::string(file.data() + table + index);
}

} // namespace

ElfExports ReadElfExports(const std::string& path) {
  std::ifstream in(path, std::ios::binary | std::ios::ate);
  if (!in) throw std::runtime_error("cannot read " + path);
  std::vector<char> file(static_cast<std::size_t>(in.tellg()));
  in.seekg(0);
  in.read(file.data(), static_cast<std::streamsize>(file.size()));
  const auto header = At<Elf64_Ehdr>(file, 0);
  if (std::memcmp(header.e_ident, ELFMAG, SELFMAG) != 0 || header.e_ident[EI_CLASS] != ELFCLASS64 ||
      header.e_type != ET_DYN) {
    throw std::runtime_error(path + " is not a 64-bit ELF shared object");
  }
  std::vector<Elf64_Shdr> sections;
  for (unsigned i = 0; i < header.e_shnum; ++i) {
    sections.push_back(At<Elf64_Shdr>(file, header.e_shoff + i * sizeof(Elf64_Shdr)));
  }

  ElfExports exports;
  for (const Elf64_Shdr& section : sections) {
    if (section.sh_link >= sections.size()) continue;
    const std::size_t strings = sections[section.sh_link].sh_offset;
    if (section.sh_type == SHT_DYNSYM) {
      for (std::size_t at = section.sh_offset + sizeof(Elf64_Sym);
           at < section.sh_offset + section.sh_size; at += sizeof(Elf64_Sym)) {
        const auto symbol = At<Elf64_Sym>(file, at);
        const unsigned binding = ELF64_ST_BIND(symbol.st_info);
        if (symbol.st_shndx != SHN_UNDEF && (binding == STB_GLOBAL || binding == STB_WEAK)) {
          exports.defined.insert(StringAt(file, strings, symbol.st_name));
        }
      }
    } else if (section.sh_type == SHT_DYNAMIC) {
      for (std::size_t at = section.sh_offset; at < section.sh_offset + section.sh_size;
           at += sizeof(Elf64_Dyn)) {
        const auto entry = At<Elf64_Dyn>(file, at);
        if (entry.d_tag == DT_SONAME) exports.soname = StringAt(file, strings, entry.d_un.d_val);
      }
    }
  }
  return exports;
}

} // namespace qm::standin::testing
