// Replacing a file's content so that a reader never meets a half-written
// file: the bytes go to a new file beside the target, which is renamed over
// it only once every byte has been written and flushed.
#pragma once

#include <string>

// Raises EFCreateError "Cannot create file "<name>". <reason>" when the file
// cannot be written whole; the target is then left as it was.
void WriteFileAtomically(const std::string& fileName, const std::string& bytes);
