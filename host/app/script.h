// Scenario scripts: the steps qmhost runs, read from a script file or from the
// command line.
//
// A script has one command a line. Blank lines and lines whose first character
// that is not a space or tab is "#" are skipped; "#" later in a line is part of
// the text. Indentation before the command word is ignored. The command word is
// followed by exactly one space and its argument, which is the rest of the line as
// written (spaces included, a final CR dropped).
//
//   click | rightclick | deactivate     the plug-in's entry points
//   auto COMMAND                        qmAutomation
//   scene FILE                          load a scene file (relative to the script)
//   select NAME                         select the first top-level node of that name
//   print-mesh NAME                     print a top-level mesh's vertices
//   print-scene                         print the top-level nodes
//   save FILE                           write the scene (relative to the working folder)
//   expect TEXT                         the previous command printed a line TEXT
//   expect-reply [TEXT]                 the last auto command's reply is TEXT
#pragma once

#include "app/arguments.h"
#include "platform/exception.h"

#include <string>
#include <string_view>
#include <vector>

namespace qm::host {

// A script that cannot be read or has a line qmhost does not understand; the
// message starts with the script's name and the line: "demo.qms:12: ...".
QM_DECLARE_EXCEPTION(EScriptError, Exception);

enum class StepKind {
  Click,
  RightClick,
  Deactivate,
  Automation,
  Scene,
  Select,
  PrintMesh,
  PrintScene,
  Save,
  Expect,
  ExpectReply,
};

struct Step {
  StepKind kind = StepKind::Click;
  std::string argument; // empty for the commands that take none
  std::string where;    // "demo.qms:12", or "argument 3" for the command line

  bool operator==(const Step&) const = default;
};

struct Script {
  std::string folder; // where relative scene files are looked up; "" for the working folder
  std::vector<Step> steps;
};

// The command word of a step ("print-mesh").
const char* StepWord(StepKind kind);

// Parses a script's text. `path` names the script in messages and gives the folder
// for relative scene files.
Script ParseScript(std::string_view text, const std::string& path);

// Reads and parses a script file.
Script ReadScript(const std::string& path);

// The steps that qmhost's command-line commands stand for.
Script ScriptFromCommands(const std::vector<Command>& commands,
                          const std::vector<std::string>& automation);

} // namespace qm::host
