#include "site/site_template.h"

#include <algorithm>
#include <string_view>

#include "document/archive.h"
#include "document/field_visitor.h"
#include "site/page_type.h"
#include "site/template_folder_util.h"

namespace quorvex {

namespace {

// The names of the templates at the positions 1 to 6 of the folder that the
// stored forms before schema 5 refer to; any other position was the default.
const char* nameOfOldIndex(int32_t index) {
  static constexpr const char* kOldNames[] = {
      "Complete commercial web site", "Informative web site", "Interactive web site",
      "Just add commerce to my site", "Service industry web site", "Site without commerce"};
  if (index >= 1 && index <= 6) return kOldNames[index - 1];
  return CSiteTemplate::kDefaultTemplateName;
}

// Templates added after the stored index forms; they do not count when an
// old index is looked up in today's folder.
bool isLaterTemplate(std::string_view name) {
  for (std::string_view later : {"E-Magazine(no commerce)", "E-Magazine(commerce)",
                                 "Specific Categories"}) {
    if (name.find(later) != std::string_view::npos) return true;
  }
  return false;
}

struct PageDisplayName {
  const char* name;
  int32_t type;
};

constexpr PageDisplayName kPageDisplayNames[] = {
    {"Home Page", kHomePageType},
    {"Contact Page", kContactPageType},
    {"Info Page", kInfoPageType},
    {"Quorvex Pages", kProductPagesGroup},
    {"Coupon Page", kCouponPageType},
    {"Articles Page", kArticlesPageType},
    {"Newspaper Page", kNewspaperPageType},
    {"Magazine Page", kMagazinePageType},
    {"Specific Category Page", kSpecCategoryPageType},
};

}  // namespace

int32_t CSiteTemplate::typeOfName(std::string_view name) {
  for (const PageDisplayName& entry : kPageDisplayNames) {
    if (name == entry.name) return entry.type;
  }
  return 0;
}

std::string CSiteTemplate::nameOfType(int32_t type) {
  for (const PageDisplayName& entry : kPageDisplayNames) {
    if (type == entry.type) return entry.name;
  }
  return "";
}

std::vector<std::string> CSiteTemplate::pageNames() const {
  std::vector<std::string> names;
  for (int32_t type : pageTypes) names.push_back(nameOfType(type));
  return names;
}

int32_t CSiteTemplate::find(const std::string& name) const {
  auto it = std::find(templateNames.begin(), templateNames.end(), name);
  return it == templateNames.end() ? -1 : static_cast<int32_t>(it - templateNames.begin());
}

const std::string* CSiteTemplate::nameAtCurrentIndex() const {
  if (currentIndex < 0 || static_cast<size_t>(currentIndex) >= templateNames.size()) {
    return nullptr;
  }
  return &templateNames[currentIndex];
}

bool CSiteTemplate::isAddOn() const {
  const std::string* name = nameAtCurrentIndex();
  return name != nullptr && *name == kAddOnTemplateName;
}

std::string CSiteTemplate::newName() const { return firstFreeName("New Site", templateNames); }

void CSiteTemplate::clearAddOnState() {
  indexInstalled = 0;
  locationConfirmed = 0;
}

void CSiteTemplate::adoptNameFromOldIndex(const std::vector<std::string>& sortedNames) {
  if (!nameFromOldIndex_) return;
  nameFromOldIndex_ = false;
  int32_t rank = 0;
  for (const std::string& name : sortedNames) {
    if (isLaterTemplate(name)) continue;
    if (rank == currentIndex) {
      currentName = name;
      return;
    }
    ++rank;
  }
}

// Reading by schema:
//   1: templateNames, currentIndex, existingSiteFolder, oldIndexName, an
//      unused int;
//   2: the int is indexInstalled;
//   3: then existingIndexName;
//   4: then verifyIndexMarker and locationConfirmed (before: both 0);
//   5: then currentName (before: the name of the stored index, see
//      adoptNameFromOldIndex).
void CSiteTemplate::serialize(Archive& ar) {
  const uint16_t schema = ar.schema();
  ar.ioStringList(templateNames);
  ar.io(currentIndex);
  ar.io(existingSiteFolder);
  ar.io(oldIndexName);
  if (schema >= 2) {
    ar.io(indexInstalled);
  } else {
    int32_t unused = 0;
    ar.io(unused);
  }
  if (schema >= 3) ar.io(existingIndexName);
  if (schema >= 4) {
    ar.io(verifyIndexMarker);
    ar.io(locationConfirmed);
  } else if (ar.isLoading()) {
    verifyIndexMarker = 0;
    locationConfirmed = 0;
  }
  if (schema >= 5) {
    ar.io(currentName);
  } else if (ar.isLoading()) {
    currentName = nameOfOldIndex(currentIndex);
    nameFromOldIndex_ = true;
  }
}

void CSiteTemplate::visitFields(FieldVisitor& visitor) {
  visitor.field("templateNames", templateNames);
  visitor.field("currentIndex", currentIndex);
  visitor.field("existingSiteFolder", existingSiteFolder);
  visitor.field("oldIndexName", oldIndexName);
  visitor.field("indexInstalled", indexInstalled);
  visitor.field("existingIndexName", existingIndexName);
  visitor.field("verifyIndexMarker", verifyIndexMarker);
  visitor.field("locationConfirmed", locationConfirmed);
  visitor.field("currentName", currentName);
}

}  // namespace quorvex
