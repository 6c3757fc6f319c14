// Form descriptions: a text format of ours that lists a root component, its
// properties in stored order and its nested components:
//
//   object frmMain: TfrmMain
//     Caption = 'Carolune'
//     Font.Name = 'Tahoma'             sub-object properties by path
//     Color = clBtnFace                names, numbers ($hex), 'strings'#13#10
//     Style = [fsBold, fsItalic]       sets
//     Lines = ('one' 'two')            string lists
//     Buttons = <                      collections
//       item
//         Kind = tbClose
//       end>
//     Data = {89504E47}                binary data in hex
//     Menu = MainMenu1                 references to other components
//     OnCreate = FormCreate            handler names
//     object Panel1: TPanel            nested components, created by class
//     end
//   end
//
// Properties are set in the order stored, through the components' own
// setters. A reference to a component that exists already is set at once,
// one to a later component once all components exist. Then every component
// read (the root first) gets Loaded. Unknown classes, properties, values or
// handlers raise EFormError naming the form and the line; so does any error
// a setter raises. Hostile text never reads out of bounds or recurses
// without limit.
#pragma once

#include <any>
#include <functional>
#include <string>

#include "runtime/FormScanner.h"

class TComponent;

using THandlerLookup = std::function<const std::any*(const std::string& name)>;

// Reads text into root, whose class must be the root object's class. The
// classes it names are found among the registered ones (FindClass).
void ReadDescription(const std::string& text, TComponent& root, const THandlerLookup& handlers);
