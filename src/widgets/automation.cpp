#include "widgets/automation.h"

#include <optional>
#include <vector>

#include "platform/exception.h"
#include "widgets/application.h"
#include "widgets/automation_properties.h"
#include "widgets/dialogs.h"
#include "widgets/int_conversion.h"
#include "widgets/list_box.h"
#include "widgets/slider.h"
#include "widgets/spin_edit.h"
#include "widgets/user_input.h"

namespace qm::widgets {
namespace {

// A command that cannot be carried out; the message is the reply.
class NotUnderstood : public Exception {
public:
  using Exception::Exception;
};

std::vector<std::string_view> Split(std::string_view text, char separator) {
  std::vector<std::string_view> parts;
  std::size_t start = 0;
  for (;;) {
    std::size_t end = text.find(separator, start);
    parts.push_back(text.substr(start, end - start));
    if (end == std::string_view::npos) return parts;
    start = end + 1;
  }
}

// The arguments of a command that takes exactly `count` words.
std::vector<std::string_view> Words(std::string_view verb, std::string_view arguments,
                                    std::size_t count) {
  std::vector<std::string_view> words =
      arguments.empty() ? std::vector<std::string_view>{} : Split(arguments, ' ');
  bool blank = false;
  for (std::string_view word : words)
    blank = blank || word.empty();
  if (words.size() != count || blank) {
    std::string takes = count == 0 ? "no arguments"
                        : count == 1
                            ? "one argument"
                            : std::to_string(count) + " arguments separated by single spaces";
    throw NotUnderstood(std::string(verb) + " takes " + takes);
  }
  return words;
}

int Number(std::string_view text) {
  if (auto number = TryStrToInt(text)) return *number;
  throw NotUnderstood("'" + std::string(text) + "' is not a valid integer value");
}

Form& FormNamed(std::string_view name) {
  if (Form* form = FindForm(name)) return *form;
  throw NotUnderstood("unknown form: " + std::string(name));
}

// FORM.CONTROL
Component& ComponentAt(std::string_view address) {
  std::vector<std::string_view> parts = Split(address, '.');
  if (parts.size() != 2) throw NotUnderstood("expected FORM.CONTROL: " + std::string(address));
  Form& form = FormNamed(parts[0]);
  if (Component* component = form.FindComponent(parts[1])) return *component;
  throw NotUnderstood("unknown control: " + form.Name() + "." + std::string(parts[1]));
}

template <class T> T& ControlAt(std::string_view address, const char* wanted) {
  Component& component = ComponentAt(address);
  if (auto* typed = dynamic_cast<T*>(&component)) return *typed;
  throw NotUnderstood(component.Path() + " is a " + KindName(component.Kind()) + ", not " + wanted);
}

int Outcome(const InputResult& result, std::string& reply) {
  if (result) return kAutomationDone;
  reply = result.refusal;
  return kAutomationRefused;
}

std::string JoinLines(const std::vector<std::string>& lines) {
  std::string joined;
  for (const std::string& line : lines) {
    if (&line != &lines.front()) joined += '\n';
    joined += line;
  }
  return joined;
}

int Forms(std::string_view arguments, std::string& reply) {
  Words("forms", arguments, 0);
  std::vector<std::string> lines;
  for (Form* form : LiveForms())
    lines.push_back(form->Name() + (form->Visible() ? " 1" : " 0"));
  reply = JoinLines(lines);
  return kAutomationDone;
}

int Get(std::string_view arguments, std::string& reply) {
  std::string_view address = Words("get", arguments, 1)[0];
  std::vector<std::string_view> parts = Split(address, '.');
  std::optional<PropertyValue> value;
  std::string owner;
  if (parts.size() == 2) {
    Form& form = FormNamed(parts[0]);
    owner = form.Name();
    value = ReadFormProperty(form, parts[1]);
  } else if (parts.size() == 3) {
    Component& component = ComponentAt(address.substr(0, address.rfind('.')));
    owner = component.Path() + " (" + KindName(component.Kind()) + ")";
    value = ReadComponentProperty(component, parts[2]);
  } else {
    throw NotUnderstood("expected FORM.PROPERTY or FORM.CONTROL.PROPERTY: " + std::string(address));
  }
  if (!value) throw NotUnderstood(owner + " has no property " + std::string(parts.back()));
  reply = FormatForGet(*value);
  return kAutomationDone;
}

int Click(std::string_view arguments, std::string& reply) {
  Component& component = ComponentAt(Words("click", arguments, 1)[0]);
  if (auto* item = dynamic_cast<MenuItem*>(&component)) return Outcome(UserClick(*item), reply);
  if (auto* control = dynamic_cast<Control*>(&component))
    return Outcome(UserClick(*control), reply);
  throw NotUnderstood(component.Path() + " cannot be clicked");
}

int Set(std::string_view arguments, std::string& reply) {
  std::vector<std::string_view> words = Words("set", arguments, 2);
  Component& component = ComponentAt(words[0]);
  int value = Number(words[1]);
  if (auto* slider = dynamic_cast<Slider*>(&component)) {
    return Outcome(UserMoveSlider(*slider, value), reply);
  }
  if (auto* spin = dynamic_cast<SpinEdit*>(&component)) {
    return Outcome(UserStepSpinEdit(*spin, value), reply);
  }
  throw NotUnderstood(component.Path() + " is a " + KindName(component.Kind()) +
                      ", not a Slider or SpinEdit");
}

int Type(std::string_view arguments, std::string& reply) {
  std::size_t space = arguments.find(' ');
  std::string_view address = arguments.substr(0, space);
  std::string text(space == std::string_view::npos ? "" : arguments.substr(space + 1));
  return Outcome(UserType(ControlAt<TextField>(address, "an Edit or SpinEdit"), text), reply);
}

int Leave(std::string_view arguments, std::string& reply) {
  std::string_view address = Words("leave", arguments, 1)[0];
  return Outcome(UserLeave(ControlAt<TextField>(address, "an Edit or SpinEdit")), reply);
}

int Press(std::string_view arguments, std::string& reply) {
  std::string_view address = Words("press", arguments, 1)[0];
  return Outcome(UserMouseDown(ControlAt<Control>(address, "a control")), reply);
}

int Choose(std::string_view arguments, std::string& reply) {
  std::vector<std::string_view> words = Words("choose", arguments, 2);
  auto& list = ControlAt<ListBox>(words[0], "a ListBox");
  return Outcome(UserChoose(list, Number(words[1])), reply);
}

int Close(std::string_view arguments, std::string& reply) {
  return Outcome(UserPressCloseBox(FormNamed(Words("close", arguments, 1)[0])), reply);
}

int Answer(std::string_view arguments, std::string&) {
  QueueInputAnswer(std::string(arguments));
  return kAutomationDone;
}

int AnswerCancel(std::string_view arguments, std::string&) {
  Words("answer-cancel", arguments, 0);
  QueueInputAnswer(std::nullopt);
  return kAutomationDone;
}

int Messages(std::string_view arguments, std::string& reply) {
  Words("messages", arguments, 0);
  std::vector<std::string> lines = TakeShownMessages();
  for (std::string& line : lines)
    line = EscapeLine(line);
  reply = JoinLines(lines);
  return kAutomationDone;
}

int HitTest(std::string_view arguments, std::string& reply) {
  std::vector<std::string_view> words = Words("hittest", arguments, 3);
  Form& form = FormNamed(words[0]);
  int x = Number(words[1]);
  int y = Number(words[2]);
  reply = form.NonClientHitTest(x, y) == kHtCaption ? "caption" : "client";
  return kAutomationDone;
}

int Dump(std::string_view arguments, std::string& reply) {
  reply = JoinLines(DumpLines(FormNamed(Words("dump", arguments, 1)[0])));
  return kAutomationDone;
}

struct Command {
  std::string_view verb;
  int (*run)(std::string_view arguments, std::string& reply);
};

constexpr Command kCommands[] = {
    {"forms", Forms},       {"get", Get},
    {"click", Click},       {"set", Set},
    {"type", Type},         {"leave", Leave},
    {"choose", Choose},     {"close", Close},
    {"answer", Answer},     {"answer-cancel", AnswerCancel},
    {"messages", Messages}, {"hittest", HitTest},
    {"dump", Dump},         {"press", Press},
};

int Run(std::string_view command, std::string& reply) {
  if (command.find_first_of("\r\n") != std::string_view::npos) {
    throw NotUnderstood("a command is a single line");
  }
  std::size_t space = command.find(' ');
  std::string_view verb = command.substr(0, space);
  std::string_view arguments =
      space == std::string_view::npos ? std::string_view{} : command.substr(space + 1);
  for (const Command& known : kCommands) {
    if (known.verb == verb) return known.run(arguments, reply);
  }
  throw NotUnderstood(verb.empty() ? "empty command" : "unknown command: " + std::string(verb));
}

} // namespace

int RunAutomationCommand(std::string_view command, std::string& reply) {
  reply.clear();
  try {
    return Run(command, reply);
  } catch (const std::exception& error) {
    reply = DescribeError(error).message;
  } catch (...) {
    reply = DescribeUnknownError().message;
  }
  return kAutomationNotUnderstood;
}

} // namespace qm::widgets
