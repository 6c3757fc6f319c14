// Loads the real libPelmora.so with dlopen and calls its exports through the
// C ABI, exactly as a program would, scrambling and unscrambling around the
// call.
#pragma once

#include <dlfcn.h>
#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "conversion/uRingLib.h"
#include "runtime/TextScramble.h"

class PelmoraLibrary {
 public:
  using Ring2Ring = int32_t (*)(const char*, int32_t, const char*, const char*, char*, int32_t, int32_t*);
  using Ring2Map = int32_t (*)(const char*, int32_t, const char*, const char*, int32_t, const char*, const char*,
                               char*, int32_t, int32_t*);

  PelmoraLibrary() {
    FHandle = dlopen(CAROLUNE_BIN_DIR "/libPelmora.so", RTLD_NOW | RTLD_LOCAL);
    if (!FHandle) {
      ADD_FAILURE() << dlerror();
      return;
    }
    FRing2Ring = reinterpret_cast<Ring2Ring>(dlsym(FHandle, "RING2RING"));
    FRing2Map = reinterpret_cast<Ring2Map>(dlsym(FHandle, "RING2MAP"));
  }
  ~PelmoraLibrary() {
    if (FHandle) dlclose(FHandle);
  }
  PelmoraLibrary(const PelmoraLibrary&) = delete;
  PelmoraLibrary& operator=(const PelmoraLibrary&) = delete;

  void* Handle() const { return FHandle; }
  Ring2Ring RING2RING() const { return FRing2Ring; }
  Ring2Map RING2MAP() const { return FRing2Map; }

  struct Result {
    int32_t Code = 0;
    std::string Text;  // the unscrambled output (text mode)
  };

  // Tune text to tune text, with an output buffer of the given size.
  Result Convert(const std::string& source, const std::string& sourceDescriptor,
                 const std::string& targetDescriptor, int32_t bufferSize = 1 << 20) const {
    const std::string scrambled = ScrambleText(source);
    std::vector<char> buffer(static_cast<size_t>(bufferSize) + 1, '\0');
    int32_t length = 0;
    Result r;
    r.Code = FRing2Ring(scrambled.data(), static_cast<int32_t>(scrambled.size()), sourceDescriptor.c_str(),
                        targetDescriptor.c_str(), buffer.data(), bufferSize, &length);
    if (length > 0) r.Text = UnscrambleText(std::string(buffer.data(), static_cast<size_t>(length)));
    return r;
  }

  // Tune through a filter to KeyPress or ScreenShow text.
  Result Map(const std::string& source, const std::string& sourceDescriptor, const std::string& filter,
             const std::string& filterDescriptor = "R", int32_t bufferSize = 1 << 20) const {
    const std::string scrambledSource = ScrambleText(source);
    const std::string scrambledFilter = ScrambleText(filter);
    std::vector<char> buffer(static_cast<size_t>(bufferSize) + 1, '\0');
    int32_t length = 0;
    Result r;
    r.Code = FRing2Map(scrambledSource.data(), static_cast<int32_t>(scrambledSource.size()),
                       sourceDescriptor.c_str(), scrambledFilter.data(), static_cast<int32_t>(scrambledFilter.size()),
                       filterDescriptor.c_str(), "R", buffer.data(), bufferSize, &length);
    if (length > 0) r.Text = UnscrambleText(std::string(buffer.data(), static_cast<size_t>(length)));
    return r;
  }

 private:
  void* FHandle = nullptr;
  Ring2Ring FRing2Ring = nullptr;
  Ring2Map FRing2Map = nullptr;
};

// Each source converts into its target text with result 0.
struct TConversion {
  std::string source, from, to, text;
};

inline void ExpectConversions(const PelmoraLibrary& lib, const std::vector<TConversion>& conversions) {
  for (const auto& c : conversions) {
    const auto r = lib.Convert(c.source, c.from, c.to);
    EXPECT_EQ(r.Code, Pelmora::rrSuccess) << c.source << " " << c.to;
    EXPECT_EQ(r.Text, c.text) << c.source << " " << c.to;
  }
}
