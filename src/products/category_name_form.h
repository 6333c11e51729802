#ifndef QUORVEX_PRODUCTS_CATEGORY_NAME_FORM_H_
#define QUORVEX_PRODUCTS_CATEGORY_NAME_FORM_H_

#include <string>
#include <string_view>

namespace quorvex {

// The description of a category whose products are never published.
inline constexpr std::string_view kDoNotPublishDescription = "DO NOT PUBLISH";

// The values of the "Category Name" dialog ("Category:", "Description:",
// "&Do NOT publish any items in this category"), used by the import wizard's
// category page and by "Edit Category Names".
struct CategoryNameForm {
  // Opens the dialog on a category and its current description: the box
  // starts checked, with an empty description, when the description is
  // "DO NOT PUBLISH".
  static CategoryNameForm open(std::string category, std::string_view description);

  // The description field is read-only while the box is checked.
  bool descriptionReadOnly() const { return doNotPublish; }

  // The description the category gets on OK: "DO NOT PUBLISH" when the box
  // is checked, the entered text otherwise.
  std::string confirmedDescription() const;

  std::string category;
  // The text of the description field.
  std::string description;
  bool doNotPublish = false;
};

}  // namespace quorvex

#endif  // QUORVEX_PRODUCTS_CATEGORY_NAME_FORM_H_
