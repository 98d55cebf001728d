#include "settings/ini_text_encoding.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "support/editor_encodings.h"
#include "support/latin1_code_page.h"

namespace ostrevin {
namespace {

using test_support::Utf16Bytes;
using test_support::Utf8Bytes;

using test_support::Latin1CodePage;

const Latin1CodePage kWestern;

std::string Bytes(std::initializer_list<int> values) {
  std::string bytes;
  for (int value : values) bytes += static_cast<char>(value);
  return bytes;
}

TEST(DecodeIniText, TellsTheEncodingByTheByteOrderMark) {
  struct Case {
    const char* label;
    std::string bytes;
    std::wstring text;
    TextEncoding encoding;
  };
  const Case cases[] = {
      {"ansi", Bytes({'[', 'A', ']', 0xE9}), L"[A]\u00e9", TextEncoding::kAnsi},
      {"utf16", Bytes({0xFF, 0xFE, '[', 0, 0x1F, 0x04, ']', 0}), L"[\u041f]", TextEncoding::kUtf16},
      {"utf16 odd byte", Bytes({0xFF, 0xFE, 'x', 0, 'y'}), L"x", TextEncoding::kUtf16},
      {"utf8", Bytes({0xEF, 0xBB, 0xBF, 0xD0, 0x9F, 'x'}), L"\u041fx", TextEncoding::kUtf8},
      {"utf8 beyond the basic plane", Bytes({0xEF, 0xBB, 0xBF, 0xF0, 0x9F, 0x94, 0x94}),
       L"\xD83D\xDD14", TextEncoding::kUtf8},
      {"utf8 at the end of the basic plane", Bytes({0xEF, 0xBB, 0xBF, 0xEF, 0xBF, 0xBF}), L"\uFFFF",
       TextEncoding::kUtf8},
      {"utf8 at the start of the next plane", Bytes({0xEF, 0xBB, 0xBF, 0xF0, 0x90, 0x80, 0x80}),
       L"\xD800\xDC00", TextEncoding::kUtf8},
      {"only a utf8 mark", Bytes({0xEF, 0xBB, 0xBF}), L"", TextEncoding::kUtf8},
      {"a mark cut short", Bytes({0xEF, 0xBB}), L"\u00ef\u00bb", TextEncoding::kAnsi},
      {"utf16 big-endian", Bytes({0xFE, 0xFF, 0, '[', 0x04, 0x1F, 0, ']'}), L"[\u041f]",
       TextEncoding::kUtf16BigEndian},
      {"empty", "", L"", TextEncoding::kAnsi},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.label);
    const DecodedText decoded = DecodeIniText(c.bytes, kWestern);
    EXPECT_EQ(decoded.text, c.text);
    EXPECT_EQ(decoded.encoding, c.encoding);
  }
}

// An administrator's file of bell schedules with Cyrillic names.
const std::wstring kSchedulesFile =
    L"[Week]\r\nMonday=Основное\r\nMondayLessons=1,2\r\n[Schedule1]\r\nName=Основное\r\n"
    L"1=08:30-09:15\r\n";

TEST(DecodeIniText, ReadsEveryEncodingNotepadSavesIn) {
  struct Case {
    const char* label;
    std::string bytes;
    TextEncoding encoding;
  };
  const Case cases[] = {
      {"UTF-8 (Windows 10 and 11)", Utf8Bytes(kSchedulesFile), TextEncoding::kUtf8WithoutMark},
      {"UTF-8 with BOM", "\xEF\xBB\xBF" + Utf8Bytes(kSchedulesFile), TextEncoding::kUtf8},
      {"Unicode", "\xFF\xFE" + Utf16Bytes(kSchedulesFile, true), TextEncoding::kUtf16},
      {"Unicode big endian", "\xFE\xFF" + Utf16Bytes(kSchedulesFile, false),
       TextEncoding::kUtf16BigEndian},
      {"UTF-16 LE without a mark", Utf16Bytes(kSchedulesFile, true),
       TextEncoding::kUtf16WithoutMark},
      {"UTF-16 BE without a mark", Utf16Bytes(kSchedulesFile, false),
       TextEncoding::kUtf16BigEndianWithoutMark},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.label);
    const DecodedText decoded = DecodeIniText(c.bytes, kWestern);
    EXPECT_EQ(decoded.text, kSchedulesFile);
    EXPECT_EQ(decoded.encoding, c.encoding);
    EXPECT_TRUE(IsUnicode(decoded.encoding));
  }
}

TEST(DecodeIniText, TellsTheCodePageFromTheRest) {
  struct Case {
    const char* label;
    std::string bytes;
    std::wstring text;
    TextEncoding encoding;
  };
  const Case cases[] = {
      // "Основное" in the Cyrillic code page: no well-formed UTF-8.
      {"Cyrillic code page", Bytes({'N', '=', 0xCE, 0xF1, 0xED, 0xEE, 0xE2, 0xED, 0xEE, 0xE5}),
       L"N=\u00ce\u00f1\u00ed\u00ee\u00e2\u00ed\u00ee\u00e5", TextEncoding::kAnsi},
      {"plain ASCII", "[Common]\r\nLessLen=400\r\n", L"[Common]\r\nLessLen=400\r\n",
       TextEncoding::kAnsi},
      {"zeroed by a power cut", std::string(8, '\0'), std::wstring(8, L'\0'), TextEncoding::kAnsi},
      {"NUL bytes without an INI file's structure", Bytes({'P', 0, 0, 'K', 0, 0}),
       std::wstring(L"P\0\0K\0\0", 6), TextEncoding::kAnsi},
      {"well-formed UTF-8 of two ASCII letters and a cut sequence", Bytes({'a', 'b', 0xD0}),
       L"ab\u00d0", TextEncoding::kAnsi},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.label);
    const DecodedText decoded = DecodeIniText(c.bytes, kWestern);
    EXPECT_EQ(decoded.text, c.text);
    EXPECT_EQ(decoded.encoding, c.encoding);
  }
}

TEST(DecodeIniText, ReadsBrokenUtf8AsReplacementCharacters) {
  struct Case {
    const char* label;
    std::string bytes;
    std::wstring text;
  };
  const Case cases[] = {
      {"lone continuation", Bytes({0x80, 'a'}), L"\uFFFDa"},
      {"cut sequence", Bytes({0xD0, 'a'}), L"\uFFFDa"},
      {"cut at the end", Bytes({'a', 0xE2, 0x82}), L"a\uFFFD"},
      {"overlong slash", Bytes({0xC0, 0xAF}), L"\uFFFD\uFFFD"},
      {"overlong three bytes", Bytes({0xE0, 0x80, 0xAF}), L"\uFFFD"},
      {"surrogate", Bytes({0xED, 0xA0, 0x80}), L"\uFFFD"},
      {"past U+10FFFF", Bytes({0xF4, 0x90, 0x80, 0x80}), L"\uFFFD"},
      {"no lead byte", Bytes({0xF8, 'a'}), L"\uFFFDa"},
      // F5 to F7 would begin characters past U+10FFFF: each byte is one
      // broken character, the continuations after it too.
      {"lead byte F5", Bytes({0xF5, 0x80, 0x80, 0x80}), L"\uFFFD\uFFFD\uFFFD\uFFFD"},
      {"lead byte F7", Bytes({0xF7, 0xBF, 0xBF, 0xBF, 'a'}), L"\uFFFD\uFFFD\uFFFD\uFFFDa"},
      {"last lead byte F4", Bytes({0xF4, 0x8F, 0xBF, 0xBF}), L"\xDBFF\xDFFF"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.label);
    EXPECT_EQ(DecodeIniText(Bytes({0xEF, 0xBB, 0xBF}) + c.bytes, kWestern).text, c.text);
  }
}

TEST(EncodeIniText, WritesAnsiWhenEveryCharacterFitsAndTheFileWasAnsi) {
  EXPECT_EQ(EncodeIniText(L"[A]\r\nx=caf\u00e9\r\n", TextEncoding::kAnsi, kWestern),
            "[A]\r\nx=caf\xe9\r\n");
}

TEST(EncodeIniText, WritesUtf16WithItsMarkOtherwise) {
  const std::string cyrillic = Bytes({0xFF, 0xFE, 'x', 0, '=', 0, 0x1F, 0x04, 0x40, 0x04});
  struct Case {
    const char* label;
    std::wstring text;
    TextEncoding found;
    std::string bytes;
  };
  const Case cases[] = {
      {"a character the code page lacks", L"x=\u041f\u0440", TextEncoding::kAnsi, cyrillic},
      {"a Unicode file stays Unicode", L"x=1", TextEncoding::kUtf16,
       Bytes({0xFF, 0xFE, 'x', 0, '=', 0, '1', 0})},
      {"a UTF-8 file becomes UTF-16", L"x=\u041f\u0440", TextEncoding::kUtf8, cyrillic},
      {"so does one without a mark", L"x=\u041f\u0440", TextEncoding::kUtf8WithoutMark, cyrillic},
      {"and a big-endian one", L"x=\u041f\u0440", TextEncoding::kUtf16BigEndian, cyrillic},
      {"and UTF-16 without a mark", L"x=\u041f\u0440", TextEncoding::kUtf16WithoutMark, cyrillic},
      {"an empty Unicode file", L"", TextEncoding::kUtf16, Bytes({0xFF, 0xFE})},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.label);
    EXPECT_EQ(EncodeIniText(c.text, c.found, kWestern), c.bytes);
  }
}

TEST(EncodeIniText, ReadsBackAsWrittenFromEveryEncoding) {
  const std::wstring texts[] = {
      L"[1]\r\n1=1\r\n",
      L"[Schedule Осень]\r\nName=Сокращённые уроки\r\n",
      L"[Times]\r\n1=오후 2:15:00\r\n",
      L"[Times]\r\n1=2:15:00 p.m.\u00a0\r\n",
      L"[Bell]\r\nName=\xD83D\xDD14\r\n",
      L"",
      // Fit the code page, but its bytes would read as something else: a
      // mark, UTF-16 (NUL bytes beside the file's structure), UTF-8.
      L"\u00ff\u00fe[1]\r\n1=1\r\n",
      std::wstring(L"[1]\r\nx=\0\0\r\n", 12),
      L"[1]\r\nName=\u00d0\u00b8\r\n",
  };
  for (const std::wstring& text : texts) {
    for (const TextEncoding found :
         {TextEncoding::kAnsi, TextEncoding::kUtf8, TextEncoding::kUtf16}) {
      SCOPED_TRACE(testing::Message()
                   << testing::PrintToString(text) << " found as " << static_cast<int>(found));
      EXPECT_EQ(DecodeIniText(EncodeIniText(text, found, kWestern), kWestern).text, text);
    }
  }
}

}  // namespace
}  // namespace ostrevin
