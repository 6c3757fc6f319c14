// A fresh folder for one test, removed with everything in it afterwards;
// its path ends in "/" and has no doubled delimiter.
#pragma once

#include <gtest/gtest.h>
#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <string>

class TTempFolder {
 public:
  TTempFolder() {
    std::string pattern = std::filesystem::path(testing::TempDir() + "/carolune-XXXXXX").lexically_normal();
    if (!mkdtemp(pattern.data())) throw std::runtime_error("mkdtemp failed");
    FPath = pattern + "/";
  }
  ~TTempFolder() { std::filesystem::remove_all(FPath); }
  TTempFolder(const TTempFolder&) = delete;
  TTempFolder& operator=(const TTempFolder&) = delete;

  const std::string& Path() const { return FPath; }
  // Writes the bytes into a file of the folder; returns its path.
  std::string Write(const std::string& name, const std::string& bytes) const {
    std::ofstream(FPath + name, std::ios::binary) << bytes;
    return FPath + name;
  }
  std::string Read(const std::string& name) const {
    std::ifstream file(FPath + name, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(file), {});
  }

 private:
  std::string FPath;
};
