#include "support/stored_document_writer.h"

#include "company/brenquil_doc.h"

namespace quorvex::testing {

void StoredDocumentWriter::writeStart(CBrenquilDoc& doc,
                                      const std::vector<std::string>& placeholderText) {
  archive_.io(doc.m_strCompanyName);
  archive_.ioObject(doc.m_pBusiness);
  archive_.ioObject(doc.m_pFtp);
  archive_.ioObject(doc.m_pShipping);
  archive_.ioObject(doc.m_pContact);
  archive_.ioObject(doc.m_pTax);
  for (int i = 0; i < 3; ++i) writePlaceholder(placeholderText);
}

void StoredDocumentWriter::writePlaceholder(const std::vector<std::string>& text) {
  Owned<CStringArray>& placeholder = placeholders_.emplace_back(makeOwned<CStringArray>());
  placeholder->strings = text;
  archive_.ioObject(placeholder);
}

}  // namespace quorvex::testing
