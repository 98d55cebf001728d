#include "temp_folder.h"

#include <windows.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdexcept>

namespace ostrevin::test_support {
namespace {

std::wstring TempRoot() {
  wchar_t buffer[MAX_PATH + 1] = {};
  DWORD length = ::GetTempPathW(MAX_PATH + 1, buffer);
  if (length == 0 || length > MAX_PATH) throw std::runtime_error("no temporary folder");
  std::wstring root(buffer, length);
  if (root.back() == L'\\') root.pop_back();
  return root;
}

}  // namespace

TempFolder::TempFolder() {
  const std::wstring root = TempRoot();
  const std::wstring stem = L"\\ostrevin-test-" + std::to_wstring(::GetCurrentProcessId()) + L"-";
  for (unsigned attempt = 0; attempt < 1000; ++attempt) {
    std::wstring candidate =
        root + stem + std::to_wstring(::GetTickCount64()) + L"-" + std::to_wstring(attempt);
    if (::CreateDirectoryW(candidate.c_str(), nullptr)) {
      path_ = candidate;
      return;
    }
    if (::GetLastError() != ERROR_ALREADY_EXISTS) break;
  }
  throw std::runtime_error("cannot create a temporary folder");
}

TempFolder::~TempFolder() {
  std::error_code ignored;
  std::filesystem::remove_all(std::filesystem::path(path_), ignored);
}

bool FileExists(const std::wstring& path) {
  return ::GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

std::string ReadFileBytes(const std::wstring& path) {
  std::ifstream in(std::filesystem::path(path), std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void WriteFileBytes(const std::wstring& path, const std::string& bytes) {
  std::ofstream out(std::filesystem::path(path), std::ios::binary | std::ios::trunc);
  out << bytes;
  if (!out.flush()) throw std::runtime_error("cannot write a test file");
}

toolkit::UniqueKernelHandle OpenWithoutSharing(const std::wstring& path) {
  toolkit::UniqueKernelHandle file(::CreateFileW(path.c_str(), GENERIC_READ | GENERIC_WRITE, 0,
                                                 nullptr, OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL,
                                                 nullptr));
  if (file.get() == INVALID_HANDLE_VALUE) {
    file.release();
    throw std::runtime_error("cannot open a test file");
  }
  return file;
}

}  // namespace ostrevin::test_support
