// The form compiler: from a form description, the header through which its
// form class reaches the description's components by typed members and
// binds the handlers the description names to its own methods by their
// C++ names, so that a component or a handler the code and the description
// do not agree on fails the build. The description itself stays data that
// the form reads at run time.
//
// For "object frmAbout: TfrmAbout" the header declares TfrmAboutDesign:
//
//   class TfrmAbout : public TForm, public TfrmAboutDesign {  // the form
//     ...
//   TfrmAbout::TfrmAbout(TComponent* owner) : TForm(owner) { LoadDesign(*this); }
//
// TfrmAboutDesign has one member a nested component, named as the component
// and typed by its class (FormClasses.h), and LoadDesign, which binds every
// "OnEvent = Handler" of the description to &TfrmAbout::Handler, reads the
// embedded description (the resource TFRMABOUT, FormResources.h), sets the
// members, and then runs OnCreate. Each binding carries a #line of the
// description's line, so that the C++ compiler's message for a handler
// the form lacks points there.
#pragma once

#include <string>

// The header for the description text found at path (named in the header's
// #line directives), to be written at headerPath. A malformed description,
// one nested deeper than kMaxFormNesting, one that names a class missing
// from FormClasses or gives a component or handler a name that C++ cannot
// take, or two components one name, raises EFormError naming the form and
// the line.
std::string CompileFormDescription(const std::string& text, const std::string& path, const std::string& headerPath);
