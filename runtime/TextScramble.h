// The XOR chain that every tune text, filter text, file name and output is
// wrapped in when it crosses between the program and the conversion library.
// Both sides compile this one pair.
#pragma once

#include <string>
#include <string_view>

// c1 = s1 xor (n mod 256); ci = c(i-1) xor si. Keeps the length.
std::string ScrambleText(const std::string& text);
// The same, written to output (which holds at least text.size() bytes), so
// that a long text needs no copy of its own.
void ScrambleInto(std::string_view text, char* output);
// The inverse, walking from the last character down.
std::string UnscrambleText(const std::string& text);
