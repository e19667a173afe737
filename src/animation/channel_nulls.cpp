#include "animation/channel_nulls.h"

#include "platform/exception.h"

#include "animation/morph_info.h"
#include "morph/object_name.h"
#include "shell/host_api.h"
#include "ui/control_panel.h"

namespace qm {
namespace {

// The channel nulls are cubes too small to see: made at 1e-6 and scaled by 1e-6.
constexpr float kNullSize = 1e-6f;

} // namespace

void createnulls() {
  // The seed cube starts the group and leaves it again once the nulls are in.
  tsxSOBJ* group = tsxCreateCube(1, kNullSize, kNullSize, kNullSize);
  std::array<tsxSOBJ*, morph::kChannelCount> nulls{};
  for (tsxSOBJ*& null : nulls) {
    null = tsxCreateCube(1, kNullSize, kNullSize, kNullSize);
    tsxGNodeScaleUniform(null, kNullSize, 0);
    tsxSobjCreateScript(null);
    tsxSelectSobj(group, 0, 1);
    group = tsxGroupAtCurrobj(null);
  }
  // A host that failed to build the group leaves the set-up as it was.
  if (!group) throw Exception("The host could not build the morph information object");
  morphinfo = group;
  nullobj = nulls;
  tsxSceneAddObject(morphinfo, 1);
  SetName(morphinfo, "QM-Morph");
  tsxSobjDelete(tsxGNodeGetFirstChild(morphinfo));
}

std::string ChannelNullName(int channel, const std::string& caption) {
  return "Ch" + std::to_string(channel) + "-" + caption;
}

void namenulls() {
  if (!Form1) return;
  for (int k = 0; k < morph::kChannelCount; ++k) {
    tsxSOBJ* null = nullobj[static_cast<std::size_t>(k)];
    if (null)
      SetName(null, ChannelNullName(k, Form1->btnsel[static_cast<std::size_t>(k)]->Caption()));
  }
}

} // namespace qm

namespace qm {

void TForm1::Update1Click() { namenulls(); }

} // namespace qm
