// What a user does to the windows, as distinct from what the program does: used by
// automation now and by a native backend later. Each entry point first checks that
// a user could do it at all (the form shown and enabled; the control, every
// container around it, or the menu item and every item above it, visible and
// enabled), refuses with nothing run otherwise, and runs what it starts under the
// default error report: errors are shown, not passed on.
#pragma once

#include <optional>
#include <string>

namespace qm::widgets {

class Control;
class Form;
class ListBox;
class MenuItem;
class Slider;
class SpinEdit;
class TextField;

struct InputResult {
  bool accepted = true;
  std::string refusal; // why it was refused ("Form1.btnrec is inside disabled GroupBox1")

  explicit operator bool() const { return accepted; }
  static InputResult Accept() { return {}; }
  static InputResult Refuse(std::string why) { return {false, std::move(why)}; }
};

// Why a user could not reach the control or menu item now; nothing when they could.
std::optional<std::string> WhyUnreachable(const Control& control);
std::optional<std::string> WhyUnreachable(const MenuItem& item);

// A click on any control: buttons and picture buttons run OnClick, check boxes
// toggle and then run OnClick. A click on a menu item runs its OnClick; separators
// refuse.
InputResult UserClick(Control& control);
InputResult UserClick(MenuItem& item);
// A mouse button goes down on the control: runs its OnMouseDown.
InputResult UserMouseDown(Control& control);
// Drags the slider to `position` (clamped into its range, as a drag stops at the ends).
InputResult UserMoveSlider(Slider& slider, int position);
// Steps the spin edit with its arrows to `value` (clamped). Read-only fields refuse.
InputResult UserStepSpinEdit(SpinEdit& field, int value);
// Replaces the field's whole text with `text`. Read-only fields refuse.
InputResult UserType(TextField& field, const std::string& text);
// The field loses the focus.
InputResult UserLeave(TextField& field);
// Chooses list entry `index`, -1 for none, then runs the list's OnClick. An index
// outside the list refuses.
InputResult UserChoose(ListBox& list, int index);
// The window's close box: Close() on a shown, enabled form.
InputResult UserPressCloseBox(Form& form);

} // namespace qm::widgets
