// The skinned controls that form descriptions may name, registered for the
// form reader: every skinned class but the message-box component, which is
// itself built on a form naming these controls.
#pragma once

// Registers them all; calling it again does nothing more.
void RegisterSkinControlClasses();
