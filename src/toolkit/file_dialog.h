#pragma once

#include <optional>
#include <string>

namespace ostrevin::toolkit {

struct FileDialogDesign {
  std::wstring title{};
  // Pairs of a description and its patterns, each part ended by "|":
  // "Text files (*.txt)|*.txt|All files (*.*)|*.*". The first is selected.
  std::wstring filter{};
  std::wstring defaultExtension{};  // added to a name typed without one
};

// The system's dialog for choosing a file to open; the name need not be of
// an existing file. Nothing when the user cancels. Throws AppError when the
// dialog cannot be shown.
std::optional<std::wstring> AskFileToOpen(const FileDialogDesign& design);

// The system's dialog for choosing a file to save to. An existing file is
// taken without a question. Nothing when the user cancels.
std::optional<std::wstring> AskFileToSave(const FileDialogDesign& design);

}  // namespace ostrevin::toolkit
