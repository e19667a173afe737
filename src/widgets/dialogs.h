// The one dialog service: every modal message box and text input box of the
// plug-in goes through here, so that a backend can draw it natively or, headless,
// answer it at once and keep it for tests and automation.
#pragma once

#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace qm::widgets {

// Caption of the plug-in's message boxes.
inline constexpr const char* kMessageBoxCaption = "Quillmere Morph";

class DialogBackend {
public:
  virtual ~DialogBackend() = default;
  // A modal message box with a single OK button; returns when it is closed.
  virtual void ShowMessage(const std::string& text) = 0;
  // A modal text input box; the confirmed text, or nothing on Cancel.
  virtual std::optional<std::string> InputBox(const std::string& title, const std::string& prompt,
                                              const std::string& initial) = 0;
};

// Shows a modal message box with an OK button. Every message shown is also kept
// (see TakeShownMessages), whatever the backend.
void ShowMessage(const std::string& text);

// Shows a modal input box and returns the confirmed text, or `initial` on Cancel.
std::string InputBox(const std::string& title, const std::string& prompt,
                     const std::string& initial);

// The messages shown since the last call, oldest first; the list starts empty again.
std::vector<std::string> TakeShownMessages();

// Replaces the backend; null restores the headless one. Returns the previous one.
std::unique_ptr<DialogBackend> SetDialogBackend(std::unique_ptr<DialogBackend> backend);

// Headless input boxes take their answers from this queue, oldest first, and
// answer Cancel when it is empty.
void QueueInputAnswer(std::optional<std::string> answer);

// Writes CR, LF and backslash as \r, \n and \\ so that a text fits on one line.
std::string EscapeLine(const std::string& text);

} // namespace qm::widgets
