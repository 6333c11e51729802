#ifndef QUORVEX_PRODUCTS_DBASE_H_
#define QUORVEX_PRODUCTS_DBASE_H_

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "document/record.h"

namespace quorvex {

// The legacy descriptor of the product table. Documents of format versions 1
// and 2 keep the table settings here; the document moves them into the
// product table after reading such a document
// (CExtraFields::takeLegacySettings). Current documents hold an empty one.
class CDBase : public Record {
  QUORVEX_RECORD(CDBase)

 public:
  // The current schema: stores nothing.
  static constexpr uint16_t kSchema = 3;

  // The file the rows came from.
  std::string sourcePath;
  // Lines before the first row of the source file, plus one.
  int32_t headerLines = 0;
  char delimiter = ',';
  char quoteChar = '"';
  // The positions in a source line of the Part Number, Description, Price,
  // Weight and Category columns; -1 when the column is not used.
  std::array<int32_t, 5> columnPositions = {-1, -1, -1, -1, -1};
  std::vector<std::string> categoryNames;
  // Parallel to categoryNames: the names shown on the web pages.
  std::vector<std::string> categoryDescriptions;
  // 1 when the table was maintained in the program (schema 2 only).
  int32_t inProgram = 0;

  // Schema 3 writes and reads nothing. Schemas 1 and 2 read sourcePath,
  // headerLines, delimiter, quoteChar (one byte each), the five column
  // positions, categoryNames, categoryDescriptions and, in schema 2,
  // inProgram. Any other stored schema fails the archive: its layout is
  // unknown and the bytes that follow could not be found.
  void serialize(Archive& ar) override;
  // Visits nothing: the current form stores no field.
  void visitFields(FieldVisitor& visitor) override;
};

}  // namespace quorvex

#endif  // QUORVEX_PRODUCTS_DBASE_H_
