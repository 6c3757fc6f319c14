// The XOR chain that every tune text, filter text, file name and output is
// wrapped in when it crosses between the program and the conversion library.
// Both sides compile this one pair.
#pragma once

#include <string>
#include <string_view>

// c1 = s1 xor (n mod 256); ci = c(i-1) xor si. Keeps the length. The text is
// taken by value and scrambled where it stands, so that a long text handed
// over (a temporary, or moved) is not copied.
std::string ScrambleText(std::string text);
// The same, written to output (which holds at least text.size() bytes, and
// may be text's own bytes), so that a long text needs no copy of its own.
void ScrambleInto(std::string_view text, char* output);
// The inverse, walking from the last character down; in place, as above.
std::string UnscrambleText(std::string text);
