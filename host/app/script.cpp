#include "app/script.h"

#include <array>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <optional>
#include <sstream>
#include <utility>

namespace qm::host {

namespace {

enum class Argument { None, Required, Optional };

struct CommandInfo {
  const char* word;
  StepKind kind;
  Argument argument;
};

constexpr std::array<CommandInfo, 11> kCommands{{
    {"click", StepKind::Click, Argument::None},
    {"rightclick", StepKind::RightClick, Argument::None},
    {"deactivate", StepKind::Deactivate, Argument::None},
    {"auto", StepKind::Automation, Argument::Required},
    {"scene", StepKind::Scene, Argument::Required},
    {"select", StepKind::Select, Argument::Required},
    {"print-mesh", StepKind::PrintMesh, Argument::Required},
    {"print-scene", StepKind::PrintScene, Argument::None},
    {"save", StepKind::Save, Argument::Required},
    {"expect", StepKind::Expect, Argument::Required},
    // An empty reply is worth checking: most commands answer with one.
    {"expect-reply", StepKind::ExpectReply, Argument::Optional},
}};

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

// One line of a script, without its LF; nothing for a blank line or a comment.
std::optional<Step> ParseLine(std::string_view line, const std::string& where) {
  if (line.ends_with('\r')) line.remove_suffix(1);
  if (line.find('\0') != std::string_view::npos)
    throw EScriptError(where + ": the line holds a NUL byte");
  std::size_t start = 0;
  while (start < line.size() && IsBlank(line[start]))
    ++start;
  line.remove_prefix(start);
  if (line.empty() || line.front() == '#') return std::nullopt;

  const std::size_t end = line.find_first_of(" \t");
  const std::string_view word = line.substr(0, end);
  const std::string_view rest =
      end == std::string_view::npos ? std::string_view() : line.substr(end + 1);
  for (const CommandInfo& command : kCommands) {
    if (word != command.word) continue;
    if (command.argument == Argument::None) {
      for (char c : rest) {
        if (!IsBlank(c)) throw EScriptError(where + ": " + command.word + " takes no argument");
      }
      return Step{command.kind, "", where};
    }
    if (end != std::string_view::npos && line[end] != ' ')
      throw EScriptError(where + ": separate " + command.word + " from its argument by one space");
    if (command.argument == Argument::Required && rest.empty())
      throw EScriptError(where + ": " + command.word + " needs an argument after one space");
    return Step{command.kind, std::string(rest), where};
  }
  throw EScriptError(where + ": unknown command \"" + std::string(word) + "\"");
}

} // namespace

const char* StepWord(StepKind kind) {
  for (const CommandInfo& command : kCommands) {
    if (command.kind == kind) return command.word;
  }
  return "?";
}

Script ParseScript(std::string_view text, const std::string& path) {
  Script script;
  script.folder = std::filesystem::path(path).parent_path().string();
  int number = 0;
  while (!text.empty()) {
    ++number;
    const std::size_t end = text.find('\n');
    const std::string_view line = text.substr(0, end);
    text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
    if (auto step = ParseLine(line, path + ":" + std::to_string(number)))
      script.steps.push_back(std::move(*step));
  }
  return script;
}

Script ReadScript(const std::string& path) {
  std::error_code ignored;
  if (std::filesystem::is_directory(path, ignored))
    throw EScriptError(path + ": cannot read the script: it is a folder");
  errno = 0;
  std::ifstream file(path, std::ios::binary);
  if (!file) throw EScriptError(path + ": cannot read the script: " + std::strerror(errno));
  std::ostringstream text;
  text << file.rdbuf();
  return ParseScript(text.str(), path);
}

Script ScriptFromCommands(const std::vector<Command>& commands,
                          const std::vector<std::string>& automation) {
  Script script;
  std::size_t nextAutomation = 0;
  for (std::size_t i = 0; i < commands.size(); ++i) {
    Step step;
    step.where = "command " + std::to_string(i + 1);
    switch (commands[i]) {
    case Command::Click: step.kind = StepKind::Click; break;
    case Command::RightClick: step.kind = StepKind::RightClick; break;
    case Command::Deactivate: step.kind = StepKind::Deactivate; break;
    case Command::Automation:
      step.kind = StepKind::Automation;
      if (nextAutomation < automation.size()) step.argument = automation[nextAutomation];
      ++nextAutomation;
      break;
    }
    script.steps.push_back(std::move(step));
  }
  return script;
}

} // namespace qm::host
