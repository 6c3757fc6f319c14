// The program's help: the file carolune.chm in the program's folder, which
// the desktop's shell opens with its help viewer.
#pragma once

#include <string>

#include "filters/FilterAccess.h"

// The help file's full name, in the program's folder unless another is given.
std::string HelpFileName(const std::string& programFolder = GetExeFolder());
// Hands the help file to the shell; a failure is not reported.
void ShowCaroluneHelp();
