// The face the dialogs take from what is installed, and the remembered
// options in a registry key and an INI file of the test's own.
#include <gtest/gtest.h>

#include <fstream>
#include <string>

#include "ui/win32/fonts.h"
#include "ui/win32/settings.h"

namespace tolvo::win32 {
namespace {

TEST(DialogFace, TemplateFaceThenJapaneseUiFacesThenAnyJapaneseFace) {
    const std::wstring templateFace = L"MS PGothic";
    struct Case {
        std::vector<InstalledFace> installed;
        std::wstring chosen;
    };
    const Case cases[] = {
        {{{L"Arial", false}, {L"MS PGothic", true}, {L"Meiryo UI", true}}, L"MS PGothic"},
        {{{L"MS Gothic", true}, {L"Meiryo UI", true}, {L"Yu Gothic UI", true}}, L"Yu Gothic UI"},
        {{{L"MS Gothic", true}, {L"MS UI Gothic", true}}, L"MS UI Gothic"},
        {{{L"Tahoma", false}, {L"MS Gothic", true}}, L"MS Gothic"},
        // Wine with only Noto CJK: a proportional sans face, never a vertical one.
        {{{L"@Noto Sans CJK JP", true},
          {L"Noto Sans Mono CJK JP", true},
          {L"Noto Serif CJK JP", true},
          {L"Noto Sans CJK JP", true}},
         L"Noto Sans CJK JP"},
        {{{L"Noto Sans Mono CJK JP", true}, {L"Tahoma", false}}, L"Noto Sans Mono CJK JP"},
        // No Japanese face at all: the template's, for the font mapper.
        {{{L"Tahoma", false}, {L"Arial", false}}, L"MS PGothic"},
        {{}, L"MS PGothic"},
    };
    for (const Case& c : cases) EXPECT_EQ(ChooseDialogFace(templateFace, c.installed), c.chosen);
}

// A key of the test's own under HKEY_CURRENT_USER, deleted with the test.
class TemporaryKey {
  public:
    TemporaryKey() : name_(L"Software\\TolvoTest-" + std::to_wstring(GetCurrentProcessId())) {}
    ~TemporaryKey() { RegDeleteTreeW(HKEY_CURRENT_USER, name_.c_str()); }
    const std::wstring& Name() const { return name_; }
    void Put(const wchar_t* value, const wchar_t* data) const {
        RegSetKeyValueW(HKEY_CURRENT_USER, name_.c_str(), value, REG_SZ, data,
                        static_cast<DWORD>((wcslen(data) + 1) * sizeof(wchar_t)));
    }

  private:
    std::wstring name_;
};

TEST(OptionSettings, RoundTripInTheRegistryReadStrictly) {
    const TemporaryKey key;
    {
        OptionSettings settings(std::make_unique<RegistryStore>(HKEY_CURRENT_USER, key.Name()));
        EXPECT_FALSE(settings.Flag(kFullRangeKey));
        settings.SetFlag(kFullRangeKey, true);
        settings.SetFlag(kZoneDiagramKey, false);
        settings.SetPosition(kFinderPositionKey, {-1200, 40});
    }
    OptionSettings again(std::make_unique<RegistryStore>(HKEY_CURRENT_USER, key.Name()));
    EXPECT_TRUE(again.Flag(kFullRangeKey));
    EXPECT_FALSE(again.Flag(kZoneDiagramKey, true));
    ASSERT_TRUE(again.Position(kFinderPositionKey));
    EXPECT_EQ(again.Position(kFinderPositionKey)->x, -1200);
    EXPECT_EQ(again.Position(kFinderPositionKey)->y, 40);

    // Only "true" and "false" count, only "x,y" is a position.
    for (const wchar_t* flag : {L"TRUE", L"1", L"yes", L"", L"true "}) {
        key.Put(L"fullRange", flag);
        OptionSettings read(std::make_unique<RegistryStore>(HKEY_CURRENT_USER, key.Name()));
        EXPECT_FALSE(read.Flag(kFullRangeKey)) << flag;
        EXPECT_TRUE(read.Flag(kFullRangeKey, true)) << flag;
    }
    for (const wchar_t* position : {L"10", L"10,", L"10,2x", L"a,b", L"1,2,3", L" 1,2", L"99999999999,1"}) {
        key.Put(L"finderPosition", position);
        OptionSettings read(std::make_unique<RegistryStore>(HKEY_CURRENT_USER, key.Name()));
        EXPECT_FALSE(read.Position(kFinderPositionKey)) << position;
    }
}

TEST(OptionSettings, PortableCopyKeepsThemInTheIniBesideTheProgram) {
    wchar_t temp[MAX_PATH];
    GetTempPathW(MAX_PATH, temp);
    const std::filesystem::path folder =
        std::filesystem::path(temp) / (L"tolvo-ini-" + std::to_wstring(GetCurrentProcessId()));
    std::filesystem::create_directories(folder);
    const std::filesystem::path ini = folder / kPortableSettingsFile;
    std::ofstream(ini).put('\n');
    {
        OptionSettings settings(DefaultSettingsStore(folder));
        settings.SetFlag(kFullRangeKey, true);
    }
    EXPECT_TRUE(OptionSettings(DefaultSettingsStore(folder)).Flag(kFullRangeKey));
    std::string written;
    {
        std::ifstream text(ini);
        written.assign(std::istreambuf_iterator<char>(text), std::istreambuf_iterator<char>());
    }
    EXPECT_NE(written.find("fullRange=true"), std::string::npos) << written;
    // A file larger than Tolvo ever writes is not its own: neither read nor written.
    std::filesystem::resize_file(ini, IniStore::kLargestFile + 1);
    OptionSettings large(DefaultSettingsStore(folder));
    EXPECT_FALSE(large.Flag(kFullRangeKey));
    large.SetFlag(kZoneDiagramKey, true);
    EXPECT_EQ(std::filesystem::file_size(ini), IniStore::kLargestFile + 1);
    std::error_code ignored;
    std::filesystem::remove_all(folder, ignored);
}

}  // namespace
}  // namespace tolvo::win32
