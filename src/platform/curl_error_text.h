#ifndef QUORVEX_PLATFORM_CURL_ERROR_TEXT_H_
#define QUORVEX_PLATFORM_CURL_ERROR_TEXT_H_

#include <curl/curl.h>

#include <string>

namespace quorvex {

// Returns what a failed transfer means, in words for a shop owner rather
// than the library's own text (which names system calls and error numbers):
// what went wrong and, where there is one, what to check.
std::string curlErrorInWords(CURLcode code);

}  // namespace quorvex

#endif  // QUORVEX_PLATFORM_CURL_ERROR_TEXT_H_
