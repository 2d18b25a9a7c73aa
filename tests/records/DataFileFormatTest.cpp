// The text layout of the data files: what the writer produces and what the reader accepts.
#include <gtest/gtest.h>

#include "records/DataFileError.h"
#include "records/DataFileReader.h"
#include "records/DataFileWriter.h"
#include "records/ProgramFolder.h"

namespace kelvora {
namespace {

constexpr int kAny = 2147483647;
const Phrase kNumber{"数", "a number"};

TEST(DataFileWriter, WritesOneValuePerLineEndedByCrLf) {
  DataFileWriter writer;
  writer.WriteNumber(2);
  writer.WriteNumber(23);
  writer.WriteString("QRSTABC");
  writer.WriteNumber(0);
  writer.WriteString("");
  writer.WriteNumber(-7);
  EXPECT_EQ(writer.Text(), "2\r\n23\r\n\"QRSTABC\"\r\n0\r\n\"\"\r\n-7\r\n");
}

TEST(DataFileReader, ReadsWhatTheWriterWrites) {
  DataFileWriter writer;
  writer.WriteNumber(50);
  writer.WriteString("ABCDEFGHIJKLMNOPQRST");
  writer.WriteString("");
  writer.WriteNumber(-3);
  DataFileReader reader("f", writer.Text());
  EXPECT_EQ(reader.ReadNumber(0, 50, kNumber), 50);
  EXPECT_EQ(reader.ReadHistory(), "ABCDEFGHIJKLMNOPQRST");
  EXPECT_EQ(reader.ReadHistory(), "");
  EXPECT_EQ(reader.Line(), 4);
  EXPECT_EQ(reader.ReadNumber(-5, 5, kNumber), -3);
}

TEST(DataFileReader, AcceptsHandEditedLineEndsBlanksAndCommas) {
  DataFileReader reader("f", "  7\n 8 ,9\r\n\t\"QS\" \r10\r\n11");
  EXPECT_EQ(reader.ReadNumber(0, kAny, kNumber), 7);
  EXPECT_EQ(reader.ReadNumber(0, kAny, kNumber), 8);
  EXPECT_EQ(reader.Line(), 2);
  EXPECT_EQ(reader.ReadNumber(0, kAny, kNumber), 9);
  EXPECT_EQ(reader.ReadHistory(), "QS");
  EXPECT_EQ(reader.Line(), 4);
  EXPECT_EQ(reader.ReadNumber(0, kAny, kNumber), 10);
  EXPECT_EQ(reader.ReadNumber(0, kAny, kNumber), 11);  // no line end after the last value
}

// Reads numbers until the reader throws, and returns the line it named.
int LineOfFirstBadNumber(const std::string& text, int min = 0, int max = kAny) {
  DataFileReader reader("stages.txt", text);
  try {
    for (int i = 0; i < 100; ++i) reader.ReadNumber(min, max, kNumber);
  } catch (const DataFileError& error) {
    EXPECT_EQ(error.Path(), "stages.txt");
    EXPECT_EQ(error.Expected().english.rfind("a number", 0), 0u);
    EXPECT_EQ(error.Expected().japanese.rfind("数", 0), 0u);
    return error.Line();
  }
  return -1;
}

TEST(DataFileReader, NamesTheLineOfEveryBadNumber) {
  EXPECT_EQ(LineOfFirstBadNumber("1\r\n2\r\nthree\r\n"), 3);
  EXPECT_EQ(LineOfFirstBadNumber("1\r\n\r\n3\r\n"), 2);        // empty line
  EXPECT_EQ(LineOfFirstBadNumber("1\r\n2x\r\n"), 2);           // trailing text
  EXPECT_EQ(LineOfFirstBadNumber("1\r\n+2\r\n"), 2);           // no plus sign is written
  EXPECT_EQ(LineOfFirstBadNumber("1\r\n99999999999\r\n"), 2);  // beyond 32 bits
  EXPECT_EQ(LineOfFirstBadNumber("1\r\n\"2\"\r\n"), 2);        // a string where a number is due
  EXPECT_EQ(LineOfFirstBadNumber("5\r\n51\r\n", 0, 50), 2);    // out of range
  EXPECT_EQ(LineOfFirstBadNumber("1\r\n2\r\n"), 3);            // the file ends too soon
  EXPECT_EQ(LineOfFirstBadNumber(std::string("1\r\n\0\r\n", 5)), 2);
}

TEST(DataFileReader, RefusesAnythingButMoveLettersInAHistory) {
  for (const char* text :
       {"QS\r\n", "\"qs\"\r\n", "\"QSZ\"\r\n", "\"QS\r\n", "\"QS\"x\r\n", "5\r\n", "\r\n", ""}) {
    DataFileReader reader("BEST1.txt", text);
    EXPECT_THROW(reader.ReadHistory(), DataFileError) << text;
  }
}

TEST(DataFileError, NamesFileLineAndWhatWasExpectedOneLanguageAtATime) {
  DataFileError error("/g/MENDATA1.txt", 17, {"1 から 13 までのタイル番号", "a tile code"});
  const std::string message = error.PlayerMessage();
  EXPECT_NE(message.find("/g/MENDATA1.txt"), std::string::npos);
  EXPECT_NE(message.find("17 行目"), std::string::npos);
  EXPECT_NE(message.find("1 から 13 までのタイル番号"), std::string::npos);
  EXPECT_EQ(message.find("a tile code"), std::string::npos);
  EXPECT_STREQ(error.what(), "/g/MENDATA1.txt, line 17: expected a tile code");
}

TEST(ProgramFolder, EndsInExactlyOneSeparator) {
  EXPECT_EQ(FolderWithSeparator("/opt/kelvora", '/'), "/opt/kelvora/");
  EXPECT_EQ(FolderWithSeparator("/", '/'), "/");
  EXPECT_EQ(FolderWithSeparator("C:\\Games\\KELVORA", '\\'), "C:\\Games\\KELVORA\\");
  EXPECT_EQ(FolderWithSeparator("C:\\", '\\'), "C:\\");
  // Only the one last character is looked at.
  EXPECT_EQ(FolderWithSeparator("C:\\Games/", '\\'), "C:\\Games/\\");
}

}  // namespace
}  // namespace kelvora
