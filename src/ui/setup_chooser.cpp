#include "ui/setup_chooser.h"

namespace qm {

TForm2* Form2 = nullptr;

TForm2::TForm2(tsxHWND parentWindow)
    : TListDialog("Form2", parentWindow, "Select QMMorph Channel Object", "New",
                  "Click on 'New' only if you want to create a new QMMorph Object",
                  "If you don't know what I am talking about, read the manual now") {}

} // namespace qm
