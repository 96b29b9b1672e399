// One contract for IniStore: natively against the portable reader and writer, under Wine against
// the profile API. Every case runs in a new empty current directory.
#include <gtest/gtest.h>

#include <filesystem>

#include "support/harness.h"
#include "support/temp_dir.h"

namespace netcheck::testing {
namespace {

const std::string kFile = ".\\test.ini";

class IniContract : public ::testing::Test {
 protected:
  std::string Bytes() { return ReadFileBytes("test.ini").value_or("<missing>"); }
  void Seed(const std::string& bytes) { WriteFileBytes("test.ini", bytes); }

  ScopedTempDir dir;
  std::unique_ptr<IniStore> ini = MakeIniStore();
};

TEST_F(IniContract, MissingFileSectionOrKeyReadsTheDefaultAndCreatesNothing) {
  EXPECT_EQ(ini->ReadEntry(kFile, "Main", "XPos", "dflt"), "dflt");
  EXPECT_FALSE(std::filesystem::exists("test.ini"));
  Seed("[Main]\r\nXPos=1\r\n");
  EXPECT_EQ(ini->ReadEntry(kFile, "Other", "XPos", ""), "");
  EXPECT_EQ(ini->ReadEntry(kFile, "Main", "YPos", "7"), "7");
  // The default comes back without its trailing blanks.
  EXPECT_EQ(ini->ReadEntry(kFile, "Main", "YPos", "  x  "), "  x");
  EXPECT_EQ(Bytes(), "[Main]\r\nXPos=1\r\n");
}

TEST_F(IniContract, WriteCreatesTheFileAndSectionsInCrlfLines) {
  ini->WriteEntry(kFile, "Registry", "OrigSettings", "12/02/24");
  EXPECT_EQ(Bytes(), "[Registry]\r\nOrigSettings=12/02/24\r\n");
  ini->WriteEntry(kFile, "Registry", "Smb2", "1");
  ini->WriteEntry(kFile, "Other", "Sectors", "0");
  EXPECT_EQ(Bytes(), "[Registry]\r\nOrigSettings=12/02/24\r\nSmb2=1\r\n[Other]\r\nSectors=0\r\n");
  EXPECT_EQ(ini->ReadEntry(kFile, "Registry", "Smb2", ""), "1");
}

TEST_F(IniContract, WriteReplacesAValueInPlaceAndKeepsTheOthers) {
  Seed("[A]\r\nk1=1\r\nk2=2\r\nk3=3\r\n[B]\r\nk2=b\r\n");
  ini->WriteEntry(kFile, "a", "K2", "two");
  EXPECT_EQ(Bytes(), "[A]\r\nk1=1\r\nk2=two\r\nk3=3\r\n[B]\r\nk2=b\r\n");
  ini->WriteEntry(kFile, "A", "k4", "4");
  EXPECT_EQ(Bytes(), "[A]\r\nk1=1\r\nk2=two\r\nk3=3\r\nk4=4\r\n[B]\r\nk2=b\r\n");
}

TEST_F(IniContract, DeleteRemovesOneKeyAndKeepsTheRest) {
  Seed("[A]\r\nk1=1\r\nk2=2\r\nk3=3\r\n");
  ini->DeleteEntry(kFile, "A", "K2");
  EXPECT_EQ(Bytes(), "[A]\r\nk1=1\r\nk3=3\r\n");
  ini->DeleteEntry(kFile, "A", "absent");
  EXPECT_EQ(Bytes(), "[A]\r\nk1=1\r\nk3=3\r\n");
  ini->DeleteEntry(kFile, "A", "k1");
  ini->DeleteEntry(kFile, "A", "k3");
  EXPECT_EQ(Bytes(), "[A]\r\n");
  EXPECT_EQ(ini->ReadEntry(kFile, "A", "k1", "gone"), "gone");
}

TEST_F(IniContract, DeleteInAMissingFileCreatesNothing) {
  ini->DeleteEntry(kFile, "A", "k1");
  EXPECT_FALSE(std::filesystem::exists("test.ini"));
}

TEST_F(IniContract, ReadsAsTheProfileApiReads) {
  Seed(
      "top=before any section\r\n"
      "[ Main ] trailing text\r\n"
      "  Spaced  =  value with blanks  \r\n"
      "Quoted=\"in quotes\"\r\n"
      "Single='single'\r\n"
      "Mismatched=\"left only\r\n"
      ";Comment=hidden\r\n"
      "Semi=a;b\r\n"
      "Hash=#data\r\n"
      "Dup=first\r\n"
      "dup=second\r\n"
      "Empty=\r\n"
      "[main]\r\n"
      "Later=in the second section of that name\r\n");
  struct Case {
    const char* section;
    const char* key;
    const char* expected;
  } cases[] = {
      {"MAIN", "spaced", "value with blanks"},
      {"Main", "Quoted", "in quotes"},
      {"Main", "Single", "single"},
      {"Main", "Mismatched", "\"left only"},
      {"Main", "Comment", "<default>"},
      {"Main", "Semi", "a;b"},
      {"Main", "Hash", "#data"},
      {"Main", "Dup", "first"},
      {"Main", "Empty", ""},
      {"Main", "Later", "<default>"},
      {"Main", "top", "<default>"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(ini->ReadEntry(kFile, c.section, c.key, "<default>"), c.expected) << c.section << "/" << c.key;
  }
}

TEST_F(IniContract, ValuesAreCutTo1023Characters) {
  const std::string longValue(3000, 'v');
  ini->WriteEntry(kFile, "A", "k", longValue);
  EXPECT_EQ(ini->ReadEntry(kFile, "A", "k", ""), std::string(1023, 'v'));
  EXPECT_EQ(ini->ReadEntry(kFile, "A", "absent", std::string(1024, 'd')), std::string(1023, 'd'));
  EXPECT_EQ(ini->ReadEntry(kFile, "A", "absent", std::string(1023, 'd')), std::string(1023, 'd'));
}

TEST_F(IniContract, DotBackslashNamesTheCurrentDirectoryAtEachCall) {
  std::filesystem::create_directory("one");
  std::filesystem::create_directory("two");
  std::filesystem::current_path("one");
  ini->WriteEntry(kFile, "A", "k", "in one");
  std::filesystem::current_path("../two");
  EXPECT_EQ(ini->ReadEntry(kFile, "A", "k", "none"), "none");
  ini->WriteEntry(kFile, "A", "k", "in two");
  std::filesystem::current_path("..");
  EXPECT_EQ(ReadFileBytes("one/test.ini"), "[A]\r\nk=in one\r\n");
  EXPECT_EQ(ReadFileBytes("two/test.ini"), "[A]\r\nk=in two\r\n");
  EXPECT_EQ(ini->ReadEntry(".\\one\\test.ini", "A", "k", ""), "in one");
}

TEST_F(IniContract, UntouchedLinesAfterAWrite) {
  Seed("[A]\r\nk = v\r\n\r\n[B]\r\nx=1\r\n");
  ini->WriteEntry(kFile, "B", "x", "2");
  if (RunningOnWindows()) {
    // Wine rewrites the whole file from its parsed copy: blank lines go and "k = v" becomes
    // "k=v". Windows keeps the bytes it does not touch, as the portable writer does. Either way
    // every value reads back the same.
    EXPECT_EQ(Bytes(), "[A]\r\nk=v\r\n[B]\r\nx=2\r\n");
  } else {
    EXPECT_EQ(Bytes(), "[A]\r\nk = v\r\n\r\n[B]\r\nx=2\r\n");
  }
  EXPECT_EQ(ini->ReadEntry(kFile, "A", "k", ""), "v");
}

TEST_F(IniContract, AValueWithLeadingBlanksReadsBackWithoutThem) {
  // The backup's date for a one-digit month starts with a blank.
  ini->WriteEntry(kFile, "Registry", "OrigSettings", " 4/21/11");
  EXPECT_EQ(ini->ReadEntry(kFile, "Registry", "OrigSettings", ""), "4/21/11");
  // Windows writes the value as given, as the portable writer does; Wine drops the blank when
  // writing. Only whether the key holds text matters to the program.
  EXPECT_EQ(Bytes(),
            RunningOnWindows() ? "[Registry]\r\nOrigSettings=4/21/11\r\n" : "[Registry]\r\nOrigSettings= 4/21/11\r\n");
}

TEST_F(IniContract, WritesThatCannotBeDoneAreLostWithoutNotice) {
  ini->WriteEntry(".\\missing-folder\\test.ini", "A", "k", "1");
  EXPECT_FALSE(std::filesystem::exists("missing-folder"));

  std::filesystem::create_directory("folder.ini");
  ini->WriteEntry(".\\folder.ini", "A", "k", "1");
  EXPECT_TRUE(std::filesystem::is_directory("folder.ini"));
  EXPECT_EQ(ini->ReadEntry(".\\folder.ini", "A", "k", "d"), "d");

  // Windows refuses writes to a read-only file. Wine maps read-only to a file without write
  // permission bits, which a process running as root (as in CI) writes anyway, so this part
  // holds under Wine only for other users.
  if (RunningOnWindows()) return;
  Seed("[A]\r\nk=1\r\n");
  std::filesystem::permissions(
      "test.ini",
      std::filesystem::perms::owner_write | std::filesystem::perms::group_write | std::filesystem::perms::others_write,
      std::filesystem::perm_options::remove);
  ini->WriteEntry(kFile, "A", "k", "2");
  ini->DeleteEntry(kFile, "A", "k");
  EXPECT_EQ(Bytes(), "[A]\r\nk=1\r\n");
  EXPECT_EQ(ini->ReadEntry(kFile, "A", "k", ""), "1");
}

}  // namespace
}  // namespace netcheck::testing
