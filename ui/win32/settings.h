// The window's remembered choices, with the Qt view's keys and its strict
// reading: a flag counts only as "true" or "false", a position only as two
// whole numbers "x,y"; anything else is the default. A choice is written only
// when it changes. They live under HKEY_CURRENT_USER\Software\Tolvo, or, for
// a portable copy, in Tolvo.ini beside the executable when that file is there.
#pragma once

#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>

#include "ui/win32/windows_api.h"

namespace tolvo::win32 {

inline constexpr std::wstring_view kSettingsKey = L"Software\\Tolvo";
inline constexpr std::wstring_view kPortableSettingsFile = L"Tolvo.ini";
// The keys, as the Qt view names them.
inline constexpr std::string_view kFullRangeKey = "fullRange";
inline constexpr std::string_view kZoneDiagramKey = "zoneDiagram";
inline constexpr std::string_view kFinderPositionKey = "finderPosition";
inline constexpr std::string_view kZoneDiagramPositionKey = "zoneDiagramPosition";
// The callout's style and diameter sign, each as its word ("class", "phi").
inline constexpr std::string_view kCalloutStyleKey = "calloutStyle";
inline constexpr std::string_view kDiameterSignKey = "diameterSign";
inline constexpr std::string_view kPressFitPositionKey = "pressFitPosition";
inline constexpr std::string_view kServicePositionKey = "servicePosition";

// Where the values are kept: text values by name.
class SettingsStore {
  public:
    virtual ~SettingsStore() = default;
    virtual std::optional<std::wstring> Read(std::wstring_view name) const = 0;
    virtual void Write(std::wstring_view name, std::wstring_view value) = 0;
    // False when the place holds more than Tolvo ever writes: not Tolvo's own,
    // neither read nor written.
    virtual bool Usable() const { return true; }
};

// Values of type REG_SZ under a key of a root (HKEY_CURRENT_USER).
class RegistryStore : public SettingsStore {
  public:
    RegistryStore(HKEY root, std::wstring subKey) : root_(root), subKey_(std::move(subKey)) {}
    std::optional<std::wstring> Read(std::wstring_view name) const override;
    void Write(std::wstring_view name, std::wstring_view value) override;

  private:
    HKEY root_;
    std::wstring subKey_;
};

// Section [Tolvo] of an INI file.
class IniStore : public SettingsStore {
  public:
    static constexpr std::uintmax_t kLargestFile = 1024 * 1024;  // Tolvo writes a few short lines
    explicit IniStore(std::filesystem::path file);
    std::optional<std::wstring> Read(std::wstring_view name) const override;
    void Write(std::wstring_view name, std::wstring_view value) override;
    bool Usable() const override { return usable_; }

  private:
    std::filesystem::path file_;
    bool usable_ = true;
};

// Tolvo.ini beside the executable when it is there, else the user's registry key.
std::unique_ptr<SettingsStore> DefaultSettingsStore(const std::filesystem::path& executableFolder);

class OptionSettings {
  public:
    explicit OptionSettings(std::unique_ptr<SettingsStore> store) : store_(std::move(store)) {}

    bool Flag(std::string_view key, bool fallback = false) const;
    void SetFlag(std::string_view key, bool on);
    std::optional<POINT> Position(std::string_view key) const;
    void SetPosition(std::string_view key, POINT position);
    // A word as written (its reader takes only the words it knows).
    std::optional<std::string> Word(std::string_view key) const;
    void SetWord(std::string_view key, std::string_view word);

  private:
    std::optional<std::wstring> Read(std::string_view key) const;
    void Write(std::string_view key, const std::wstring& value);

    std::unique_ptr<SettingsStore> store_;
    mutable std::unordered_map<std::string, std::optional<std::wstring>> known_;  // as read or last written
};

}  // namespace tolvo::win32
