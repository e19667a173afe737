#include "widgets/user_input.h"

#include "widgets/containers.h"
#include "widgets/error_report.h"
#include "widgets/form.h"
#include "widgets/list_box.h"
#include "widgets/menu.h"
#include "widgets/slider.h"
#include "widgets/spin_edit.h"

namespace qm::widgets {
namespace {

std::optional<std::string> WhyFormUnreachable(const Form& form) {
  if (!form.Visible()) return form.Name() + " is not shown";
  if (!form.Enabled()) return form.Name() + " is disabled";
  return std::nullopt;
}

// `state` is "hidden" or "disabled"; `holder` the container or menu item that has it.
std::string Inside(const Component& target, const char* state, const std::string& holder) {
  return target.Path() + " is inside " + state + " " + holder;
}

template <class Action>
InputResult Run(const std::optional<std::string>& refusal, Action&& action) {
  if (refusal) return InputResult::Refuse(*refusal);
  RunReportingErrors(std::forward<Action>(action));
  return InputResult::Accept();
}

std::optional<std::string> WhyNotEditable(const TextField& field) {
  if (auto why = WhyUnreachable(field)) return why;
  if (field.ReadOnly()) return field.Path() + " is read-only";
  return std::nullopt;
}

} // namespace

std::optional<std::string> WhyUnreachable(const Control& control) {
  if (auto why = WhyFormUnreachable(control.Owner())) return why;
  if (!control.Visible()) return control.Path() + " is hidden";
  if (!control.Enabled()) return control.Path() + " is disabled";
  for (const Container* outer = control.Parent(); outer; outer = outer->Parent()) {
    if (!outer->Visible()) return Inside(control, "hidden", outer->Name());
    if (!outer->Enabled()) return Inside(control, "disabled", outer->Name());
  }
  return std::nullopt;
}

std::optional<std::string> WhyUnreachable(const MenuItem& item) {
  if (auto why = WhyFormUnreachable(item.Owner())) return why;
  if (item.IsSeparator()) return item.Path() + " is a separator";
  if (!item.Visible()) return item.Path() + " is hidden";
  if (!item.Enabled()) return item.Path() + " is disabled";
  for (const MenuItem* above = item.Parent(); above; above = above->Parent()) {
    if (!above->Visible()) return Inside(item, "hidden", above->Name());
    if (!above->Enabled()) return Inside(item, "disabled", above->Name());
  }
  return std::nullopt;
}

InputResult UserClick(Control& control) {
  return Run(WhyUnreachable(control), [&] { control.PerformUserClick(); });
}

InputResult UserClick(MenuItem& item) {
  return Run(WhyUnreachable(item), [&] { item.Click(); });
}

InputResult UserMoveSlider(Slider& slider, int position) {
  return Run(WhyUnreachable(slider), [&] { slider.SetPosition(position); });
}

InputResult UserStepSpinEdit(SpinEdit& field, int value) {
  return Run(WhyNotEditable(field), [&] { field.SetValue(value); });
}

InputResult UserType(TextField& field, const std::string& text) {
  return Run(WhyNotEditable(field), [&] { field.SetText(text); });
}

InputResult UserMouseDown(Control& control) {
  return Run(WhyUnreachable(control), [&] { Fire(control.OnMouseDown); });
}

InputResult UserLeave(TextField& field) {
  return Run(WhyUnreachable(field), [&] { field.Leave(); });
}

InputResult UserChoose(ListBox& list, int index) {
  std::optional<std::string> why = WhyUnreachable(list);
  if (!why && (index < -1 || index >= list.Count())) {
    why = list.Path() + " has no entry " + std::to_string(index) + " (" +
          std::to_string(list.Count()) + " entries)";
  }
  return Run(why, [&] {
    list.SetItemIndex(index);
    list.Click();
  });
}

InputResult UserPressCloseBox(Form& form) {
  return Run(WhyFormUnreachable(form), [&] { form.Close(); });
}

} // namespace qm::widgets
