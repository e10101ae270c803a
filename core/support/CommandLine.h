#pragma once
// The command line: `kestrova /x project.btn [captions.txt]` runs a project as
// a batch job; a project file alone, or after another switch, is opened in the
// window.
//
// The first argument is a switch when it starts with "-", or when it starts
// with "/", holds no further "/" and is not an existing file; either way it
// must have more than one character. The switch letter is its second
// character. With a switch the project file is the second argument and the
// captions file the third; without one the project file is the first argument.

#include <string>
#include <vector>

namespace kestrova {

// The command line's switch letter ('\0' for none), project file and captions
// file; set once at start, then only read.
extern char ShellSwitch;
extern std::string ShellProjectFile;
extern std::string ShellCaptionsFile;

// Reads the arguments (the program name not included) into the three values;
// true when they ask for a batch run: a project file and the switch x or X.
bool ParseCommandLine(const std::vector<std::string>& args, char& shellSwitch, std::string& projectFile,
                      std::string& captionsFile);
// The same into ShellSwitch, ShellProjectFile and ShellCaptionsFile.
bool ParseCommandLine(const std::vector<std::string>& args);

// True when the switch letter asks for a batch run.
bool IsBatchSwitch(char shellSwitch);

}  // namespace kestrova
