#include "system/autostart.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <cstring>
#include <functional>
#include <optional>
#include <ostream>
#include <string>

#include "base/app_error.h"
#include "handle_probe.h"
#include "registry_key_snapshot.h"

namespace ostrevin {
namespace {

using test_support::ReadStoredValue;
using test_support::RegistryKeySnapshot;
using test_support::StoredValue;
using test_support::WriteStoredValue;

const std::wstring kRunKey = L"SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run";
const std::wstring kName = L"Ostrevin";
// Cyrillic letters, which a call through the ANSI code page would lose on
// any system whose code page has none.
const std::wstring kPath = L"C:\\Программы\\Ostrevin 1.0\\ostrevin.exe";
const std::wstring kQuotedPath = L"\"" + kPath + L"\"";

// The bytes of text as the registry holds it; with a zero after it when asked.
std::vector<BYTE> BytesOf(const std::wstring& text, bool terminated) {
  const size_t size = (text.size() + (terminated ? 1 : 0)) * sizeof(wchar_t);
  std::vector<BYTE> bytes(size);
  std::memcpy(bytes.data(), text.c_str(), size);
  return bytes;
}

StoredValue Text(DWORD type, const std::wstring& text) {
  return {type, BytesOf(text, true)};
}

std::wstring ErrorOf(const std::function<void()>& call) {
  try {
    call();
  } catch (const AppError& error) {
    return error.message();
  }
  return L"(no error)";
}

// Every test works on the real Run key of the user and leaves it as it was.
class AutostartTest : public ::testing::Test {
 protected:
  void Store(const StoredValue& value) {
    ASSERT_TRUE(WriteStoredValue(HKEY_CURRENT_USER, kRunKey, kName, value));
  }
  std::optional<StoredValue> Stored(const std::wstring& name = kName) const {
    return ReadStoredValue(HKEY_CURRENT_USER, kRunKey, name);
  }

  RegistryKeySnapshot runKey_{HKEY_CURRENT_USER, kRunKey};
};

TEST_F(AutostartTest, EnablingStoresTheQuotedPathAsTextWithItsTerminatingZero) {
  SetAutoRun(kName, kPath, true);
  EXPECT_EQ(Stored(), Text(REG_SZ, kQuotedPath));
  EXPECT_TRUE(IsAutoRun(kName, kPath));
}

TEST_F(AutostartTest, EnablingCreatesAMissingRunKey) {
  const LSTATUS removed = ::RegDeleteKeyW(HKEY_CURRENT_USER, kRunKey.c_str());
  ASSERT_TRUE(removed == ERROR_SUCCESS || removed == ERROR_FILE_NOT_FOUND) << removed;
  EXPECT_FALSE(IsAutoRun(kName, kPath));

  SetAutoRun(kName, kPath, true);
  EXPECT_EQ(Stored(), Text(REG_SZ, kQuotedPath));
}

TEST_F(AutostartTest, EnablingRewritesAnyValueOfTheName) {
  // Recognised, other text, and not text at all: each becomes the quoted path.
  const StoredValue before[] = {
      Text(REG_SZ, kQuotedPath),
      Text(REG_EXPAND_SZ, kPath),
      Text(REG_SZ, L"\"C:\\Old\\ostrevin.exe\" /min"),
      StoredValue{REG_DWORD, {1, 0, 0, 0}},
  };
  for (const StoredValue& value : before) {
    Store(value);
    SetAutoRun(kName, kPath, true);
    EXPECT_EQ(Stored(), Text(REG_SZ, kQuotedPath)) << value.type;
  }
}

TEST_F(AutostartTest, DisablingRemovesOnlyTheNamedValue) {
  const std::wstring neighbour = L"Ostrevin neighbour";
  const StoredValue neighbourValue = Text(REG_SZ, L"C:\\Other\\other.exe");
  ASSERT_TRUE(WriteStoredValue(HKEY_CURRENT_USER, kRunKey, neighbour, neighbourValue));
  // Unrecognised values are removed as well: the dialog showed the box clear.
  Store(Text(REG_SZ, L"\"C:\\Old\\ostrevin.exe\""));

  SetAutoRun(kName, kPath, false);
  EXPECT_EQ(Stored(), std::nullopt);
  EXPECT_EQ(Stored(neighbour), neighbourValue);
  EXPECT_FALSE(IsAutoRun(kName, kPath));

  SetAutoRun(kName, kPath, false);  // nothing left to remove
  EXPECT_EQ(Stored(), std::nullopt);
}

TEST_F(AutostartTest, AMissingValueIsNoRegistration) {
  SetAutoRun(kName, kPath, false);
  EXPECT_FALSE(IsAutoRun(kName, kPath));
}

// A value as another program or a person may have left it, and whether it
// registers kPath.
struct StoredCase {
  const char* label;
  StoredValue value;
  bool registered;
};

void PrintTo(const StoredCase& c, std::ostream* out) {
  *out << c.label;
}

class AutostartStoredValueTest : public AutostartTest,
                                 public ::testing::WithParamInterface<StoredCase> {};

TEST_P(AutostartStoredValueTest, RecognisesOnlyThisProgramsOwnPath) {
  Store(GetParam().value);
  ASSERT_EQ(Stored(), GetParam().value);  // kept as written, byte for byte
  EXPECT_EQ(IsAutoRun(kName, kPath), GetParam().registered);
}

std::vector<BYTE> WithStrayByte(std::vector<BYTE> bytes) {
  bytes.push_back('x');
  return bytes;
}

INSTANTIATE_TEST_SUITE_P(
    Values, AutostartStoredValueTest,
    ::testing::Values(
        StoredCase{"Quoted", Text(REG_SZ, kQuotedPath), true},
        StoredCase{"Unquoted", Text(REG_SZ, kPath), true},
        StoredCase{"OpeningQuoteOnly", Text(REG_SZ, L"\"" + kPath), true},
        StoredCase{"OtherLetterCase",
                   Text(REG_SZ, L"\"C:\\программы\\Ostrevin 1.0\\ostrevin.exe\""), false},
        StoredCase{"AnotherCopy", Text(REG_SZ, L"\"D:\\Ostrevin\\ostrevin.exe\""), false},
        StoredCase{"WithArguments", Text(REG_SZ, kQuotedPath + L" /min"), false},
        StoredCase{"Empty", StoredValue{REG_SZ, {}}, false},
        StoredCase{"NoTerminatingZero", StoredValue{REG_SZ, BytesOf(kQuotedPath, false)}, true},
        StoredCase{"OddSizeAfterTheZero",
                   StoredValue{REG_SZ, WithStrayByte(BytesOf(kQuotedPath, true))}, true},
        StoredCase{"OddSizeWithoutAZero",
                   StoredValue{REG_SZ, WithStrayByte(BytesOf(kQuotedPath, false))}, true},
        StoredCase{
            "TextEndsAtItsFirstZero",
            StoredValue{REG_SZ, BytesOf(kQuotedPath + std::wstring(1, L'\0') + L"junk", true)},
            true}),
    [](const ::testing::TestParamInfo<StoredCase>& info) { return std::string(info.param.label); });

TEST_F(AutostartTest, AnExpandableValueIsComparedUnexpanded) {
  const std::wstring unexpanded = L"%ProgramFiles%\\Ostrevin\\ostrevin.exe";
  Store(Text(REG_EXPAND_SZ, L"\"" + unexpanded + L"\""));
  EXPECT_TRUE(IsAutoRun(kName, unexpanded));
}

TEST_F(AutostartTest, TwoQuotationMarksAreKeptAndMatchNoPath) {
  Store(Text(REG_SZ, L"\"\""));
  EXPECT_FALSE(IsAutoRun(kName, L""));
  EXPECT_TRUE(IsAutoRun(kName, L"\"\""));
}

TEST_F(AutostartTest, AValueThatIsNotTextIsAnError) {
  const StoredValue notText[] = {
      StoredValue{REG_DWORD, {1, 0, 0, 0}},
      StoredValue{REG_BINARY, BytesOf(kQuotedPath, true)},
      StoredValue{REG_MULTI_SZ, BytesOf(kQuotedPath + std::wstring(1, L'\0'), true)},
  };
  for (const StoredValue& value : notText) {
    Store(value);
    EXPECT_EQ(ErrorOf([] { IsAutoRun(kName, kPath); }), L"Invalid data type for 'Ostrevin'")
        << value.type;
  }
}

TEST_F(AutostartTest, AValueThatCannotBeWrittenIsAnError) {
  // The registry refuses value names longer than 16383 characters.
  const std::wstring tooLong(16384 + 16, L'n');
  EXPECT_EQ(ErrorOf([&] { SetAutoRun(tooLong, kPath, true); }),
            L"Failed to set data for '" + tooLong + L"'");
}

TEST_F(AutostartTest, LeavesNoKeyOpen) {
  SetAutoRun(kName, kPath, true);  // the first registry use opens the root for good
  const HANDLE before = test_support::NextHandle();
  for (int i = 0; i < 50; ++i) {
    SetAutoRun(kName, kPath, true);
    IsAutoRun(kName, kPath);
    SetAutoRun(kName, kPath, false);
    IsAutoRun(kName, kPath);
  }
  Store(StoredValue{REG_DWORD, {1, 0, 0, 0}});
  for (int i = 0; i < 50; ++i) ErrorOf([] { IsAutoRun(kName, kPath); });
  EXPECT_EQ(test_support::NextHandle(), before);
}

}  // namespace
}  // namespace ostrevin
