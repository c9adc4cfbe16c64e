#pragma once
// The default names the export dialogs offer, made from the furniture name.
#include <string>

namespace zv {

// The furniture name followed by `ending`, with every character a file name
// cannot hold (here or on the systems the files are carried to: / \ : * ? "
// < > | and control characters) replaced by "_", so that the name offered
// is one file in the dialog's folder.
std::string ExportFileName(const std::string& furnitureName, const std::string& ending = {});

} // namespace zv
