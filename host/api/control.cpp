// The control interface over the one host of this library.
#include "api/host.h"

#include <cmath>

namespace qm::standin {

namespace {

class HostControl final : public Control {
public:
  void Reset() override { TheHost().Reset(); }
  int Version() const override { return StandinVersion(); }
  tsxHWND MainViewWindow() const override { return standin::MainViewWindow(); }

  tsxSOBJ* CreatePolyhedron(const std::string& name,
                            const std::vector<tsxVec3f>& vertices) override {
    return TheScene().CreatePolyhedron(name, vertices).Handle();
  }

  tsxSOBJ* CreateGroup(const std::string& name, const std::vector<tsxSOBJ*>& children) override {
    std::vector<ObjectId> ids;
    for (tsxSOBJ* child : children)
      ids.push_back(Known(child).id);
    return TheScene().CreateGroup(name, ids).Handle();
  }

  tsxSOBJ* CreateMarker(const std::string& name) override {
    return TheScene().CreateMarker(name).Handle();
  }

  void AddToScene(tsxSOBJ* node) override { TheScene().AddToScene(Live(node)); }

  void Select(tsxSOBJ* node) override { TheScene().Select(node == nullptr ? 0 : Live(node).id); }

  void SetLocation(tsxSOBJ* node, tsxVec3f location) override { Live(node).location = location; }

  void AddLocationKey(tsxSOBJ* node, float time, tsxVec3f location) override {
    if (!std::isfinite(time)) throw EStandinError("a key time must be a finite number");
    Script& script = Live(node).script;
    script.present = true;
    script.locationKeys[time] = location;
  }

  void SetFrameRate(float framesPerSecond) override {
    if (!std::isfinite(framesPerSecond) || framesPerSecond <= 0.0f) {
      throw EStandinError("a frame rate must be a positive number");
    }
    TheHost().timeline.frameRate = framesPerSecond;
  }

  std::vector<tsxSOBJ*> TopLevel() const override { return Handles(TheScene().TopLevel()); }
  std::vector<tsxSOBJ*> Children(tsxSOBJ* node) const override {
    return Handles(Known(node).children);
  }
  tsxSOBJ* Parent(tsxSOBJ* node) const override {
    const ObjectId parent = Known(node).parent;
    return parent == 0 ? nullptr : NodeHandle(parent);
  }

  tsxSOBJ* FindTopLevel(const std::string& name) const override {
    for (ObjectId id : TheScene().TopLevel()) {
      if (TheScene().Find(id)->name == name) return NodeHandle(id);
    }
    return nullptr;
  }

  bool IsDeleted(tsxSOBJ* node) const override { return Known(node).deleted; }
  NodeKind Kind(tsxSOBJ* node) const override { return Known(node).kind; }
  std::string Name(tsxSOBJ* node) const override { return Known(node).name; }
  tsxVec3f Location(tsxSOBJ* node) const override { return Known(node).location; }
  float Scale(tsxSOBJ* node) const override { return Known(node).scale; }
  bool Visible(tsxSOBJ* node) const override { return Known(node).visible; }
  std::vector<tsxVec3f> Vertices(tsxSOBJ* node) const override { return Known(node).vertices; }
  bool HasScript(tsxSOBJ* node) const override { return Known(node).script.present; }
  int DrawCount(tsxSOBJ* node) const override { return Known(node).drawCount; }

  std::vector<LocationKey> LocationKeys(tsxSOBJ* node) const override {
    std::vector<LocationKey> keys;
    for (const auto& [time, location] : Known(node).script.locationKeys) {
      keys.push_back({time, location});
    }
    return keys;
  }

  std::vector<VertexKey> VertexKeys(tsxSOBJ* node) const override {
    std::vector<VertexKey> keys;
    for (const auto& [key, position] : Known(node).script.vertexKeys) {
      keys.push_back({key.first, key.second, position});
    }
    return keys;
  }

  tsxSOBJ* Selection() const override {
    const ObjectId selected = TheScene().Selection();
    return selected == 0 ? nullptr : NodeHandle(selected);
  }
  float ActiveTime() const override { return TheHost().timeline.activeTime; }
  float FrameRate() const override { return TheHost().timeline.frameRate; }
  bool Playing() const override { return TheHost().timeline.playing; }
  int PlayCount() const override { return TheHost().timeline.playCount; }
  int SceneDrawCount() const override { return TheHost().sceneDrawCount; }
  std::size_t PendingFrames() const override { return TheHost().frames.PendingCount(); }

  std::vector<CallRecord> Calls() const override { return TheHost().log.Records(); }
  void ClearCalls() override { TheHost().log.Clear(); }

  void InjectFault(const std::string& function, FaultSpec fault) override {
    TheHost().faults.Arm(function, fault);
  }
  void SetLongNameFault(bool on) override { TheHost().faults.longNameFault = on; }
  void ClearFaults() override { TheHost().faults.Clear(); }

private:
  static Scene& TheScene() { return TheHost().scene; }

  // A node made since the last reset, deleted or not.
  static Node& Known(tsxSOBJ* handle) {
    const auto id = NodeIdOf(handle);
    Node* node = id ? TheScene().Find(*id) : nullptr;
    if (node == nullptr) throw EStandinError("the host does not know this handle");
    return *node;
  }

  static Node& Live(tsxSOBJ* handle) {
    Node& node = Known(handle);
    if (node.deleted) throw EStandinError("the node " + node.name + " was deleted");
    return node;
  }

  static std::vector<tsxSOBJ*> Handles(const std::vector<ObjectId>& ids) {
    std::vector<tsxSOBJ*> handles;
    for (ObjectId id : ids)
      handles.push_back(NodeHandle(id));
    return handles;
  }
};

} // namespace

} // namespace qm::standin

extern "C" qm::standin::Control* qmStandinControl(void) {
  static qm::standin::HostControl control;
  return &control;
}
