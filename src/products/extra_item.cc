#include "products/extra_item.h"

#include "document/archive.h"
#include "document/field_visitor.h"
#include "platform/strings.h"
#include "products/product_column.h"
#include "products/product_text.h"

namespace quorvex {

namespace {

using TextMember = std::string CExtraItem::*;
using FlagMember = int32_t CExtraItem::*;

// The text field of `column`, or null for a flag column or a number outside
// the columns.
TextMember textMember(int32_t column) {
  switch (column) {
    case kPartNumberColumn: return &CExtraItem::partNumber;
    case kDescriptionColumn: return &CExtraItem::description;
    case kPriceColumn: return &CExtraItem::price;
    case kWeightColumn: return &CExtraItem::weight;
    case kCategoryColumn: return &CExtraItem::category;
    case kSalesDescriptionColumn: return &CExtraItem::salesDescription;
    case kLinkColumn: return &CExtraItem::link;
    case kPictureColumn: return &CExtraItem::picture;
    case kDownloadPathColumn: return &CExtraItem::downloadPath;
    case kDownloadPasswordColumn: return &CExtraItem::downloadPassword;
    default: return nullptr;
  }
}

// The flag field of `column`, or null for a text column or a number outside
// the columns.
FlagMember flagMember(int32_t column) {
  switch (column) {
    case kPictureFlagColumn: return &CExtraItem::pictureFlag;
    case kLinkFlagColumn: return &CExtraItem::linkFlag;
    case kPublishStateColumn: return &CExtraItem::publishState;
    case kFeatureFlagColumn: return &CExtraItem::featureFlag;
    case kDownloadFlagColumn: return &CExtraItem::downloadFlag;
    case kUploadFlagColumn: return &CExtraItem::uploadFlag;
    case kTaxFlagColumn: return &CExtraItem::taxFlag;
    default: return nullptr;
  }
}

// True for the text columns that keep the text exactly as it was set.
bool keepsTextAsGiven(int32_t column) {
  return column == kPartNumberColumn || column == kDescriptionColumn || column == kWeightColumn;
}

}  // namespace

std::string CExtraItem::columnText(int32_t column) const {
  switch (column) {
    case kPartNumberColumn: return cleanPartNumber(partNumber);
    case kDescriptionColumn: return cleanDescription(description);
    case kDownloadPathColumn: return cleanDownloadText(downloadPath);
    case kDownloadPasswordColumn: return cleanDownloadText(downloadPassword);
    default: break;
  }
  if (TextMember text = textMember(column)) return this->*text;
  if (FlagMember flag = flagMember(column)) return std::to_string(this->*flag);
  return "";
}

bool CExtraItem::setText(int32_t column, std::string_view text) {
  TextMember member = textMember(column);
  if (member == nullptr) return false;
  // Assigned in place, so that a value refilled row after row keeps its room.
  (this->*member).assign(keepsTextAsGiven(column) ? text : trim(text));
  return true;
}

int32_t CExtraItem::flag(int32_t column) const {
  FlagMember member = flagMember(column);
  return member == nullptr ? 0 : this->*member;
}

bool CExtraItem::setFlag(int32_t column, int32_t value) {
  FlagMember member = flagMember(column);
  if (member == nullptr) return false;
  this->*member = value;
  return true;
}

void CExtraItem::serialize(Archive& ar) {
  const int32_t version = ar.recordVersion(kVersion);
  ar.io(partNumber);
  ar.io(salesDescription);
  ar.io(link);
  ar.io(picture);
  ar.io(pictureFlag);
  ar.io(linkFlag);
  ar.io(publishState);
  ar.io(featureFlag);
  switch (version) {
    case 2:
      ar.ioInlineList(featureSelections);
      break;
    case 3:
    case 4:
      ar.ioInlineList(featureSelections);
      ar.io(category);
      ar.io(description);
      ar.io(price);
      ar.io(weight);
      if (version == 4) ioDownload(ar);
      break;
    case 5:
    case 6:
      ar.ioInlineList(featureSelections);
      ioDownload(ar);
      if (version == 6) ar.io(uploadFlag);
      break;
    default:
      break;
  }
}

void CExtraItem::ioDownload(Archive& ar) {
  ar.io(downloadFlag);
  ar.io(downloadPath);
  ar.io(downloadPassword);
}

void CExtraItem::visitFields(FieldVisitor& visitor) {
  visitor.field("partNumber", partNumber);
  visitor.field("salesDescription", salesDescription);
  visitor.field("link", link);
  visitor.field("picture", picture);
  visitor.field("pictureFlag", pictureFlag);
  visitor.field("linkFlag", linkFlag);
  visitor.field("publishState", publishState);
  visitor.field("featureFlag", featureFlag);
  visitor.field("featureSelections", featureSelections);
  visitor.field("downloadFlag", downloadFlag);
  visitor.field("downloadPath", downloadPath);
  visitor.field("downloadPassword", downloadPassword);
  visitor.field("uploadFlag", uploadFlag);
}

}  // namespace quorvex
