#ifndef QUORVEX_DOCUMENT_JSON_FORM_H_
#define QUORVEX_DOCUMENT_JSON_FORM_H_

#include <functional>
#include <nlohmann/json.hpp>
#include <string>

#include "document/field_visitor.h"
#include "platform/status.h"

namespace quorvex {

// The JSON form of records: one object per record with a "class" key and one
// key per visited field, named as the field; lists as arrays, numbers as
// numbers, a LogFont as an object with the Windows field names, text
// converted from Windows-1252 to UTF-8.
using Json = nlohmann::ordered_json;

// Calls `visit_fields` with a visitor that collects the fields into an object.
Json fieldsToJson(const std::function<void(FieldVisitor&)>& visit_fields);

// Fills the fields named by `visit_fields` from `object`; records of object
// lists are made from the classes of `registry`, which must outlive the call. Fails with a message
// naming the place (`where`, then the path of keys) when a value has the wrong
// type or range, when a key names no field, or when a list element names a
// class the list cannot hold. Fields missing from `object` keep their values.
Status fieldsFromJson(const ClassRegistry& registry, const Json& object, const std::function<void(FieldVisitor&)>& visit_fields,
                      const std::string& where);

}  // namespace quorvex

#endif  // QUORVEX_DOCUMENT_JSON_FORM_H_
