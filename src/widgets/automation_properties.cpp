#include "widgets/automation_properties.h"

#include <array>
#include <string>

#include "widgets/buttons.h"
#include "widgets/check_box.h"
#include "widgets/containers.h"
#include "widgets/dialogs.h"
#include "widgets/display_controls.h"
#include "widgets/form.h"
#include "widgets/list_box.h"
#include "widgets/menu.h"
#include "widgets/names.h"
#include "widgets/slider.h"
#include "widgets/spin_edit.h"

namespace qm::widgets {
namespace {

using Value = std::optional<PropertyValue>;

Value Plain(std::string text) {
  return PropertyValue{PropertyValue::Shape::Plain, std::move(text), {}};
}
Value Number(int number) { return Plain(std::to_string(number)); }
Value Flag(bool flag) { return Plain(flag ? "1" : "0"); }
Value Text(std::string text) {
  return PropertyValue{PropertyValue::Shape::Text, std::move(text), {}};
}
Value List(std::vector<std::string> list) {
  return PropertyValue{PropertyValue::Shape::List, {}, std::move(list)};
}

// Controls whose text is a caption rather than a field's contents.
bool HasCaption(const Control& control) {
  switch (control.Kind()) {
  case ComponentKind::Edit:
  case ComponentKind::SpinEdit:
  case ComponentKind::Slider:
  case ComponentKind::ListBox:
  case ComponentKind::Shape:
  case ComponentKind::Image: return false;
  default: return true;
  }
}

std::string NameOrDash(const Component* component) {
  return component ? component->Name() : std::string("-");
}

// Component properties, in the order the dump prints them.
enum class Prop {
  Parent,
  Left,
  Top,
  Width,
  Height,
  Enabled,
  Visible,
  Caption,
  Text,
  ReadOnly,
  Checked,
  RadioItem,
  GroupIndex,
  Min,
  Max,
  Position,
  Value,
  ItemIndex,
  Count,
  Items,
  Color,
  FontColor,
};

constexpr std::array<std::string_view, 22> kPropNames{
    "Parent", "Left",      "Top",     "Width",     "Height",     "Enabled",  "Visible", "Caption",
    "Text",   "ReadOnly",  "Checked", "RadioItem", "GroupIndex", "Min",      "Max",     "Position",
    "Value",  "ItemIndex", "Count",   "Items",     "Color",      "FontColor"};

template <class T> const T* As(const Control& control) { return dynamic_cast<const T*>(&control); }

Value ReadControl(const Control& control, Prop prop) {
  const auto* field = As<TextField>(control);
  const auto* slider = As<Slider>(control);
  const auto* spin = As<SpinEdit>(control);
  const auto* list = As<ListBox>(control);
  switch (prop) {
  case Prop::Parent: return Plain(NameOrDash(control.Parent()));
  case Prop::Left: return Number(control.Left());
  case Prop::Top: return Number(control.Top());
  case Prop::Width: return Number(control.Width());
  case Prop::Height: return Number(control.Height());
  case Prop::Enabled: return Flag(control.Enabled());
  case Prop::Visible: return Flag(control.Visible());
  case Prop::Caption: return HasCaption(control) ? Text(control.Caption()) : std::nullopt;
  case Prop::Text: return field ? Text(field->Text()) : std::nullopt;
  case Prop::ReadOnly: return field ? Flag(field->ReadOnly()) : std::nullopt;
  case Prop::Checked:
    if (const auto* box = As<CheckBox>(control)) return Flag(box->Checked());
    return std::nullopt;
  case Prop::Min:
    if (slider) return Number(slider->Min());
    return spin ? Number(spin->MinValue()) : std::nullopt;
  case Prop::Max:
    if (slider) return Number(slider->Max());
    return spin ? Number(spin->MaxValue()) : std::nullopt;
  case Prop::Position: return slider ? Number(slider->Position()) : std::nullopt;
  case Prop::Value: return spin ? Number(spin->Value()) : std::nullopt;
  case Prop::ItemIndex: return list ? Number(list->ItemIndex()) : std::nullopt;
  case Prop::Count: return list ? Number(list->Count()) : std::nullopt;
  case Prop::Items: return list ? List(list->Items()) : std::nullopt;
  case Prop::Color: return Plain(FormatColor(control.Color()));
  case Prop::FontColor: return Plain(FormatColor(control.Font().color));
  default: return std::nullopt;
  }
}

Value ReadMenuItem(const MenuItem& item, Prop prop) {
  switch (prop) {
  case Prop::Parent: return Plain(NameOrDash(item.Parent()));
  case Prop::Enabled: return Flag(item.Enabled());
  case Prop::Visible: return Flag(item.Visible());
  case Prop::Caption: return Text(item.Caption());
  case Prop::Checked: return Flag(item.Checked());
  case Prop::RadioItem: return Flag(item.RadioItem());
  case Prop::GroupIndex: return Number(item.GroupIndex());
  case Prop::Count: return Number(static_cast<int>(item.Items().size()));
  default: return std::nullopt;
  }
}

Value Read(const Component& component, Prop prop) {
  if (const auto* control = dynamic_cast<const Control*>(&component)) {
    return ReadControl(*control, prop);
  }
  if (const auto* item = dynamic_cast<const MenuItem*>(&component))
    return ReadMenuItem(*item, prop);
  return std::nullopt;
}

struct FormProperty {
  std::string_view name;
  Value (*read)(const Form&);
};

constexpr std::array<FormProperty, 11> kFormProperties{{
    {"Caption", [](const Form& f) { return Text(f.Caption()); }},
    {"Visible", [](const Form& f) { return Flag(f.Visible()); }},
    {"Enabled", [](const Form& f) { return Flag(f.Enabled()); }},
    {"Left", [](const Form& f) { return Number(f.Left()); }},
    {"Top", [](const Form& f) { return Number(f.Top()); }},
    {"Width", [](const Form& f) { return Number(f.Width()); }},
    {"Height", [](const Form& f) { return Number(f.Height()); }},
    {"ClientWidth", [](const Form& f) { return Number(f.ClientWidth()); }},
    {"ClientHeight", [](const Form& f) { return Number(f.ClientHeight()); }},
    {"Color", [](const Form& f) { return Plain(FormatColor(f.Color())); }},
    {"FontColor", [](const Form& f) { return Plain(FormatColor(f.Font().color)); }},
}};

std::string Quote(const std::string& text) {
  std::string quoted = "\"";
  for (char c : EscapeLine(text)) {
    if (c == '"') quoted += '\\';
    quoted += c;
  }
  return quoted + "\"";
}

std::string ForDump(const PropertyValue& value) {
  switch (value.shape) {
  case PropertyValue::Shape::Plain: return value.text;
  case PropertyValue::Shape::Text: return Quote(value.text);
  case PropertyValue::Shape::List: break;
  }
  std::string list = "[";
  for (const std::string& entry : value.list) {
    if (list.size() > 1) list += ',';
    list += Quote(entry);
  }
  return list + "]";
}

} // namespace

std::optional<PropertyValue> ReadFormProperty(const Form& form, std::string_view name) {
  for (const FormProperty& property : kFormProperties) {
    if (SameName(property.name, name)) return property.read(form);
  }
  return std::nullopt;
}

std::optional<PropertyValue> ReadComponentProperty(const Component& component,
                                                   std::string_view name) {
  for (std::size_t i = 0; i < kPropNames.size(); ++i) {
    if (SameName(kPropNames[i], name)) return Read(component, static_cast<Prop>(i));
  }
  return std::nullopt;
}

std::string FormatForGet(const PropertyValue& value) {
  switch (value.shape) {
  case PropertyValue::Shape::Plain: return value.text;
  case PropertyValue::Shape::Text: return EscapeLine(value.text);
  case PropertyValue::Shape::List: break;
  }
  std::string lines;
  for (const std::string& entry : value.list) {
    if (&entry != &value.list.front()) lines += '\n';
    lines += EscapeLine(entry);
  }
  return lines;
}

namespace {

// Appends " NAME=VALUE". Built piece by piece: GCC 12 warns falsely (-Wrestrict) on
// " " + std::string(...).
void AppendProperty(std::string& line, std::string_view name, const std::string& value) {
  line += ' ';
  line += name;
  line += '=';
  line += value;
}

} // namespace

std::vector<std::string> DumpLines(const Form& form) {
  std::vector<std::string> lines;
  std::string line = (form.Name().empty() ? "-" : form.Name()) + " Form";
  for (const FormProperty& property : kFormProperties) {
    AppendProperty(line, property.name, ForDump(*property.read(form)));
  }
  lines.push_back(std::move(line));
  for (const auto& component : form.Components()) {
    line =
        (component->Name().empty() ? "-" : component->Name()) + " " + KindName(component->Kind());
    for (std::size_t i = 0; i < kPropNames.size(); ++i) {
      if (auto value = Read(*component, static_cast<Prop>(i))) {
        AppendProperty(line, kPropNames[i], ForDump(*value));
      }
    }
    lines.push_back(std::move(line));
  }
  return lines;
}

} // namespace qm::widgets
