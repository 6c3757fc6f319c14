#include "CaroluneHelp.h"

#include "FilterAccess.h"
#include "Shell.h"

std::string HelpFileName() { return GetExeFolder() + "carolune.chm"; }

void ShowCaroluneHelp() { ShellOpen(HelpFileName()); }
