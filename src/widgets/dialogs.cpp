#include "widgets/dialogs.h"

#include "widgets/module_state.h"
#include <cstdio>
#include <deque>

namespace qm::widgets {
namespace {

// Headless: a message box is one line on standard error, answered OK at once;
// an input box takes the next queued answer.
class HeadlessDialogs final : public DialogBackend {
public:
  void ShowMessage(const std::string& text) override {
    std::fprintf(stderr, "message: %s\n", EscapeLine(text).c_str());
    std::fflush(stderr);
  }
  std::optional<std::string> InputBox(const std::string&, const std::string&,
                                      const std::string&) override {
    if (answers.empty()) return std::nullopt;
    std::optional<std::string> answer = std::move(answers.front());
    answers.pop_front();
    return answer;
  }
  std::deque<std::optional<std::string>> answers;
};

struct DialogState {
  HeadlessDialogs headless;
  std::unique_ptr<DialogBackend> custom;
  std::vector<std::string> shown;
  DialogBackend& Backend() { return custom ? *custom : static_cast<DialogBackend&>(headless); }
};

// Message boxes may be shown while the module is being unloaded: module state.
ModuleState<DialogState> dialogState;

DialogState& State() { return dialogState.Get(); }

} // namespace

void ShowMessage(const std::string& text) {
  State().shown.push_back(text);
  State().Backend().ShowMessage(text);
}

std::string InputBox(const std::string& title, const std::string& prompt,
                     const std::string& initial) {
  std::optional<std::string> answer = State().Backend().InputBox(title, prompt, initial);
  return answer ? *answer : initial;
}

std::vector<std::string> TakeShownMessages() {
  std::vector<std::string> messages;
  messages.swap(State().shown);
  return messages;
}

std::unique_ptr<DialogBackend> SetDialogBackend(std::unique_ptr<DialogBackend> backend) {
  std::unique_ptr<DialogBackend> previous = std::move(State().custom);
  State().custom = std::move(backend);
  return previous;
}

void QueueInputAnswer(std::optional<std::string> answer) {
  State().headless.answers.push_back(std::move(answer));
}

std::string EscapeLine(const std::string& text) {
  std::string line;
  line.reserve(text.size());
  for (char c : text) {
    switch (c) {
    case '\r': line += "\\r"; break;
    case '\n': line += "\\n"; break;
    case '\\': line += "\\\\"; break;
    default: line += c;
    }
  }
  return line;
}

} // namespace qm::widgets
