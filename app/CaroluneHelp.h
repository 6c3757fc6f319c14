// The program's help: the file carolune.chm in the program's folder, which
// the desktop's shell opens with its help viewer.
#pragma once

#include <string>

// The help file's full name.
std::string HelpFileName();
// Hands the help file to the shell; a failure is not reported.
void ShowCaroluneHelp();
