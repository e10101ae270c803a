#pragma once
// Text inside the program is UTF-8. Text files written by older versions on
// another platform may hold single-byte text instead: a file that is not valid
// UTF-8 is read as Windows-1250 when the interface language is Polish, else as
// Windows-1252.

#include <string>
#include <string_view>

namespace kestrova {

// Index of the interface language, as the language tables number them
// (0 English, 1 Polish, 2 German, 3 Spanish, 4 Italian). English at start.
inline constexpr int kLanguagePolish = 1;
void SetTextFileLanguage(int langIndex);
int TextFileLanguage();

bool IsValidUtf8(std::string_view bytes);

// The text of a file's bytes as UTF-8: valid UTF-8 as it stands (a leading
// byte-order mark dropped); anything else decoded from the single-byte code
// page of the language.
std::string DecodeTextFile(std::string_view bytes, int langIndex);
std::string DecodeTextFile(std::string_view bytes);
// The same in place: valid UTF-8 is not copied.
void DecodeTextFileInPlace(std::string& bytes, int langIndex);
void DecodeTextFileInPlace(std::string& bytes);

// A path read from a file, with every "\" turned into "/".
std::string PathFromFile(std::string_view path);

}  // namespace kestrova
