#ifndef QUORVEX_PLATFORM_HOME_FOLDERS_H_
#define QUORVEX_PLATFORM_HOME_FOLDERS_H_

namespace quorvex {

// The fixed names of the folders below the home. The installed ones are
// seeded from the data folder; their names are matched without regard to case.
inline constexpr char kSiteTemplatesFolder[] = "Site Templates";
inline constexpr char kStyleTemplatesFolder[] = "Style Templates";
inline constexpr char kTemplateCommonFolder[] = "Template Common";
inline constexpr char kTemplateImagesFolder[] = "Template Images";
inline constexpr char kDisplayStylesFolder[] = "Display Styles";
inline constexpr char kCouponTemplatesFolder[] = "Coupon Templates";
// The sample company of the installed data folder.
inline constexpr char kSampleFolder[] = "Sample";
// The copies of "Backup Company Files".
inline constexpr char kBackupsFolder[] = "Backups";

}  // namespace quorvex

#endif  // QUORVEX_PLATFORM_HOME_FOLDERS_H_
