// State that lives as long as the module: made on first use and released when the
// module is detached.
//
// Static objects are no place for it. At process exit the C++ runtime destroys a
// library's static objects before the library's own detach notification runs, and
// that notification still frees forms and shows messages. Objects that are simply
// never freed, on the other hand, leak every time the host unloads the module. So
// the state is made on the heap, and ReleaseModuleState() frees it as the last step
// of the detach.
#pragma once

namespace qm::widgets {

namespace detail {

struct StateLink {
  void (*release)(void* state) = nullptr;
  void* state = nullptr;
  StateLink* next = nullptr;
};

// Lists `link` for ReleaseModuleState.
void LinkModuleState(StateLink* link);

} // namespace detail

// One piece of module state of type T. Declare it at namespace scope: it needs no
// construction or destruction of its own.
template <class T> class ModuleState {
public:
  constexpr ModuleState() = default;

  T& Get() {
    if (!object_) {
      object_ = new T;
      link_ = {&Release, this, nullptr};
      detail::LinkModuleState(&link_);
    }
    return *object_;
  }

private:
  static void Release(void* self) {
    auto* state = static_cast<ModuleState*>(self);
    delete state->object_;
    state->object_ = nullptr;
  }

  T* object_ = nullptr;
  detail::StateLink link_;
};

// Frees every piece of module state made so far, the newest first. A piece used
// again afterwards is made anew.
void ReleaseModuleState();

} // namespace qm::widgets
