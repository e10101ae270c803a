#include "core/files/SettingsKeys.h"

#include "core/files/SettingsRecord.h"
#include "core/support/TextEncoding.h"

namespace kestrova {

void SettingsKeyWriter::operator()(std::string_view key, float angle) {
  ini_.WriteInteger(section_, key, WholeDegrees(angle));
}

void SettingsKeyReader::operator()(std::string_view key, float& angle, float fallback) const {
  angle = static_cast<float>(ini_.ReadInteger(section_, key, WholeDegrees(fallback)));
}

void SettingsKeyReader::Path(std::string_view key, std::string& field, const std::string& fallback) const {
  field = PathFromFile(ini_.ReadString(section_, key, fallback));
}

}  // namespace kestrova
