// The substitute dialog's behaviour: it lists the scene when it appears, loads the
// chosen object into the remembered channel, or lets the channel be.
#include <string>

#include "morph/object_name.h"
#include "scene/scene_walk.h"
#include "scene/substitute.h"
#include "shell/host_api.h"
#include "ui/control_panel.h"
#include "ui/substitute_dialog.h"

namespace qm {

int substitutechannel = 0;

namespace scene {

std::string SubstituteCaption(const std::string& name) { return "WARNING: " + name + " not found"; }

std::string SubstituteNotice(const std::string& name) { return "Could not find: " + name; }

} // namespace scene

void TForm3::store(int channel, const std::string& /*name*/) { substitutechannel = channel; }

void TForm3::FormShow() {
  if (Form1) Form1->Hide1->Click();
  parsescene();
}

void TForm3::Button2Click() {
  // Without a panel there is no channel to fill (it was closed while the dialog
  // stayed open): the dialog only closes.
  if (Form1) {
    scene::WalkTopLevel([this](tsxSOBJ* node) {
      // Read for every node, so that Load with nothing chosen fails with the list's
      // index error as soon as there is anything to compare.
      const std::string chosen = ListBox1->Item(ListBox1->ItemIndex());
      const std::string name = GetName(node);
      if (name == chosen) {
        tsxSelectSobj(node, 0, 1);
        Form1->searchobj(substitutechannel, name);
      }
      return true;
    });
    Form1->Hide1->Click();
  }
  Close();
}

void TForm3::Button1Click() { Close(); }

} // namespace qm
