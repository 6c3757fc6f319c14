// The desktop shell's "open": hands an address or a document to the program
// the desktop opens it with (a browser, the mail program, a help viewer).
// Tests install their own opener.
#pragma once

#include <functional>
#include <string>

using TShellOpener = std::function<void(const std::string& target)>;

void ShellOpen(const std::string& target);
// Installs an opener (empty: the desktop's); returns the previous one.
TShellOpener SetShellOpener(TShellOpener opener);
