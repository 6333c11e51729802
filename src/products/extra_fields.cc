#include "products/extra_fields.h"

#include "document/archive.h"
#include "document/field_visitor.h"
#include "products/dbase.h"

namespace quorvex {

namespace {

// The columnIndex entries stored before inProgram: 0 to 11 up to schema 5,
// 0 to 14 in schemas 6 and 7, 0 to 15 from schema 8 (entry 16 comes later).
int32_t leadingColumnsStored(uint16_t schema) {
  if (schema <= 5) return 12;
  if (schema <= 7) return 15;
  return 16;
}

}  // namespace

void CExtraFields::takeLegacySettings(const CDBase& legacy) {
  sourcePath = legacy.sourcePath;
  headerLines = legacy.headerLines;
  delimiter = legacy.delimiter;
  quoteChar = legacy.quoteChar;
  for (size_t i = 0; i < legacy.columnPositions.size(); ++i) {
    columnIndex[i] = legacy.columnPositions[i];
  }
  categoryNames = legacy.categoryNames;
  categoryDescriptions = legacy.categoryDescriptions;
  inProgram = legacy.inProgram;
}

void CExtraFields::serialize(Archive& ar) {
  const uint16_t schema = ar.isLoading() ? ar.schema() : kSchema;
  if (schema < 1 || schema > kSchema) {
    ar.fail("CExtraFields of schema 1 to 12, not " + std::to_string(schema));
    return;
  }
  if (schema <= 3) {
    int32_t discarded = 0;
    ar.io(discarded);
  }
  if (schema <= 2) {
    imageResizeAll = 0;
    imageWidth = 100;
  } else {
    ar.io(imageResizeAll);
    ar.io(imageWidth);
  }
  ar.ioInlineList(rows);
  if (schema >= 2) ar.ioInlineList(featureDefinitions);
  if (schema >= 5) ioCategorySettings(ar, schema);
  if (schema >= 10) ioSortSettings(ar, schema);
  if (schema >= 12) categoryLinkFont.serialize(ar);
}

void CExtraFields::ioCategorySettings(Archive& ar, uint16_t schema) {
  ar.ioStringList(categoryNames);
  ar.ioStringList(categoryDescriptions);
  if (schema >= 9) ar.ioStringList(categoryPageLinks);
  ar.io(headerLines);
  ar.ioBytes(&delimiter, 1);
  ar.ioBytes(&quoteChar, 1);
  ar.io(sourcePath);
  const int32_t leading = leadingColumnsStored(schema);
  for (int32_t column = 0; column < leading; ++column) ar.io(columnIndex[column]);
  ar.io(inProgram);
  if (schema >= 7) ar.io(pictureFolder);
}

void CExtraFields::ioSortSettings(Archive& ar, uint16_t schema) {
  for (int32_t* value :
       {&sortEnabled, &sortThenEnabled, &sortThen2Enabled, &sortKey1, &sortDescending1, &sortKey2,
        &sortDescending2, &sortKey3, &sortDescending3}) {
    ar.io(*value);
  }
  if (schema >= 11) ar.io(columnIndex[kTaxFlagColumn]);
}

void CExtraFields::visitFields(FieldVisitor& visitor) {
  visitor.field("imageResizeAll", imageResizeAll);
  visitor.field("imageWidth", imageWidth);
  visitor.field("rows", rows);
  visitor.field("featureDefinitions", featureDefinitions);
  visitor.field("categoryNames", categoryNames);
  visitor.field("categoryDescriptions", categoryDescriptions);
  visitor.field("categoryPageLinks", categoryPageLinks);
  visitor.field("headerLines", headerLines);
  visitor.field("delimiter", delimiter);
  visitor.field("quoteChar", quoteChar);
  visitor.field("sourcePath", sourcePath);
  visitor.field("columnIndex", columnIndex);
  visitor.field("inProgram", inProgram);
  visitor.field("pictureFolder", pictureFolder);
  visitor.field("sortEnabled", sortEnabled);
  visitor.field("sortThenEnabled", sortThenEnabled);
  visitor.field("sortThen2Enabled", sortThen2Enabled);
  visitor.field("sortKey1", sortKey1);
  visitor.field("sortDescending1", sortDescending1);
  visitor.field("sortKey2", sortKey2);
  visitor.field("sortDescending2", sortDescending2);
  visitor.field("sortKey3", sortKey3);
  visitor.field("sortDescending3", sortDescending3);
  visitor.field("categoryLinkFont", categoryLinkFont);
}

}  // namespace quorvex
