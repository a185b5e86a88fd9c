// The registry accessor's semantics over a store in a scratch folder.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "registry.h"
#include "test_support.h"

namespace {

using platform::ERegistryException;
using platform::HKEY_CLASSES_ROOT;
using platform::HKEY_LOCAL_MACHINE;
using platform::TRegistry;

class RegistryTest : public ::testing::Test {
 protected:
  platform_test::ScratchConfigHome config;
};

TEST_F(RegistryTest, OpeningAMissingKeyFailsUnlessCreatingAndReadingMakesNoFile) {
  TRegistry registry;
  EXPECT_FALSE(registry.OpenKey("SOFTWARE\\Quillmere", false));
  EXPECT_FALSE(registry.HasOpenKey());
  EXPECT_EQ(registry.ReadString("LastOpened"), "");
  EXPECT_FALSE(std::filesystem::exists(config.storeFolder()));

  EXPECT_TRUE(registry.OpenKey("SOFTWARE\\Quillmere", true));
  EXPECT_TRUE(std::filesystem::exists(config.storeFile()));

  TRegistry later;
  EXPECT_TRUE(later.OpenKey("SOFTWARE", false)) << "ancestors are created with the key";
  EXPECT_TRUE(later.OpenKey("\\SOFTWARE\\Quillmere", false));
}

TEST_F(RegistryTest, RelativePathsStartAtTheOpenKeyAndAbsoluteOnesAtTheRoot) {
  TRegistry registry;
  ASSERT_TRUE(registry.OpenKey("SOFTWARE\\Quillmere", true));
  ASSERT_TRUE(registry.OpenKey("Lumpforge", true));
  EXPECT_EQ(registry.CurrentPath(), "SOFTWARE\\Quillmere\\Lumpforge");
  registry.WriteString("LastOpened", "/home/ada/art");

  // A failed open leaves the open key as it was: the next write still lands in it.
  EXPECT_FALSE(registry.OpenKey("Nowhere", false));
  EXPECT_FALSE(registry.OpenKey("\\Nowhere\\Else", false));
  EXPECT_EQ(registry.CurrentPath(), "SOFTWARE\\Quillmere\\Lumpforge");
  registry.WriteString("Second", "here");

  ASSERT_TRUE(registry.OpenKey("\\SOFTWARE", false));
  EXPECT_EQ(registry.CurrentPath(), "SOFTWARE");
  EXPECT_EQ(registry.ReadString("LastOpened"), "") << "the value is not in SOFTWARE itself";
  ASSERT_TRUE(registry.OpenKey("Quillmere\\Lumpforge", false));
  EXPECT_EQ(registry.ReadString("LastOpened"), "/home/ada/art");
  EXPECT_EQ(registry.ReadString("Second"), "here");

  // Relative to the root when no key is open; a relative path that was created nested
  // inside another key is not found at the root.
  registry.CloseKey();
  EXPECT_FALSE(registry.OpenKey("Lumpforge", false));
  EXPECT_FALSE(registry.OpenKey("Quillmere", false));
  EXPECT_TRUE(registry.OpenKey("SOFTWARE\\Quillmere\\Lumpforge", false));
}

TEST_F(RegistryTest, ValuesSurviveTheAccessorAndKeepTheirTypes) {
  {
    TRegistry writer;
    ASSERT_TRUE(writer.OpenKey("SOFTWARE\\Quillmere\\Lumpforge", true));
    writer.WriteString("LastOpened", "/srv/wad sources");
    writer.WriteInteger("Count", -7);
    writer.WriteString("Empty", "");
  }
  TRegistry reader;
  ASSERT_TRUE(reader.OpenKey("SOFTWARE\\Quillmere\\Lumpforge", false));
  EXPECT_EQ(reader.ReadString("LastOpened"), "/srv/wad sources");
  EXPECT_EQ(reader.ReadInteger("Count"), -7);
  EXPECT_EQ(reader.ReadString("Empty"), "");
  EXPECT_TRUE(reader.ValueExists("Empty"));

  EXPECT_EQ(reader.ReadString("Missing"), "") << "a missing text reads empty";
  EXPECT_FALSE(reader.ValueExists("Missing"));
  EXPECT_THROW(reader.ReadInteger("Missing"), ERegistryException);
  EXPECT_THROW(reader.ReadInteger("LastOpened"), ERegistryException);
  EXPECT_THROW(reader.ReadInteger("Empty"), ERegistryException);
  EXPECT_THROW(reader.ReadString("Count"), ERegistryException);

  // Writing a value of the other type replaces the value and its type.
  reader.WriteInteger("LastOpened", 3);
  EXPECT_EQ(reader.ReadInteger("LastOpened"), 3);
  EXPECT_THROW(reader.ReadString("LastOpened"), ERegistryException);
}

TEST_F(RegistryTest, TextIsStoredAsItsBytesAndReadUpToTheFirstZero) {
  struct Case {
    const char* what;
    std::string written;
    std::string read;
  };
  const std::vector<Case> cases = {
      {"8-bit bytes kept", "C:\\Dokument\xE9 \xFF", "C:\\Dokument\xE9 \xFF"},
      {"cut at a zero byte", std::string("abc\0def", 7), "abc"},
      {"zero at the start", std::string("\0x", 2), ""},
      {"quotes and percent", "\"x\" %1 'y'", "\"x\" %1 'y'"},
  };
  TRegistry registry;
  ASSERT_TRUE(registry.OpenKey("SOFTWARE\\Test", true));
  for (const Case& c : cases) {
    registry.WriteString("Value", c.written);
    EXPECT_EQ(registry.ReadString("Value"), c.read) << c.what;
  }
  registry.WriteString("", "the key's default value");
  EXPECT_EQ(registry.ReadString(""), "the key's default value");
}

TEST_F(RegistryTest, NamesMatchIgnoringCaseAndKeepTheirFirstSpelling) {
  TRegistry registry;
  ASSERT_TRUE(registry.OpenKey("SOFTWARE\\Quillmere\\Lumpforge", true));
  registry.WriteString("LastOpened", "/a");

  ASSERT_TRUE(registry.OpenKey("\\software\\QUILLMERE\\lumpforge", true));
  EXPECT_EQ(registry.ReadString("lastopened"), "/a");
  registry.WriteString("LASTOPENED", "/b");
  EXPECT_EQ(registry.ReadString("LastOpened"), "/b");
  EXPECT_EQ(registry.GetValueNames(), std::vector<std::string>{"LastOpened"});

  ASSERT_TRUE(registry.OpenKey("\\Software", false));
  EXPECT_EQ(registry.GetKeyNames(), std::vector<std::string>{"Quillmere"});
  ASSERT_TRUE(registry.OpenKey("\\", false));
  const std::vector<std::string> top = registry.GetKeyNames();
  EXPECT_EQ(std::count(top.begin(), top.end(), "SOFTWARE"), 1);
  EXPECT_EQ(std::count(top.begin(), top.end(), "Software"), 0);

  // Only ASCII letters fold: other bytes must match exactly.
  registry.WriteString("Caf\xC9", "upper");
  EXPECT_EQ(registry.ReadString("caf\xC9"), "upper");
  EXPECT_EQ(registry.ReadString("Caf\xE9"), "");
}

TEST_F(RegistryTest, WithoutAnOpenKeyReadsFindNothingAndWritesRaise) {
  TRegistry registry;
  EXPECT_EQ(registry.ReadString("LastOpened"), "");
  EXPECT_THROW(registry.ReadInteger("LogPixels"), ERegistryException);
  EXPECT_THROW(registry.WriteString("LastOpened", "/x"), ERegistryException);
  EXPECT_THROW(registry.WriteInteger("Count", 1), ERegistryException);

  ASSERT_TRUE(registry.OpenKey("SOFTWARE\\Quillmere", true));
  registry.CloseKey();
  EXPECT_FALSE(registry.HasOpenKey());
  EXPECT_THROW(registry.WriteString("LastOpened", "/x"), ERegistryException);
}

TEST_F(RegistryTest, EachRootHoldsItsOwnKeysAndOtherRootsCannotBeOpened) {
  TRegistry machine;
  ASSERT_TRUE(machine.OpenKey("Shared\\Name", true));
  machine.WriteString("Where", "machine");

  TRegistry classes;
  classes.RootKey = HKEY_CLASSES_ROOT;
  EXPECT_FALSE(classes.OpenKey("Shared\\Name", false));
  ASSERT_TRUE(classes.OpenKey("Shared\\Name", true));
  EXPECT_EQ(classes.ReadString("Where"), "");
  classes.WriteString("Where", "classes");
  EXPECT_EQ(machine.ReadString("Where"), "machine");

  TRegistry other;
  other.RootKey = 0x80000001u;  // the current user's hive is not offered
  EXPECT_FALSE(other.OpenKey("Shared", true));
  EXPECT_FALSE(other.HasOpenKey());
}

// The two steps that remember the chosen folder, as the main window takes them.
TEST_F(RegistryTest, TheRememberedFolderRoundTripsThroughTheMakerKey) {
  auto restore = [] {
    std::string saved;
    TRegistry registry;
    registry.RootKey = HKEY_LOCAL_MACHINE;
    registry.OpenKey("SOFTWARE\\Quillmere", true);
    try {
      registry.WriteString("Forging lumps since 1998", "https://quillmere.example/");
    } catch (const ERegistryException&) {
    }
    registry.OpenKey("Lumpforge", true);
    try {
      saved = registry.ReadString("LastOpened");
    } catch (const ERegistryException&) {
    }
    return saved;
  };
  auto save = [](const std::string& folder) {
    TRegistry registry;
    registry.OpenKey("SOFTWARE\\Quillmere\\Lumpforge", true);
    registry.WriteString("LastOpened", folder);
  };

  EXPECT_EQ(restore(), "");
  save("/home/ada/Art Work");
  EXPECT_EQ(restore(), "/home/ada/Art Work");
  save("/home/ada/art work");
  EXPECT_EQ(restore(), "/home/ada/art work");

  TRegistry maker;
  ASSERT_TRUE(maker.OpenKey("SOFTWARE\\Quillmere", false));
  EXPECT_EQ(maker.ReadString("Forging lumps since 1998"), "https://quillmere.example/");
  EXPECT_EQ(maker.GetKeyNames(), std::vector<std::string>{"Lumpforge"});
}

}  // namespace
