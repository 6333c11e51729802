#ifndef QUORVEX_TESTS_GENERATOR_LINK_FIXTURE_H_
#define QUORVEX_TESTS_GENERATOR_LINK_FIXTURE_H_

#include <string>
#include <utility>
#include <vector>

#include "generator/generation_context.h"
#include "generator/link_buttons.h"
#include "generator/site_fixture.h"

namespace quorvex::testing {

// A site whose link lists are built directly: a generation context with the
// site folder of "Acme" set up, the company address "www.acme.example" and
// link buttons for one run.
class LinkFixture : public SiteFixture {
 protected:
  LinkFixture();

  // Replaces the page list by bare pages of the given types and labels.
  void setPages(const std::vector<std::pair<int32_t, std::string>>& pages);
  // Lets the style draw links as buttons on a 100 × 20 GIF picture, with a
  // pressed picture of the same size when `pressed`.
  void useButtons(bool pressed);
  // Adds to `record` a customised link to `target` drawn on a
  // width × 30 GIF picture and its pressed form.
  void customise(CPage& record, const std::string& target, int width);

  // Whether the images folder holds `name`.
  bool imageWritten(const std::string& name) const { return siteHas("Images/" + name); }
  // Whether both published-file lists hold the picture `name`.
  bool enteredInBothLists(const std::string& name) const;

  GenerationContext context_;
  LinkButtons buttons_;
};

}  // namespace quorvex::testing

#endif  // QUORVEX_TESTS_GENERATOR_LINK_FIXTURE_H_
