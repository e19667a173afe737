#include "io/scene_file.h"

#include "io/scene_host.h"
#include "io/scene_json.h"
#include "io/scene_writer.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace qm::io {

namespace {

std::string SystemError() { return std::strerror(errno); }

} // namespace

std::string ReadTextFile(const std::string& path) {
  std::error_code ignored;
  if (std::filesystem::is_directory(path, ignored))
    throw ESceneFileError(path + ": cannot be read: it is a folder");
  errno = 0;
  std::ifstream file(path, std::ios::binary);
  if (!file) throw ESceneFileError(path + ": cannot be read: " + SystemError());
  std::ostringstream text;
  text << file.rdbuf();
  if (file.bad()) throw ESceneFileError(path + ": cannot be read: " + SystemError());
  return text.str();
}

Scene LoadSceneFile(standin::Control& host, const std::string& path) {
  const Scene scene = ParseSceneJson(ReadTextFile(path), path);
  CheckBuildable(scene, path);
  BuildScene(host, scene);
  return scene;
}

void SaveSceneFile(const standin::Control& host, const std::string& path) {
  std::string text;
  try {
    text = WriteSceneJson(ReadScene(host));
  } catch (const ESceneFileError& error) {
    throw ESceneFileError(path + ": " + error.Message());
  }
  const std::string temporary = path + ".tmp";
  {
    errno = 0;
    std::ofstream file(temporary, std::ios::binary | std::ios::trunc);
    if (!file) throw ESceneFileError(path + ": cannot be written: " + SystemError());
    file << text;
    file.close();
    if (!file) {
      const std::string why = SystemError();
      std::remove(temporary.c_str());
      throw ESceneFileError(path + ": cannot be written: " + why);
    }
  }
  if (std::rename(temporary.c_str(), path.c_str()) != 0) {
    const std::string why = SystemError();
    std::remove(temporary.c_str());
    throw ESceneFileError(path + ": cannot be written: " + why);
  }
}

} // namespace qm::io
