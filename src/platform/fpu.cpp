#include "platform/fpu.h"

namespace qm::platform {

#if defined(__i386__) || defined(__x86_64__)
void LoadFpuControlWord(std::uint16_t word) { __asm__ __volatile__("fldcw %0" : : "m"(word)); }

std::uint16_t ReadFpuControlWord() {
  std::uint16_t word = 0;
  __asm__ __volatile__("fnstcw %0" : "=m"(word));
  return word;
}
#else
void LoadFpuControlWord(std::uint16_t) {}
std::uint16_t ReadFpuControlWord() { return 0; }
#endif

} // namespace qm::platform
