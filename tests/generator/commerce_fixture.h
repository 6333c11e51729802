#ifndef QUORVEX_TESTS_GENERATOR_COMMERCE_FIXTURE_H_
#define QUORVEX_TESTS_GENERATOR_COMMERCE_FIXTURE_H_

#include <filesystem>
#include <string>

#include "generator/generation_context.h"
#include "generator/site_fixture.h"

namespace quorvex::testing {

// The site fixture's document with a generation context set up as a run
// sets it up before the site-wide fields are filled: site folder "Acme\",
// its images folder created. The commerce field classes are run on it
// directly.
class CommerceFixture : public SiteFixture {
 protected:
  CommerceFixture() : context_(doc_, env_, status_, "test") {
    context_.folders =
        SiteFolders(home_.path(), "Acme\\", doc_.m_strImagesDir, doc_.m_strImagesUrl);
    std::filesystem::create_directories(site() / "Images");
  }

  // The value of `name` in the field table; "<unset>" when it has none.
  std::string field(const std::string& name) const {
    const std::string* value = context_.fields.lookup(name);
    return value ? *value : "<unset>";
  }

  GenerationContext context_;
};

}  // namespace quorvex::testing

#endif  // QUORVEX_TESTS_GENERATOR_COMMERCE_FIXTURE_H_
