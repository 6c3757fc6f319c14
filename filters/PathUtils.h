// Path helpers of the filter catalogue.
#pragma once

#include <string>

// The path without surrounding blanks and control characters, ending in the
// path delimiter; an empty path stays empty.
std::string AddTrailingBackslash(const std::string& path);
// The file name without its extension (from the last "." of the name part).
std::string RemoveFileExt(const std::string& fileName);
