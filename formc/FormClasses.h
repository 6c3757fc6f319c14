// The classes a form description may name, as the form compiler knows
// them: one row a class, the windowing layer's and the skinned controls'.
// A class's C++ type has the class's own name, as every class the
// descriptions name does; the row gives the header that declares it.
#pragma once

#include <span>
#include <string>

struct TFormClass {
  const char* Name;
  const char* Header;  // from the repository root
};

std::span<const TFormClass> FormClasses();
// The row of the class of that name (without regard to case, as the form
// reader finds classes), or null.
const TFormClass* FindFormClass(const std::string& name);
