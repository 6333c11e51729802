#ifndef QUORVEX_SITE_PLAIN_PAGE_H_
#define QUORVEX_SITE_PLAIN_PAGE_H_

#include "document/archive.h"

namespace quorvex {

// The base of a page class that adds nothing to `Base` but its defaults: its
// own part is the record version 1 alone, read and ignored.
template <class Base>
class PlainPage : public Base {
 public:
  void serialize(Archive& ar) override {
    Base::serialize(ar);
    ar.recordVersion(1);
  }

 protected:
  using Base::Base;
};

}  // namespace quorvex

#endif  // QUORVEX_SITE_PLAIN_PAGE_H_
