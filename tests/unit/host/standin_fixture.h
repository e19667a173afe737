// A fresh stand-in host for each test, reached the way the plug-in's tests reach
// it: the host API by linking tsxapi.dll, the host's state through the control
// interface.
#pragma once

#include "api/host_api.h"
#include "api/standin_control.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

namespace qm::standin::testing {

class StandinTest : public ::testing::Test {
protected:
  void SetUp() override { host().Reset(); }
  void TearDown() override { host().Reset(); }

  static Control& host() { return *qmStandinControl(); }

  // A triangle polyhedron in the scene.
  static tsxSOBJ* SceneMesh(const std::string& name) {
    tsxSOBJ* mesh = host().CreatePolyhedron(name, {{0, 0, 0}, {1, 0, 0}, {0, 1, 0}});
    host().AddToScene(mesh);
    return mesh;
  }

  static std::vector<std::string> Names(const std::vector<tsxSOBJ*>& nodes) {
    std::vector<std::string> names;
    for (tsxSOBJ* node : nodes)
      names.push_back(host().Name(node));
    return names;
  }

  // The last logged call.
  static CallRecord LastCall() {
    const auto calls = host().Calls();
    return calls.empty() ? CallRecord{} : calls.back();
  }
};

} // namespace qm::standin::testing

// tsxVec3f lives in the global namespace, so its comparison and printer do too.
inline bool operator==(const tsxVec3f& a, const tsxVec3f& b) {
  return a.x == b.x && a.y == b.y && a.z == b.z;
}

inline void PrintTo(const tsxVec3f& v, std::ostream* out) {
  *out << "(" << v.x << ", " << v.y << ", " << v.z << ")";
}
