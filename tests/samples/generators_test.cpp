// The committed samples and artwork are exactly what the generators make, so they can
// always be remade; and the generator programs write those same bytes.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <set>
#include <string>
#include <unistd.h>

#include "art/artwork.h"
#include "art/samples.h"
#include "lump_table.h"
#include "test_files.h"

namespace fs = std::filesystem;
using lumpforge::art::FileSet;
using lumpforge::test::ReadFile;

namespace {

struct Generator {
  const char* label;
  FileSet (*make)();
  fs::path committedDir;
  const char* program;
};

std::vector<Generator> Generators() {
  return {{"samples", lumpforge::art::MakeSamples, lumpforge::test::SamplesDir(),
           LUMPFORGE_MAKE_SAMPLES},
          {"artwork", lumpforge::art::MakeArtwork, lumpforge::test::ResourcesDir(),
           LUMPFORGE_MAKE_ARTWORK}};
}

class TempDir {
 public:
  TempDir() {
    std::string pattern = (fs::temp_directory_path() / "lumpforge-art-XXXXXX").string();
    path_ = mkdtemp(pattern.data());
  }
  ~TempDir() { fs::remove_all(path_); }
  const fs::path& path() const { return path_; }

 private:
  fs::path path_;
};

TEST(Generators, CommittedFilesMatchTheGeneratorsByteForByte) {
  for (const Generator& generator : Generators()) {
    for (const auto& file : generator.make()) {
      SCOPED_TRACE(std::string(generator.label) + "/" + file.name);
      ASSERT_TRUE(fs::exists(generator.committedDir / file.name));
      EXPECT_TRUE(ReadFile(generator.committedDir / file.name) == file.bytes)
          << "regenerate with: cmake --build build --target lumpforge-regenerate-art";
    }
  }
}

TEST(Generators, ProgramsWriteTheCommittedFilesIntoAFolder) {
  for (const Generator& generator : Generators()) {
    SCOPED_TRACE(generator.label);
    TempDir out;
    const fs::path target = out.path() / "made";  // created by the program
    const std::string command =
        std::string("'") + generator.program + "' '" + target.string() + "'";
    ASSERT_EQ(std::system(command.c_str()), 0);
    std::set<std::string> written;
    for (const auto& entry : fs::directory_iterator(target)) {
      const std::string name = entry.path().filename().string();
      written.insert(name);
      EXPECT_TRUE(ReadFile(entry.path()) == ReadFile(generator.committedDir / name)) << name;
    }
    std::set<std::string> expected;
    for (const auto& file : generator.make()) expected.insert(file.name);
    EXPECT_EQ(written, expected);
  }
}

TEST(Generators, ProgramsRefuseWrongUsage) {
  for (const Generator& generator : Generators()) {
    const std::string command = std::string("'") + generator.program + "' >/dev/null 2>&1";
    EXPECT_NE(std::system(command.c_str()), 0) << generator.label;
  }
}

TEST(Generators, SamplesAreTheNineInputsOfTheCompiler) {
  std::set<std::string> expected;
  for (const auto& step : lumpforge::kInputSteps) expected.insert(step.fileName);
  std::set<std::string> made;
  for (const auto& file : lumpforge::art::MakeSamples()) made.insert(file.name);
  EXPECT_EQ(made, expected);
  EXPECT_EQ(made.size(), 9u);
}

}  // namespace
