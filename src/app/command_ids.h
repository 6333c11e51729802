#ifndef QUORVEX_APP_COMMAND_IDS_H_
#define QUORVEX_APP_COMMAND_IDS_H_

namespace quorvex {

// The command numbers of the menu, the navigator buttons and the recent-file
// entries. A front end sends these numbers; CommandDispatcher carries them out.
enum Command : int {
  // File menu.
  kCmdNew = 57600,
  kCmdOpen = 57601,
  kCmdSave = 57603,
  kCmdSaveAs = 57604,
  kCmdSaveBackup = 33008,
  kCmdRestoreBackup = 32801,
  // The recent-file entries, most recent first.
  kCmdRecentFile1 = 57616,
  kCmdRecentFileLast = 57619,
  kCmdExit = 57665,

  // The wizard steps, in the order of the Navigate menu.
  kCmdLocation = 32772,
  kCmdContact = 32773,
  kCmdBusiness = 32783,
  kCmdSiteType = 32775,
  kCmdStyle = 32774,
  kCmdPageLayout = 32776,
  kCmdProductList = 32777,
  kCmdEnhanceProducts = 32790,
  kCmdIndividualPages = 32791,
  kCmdCouponManager = 32800,
  kCmdTax = 32779,
  kCmdShipping = 32780,
  kCmdOrderPayment = 32794,
  kCmdServerPreferences = 32781,
  kCmdSaveSiteLocally = 32792,
  kCmdPublish = 32782,

  // Help menu.
  kCmdProgramHelp = 32799,
  kCmdUpdate = 32802,
  kCmdOnline = 32798,
  kCmdAbout = 57664,

  // Navigator buttons: the five groups (page 0 to 4), help, on-line
  // documentation and the sales-log download.
  kCmdNavigatorPage0 = 33000,
  kCmdNavigatorPageLast = 33004,
  kCmdNavigatorHelp = 33005,
  kCmdNavigatorOnline = 33006,
  kCmdDownloadSalesLogs = 33009,
};

}  // namespace quorvex

#endif  // QUORVEX_APP_COMMAND_IDS_H_
