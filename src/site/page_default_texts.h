#ifndef QUORVEX_SITE_PAGE_DEFAULT_TEXTS_H_
#define QUORVEX_SITE_PAGE_DEFAULT_TEXTS_H_

#include "site/full_page.h"

namespace quorvex {

// The header, subheader and main text that a new page of each kind starts
// with. Two spaces follow each full stop inside the texts.

inline constexpr FullPageTexts kHomePageTexts{
    "Our Home Page!", "--EXAMPLE TEXT--We welcome you to our Home Page.",
    "--EXAMPLE TEXT--Welcome to our home on the Internet.  To order securely online simply "
    "follow the links to our products pages.  All prices are kept as current as possible but "
    "we will let you know if there have been any recent changes."};

inline constexpr FullPageTexts kContactPageTexts{
    "Contact Page", "--EXAMPLE TEXT--Need to catch one of us?",
    "--EXAMPLE TEXT--You can contact us through any of these means and someone will get back "
    "with you as soon as possible.  For better service please give a detailed message so that "
    "we can have the appropriate person get back in contact with you."};

// Info, articles, newspaper and magazine pages.
inline constexpr FullPageTexts kInfoPageTexts{
    "Our Business", "--EXAMPLE TEXT--A Little More About Our Company",
    "--EXAMPLE TEXT--Put your company specific info here"};

inline constexpr FullPageTexts kCouponPageTexts{
    "Our Coupons", "--EXAMPLE TEXT--Welcome to our coupon index page.",
    "--EXAMPLE TEXT--These are our coupons.  Click on any one of the links below and if you "
    "like what you see, print the page out to use as a coupon."};

inline constexpr FullPageTexts kThankYouPageTexts{
    "Thank You", "--EXAMPLE TEXT--We thank you for your order.",
    "--EXAMPLE TEXT--Thank you for your order.  You should soon receive a confirmation email "
    "of your order.  Please, keep this email as a receipt."};

inline constexpr FullPageTexts kOrderFormPageTexts{
    "Your Order Information", "--EXAMPLE TEXT--This is your billing information",
    "--EXAMPLE TEXT--Below is your billing information.  Please, check to assure that it is "
    "accurate before hitting submit."};

inline constexpr FullPageTexts kDownloadPageTexts{
    "Download", "--EXAMPLE TEXT--We thank you for your order.",
    "--EXAMPLE TEXT--Thank you for your order.  You can download your products from the links "
    "below.  You should soon receive a confirmation email of your order.  Please, keep this "
    "email as a receipt."};

inline constexpr const char* kProductPageSubheader =
    "--EXAMPLE TEXT--Please browse our products, everything is for sale";
inline constexpr const char* kProductPageMainText =
    "--EXAMPLE TEXT--You can choose one, just for yourself, or buy a bundle and please your "
    "friends.";

inline constexpr FullPageTexts kProductPageTexts{"Our Products", kProductPageSubheader,
                                                 kProductPageMainText};

inline constexpr FullPageTexts kSpecCategoryPageTexts{
    "Products by Category", kProductPageSubheader, kProductPageMainText};

inline constexpr FullPageTexts kIndProdPageTexts{"", "", ""};

}  // namespace quorvex

#endif  // QUORVEX_SITE_PAGE_DEFAULT_TEXTS_H_
