#include "api/scene.h"

#include <algorithm>
#include <set>

namespace qm::standin {

void Scene::Reset() {
  nodes_.clear();
  topLevel_.clear();
  selection_ = 0;
}

Node& Scene::Create(NodeKind kind, std::string name) {
  auto node = std::make_unique<Node>();
  node->id = NewObjectId();
  node->kind = kind;
  node->name = std::move(name);
  Node& created = *node;
  nodes_.emplace(created.id, std::move(node));
  return created;
}

Node& Scene::CreatePolyhedron(std::string name, std::vector<tsxVec3f> vertices) {
  Node& node = Create(NodeKind::Polyhedron, std::move(name));
  node.vertices = std::move(vertices);
  return node;
}

Node& Scene::CreateGroup(std::string name, const std::vector<ObjectId>& children) {
  std::set<ObjectId> seen;
  for (ObjectId id : children) {
    const Node* child = Find(id);
    if (child == nullptr || child->deleted) throw EStandinError("a group child is not a live node");
    if (!seen.insert(id).second) throw EStandinError("a node cannot be a group's child twice");
  }
  Node& group = Create(NodeKind::Group, std::move(name));
  for (ObjectId id : children) {
    Node& child = Get(id);
    Detach(child);
    child.parent = group.id;
    group.children.push_back(id);
  }
  return group;
}

Node& Scene::CreateMarker(std::string name) { return Create(NodeKind::Marker, std::move(name)); }

Node* Scene::Find(ObjectId id) {
  const auto found = nodes_.find(id);
  return found == nodes_.end() ? nullptr : found->second.get();
}

const Node* Scene::Find(ObjectId id) const {
  const auto found = nodes_.find(id);
  return found == nodes_.end() ? nullptr : found->second.get();
}

Node& Scene::Get(ObjectId id) {
  Node* node = Find(id);
  if (node == nullptr) throw EStandinError("the scene has no node " + std::to_string(id));
  return *node;
}

bool Scene::AddToScene(Node& node) {
  if (node.topLevel) return false;
  if (node.parent != 0) throw EStandinError("the node belongs to a group");
  node.topLevel = true;
  topLevel_.push_back(node.id);
  return true;
}

void Scene::Detach(Node& node) {
  if (node.parent != 0) {
    auto& siblings = Get(node.parent).children;
    siblings.erase(std::find(siblings.begin(), siblings.end(), node.id));
    node.parent = 0;
  }
  if (node.topLevel) {
    topLevel_.erase(std::find(topLevel_.begin(), topLevel_.end(), node.id));
    node.topLevel = false;
  }
}

void Scene::Delete(Node& node) {
  Detach(node);
  for (const Node* gone : Subtree(node)) {
    Get(gone->id).deleted = true;
    if (gone->id == selection_) selection_ = 0;
  }
}

Node& Scene::CopyTree(const Node& node) {
  Node& copy = Create(node.kind, node.name);
  copy.location = node.location;
  copy.scale = node.scale;
  copy.visible = node.visible;
  copy.vertices = node.vertices;
  for (ObjectId childId : node.children) {
    Node& child = CopyTree(Get(childId));
    child.parent = copy.id;
    copy.children.push_back(child.id);
  }
  return copy;
}

Node& Scene::Copy(const Node& node) {
  if (!node.IsGNode()) throw EStandinError("only G-nodes can be copied");
  return CopyTree(node);
}

bool Scene::IsAncestorOf(const Node& ancestor, const Node& node) const {
  for (ObjectId up = node.parent; up != 0; up = Find(up)->parent) {
    if (up == ancestor.id) return true;
  }
  return false;
}

Node& Scene::GroupWithSelection(Node& object) {
  Node* current = selection_ == 0 ? nullptr : Find(selection_);
  if (current == nullptr) throw EStandinError("there is no current object to group with");
  if (current == &object) throw EStandinError("the object is the current object itself");
  if (IsAncestorOf(object, *current)) {
    throw EStandinError("the object contains the current object");
  }
  if (current->kind == NodeKind::Group) {
    Detach(object);
    object.parent = current->id;
    current->children.push_back(object.id);
    return *current;
  }
  // Taking `object` out first keeps the current object's position right when the
  // two were neighbours.
  Detach(object);
  Node& group = Create(NodeKind::Group, "Group");
  if (current->parent != 0) {
    auto& siblings = Get(current->parent).children;
    *std::find(siblings.begin(), siblings.end(), current->id) = group.id;
    group.parent = current->parent;
  } else if (current->topLevel) {
    *std::find(topLevel_.begin(), topLevel_.end(), current->id) = group.id;
    group.topLevel = true;
  }
  current->parent = group.id;
  current->topLevel = false;
  object.parent = group.id;
  group.children = {current->id, object.id};
  return group;
}

Node* Scene::Next(const Node& node) {
  const std::vector<ObjectId>* level = nullptr;
  if (node.parent != 0) {
    level = &Get(node.parent).children;
  } else if (node.topLevel) {
    level = &topLevel_;
  } else {
    return nullptr;
  }
  auto at = std::find(level->begin(), level->end(), node.id);
  if (at == level->end() || ++at == level->end()) return nullptr;
  return Find(*at);
}

Node* Scene::FirstChild(const Node& node) {
  return node.children.empty() ? nullptr : Find(node.children.front());
}

std::vector<const Node*> Scene::Subtree(const Node& node) const {
  std::vector<const Node*> nodes{&node};
  for (std::size_t i = 0; i < nodes.size(); ++i) {
    for (ObjectId childId : nodes[i]->children)
      nodes.push_back(Find(childId));
  }
  return nodes;
}

void Scene::ForEachLive(const std::function<void(Node&)>& visit) {
  for (auto& [id, node] : nodes_) {
    if (!node->deleted) visit(*node);
  }
}

} // namespace qm::standin
