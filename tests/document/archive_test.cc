#include <gtest/gtest.h>

#include "company/class_table.h"
#include "document/archive_reader.h"
#include "document/archive_writer.h"
#include "document/string_array.h"
#include "support/archive_bytes.h"

namespace quorvex {
namespace {

using testing::ArchiveBytes;

std::string written(std::string text) {
  ArchiveWriter writer{documentClasses()};
  writer.io(text);
  return writer.bytes();
}

TEST(ArchiveStrings, PrefixFormsAtTheirBoundaries) {
  EXPECT_EQ(written(""), std::string(1, '\0'));
  EXPECT_EQ(written("Acme"), std::string("\x04" "Acme"));
  EXPECT_EQ(written(std::string(254, 'a')).substr(0, 1), "\xFE");
  EXPECT_EQ(written(std::string(255, 'a')).substr(0, 3), std::string("\xFF\xFF\x00", 3));
  EXPECT_EQ(written(std::string(65533, 'a')).substr(0, 3), std::string("\xFF\xFD\xFF", 3));
  EXPECT_EQ(written(std::string(65534, 'a')).substr(0, 7),
            std::string("\xFF\xFF\xFF\xFE\xFF\x00\x00", 7));
  for (size_t length : {0u, 254u, 255u, 65533u, 65534u, 70000u}) {
    std::string text(length, 'x');
    std::string bytes = written(text);
    ArchiveReader reader(bytes, documentClasses());
    std::string back;
    reader.io(back);
    EXPECT_TRUE(reader.ok());
    EXPECT_TRUE(reader.atEnd());
    EXPECT_EQ(back, text);
  }
}

TEST(ArchiveCounts, LongFormFromFFFF) {
  for (uint32_t count : {0u, 0xFFFEu, 0xFFFFu, 0x12345u}) {
    ArchiveWriter writer{documentClasses()};
    uint32_t n = count;
    writer.ioCount(n, 0);
    EXPECT_EQ(writer.bytes().size(), count < 0xFFFF ? 2u : 6u);
    ArchiveReader reader(writer.bytes(), documentClasses());
    uint32_t back = 0;
    reader.ioCount(back, 0);
    EXPECT_EQ(back, count);
  }
}

TEST(ArchiveReading, CountLargerThanTheFileFails) {
  std::string bytes = ArchiveBytes().count(0x10000).str("one").bytes();
  ArchiveReader reader(bytes, documentClasses());
  std::vector<std::string> list;
  reader.ioStringList(list);
  EXPECT_FALSE(reader.ok());
  EXPECT_TRUE(list.empty());
  EXPECT_NE(reader.error().find("byte offset 6"), std::string::npos) << reader.error();
}

TEST(ArchiveReading, StringLongerThanTheFileFails) {
  ArchiveBytes bytes;
  bytes.byte(0xFF).word(0xFFFF).uint32(0xFFFFFFF0).raw("ab");
  ArchiveReader reader(bytes, documentClasses());
  std::string text;
  reader.io(text);
  EXPECT_FALSE(reader.ok());
  EXPECT_TRUE(text.empty());
}

TEST(ArchiveReading, AfterAFailureEveryReadYieldsZero) {
  ArchiveBytes bytes;
  bytes.byte(1);
  ArchiveReader reader(bytes, documentClasses());
  int32_t value = 7;
  reader.io(value);
  EXPECT_FALSE(reader.ok());
  EXPECT_EQ(value, 0);
  std::string first_error = reader.error();
  uint8_t byte = 9;
  reader.io(byte);
  EXPECT_EQ(byte, 0);
  EXPECT_EQ(reader.error(), first_error);
}

TEST(ArchiveObjects, ClassDescriptionOnceThenNewObjectTags) {
  ArchiveWriter writer{documentClasses()};
  Owned<CStringArray> first = makeOwned<CStringArray>();
  Owned<CStringArray> second = makeOwned<CStringArray>();
  first->strings = {"a"};
  writer.ioObject(first);
  writer.ioObject(second);
  writer.ioObject(first);  // the same object again: a back-reference
  std::string expected = ArchiveBytes()
                             .newClass("CStringArray", 0).count(1).str("a")
                             .newObjectOf(1).count(0)
                             .word(2)
                             .bytes();
  EXPECT_EQ(writer.bytes(), expected);

  ArchiveReader reader(expected, documentClasses());
  Owned<CStringArray> a, b, c;
  reader.ioObject(a);
  reader.ioObject(b);
  reader.ioObject(c);
  ASSERT_TRUE(reader.ok()) << reader.error();
  EXPECT_EQ(a->strings, std::vector<std::string>{"a"});
  EXPECT_TRUE(b->strings.empty());
  ASSERT_TRUE(c);
  EXPECT_EQ(c->strings, a->strings);
  EXPECT_NE(c.get(), a.get());
}

TEST(ArchiveObjects, HostileReferencesAreRefused) {
  struct Case {
    const char* what;
    std::string bytes;
  } cases[] = {
      {"unknown class", ArchiveBytes().newClass("CNoSuchClass", 1).bytes()},
      {"wrong schema of a non-versionable class", ArchiveBytes().newClass("CStringArray", 3).count(0).bytes()},
      {"class index not yet assigned", ArchiveBytes().newObjectOf(5).count(0).bytes()},
      {"back-reference not yet assigned", ArchiveBytes().word(3).bytes()},
      {"back-reference to a class", ArchiveBytes().newClass("CStringArray", 0).count(0).word(1).bytes()},
      {"new object of an object index", ArchiveBytes().newClass("CStringArray", 0).count(0).newObjectOf(2).count(0).bytes()},
      {"long class name", ArchiveBytes().word(0xFFFF).word(0).word(200).raw(std::string(200, 'C')).bytes()},
      {"truncated class tag", ArchiveBytes().word(0xFFFF).word(0).bytes()},
      {"long index form not yet assigned", ArchiveBytes().word(0x7FFF).uint32(0x80000009).bytes()},
  };
  for (const Case& c : cases) {
    ArchiveReader reader(c.bytes, documentClasses());
    Owned<CStringArray> object;
    reader.ioObject(object);
    if (c.bytes.find("CStringArray") != std::string::npos && reader.ok()) reader.ioObject(object);
    EXPECT_FALSE(reader.ok()) << c.what;
    EXPECT_FALSE(object) << c.what;
  }

  // A class name with control bytes is shown escaped, with its offset after.
  using namespace std::string_literals;
  const std::string bytes = ArchiveBytes().newClass("CPa\0ge\x1B[2J"s, 1).bytes();
  ArchiveReader reader(bytes, documentClasses());
  Owned<CStringArray> object;
  reader.ioObject(object);
  EXPECT_EQ(reader.error(),
            "expected a known class name, not \"CPa\\x00ge\\x1B[2J\" at byte offset 6");
}

}  // namespace
}  // namespace quorvex
