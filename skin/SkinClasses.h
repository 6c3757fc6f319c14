// The skinned classes that form descriptions may name, registered for the
// form reader. Kept apart from the controls it names, so that no control
// depends on every other one.
#pragma once

// Registers them all; calling it again does nothing more.
void RegisterSkinClasses();
