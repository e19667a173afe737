// The one stand-in host of a process (of a library copy, for a variant loaded by
// path): its scene, keyframes, clock, call log and faults.
//
// The host is single-threaded, like the application it stands for: the plug-in
// calls it from the user-interface thread only, so nothing here takes a lock.
#pragma once

#include "api/call_log.h"
#include "api/faults.h"
#include "api/frames.h"
#include "api/scene.h"

namespace qm::standin {

inline constexpr float kDefaultFrameRate = 30.0f;

struct Timeline {
  float activeTime = 0.0f;
  float frameRate = kDefaultFrameRate;
  bool playing = false;
  int playCount = 0;
};

struct Host {
  Scene scene;
  FramePool frames;
  Timeline timeline;
  CallLog log;
  FaultTable faults;
  int sceneDrawCount = 0;

  void Reset();
};

Host& TheHost();

// The version that this build of the library reports (set per variant).
int StandinVersion();

// The fake main view window: a stable, non-null value that is no real window.
tsxHWND MainViewWindow();

} // namespace qm::standin
