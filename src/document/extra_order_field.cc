#include "document/extra_order_field.h"

#include <algorithm>
#include <array>

#include "document/archive.h"
#include "document/field_visitor.h"

namespace quorvex {
namespace {

// The order form's own fields.
constexpr std::array<std::string_view, 44> kReservedIdentifiers = {
    "creditcheck",   "currency",     "username",       "pgpuserid",
    "cybercash",     "vendor",       "subject",        "shippingMeans",
    "shoppingList",  "downloadList", "ftpexpires",     "checkPPos",
    "PPosID",        "PPosEmail",    "reject",         "capture",
    "avsCode",       "URLPath",      "shippingCharge", "tax",
    "shipFName",     "shipLName",    "shipStreet2",    "shipCity",
    "shipState",     "shipZip",      "shipCountry",    "mailingBox",
    "fname",         "lname",        "street2",        "city",
    "state",         "zip",          "country",        "phone",
    "fax",           "customer",     "cardtype",       "cardnumber",
    "expdate_month", "expdate_year", "submit",         "timeout",
};

bool isLetterOrDigit(char c) {
  return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9');
}

}  // namespace

bool CExtraOrderField::isReservedIdentifier(std::string_view identifier) {
  return std::ranges::find(kReservedIdentifiers, identifier) != kReservedIdentifiers.end();
}

Status CExtraOrderField::checkEntries() const {
  if (description.empty() || identifier.empty() || maxLength.empty() || fieldSize.empty()) {
    return Status::invalidArgument("Sorry, no field may be left blank.");
  }
  if (!std::ranges::all_of(identifier, isLetterOrDigit)) {
    return Status::invalidArgument(
        "Sorry, the identifier must consist of only letters and numbers.");
  }
  return Status::success();
}

Status CExtraOrderField::checkIdentifierAvailable(const std::vector<CExtraOrderField>& fields,
                                                  std::string_view identifier,
                                                  std::optional<size_t> edited) {
  bool inUse = isReservedIdentifier(identifier);
  for (size_t i = 0; i < fields.size() && !inUse; ++i) {
    inUse = i != edited && fields[i].identifier == identifier;
  }
  if (!inUse) return Status::success();
  return Status::invalidArgument(
      "Sorry, the identifier you entered is already in use.\nPlease, enter a different "
      "identifier.");
}

void CExtraOrderField::serialize(Archive& ar) {
  if (ar.recordVersion(1) != 1) return;
  ar.io(description);
  ar.io(identifier);
  ar.io(maxLength);
  ar.io(fieldSize);
}

void CExtraOrderField::visitFields(FieldVisitor& visitor) {
  visitor.field("description", description);
  visitor.field("identifier", identifier);
  visitor.field("maxLength", maxLength);
  visitor.field("fieldSize", fieldSize);
}

}  // namespace quorvex
