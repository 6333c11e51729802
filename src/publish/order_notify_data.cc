#include "publish/order_notify_data.h"

#include <optional>
#include <system_error>

#include "document/archive.h"
#include "document/field_visitor.h"
#include "platform/env.h"
#include "platform/home_folders.h"
#include "platform/paths.h"
#include "platform/strings.h"
#include "platform/text_file.h"

namespace quorvex {

namespace {

constexpr NotifyField kNotifyFields[] = {
    {"DATE", "Date"},
    {"CUSTOMERID", "Customer ID (12 digits)"},
    {"FNAME", "Billing First Name"},
    {"LNAME", "Billing Last Name"},
    {"STREET", "Billing Street"},
    {"STREET2", "Billing Street Line Two"},
    {"CITY", "Billing City"},
    {"STATE", "Billing State"},
    {"ZIP", "Billing Zip/Postal Code"},
    {"COUNTRY", "Billing Country"},
    {"SHIPFNAME", "Shipping First Name"},
    {"SHIPLNAME", "Shipping Last Name"},
    {"SHIPSTREET", "Shipping Street"},
    {"SHIPSTREET2", "Shipping Street Line Two"},
    {"SHIPCITY", "Shipping City"},
    {"SHIPSTATE", "Shipping State"},
    {"SHIPZIP", "Shipping Zip/Postal Code"},
    {"SHIPCOUNTRY", "Shipping Country"},
    {"CUSTOMER", "E-mail Address"},
    {"PHONE", "Phone Number"},
    {"FAX", "Fax Number"},
    {"CREDITTYPE", "Credit Card Type"},
    {"LAST5CC", "Last Five Digits Of Credit Card"},
    {"CARDNUMBER", "Full Credit Card Number"},
    {"EXPDATE_MONTH", "Credit Card Expiration Month"},
    {"EXPDATE_YEAR", "Credit Card Expiration Year"},
    {"THE_SHOPPING_LIST", "The Shopping List"},
    {"SHIPPINGMEANS", "Shipping Type"},
    {"SUBTOTAL", "Sub-total"},
    {"TAX", "Tax Charge"},
    {"SHIPPINGCHARGE", "Shipping Charge"},
    {"GRANDTOTAL", "Grand Total"},
    {"COMMENTS", "Comments"},
    {"REMOTEADDR", "IP Address"},
    {"HTTPUSERAGENT", "Browser Type"},
    {"STOREID", "Store ID"},
    {"ORDERNUMBER", "Order Number (6 digits)"},
    {"DOWNLOADURL", "URL For Downloaded Items"},
    {"FTPEXPIRES", "Downloaded Items Expiration"},
    {"RTSTATUS", "CC Authorization Status"},
    {"RTAUTHCODE", "CC Authorization Code"},
    {"RTERRTXT", "CC Authorization Error Text"},
    {"RTTRANSID", "CC Transaction ID"},
    {"RTAVSCODE", "CC Address Verify"},
};

// The field names of the first stored form and the bracketed fields that
// replace them, applied in this order, each to all its occurrences. The last
// four drop the dollar sign of an old amount such as "$SUBTOTAL", which the
// earlier replacements have turned into "$[SUBTOTAL]".
constexpr std::pair<const char*, const char*> kSchemaOneFieldNames[] = {
    {"DATE", "[DATE]"},
    {"BILLFNAME", "[FNAME]"},
    {"BILLLNAME", "[LNAME]"},
    {"BILLSTREET", "[STREET]"},
    {"BILLCITY", "[CITY]"},
    {"BILLSTATE", "[STATE]"},
    {"BILLZIP", "[ZIP]"},
    {"BILLCOUNTRY", "[COUNTRY]"},
    {"CARDTYPE", "[CARDTYPE]"},
    {"SHIPFNAME", "[SHIPFNAME]"},
    {"SHIPLNAME", "[SHIPLNAME]"},
    {"SHIPSTREET", "[SHIPSTREET]"},
    {"SHIPCITY", "[SHIPCITY]"},
    {"SHIPSTATE", "[SHIPSTATE]"},
    {"SHIPZIP", "[SHIPZIP]"},
    {"SHIPCOUNTRY", "[SHIPCOUNTRY]"},
    {"CUSTOMERID", "[CUSTOMERID]"},
    {"SHIPPINGMEANS", "[SHIPPINGMEANS]"},
    {"THE_SHOPPING_LIST", "[THE_SHOPPING_LIST]"},
    {"SUBTOTAL", "[SUBTOTAL]"},
    {"TAX", "[TAX]"},
    {"SHIPPINGCHARGE", "[SHIPPINGCHARGE]"},
    {"GRANDTOTAL", "[GRANDTOTAL]"},
    {"$[SUBTOTAL]", "[SUBTOTAL]"},
    {"$[TAX]", "[TAX]"},
    {"$[SHIPPINGCHARGE]", "[SHIPPINGCHARGE]"},
    {"$[GRANDTOTAL]", "[GRANDTOTAL]"},
};

// The default file of each text, in the order of COrderNotifyData::Text.
constexpr const char* kDefaultFileNames[COrderNotifyData::kTextCount] = {
    "confirm1.txt", "confirm3.txt", "confirm2.txt", "order.txt"};

// Reads the file `name` of the home's "Template Common" folder as text (both
// names found without regard to case). A missing file gives "" silently; an
// error is reported and gives what was read before it.
std::string readTemplateCommonText(const Env& env, const char* name) {
  std::optional<std::filesystem::path> folder = findCaseInsensitive(env.home(), kTemplateCommonFolder);
  if (!folder) return "";
  std::optional<std::filesystem::path> file = findCaseInsensitive(*folder, name);
  if (!file) return "";
  FileLines read = readFileLines(*file, "\r\n");
  if (read.error && read.error != std::errc::no_such_file_or_directory) {
    env.prompter().showMessage("FILE ERROR: " + read.error.message());
  }
  return read.text;
}

}  // namespace

std::span<const NotifyField> notifyFields() { return kNotifyFields; }

std::string bracketedField(std::string_view name) {
  return "[" + std::string(name) + "]";
}

const char* COrderNotifyData::publishedName(Text which) {
  switch (which) {
    case Text::kNormalConfirmation:
      return "confirm1.txt";
    case Text::kDownloadConfirmation:
      return "confirm2.txt";
    case Text::kMixedConfirmation:
      return "confirm3.txt";
    case Text::kMerchantNotification:
      break;
  }
  return "order.txt";
}

std::string& COrderNotifyData::text(Text which) {
  switch (which) {
    case Text::kNormalConfirmation:
      return normalConfirmation;
    case Text::kDownloadConfirmation:
      return downloadConfirmation;
    case Text::kMixedConfirmation:
      return mixedConfirmation;
    case Text::kMerchantNotification:
      break;
  }
  return merchantNotification;
}

const std::string& COrderNotifyData::text(Text which) const {
  return const_cast<COrderNotifyData&>(*this).text(which);
}

std::string COrderNotifyData::defaultText(Text which, const Env& env) {
  return readTemplateCommonText(env, kDefaultFileNames[static_cast<size_t>(which)]);
}

void COrderNotifyData::loadDefaultTexts(const Env& env) {
  for (size_t i = 0; i < kTextCount; ++i) {
    const Text which = static_cast<Text>(i);
    text(which) = defaultText(which, env);
  }
  textNotRead_.fill(false);
}

void COrderNotifyData::loadMissingDefaultTexts(const Env& env) {
  for (size_t i = 0; i < kTextCount; ++i) {
    const Text which = static_cast<Text>(i);
    if (textNotRead_[i]) text(which) = defaultText(which, env);
  }
  textNotRead_.fill(false);
}

void COrderNotifyData::serialize(Archive& ar) {
  const uint16_t schema = ar.schema();
  if (ar.isLoading()) {
    textNotRead_[static_cast<size_t>(Text::kMerchantNotification)] = schema < 2;
    textNotRead_[static_cast<size_t>(Text::kDownloadConfirmation)] = schema < 3;
    textNotRead_[static_cast<size_t>(Text::kMixedConfirmation)] = schema < 3;
    textNotRead_[static_cast<size_t>(Text::kNormalConfirmation)] = false;
  }
  ar.ioStringList(paymentMethods);
  ar.io(normalConfirmation);
  if (schema < 2) {
    if (ar.isLoading()) {
      for (const auto& [old_name, field] : kSchemaOneFieldNames) {
        replaceAll(normalConfirmation, old_name, field);
      }
    }
    return;
  }
  ar.io(merchantNotification);
  if (schema < 3) return;
  ar.io(downloadConfirmation);
  ar.io(mixedConfirmation);
}

void COrderNotifyData::visitFields(FieldVisitor& visitor) {
  visitor.field("paymentMethods", paymentMethods);
  visitor.field("normalConfirmation", normalConfirmation);
  visitor.field("merchantNotification", merchantNotification);
  visitor.field("downloadConfirmation", downloadConfirmation);
  visitor.field("mixedConfirmation", mixedConfirmation);
}

bool COrderNotifyData::operator==(const COrderNotifyData& other) const {
  return paymentMethods == other.paymentMethods &&
         normalConfirmation == other.normalConfirmation &&
         merchantNotification == other.merchantNotification &&
         downloadConfirmation == other.downloadConfirmation &&
         mixedConfirmation == other.mixedConfirmation;
}

}  // namespace quorvex
