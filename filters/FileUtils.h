// File helpers of the filter catalogue.
#pragma once

#include <string>

// Copies source onto destination (replacing a file there) unless both name
// the same file. The destination appears whole or not at all; returns
// whether the destination now holds the source's content.
bool CopyFileIfDifferent(const std::string& source, const std::string& destination);
// folder/fileName, or the first of folder/<base>1<ext>, <base>2<ext>, ...
// that names no existing file.
std::string MakeUniqueFileName(const std::string& folder, const std::string& fileName);
