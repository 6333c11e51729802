#ifndef QUORVEX_PRODUCTS_FIELD_SPLITTER_H_
#define QUORVEX_PRODUCTS_FIELD_SPLITTER_H_

#include <string>
#include <string_view>
#include <vector>

namespace quorvex {

// Splits one line of a delimited product file into its fields, as product
// files have always been split:
//  - leading blanks before each field are skipped;
//  - a delimiter inside the first quoted section of the remaining text does
//    not end the field; the section ends at the first quote character that
//    is not immediately followed by a double quote (so a doubled quote never
//    ends it); an unclosed section runs to the end of the line;
//  - a field that starts and ends with the quote character loses both; every
//    field is trimmed of blanks at both ends, then each double quote followed
//    by the quote character becomes the quote character alone ("" becomes ");
//  - an empty field is stored as a single space " ";
//  - a line that ends with the delimiter itself ends with the field " "; a
//    last field that is empty after trimming is no field, so a line of blanks
//    has no field at all.
// Blanks are space, tab, line feed, vertical tab, form feed and carriage
// return, except the delimiter and the quote character themselves: a
// tab-delimited line keeps its empty fields.
//
// Replaces the content of `fields` (reusing its strings' storage). Runs in
// time linear in the length of the line. When `unclosedQuote` is given, it
// is set to whether a quoted section ran to the end of the line unclosed.
void splitFields(std::string_view line, char delimiter, char quote,
                 std::vector<std::string>* fields, bool* unclosedQuote = nullptr);

}  // namespace quorvex

#endif  // QUORVEX_PRODUCTS_FIELD_SPLITTER_H_
