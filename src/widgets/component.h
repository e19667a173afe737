// The root of everything that a form owns and names: controls and menu items.
#pragma once

#include <string>
#include <utility>

namespace qm::widgets {

class Form;

enum class ComponentKind {
  Button,
  BitBtn,
  PictureButton,
  CheckBox,
  Label,
  StaticText,
  LinkLabel,
  Edit,
  SpinEdit,
  Slider,
  ListBox,
  Shape,
  Image,
  Panel,
  GroupBox,
  MenuItem,
};

// The kind's name as automation and the dump print it ("Slider").
const char* KindName(ComponentKind kind);
// Whether controls of the kind get a window of their own from a native backend.
// Window-less controls are painted by their container and never take the mouse.
bool HasOwnWindow(ComponentKind kind);

class Component {
public:
  Component(const Component&) = delete;
  Component& operator=(const Component&) = delete;
  virtual ~Component() = default;

  // The component name ("btnsel3"), unique within its form ignoring letter case.
  const std::string& Name() const { return name_; }
  ComponentKind Kind() const { return kind_; }
  Form& Owner() const { return owner_; }
  // "Form1.btnsel3", for messages.
  std::string Path() const;

protected:
  Component(Form& owner, std::string name, ComponentKind kind)
      : owner_(owner), name_(std::move(name)), kind_(kind) {}
  // Tells the backend that a property changed.
  void Changed();
  // Stores `value` and tells the backend, when it differs from what `field` holds.
  template <class T, class U> void Update(T& field, U&& value) {
    if (field == value) return;
    field = std::forward<U>(value);
    Changed();
  }

private:
  Form& owner_;
  std::string name_;
  ComponentKind kind_;
};

} // namespace qm::widgets
