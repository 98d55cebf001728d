#include "ui/about_page.h"

#include "base/version.h"
#include "ui/frm_lesson_list.h"

namespace ostrevin {
namespace {

constexpr int kAboutFontHeight = 13;
constexpr int kTitleFontHeight = 32;

toolkit::FontDesign AboutFont(bool bold = false) {
  return {.face = L"MS Sans Serif", .height = kAboutFontHeight, .bold = bold};
}

}  // namespace

AboutPage::AboutPage(TLessonListF& dialog, toolkit::TabPage& page, Settings& settings,
                     WorkServices& services)
    : SettingsPage(dialog, page, settings),
      services_(services),
      Label4(dialog,
             {.name = L"Label4",
              .page = &page,
              .place = {86, 0},
              .caption = L"Ostrevin",
              .font =
                  toolkit::FontDesign{
                      .face = L"Tahoma", .height = kTitleFontHeight, .bold = true, .italic = true},
              .autoSize = true}),
      Label7(dialog, {.name = L"Label7",
                      .page = &page,
                      .place = {157, 40},
                      .caption = L"Версия " OSTREVIN_VERSION_WTEXT,
                      .font = AboutFont(true),
                      .autoSize = true}),
      Label29(dialog, {.name = L"Label29",
                       .page = &page,
                       .place = {94, 64},
                       .caption = L"Автоматический таймер школьных уроков",
                       .font = AboutFont(),
                       .autoSize = true}),
      Label10(dialog, {.name = L"Label10",
                       .page = &page,
                       .place = {60, 88, 273, 57},
                       .caption = L"Программа распространяется свободно и бесплатно, «как есть», "
                                  L"без каких-либо гарантий. Её можно копировать и передавать "
                                  L"другим без изменений.",
                       .alignment = toolkit::TextAlignment::Center,
                       .wordWrap = true}),
      Label13(dialog, {.name = L"Label13",
                       .page = &page,
                       .place = {8, 168},
                       .caption = L"\u00A9 2026, команда Ostrevin",
                       .font = AboutFont(),
                       .autoSize = true}),
      Label16(dialog, {.name = L"Label16",
                       .page = &page,
                       .place = {8, 184},
                       .caption = L"ostrevin-team",
                       .font = AboutFont(),
                       .autoSize = true}),
      lbURL(dialog, {.name = L"lbURL",
                     .page = &page,
                     .place = {288, 184},
                     .caption = L"www.ostrevin.org",
                     .font = toolkit::FontDesign{.face = L"MS Sans Serif",
                                                 .height = kAboutFontHeight,
                                                 .underline = true,
                                                 .color = clBlue},
                     .autoSize = true,
                     .handCursor = true,
                     .hint = L"Сайт разработчика",
                     .onClick = [this] { lbURLClick(); }}) {}

// The caption is the bare address; the shell gets it with its scheme, so that
// it opens the web browser and never a file of that name.
void AboutPage::lbURLClick() {
  services_.OpenURL(L"https://" + lbURL.Caption());
}

}  // namespace ostrevin
