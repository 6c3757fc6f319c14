// What one parse of a text collects, for the tests of every notation's parser.
#pragma once

#include <string>
#include <vector>

#include "conversion/GrammarBase.h"
#include "runtime/Streams.h"

// One parse of the text as it stands into the tune: the codes of the errors
// it collects.
template <class TParse, class TRing>
std::vector<int> ParseInto(TRing& ring, const std::string& text) {
  TParse parser(nullptr);
  parser.SetRing(&ring);
  parser.SetGenListWhen(TGenListType::glNever);
  TMemoryStream source(text);
  parser.LoadSource(source);
  parser.Execute();
  std::vector<int> codes;
  for (const auto& error : parser.ErrorList()) codes.push_back(error->ErrorCode);
  return codes;
}

// The codes of the errors one parse of the text into a new tune collects.
template <class TParse, class TRing>
std::vector<int> ParseErrorCodes(const std::string& text) {
  TRing ring;
  return ParseInto<TParse>(ring, text);
}
