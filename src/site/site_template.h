#ifndef QUORVEX_SITE_SITE_TEMPLATE_H_
#define QUORVEX_SITE_SITE_TEMPLATE_H_

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "document/record.h"

namespace quorvex {

// The chosen site template (the kind of site and the pages it has), the
// template names found in the "Site Templates" folder, and the state of an
// add-on site, which adds the shop to a site the user already has.
class CSiteTemplate : public Record {
  QUORVEX_RECORD(CSiteTemplate)

 public:
  // The default template and the fallback when the chosen one is missing.
  static constexpr const char* kDefaultTemplateName = "Basic commerce web site";
  // The template that adds the shop to a site the user already has.
  static constexpr const char* kAddOnTemplateName = "Just add commerce to my site";

  // Add-on site: the folder of the user's existing site, ending with a path
  // separator; the name under which its index page is kept; the file name of
  // its index page.
  std::string existingSiteFolder;
  std::string oldIndexName = "home.html";
  std::string existingIndexName;
  // Add-on state of the save-site run (flags).
  int32_t indexInstalled = 0;
  int32_t verifyIndexMarker = 1;
  int32_t locationConfirmed = 0;
  // The position of the chosen template in templateNames.
  int32_t currentIndex = 0;
  // The name of the chosen template; this, not currentIndex, identifies the
  // choice when the folder changes.
  std::string currentName = kDefaultTemplateName;
  // The template names found in the folder, sorted.
  std::vector<std::string> templateNames;
  // The page types of the chosen template, read from its file whenever the
  // template is selected. Not stored.
  std::vector<int32_t> pageTypes;

  // Returns the page type that a page display name of a template file stands
  // for ("Home Page" 4000, "Quorvex Pages" the product group 4004, ...; exact
  // comparison), 0 for any other text. Type 0 creates no page.
  static int32_t typeOfName(std::string_view name);
  // Returns the display name of a page type, "" for a type without one.
  static std::string nameOfType(int32_t type);

  // Appends the page type of the display name `name` to pageTypes.
  void addType(std::string_view name) { pageTypes.push_back(typeOfName(name)); }
  // Returns the display names of pageTypes, in order.
  std::vector<std::string> pageNames() const;

  // Returns the position of exactly `name` in templateNames, or -1.
  int32_t find(const std::string& name) const;
  // Returns the name at currentIndex, or null when currentIndex lies outside
  // templateNames. The pointer lives until templateNames changes.
  const std::string* nameAtCurrentIndex() const;
  // True when the template at currentIndex is the add-on template.
  bool isAddOn() const;
  // Returns "New Site", or the first of "New Site 2", "New Site 3", ... that
  // no template bears.
  std::string newName() const;
  // Forgets the add-on site's set-up (indexInstalled and locationConfirmed),
  // as choosing another template does.
  void clearAddOnState();

  // A record read from a stored form older than schema 5 knows its template
  // only by its position in the folder of that time; the read gives it the
  // name that position had then. Given `sortedNames`, the names now in the
  // folder in sorted order, this takes currentName from the same position
  // among the names that contain none of "E-Magazine(no commerce)",
  // "E-Magazine(commerce)" and "Specific Categories" (templates added later),
  // when there are enough of them. Does nothing for any other record. To be
  // called once after reading, with the folder scanned.
  void adoptNameFromOldIndex(const std::vector<std::string>& sortedNames);

  // Schema 5: templateNames, currentIndex, existingSiteFolder, oldIndexName,
  // indexInstalled, existingIndexName, verifyIndexMarker, locationConfirmed,
  // currentName. Schemas 1 to 4 store a prefix of it (schema 1 with an unused
  // int in place of indexInstalled); what they lack is explained in the .cc.
  void serialize(Archive& ar) override;
  void visitFields(FieldVisitor& visitor) override;

 private:
  // Set by reading a form older than schema 5 until adoptNameFromOldIndex
  // runs (not stored).
  bool nameFromOldIndex_ = false;
};

}  // namespace quorvex

#endif  // QUORVEX_SITE_SITE_TEMPLATE_H_
