#pragma once
// English texts of the window's messages; the language tables give the
// other languages.

namespace kestrova {

inline constexpr const char* kExitQuestion = "Exit application (any unsaved data will be lost)?";
inline constexpr const char* kCriticalError = "Critical error - program will be terminated...";
inline constexpr const char* kErrorSaving = "Error saving";
inline constexpr const char* kRemoveFromList = "Remove from list?";

}  // namespace kestrova
