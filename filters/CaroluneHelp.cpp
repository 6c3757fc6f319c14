#include "filters/CaroluneHelp.h"

#include "filters/FilterAccess.h"
#include "windowing/Shell.h"

std::string HelpFileName(const std::string& programFolder) { return programFolder + "carolune.chm"; }

void ShowCaroluneHelp() { ShellOpen(HelpFileName()); }
