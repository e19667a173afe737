// Build-time generator of the stand-in host's export set.
//
//   qm_standin_exports version-script OUTPUT [OMITTED_NAME...]
//   qm_standin_exports stubs OUTPUT
#include "api/export_list.h"

#include <exception>
#include <fstream>
#include <iostream>
#include <string>
#include <vector>

int main(int argc, char** argv) {
  try {
    if (argc < 3) {
      std::cerr << "usage: " << argv[0] << " version-script OUTPUT [OMITTED_NAME...]\n"
                << "       " << argv[0] << " stubs OUTPUT\n";
      return 2;
    }
    const std::string mode = argv[1];
    std::string text;
    if (mode == "version-script") {
      text = qm::standin::VersionScript(std::vector<std::string>(argv + 3, argv + argc));
    } else if (mode == "stubs" && argc == 3) {
      text = qm::standin::UnsupportedStubsSource();
    } else {
      std::cerr << argv[0] << ": unknown request " << mode << "\n";
      return 2;
    }
    std::ofstream out(argv[2], std::ios::binary);
    out << text;
    out.close();
    if (!out) {
      std::cerr << argv[0] << ": cannot write " << argv[2] << "\n";
      return 1;
    }
    return 0;
  } catch (const std::exception& error) {
    std::cerr << argv[0] << ": " << error.what() << "\n";
    return 1;
  }
}
