#pragma once
// Reading and writing settings fields as INI keys in the project file's value
// forms: Booleans "1"/"0", integers and colours as signed decimal numbers, the
// angle as whole degrees. A field's key is its own name, hence the macros.

#include <cstdint>
#include <string>
#include <string_view>

#include "core/files/IniFile.h"
#include "rendering/Color.h"

namespace kestrova {

class SettingsKeyWriter {
 public:
  SettingsKeyWriter(TIniFile& ini, std::string_view section) : ini_(ini), section_(section) {}
  void operator()(std::string_view key, const std::string& value) { ini_.WriteString(section_, key, value); }
  void operator()(std::string_view key, bool value) { ini_.WriteBool(section_, key, value); }
  void operator()(std::string_view key, std::int32_t value) { ini_.WriteInteger(section_, key, value); }
  void operator()(std::string_view key, TColor value) {
    ini_.WriteInteger(section_, key, static_cast<std::int32_t>(value));
  }
  void operator()(std::string_view key, float angle);
  // Byte fields have their own forms; write them explicitly.
  void operator()(std::string_view key, std::uint8_t) = delete;

 private:
  TIniFile& ini_;
  std::string_view section_;
};

class SettingsKeyReader {
 public:
  SettingsKeyReader(const TIniFile& ini, std::string_view section) : ini_(ini), section_(section) {}
  void operator()(std::string_view key, std::string& field, const std::string& fallback) const {
    field = ini_.ReadString(section_, key, fallback);
  }
  void operator()(std::string_view key, bool& field, bool fallback) const {
    field = ini_.ReadBool(section_, key, fallback);
  }
  void operator()(std::string_view key, std::int32_t& field, std::int32_t fallback) const {
    field = ini_.ReadInteger(section_, key, fallback);
  }
  void operator()(std::string_view key, TColor& field, TColor fallback) const {
    field = static_cast<TColor>(ini_.ReadInteger(section_, key, static_cast<std::int32_t>(fallback)));
  }
  void operator()(std::string_view key, float& angle, float fallback) const;
  void operator()(std::string_view key, std::uint8_t&, std::uint8_t) const = delete;
  // A path, with "\" turned into "/".
  void Path(std::string_view key, std::string& field, const std::string& fallback) const;

 private:
  const TIniFile& ini_;
  std::string_view section_;
};

}  // namespace kestrova

// `write` and `read` name a writer and a reader; `settings` the record, and
// for reads `defaults` the record of defaults.
#define KESTROVA_WRITE_KEY(field) write(#field, settings.field)
#define KESTROVA_READ_KEY(field) read(#field, settings.field, defaults.field)
#define KESTROVA_READ_PATH(field) read.Path(#field, settings.field, defaults.field)
