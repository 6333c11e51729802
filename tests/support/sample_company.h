#ifndef QUORVEX_TESTS_SUPPORT_SAMPLE_COMPANY_H_
#define QUORVEX_TESTS_SUPPORT_SAMPLE_COMPANY_H_

#include <filesystem>

namespace quorvex::testing {

// The company of the installed sample.
inline constexpr char kSampleCompany[] = "Acme Outdoor Supply";

// Seeds `home` from the installed data and puts the sample company's folder
// (its product file) beside the other companies. Returns the sample's
// document, below "Sample" in the home; records a test failure when the
// sample was not made (scripts/make-sample.sh).
std::filesystem::path installSampleCompany(const std::filesystem::path& home);

}  // namespace quorvex::testing

#endif  // QUORVEX_TESTS_SUPPORT_SAMPLE_COMPANY_H_
