// Settings files of any bytes: the document reads them without misbehaving,
// gives back every line it does not change, means the same after it is
// written and read again, and its text comes back from its bytes unchanged.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "fuzz_input.h"
#include "settings/ini_document.h"
#include "settings/ini_text_encoding.h"
#include "settings/settings_file.h"
#include "support/latin1_code_page.h"

namespace {

using ostrevin::IniDocument;

bool SameMeaning(const IniDocument& a, const IniDocument& b) {
  if (a.SectionNames() != b.SectionNames()) return false;
  for (const std::wstring& section : a.SectionNames()) {
    const std::vector<std::wstring> keys = a.KeyNames(section);
    if (keys != b.KeyNames(section)) return false;
    for (const std::wstring& key : keys) {
      if (a.Value(section, key) != b.Value(section, key)) return false;
    }
  }
  return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using ostrevin::fuzz::Require;
  const ostrevin::test_support::Latin1CodePage codePage;
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);

  const ostrevin::DecodedText found = ostrevin::DecodeIniText(bytes, codePage);
  IniDocument document(found.text);
  Require(IniDocument(document.Text()).Lines() == document.Lines(),
          "the document's text reads back as the same lines");

  ostrevin::Settings settings;
  ostrevin::LoadSettings(settings, document, ostrevin::RegionalTimeFormat{});
  const std::vector<std::wstring> linesBefore = document.Lines();
  ostrevin::SaveSettings(settings, document, ostrevin::RegionalTimeFormat{});
  Require(document.Lines().size() >= linesBefore.size(), "a save only adds and replaces lines");

  const std::string written = ostrevin::EncodeIniText(document.Text(), found.encoding, codePage);
  const ostrevin::DecodedText reread = ostrevin::DecodeIniText(written, codePage);
  Require(reread.text == document.Text(), "the written bytes read back as the same text");
  IniDocument writtenDocument(reread.text);
  Require(SameMeaning(writtenDocument, document), "the written file means the same");
  ostrevin::Settings reloaded;
  ostrevin::LoadSettings(reloaded, writtenDocument, ostrevin::RegionalTimeFormat{});
  Require(reloaded == settings, "the saved settings load back unchanged");
  return 0;
}
