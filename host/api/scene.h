// The host's scene: every node it has made since the last reset, the top-level
// order, group children, and the current selection.
//
// Deleted nodes stay in the store, marked, until the scene is reset, so that a
// stale handle is recognized (and can be named in the log) instead of being
// mistaken for nothing at all. Operations that cannot be carried out throw
// EStandinError before they change anything.
#pragma once

#include "api/animation.h"
#include "api/handles.h"
#include "api/standin_control.h"

#include <functional>
#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

namespace qm::standin {

struct Node {
  ObjectId id = 0;
  NodeKind kind = NodeKind::Polyhedron;
  std::string name;
  tsxVec3f location{0.0f, 0.0f, 0.0f};
  float scale = 1.0f;
  bool visible = true;
  std::vector<tsxVec3f> vertices; // polyhedra only; the array the plug-in writes in place
  std::vector<ObjectId> children; // groups only, in order
  ObjectId parent = 0;            // the group that holds it, or 0
  bool topLevel = false;          // in the scene's top-level list
  bool deleted = false;
  int drawCount = 0;
  Script script;

  bool IsGNode() const { return kind != NodeKind::Marker; }
  tsxSOBJ* Handle() const { return NodeHandle(id); }
};

class Scene {
public:
  // Forgets every node; their handles become unknown.
  void Reset();

  Node& CreatePolyhedron(std::string name, std::vector<tsxVec3f> vertices);
  // The children leave their previous places. They must be distinct, not deleted,
  // and not the new group's ancestors (which a new group cannot have anyway).
  Node& CreateGroup(std::string name, const std::vector<ObjectId>& children);
  Node& CreateMarker(std::string name);

  // Any node made since the last reset, deleted or not; null when unknown.
  Node* Find(ObjectId id);
  const Node* Find(ObjectId id) const;

  const std::vector<ObjectId>& TopLevel() const { return topLevel_; }

  // Appends `node` at top level. Returns false, changing nothing, when it is
  // already there; throws when it sits inside a group.
  bool AddToScene(Node& node);

  // Takes `node` out of its group or the top level and marks it and everything
  // below it deleted; the selection is emptied if it was among them.
  void Delete(Node& node);

  // A deep copy outside the scene: same name, location, scale, visibility and
  // vertices (in its own array), children copied in turn; no script, no keys.
  // Markers cannot be copied.
  Node& Copy(const Node& node);

  // Groups `object` with the current selection. A selected group takes `object`
  // as its last child and is returned; any other selected node is replaced, where
  // it stood, by a new group [selected, object], which is returned. `object`
  // leaves its previous place first.
  Node& GroupWithSelection(Node& object);

  // The next node at the same level (top level or the same group), or null.
  Node* Next(const Node& node);
  Node* FirstChild(const Node& node);

  // `node` and all its descendants, parents before children.
  std::vector<const Node*> Subtree(const Node& node) const;
  // Every node that is not deleted, in no particular order.
  void ForEachLive(const std::function<void(Node&)>& visit);

  ObjectId Selection() const { return selection_; }
  void Select(ObjectId id) { selection_ = id; }

private:
  Node& Create(NodeKind kind, std::string name);
  Node& Get(ObjectId id);
  // Removes `node` from its group or the top level; it is then nowhere.
  void Detach(Node& node);
  bool IsAncestorOf(const Node& ancestor, const Node& node) const;
  Node& CopyTree(const Node& node);

  std::unordered_map<ObjectId, std::unique_ptr<Node>> nodes_;
  std::vector<ObjectId> topLevel_;
  ObjectId selection_ = 0;
};

} // namespace qm::standin
