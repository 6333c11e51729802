#include "company/document_json.h"

#include <string>

#include "company/class_table.h"

namespace quorvex {

Json documentToJson(CBrenquilDoc& doc) {
  return fieldsToJson([&doc](FieldVisitor& visitor) { doc.visitFields(visitor); });
}

Status documentFromJson(const Json& json, CBrenquilDoc& doc) {
  doc.makeNewRecords();
  Status status =
      fieldsFromJson(documentClasses(), json, [&doc](FieldVisitor& visitor) { doc.visitFields(visitor); }, "document");
  if (status.ok() && doc.m_nFormatVersion != CBrenquilDoc::kFormatVersion) {
    status = Status::corruption("document.m_nFormatVersion: expected " +
                                std::to_string(CBrenquilDoc::kFormatVersion));
  }
  if (!status.ok()) {
    doc.makeNewRecords();
    doc.m_nFormatVersion = CBrenquilDoc::kFormatVersion;
    return status;
  }
  doc.makeNewRecordsWhereMissing();
  doc.repairAfterReading();
  return Status::success();
}

}  // namespace quorvex
