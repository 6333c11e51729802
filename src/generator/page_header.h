#ifndef QUORVEX_GENERATOR_PAGE_HEADER_H_
#define QUORVEX_GENERATOR_PAGE_HEADER_H_

#include <string>
#include <string_view>

namespace quorvex {

// Returns the generator meta element that names the program version:
// <META name="GENERATOR" content="Quorvex Version V"> (without line end).
std::string generatorMeta(std::string_view version);

// Returns the header that goes into a page of template kind `kind` generated
// by program version `version`:
//  - the content pages that live in a frame beside the shop (HomePage,
//    InfoPage, ContactPage, OrderPage, ThankYouPage, NewspaperPage,
//    ArticlesPage, MagazinePage, jserror and every kind containing "Frame"):
//    a comment line, the meta element and a script that finds the shop frame;
//  - index and error: the meta element alone;
//  - every other kind: the meta element followed by `waitForData`.
std::string pageHeader(std::string_view kind, std::string_view version,
                       std::string_view waitForData);

}  // namespace quorvex

#endif  // QUORVEX_GENERATOR_PAGE_HEADER_H_
