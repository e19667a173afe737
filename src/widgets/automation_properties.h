// Reading forms, controls and menu items as automation text: the properties that
// `get` answers and the lines that `dump` prints.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace qm::widgets {

class Component;
class Form;

struct PropertyValue {
  enum class Shape { Plain, Text, List };
  Shape shape = Shape::Plain;
  std::string text; // Plain: numbers, 1/0, colours, names; Text: captions and field texts
  std::vector<std::string> list;
};

// The property of that name (ignoring letter case) if the form or component has it.
std::optional<PropertyValue> ReadFormProperty(const Form& form, std::string_view name);
std::optional<PropertyValue> ReadComponentProperty(const Component& component,
                                                   std::string_view name);

// As `get` replies: texts with CR, LF and backslash escaped, lists one entry a line.
std::string FormatForGet(const PropertyValue& value);

// One line for the form, then one per control and menu item in creation order:
// the name, the kind, then every property the kind has as NAME=VALUE, texts in
// double quotes with \", \\, \r and \n escaped, lists as ["a","b"].
std::vector<std::string> DumpLines(const Form& form);

} // namespace qm::widgets
