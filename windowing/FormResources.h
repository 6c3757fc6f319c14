// Form descriptions embedded in the program: the resource of a form class
// is named after the class in capitals ("TFRMMSG") and lives in the Qt
// resource system as ":/forms/NAME.dfm".
#pragma once

#include <string>

// The description text of the resource; EResNotFound "Resource NAME not
// found" when the program has none of that name.
std::string LoadFormResource(const std::string& name);
