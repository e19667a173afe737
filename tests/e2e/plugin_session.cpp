#include "plugin_session.h"

#include <gtest/gtest.h>

#include <array>
#include <sstream>
#include <stdexcept>

namespace qm::test {

PluginSession::PluginSession() {
  host_ = std::make_unique<LoadedLibrary>(QM_STANDIN_DEFAULT_HOST);
  control_ = host_->Function<standin::ControlEntry>(standin::kControlEntryName)();
  control_->Reset();
  module_ = std::make_unique<LoadedLibrary>(QM_MODULE_PATH);
  automation_ = module_->Function<int (*)(const char*, char*, int)>("qmAutomation");
  leftClick_ = module_->Function<int (*)()>("tsxOnLeftClick");
  std::array<unsigned char, 100> block{};
  const int registered = module_->Function<int (*)(void*, int)>("tsxGetData")(block.data(), 0);
  if (registered != 0) throw std::runtime_error("the plug-in refused the stand-in host");
}

PluginSession::~PluginSession() {
  module_.reset();
  host_.reset();
}

int PluginSession::ClickIcon() { return leftClick_(); }

int PluginSession::Try(const std::string& command, std::string& reply) {
  std::string buffer(64 * 1024, '\0');
  const int result = automation_(command.c_str(), buffer.data(), static_cast<int>(buffer.size()));
  reply = buffer.c_str();
  return result;
}

std::string PluginSession::Do(const std::string& command) {
  std::string reply;
  const int result = Try(command, reply);
  EXPECT_EQ(result, 0) << command << " -> " << reply;
  return reply;
}

tsxSOBJ* PluginSession::AddMesh(const std::string& name, const std::vector<tsxVec3f>& vertices) {
  tsxSOBJ* mesh = control_->CreatePolyhedron(name, vertices);
  control_->AddToScene(mesh);
  return mesh;
}

void PluginSession::ShowPageOf(int channel) {
  Do(channel < 10 ? "click Form1.btnpage1" : "click Form1.btnpage2");
}

void PluginSession::Capture(int channel, tsxSOBJ* object) {
  control_->Select(object);
  ShowPageOf(channel);
  Do("click Form1." + Channel("btnsel", channel));
}

void PluginSession::OpenWithNewSetup() {
  ClickIcon();
  Do("click Form2.Button1");
}

std::vector<std::string> PluginSession::Messages() {
  std::vector<std::string> messages;
  std::istringstream lines(Do("messages"));
  for (std::string line; std::getline(lines, line);)
    messages.push_back(line);
  return messages;
}

std::string Channel(const char* kind, int channel) {
  return kind + (channel == 0 ? std::string("original") : std::to_string(channel));
}

} // namespace qm::test
