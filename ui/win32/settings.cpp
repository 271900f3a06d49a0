#include "ui/win32/settings.h"

#include <charconv>
#include <system_error>

#include "ui/win32/wide_text.h"

namespace tolvo::win32 {
namespace {

constexpr wchar_t kIniSection[] = L"Tolvo";
constexpr DWORD kLongestValue = 64;  // characters; Tolvo's values are short

std::optional<int> WholeNumber(std::string_view text) {
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size() || text.empty()) return std::nullopt;
    return value;
}

}  // namespace

std::optional<std::wstring> RegistryStore::Read(std::wstring_view name) const {
    wchar_t value[kLongestValue + 1] = {};
    DWORD bytes = sizeof(value) - sizeof(wchar_t);
    DWORD type = 0;
    const std::wstring valueName(name);
    if (RegGetValueW(root_, subKey_.c_str(), valueName.c_str(), RRF_RT_REG_SZ | RRF_NOEXPAND, &type, value,
                     &bytes) != ERROR_SUCCESS)
        return std::nullopt;
    return std::wstring(value);
}

void RegistryStore::Write(std::wstring_view name, std::wstring_view value) {
    HKEY key = nullptr;
    if (RegCreateKeyExW(root_, subKey_.c_str(), 0, nullptr, 0, KEY_SET_VALUE, nullptr, &key, nullptr) !=
        ERROR_SUCCESS)
        return;
    const std::wstring valueName(name);
    const std::wstring data(value);
    RegSetValueExW(key, valueName.c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(data.c_str()),
                   static_cast<DWORD>((data.size() + 1) * sizeof(wchar_t)));
    RegCloseKey(key);
}

IniStore::IniStore(std::filesystem::path file) : file_(std::move(file)) {
    std::error_code error;
    const std::uintmax_t size = std::filesystem::file_size(file_, error);
    usable_ = error || size <= kLargestFile;
}

std::optional<std::wstring> IniStore::Read(std::wstring_view name) const {
    if (!usable_) return std::nullopt;
    constexpr wchar_t kMissing[] = L"\x1F";  // no value Tolvo writes
    wchar_t value[kLongestValue + 1] = {};
    const std::wstring key(name);
    GetPrivateProfileStringW(kIniSection, key.c_str(), kMissing, value, kLongestValue + 1, file_.c_str());
    if (std::wstring_view(value) == kMissing) return std::nullopt;
    return std::wstring(value);
}

void IniStore::Write(std::wstring_view name, std::wstring_view value) {
    if (!usable_) return;
    const std::wstring key(name);
    const std::wstring data(value);
    WritePrivateProfileStringW(kIniSection, key.c_str(), data.c_str(), file_.c_str());
}

std::unique_ptr<SettingsStore> DefaultSettingsStore(const std::filesystem::path& executableFolder) {
    const std::filesystem::path portable = executableFolder / kPortableSettingsFile;
    std::error_code error;
    if (std::filesystem::is_regular_file(portable, error)) return std::make_unique<IniStore>(portable);
    return std::make_unique<RegistryStore>(HKEY_CURRENT_USER, std::wstring(kSettingsKey));
}

std::optional<std::wstring> OptionSettings::Read(std::string_view key) const {
    const std::string name(key);
    if (const auto known = known_.find(name); known != known_.end()) return known->second;
    std::optional<std::wstring> value;
    if (store_->Usable()) value = store_->Read(Wide(key));
    known_[name] = value;
    return value;
}

void OptionSettings::Write(std::string_view key, const std::wstring& value) {
    if (!store_->Usable() || Read(key) == value) return;
    known_[std::string(key)] = value;
    store_->Write(Wide(key), value);
}

bool OptionSettings::Flag(std::string_view key, bool fallback) const {
    const auto value = Read(key);
    if (value == L"true") return true;
    if (value == L"false") return false;
    return fallback;
}

void OptionSettings::SetFlag(std::string_view key, bool on) {
    Write(key, on ? L"true" : L"false");
}

std::optional<POINT> OptionSettings::Position(std::string_view key) const {
    const auto value = Read(key);
    if (!value) return std::nullopt;
    const std::string text = Utf8(*value);
    const std::size_t comma = text.find(',');
    if (comma == std::string::npos) return std::nullopt;
    const auto x = WholeNumber(std::string_view(text).substr(0, comma));
    const auto y = WholeNumber(std::string_view(text).substr(comma + 1));
    if (!x || !y) return std::nullopt;
    return POINT{*x, *y};
}

void OptionSettings::SetPosition(std::string_view key, POINT position) {
    Write(key, std::to_wstring(position.x) + L"," + std::to_wstring(position.y));
}

}  // namespace tolvo::win32
