// Files that no INI writer would produce still read and write safely.
#include <gtest/gtest.h>

#include <filesystem>
#include <random>

#include "support/harness.h"
#include "support/temp_dir.h"

namespace netcheck::testing {
namespace {

const std::string kFile = ".\\bad.ini";

class IniBadInput : public ::testing::Test {
 protected:
  ScopedTempDir dir;
  std::unique_ptr<IniStore> ini = MakeIniStore();
};

TEST_F(IniBadInput, BinaryBytesReadAsDefaultsAndTakeAWrite) {
  std::mt19937 random(12345);
  std::string bytes(64 * 1024, '\0');
  for (char& c : bytes) c = static_cast<char>(random() & 0xFF);
  // No byte-order mark: the file is taken as ANSI text, whatever its bytes.
  bytes[0] = 'x';
  bytes[1] = 'y';
  WriteFileBytes("bad.ini", bytes);
  EXPECT_EQ(ini->ReadEntry(kFile, "Registry", "OrigSettings", "d"), "d");
  ini->WriteEntry(kFile, "Registry", "OrigSettings", "12/02/24");
  EXPECT_EQ(ini->ReadEntry(kFile, "Registry", "OrigSettings", ""), "12/02/24");
}

TEST_F(IniBadInput, AFiftyMegabyteFileIsReadToItsEnd) {
  std::string text = "[Filler]\r\n";
  const std::string line = "key=" + std::string(90, 'f') + "\r\n";
  while (text.size() < 50u * 1024 * 1024) text += line;
  text += "[Main]\r\nXPos=12\r\n";
  WriteFileBytes("bad.ini", text);
  EXPECT_EQ(ini->ReadEntry(kFile, "Main", "XPos", ""), "12");
  EXPECT_EQ(ini->ReadEntry(kFile, "Main", "YPos", "d"), "d");
}

TEST_F(IniBadInput, ALineOfAHundredThousandCharacters) {
  WriteFileBytes("bad.ini", "[A]\r\nlong=" + std::string(100000, 'L') + "\r\nshort=s\r\n");
  EXPECT_EQ(ini->ReadEntry(kFile, "A", "long", ""), std::string(1023, 'L'));
  EXPECT_EQ(ini->ReadEntry(kFile, "A", "short", ""), "s");
  ini->WriteEntry(kFile, "A", "short", "t");
  EXPECT_EQ(ini->ReadEntry(kFile, "A", "short", ""), "t");
  EXPECT_EQ(ini->ReadEntry(kFile, "A", "long", ""), std::string(1023, 'L'));
}

}  // namespace
}  // namespace netcheck::testing
