// The face the dialogs take from what is installed, and the remembered
// options in a registry key and an INI file of the test's own.
#include <gtest/gtest.h>

#include <fstream>
#include <string>

#include "ui/win32/fonts.h"
#include "ui/win32/settings.h"

namespace tolvo::win32 {
namespace {

// The one choice of face for the dialogs and the diagram.
TEST(ChooseFace, TemplateFaceThenJapaneseUiFacesThenTheJapaneseFaceBestForLabels) {
    const std::vector<std::wstring_view> dialogs = {L"MS PGothic", L"Yu Gothic UI", L"Meiryo UI",
                                                    L"MS UI Gothic", L"MS Gothic"};
    const std::vector<InstalledFace> windows = {{L"Arial", false, false, true},
                                                {L"@MS Gothic", true, true, false},
                                                {L"MS Gothic", true, true, false},
                                                {L"meiryo ui", true, false, true}};
    // Wine with only Noto CJK: every pan-CJK sibling lists the Japanese character set.
    const std::vector<InstalledFace> wine = {
        {L"Noto Sans Mono CJK JP", true, true, true}, {L"Noto Sans CJK HK", true, false, true},
        {L"Noto Serif CJK JP", true, false, false},   {L"Noto Sans CJK JP", true, false, true},
        {L"@Noto Sans CJK JP", true, false, true},    {L"Tahoma", false, false, true}};
    struct Case {
        const char* name;
        std::vector<InstalledFace> installed;
        std::wstring chosen;
    } cases[] = {
        {"the template's face", {{L"Arial"}, {L"MS PGothic", true}, {L"Meiryo UI", true}}, L"MS PGothic"},
        {"the first Japanese UI face installed, any case", windows, L"meiryo ui"},
        {"in the list's order",
         {{L"MS Gothic", true}, {L"Meiryo UI", true}, {L"Yu Gothic UI", true}},
         L"Yu Gothic UI"},
        {"the proportional sans-serif face named for Japanese", wine, L"Noto Sans CJK JP"},
        {"by name alone, without family flags",
         {{L"@Noto Sans CJK JP", true},
          {L"Noto Sans Mono CJK JP", true},
          {L"Noto Serif CJK JP", true},
          {L"Noto Sans CJK KR", true},
          {L"Noto Sans CJK JP", true}},
         L"Noto Sans CJK JP"},
        {"a monospaced face when nothing else has the glyphs",
         {{L"Noto Sans Mono CJK JP", true}, {L"Tahoma"}},
         L"Noto Sans Mono CJK JP"},
        {"no Japanese face at all", {{L"Tahoma"}, {L"Arial"}}, L""},
        {"nothing installed", {}, L""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(ChooseFace(c.installed, dialogs), c.chosen);
    }
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
