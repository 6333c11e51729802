#ifndef QUORVEX_COMPANY_DOCUMENT_JSON_H_
#define QUORVEX_COMPANY_DOCUMENT_JSON_H_

#include "company/brenquil_doc.h"
#include "document/json_form.h"

namespace quorvex {

// The JSON form of a whole document: one object whose keys are the member
// names, each record an object with its "class".
Json documentToJson(CBrenquilDoc& doc);

// Replaces the document's content by `json`. Starts from new-document values,
// so members the JSON leaves out keep them. Refuses unknown members, classes
// and fields, wrong types, and a format version other than the current one;
// after a refusal the document holds new-document values.
Status documentFromJson(const Json& json, CBrenquilDoc& doc);

}  // namespace quorvex

#endif  // QUORVEX_COMPANY_DOCUMENT_JSON_H_
