#include "app/session.h"

#include "app/checks.h"
#include "app/host_steps.h"
#include "app/registration_block.h"

#include <algorithm>
#include <exception>
#include <optional>
#include <sstream>

namespace qm::host {

namespace {

// Runs `call`; reports an error raised towards the host instead of dying of it.
template <typename Call> bool Guarded(Call call, std::ostream& out) {
  try {
    call();
    return true;
  } catch (const std::exception& error) {
    out << "host: the plug-in raised: " << error.what() << "\n";
  } catch (...) {
    out << "host: the plug-in raised something that is not a std::exception\n";
  }
  return false;
}

// The reply's lines, indented, so that they never read as qmhost's own.
void PrintReply(const std::string& reply, std::ostream& out) {
  std::size_t start = 0;
  while (!reply.empty() && start <= reply.size()) {
    const std::size_t end = std::min(reply.find('\n', start), reply.size());
    out << "  " << reply.substr(start, end - start) << "\n";
    start = end + 1;
  }
}

// The steps in their order, with what the checks look back at.
class Runner {
public:
  Runner(PluginModule& module, const Script& script, standin::Control& host)
      : module_(module), script_(script), host_(host) {}

  // Runs one step, writing its lines to `out`. Answers false when the plug-in
  // raised; throws a qm::Exception when the step fails or its check does not hold.
  bool Run(const Step& step, std::ostream& out) {
    if (step.kind == StepKind::Expect || step.kind == StepKind::ExpectReply) {
      Check(step);
      return true;
    }
    std::ostringstream printed;
    const bool ok = RunAction(step, printed);
    out << printed.str();
    last_ = Printed{step.where + " (" + StepWord(step.kind) +
                        (step.argument.empty() ? "" : " " + step.argument) + ")",
                    printed.str()};
    return ok;
  }

private:
  struct Printed {
    std::string step; // "demo.qms:12 (print-mesh Face)"
    std::string text;
  };
  struct Reply {
    std::string step;
    std::string text;
  };

  bool RunAction(const Step& step, std::ostream& out) {
    const char* word = StepWord(step.kind);
    switch (step.kind) {
    case StepKind::Click: {
      int clicked = 0;
      if (!Guarded([&] { clicked = module_.LeftClick(); }, out)) return false;
      out << word << ": result " << clicked << "\n";
      return true;
    }
    case StepKind::RightClick:
      if (!Guarded([&] { module_.RightClick(); }, out)) return false;
      out << word << ": done\n";
      return true;
    case StepKind::Deactivate:
      if (!Guarded([&] { module_.Deactivate(); }, out)) return false;
      out << word << ": done\n";
      return true;
    case StepKind::Automation: return Automation(step, out);
    case StepKind::Scene: LoadScene(host_, step.argument, script_.folder, out); return true;
    case StepKind::Select: SelectNode(host_, step.argument, out); return true;
    case StepKind::PrintMesh: PrintMesh(host_, step.argument, out); return true;
    case StepKind::PrintScene: PrintScene(host_, out); return true;
    case StepKind::Save: SaveScene(host_, step.argument, out); return true;
    case StepKind::Expect:
    case StepKind::ExpectReply: break;
    }
    return true;
  }

  bool Automation(const Step& step, std::ostream& out) {
    reply_.reset();
    const char* word = StepWord(step.kind);
    if (!module_.HasAutomation()) {
      out << word << " " << step.argument << ": the plug-in has no qmAutomation\n";
      return true;
    }
    int answer = 0;
    std::string reply;
    if (!Guarded([&] { answer = module_.Automation(step.argument, reply); }, out)) return false;
    out << word << " " << step.argument << ": result " << answer << "\n";
    PrintReply(reply, out);
    reply_ = Reply{step.where + " (auto " + step.argument + ")", reply};
    return true;
  }

  void Check(const Step& step) const {
    if (step.kind == StepKind::Expect) {
      if (!last_) throw ECheckFailed("expect: no command ran before it");
      if (!OutputHasLine(last_->text, step.argument)) {
        throw ECheckFailed("expect failed: " + Quoted(step.argument) + " is not a line that " +
                           last_->step + " printed");
      }
      return;
    }
    if (!reply_) throw ECheckFailed("expect-reply: no auto command before it gave a reply");
    if (reply_->text != step.argument) {
      throw ECheckFailed("expect-reply failed: " + reply_->step + " replied " +
                         Quoted(reply_->text) + ", not " + Quoted(step.argument));
    }
  }

  PluginModule& module_;
  const Script& script_;
  standin::Control& host_;
  std::optional<Printed> last_;
  std::optional<Reply> reply_;
};

} // namespace

SessionOutcome RunSession(PluginModule& module, const Script& script, standin::Control& host,
                          std::ostream& out) {
  SessionOutcome outcome;
  RegistrationBlock block = NewRegistrationBlock();
  int result = -1;
  // What the host printed so far is flushed before every call into the plug-in, so
  // that it comes before anything the plug-in writes (its messages go to standard
  // error).
  out.flush();
  const bool returned = Guarded([&] { result = module.GetData(block.data(), kHostParam); }, out);
  if (returned) {
    out << "tsxGetData: result " << result << "\n";
    for (const std::string& line : DescribeBlock(block))
      out << line << "\n";
  }
  if (!returned || result != 0) {
    out << "host: the plug-in is not registered; commands skipped\n";
    outcome.raised = !returned;
    return outcome;
  }
  outcome.registered = true;

  Runner runner(module, script, host);
  for (const Step& step : script.steps) {
    out.flush();
    try {
      outcome.raised = !runner.Run(step, out) || outcome.raised;
    } catch (const Exception& error) {
      out << "host: " << step.where << ": " << error.what() << "\n";
      outcome.failed = true;
      break;
    }
  }
  return outcome;
}

} // namespace qm::host
