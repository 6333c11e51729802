#include "products/category_name_form.h"

namespace quorvex {

CategoryNameForm CategoryNameForm::open(std::string category, std::string_view description) {
  CategoryNameForm form;
  form.category = std::move(category);
  form.doNotPublish = description == kDoNotPublishDescription;
  if (!form.doNotPublish) form.description = std::string(description);
  return form;
}

std::string CategoryNameForm::confirmedDescription() const {
  return doNotPublish ? std::string(kDoNotPublishDescription) : description;
}

}  // namespace quorvex
