#include "api/host.h"

namespace qm::standin {

void Host::Reset() {
  scene.Reset();
  frames.Reset();
  timeline = Timeline{};
  log.Clear();
  faults.Clear();
  sceneDrawCount = 0;
}

Host& TheHost() {
  static Host host;
  return host;
}

tsxHWND MainViewWindow() {
  // The address of an object of our own: stable, unique in the process, and
  // harmless should anyone look at it.
  static const char window = 0;
  return const_cast<char*>(&window);
}

} // namespace qm::standin
