#include "CaroluneHelp.h"

#include "FilterAccess.h"
#include "Shell.h"

std::string HelpFileName(const std::string& programFolder) { return programFolder + "carolune.chm"; }

void ShowCaroluneHelp() { ShellOpen(HelpFileName()); }
